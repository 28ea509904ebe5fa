#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace varnel::cli {

// A verb takes its arguments (without the verb itself) and returns the exit status.
using VerbFunction = std::function<int(const std::vector<std::string>& args)>;

struct Verb {
    std::string usage;  // one line, shown by "varnel-cli help"
    VerbFunction run;
};

std::map<std::string, Verb>& verbRegistry();

// Registers a verb at start-up: static VerbRegistration reg("encode", {usage, run});
struct VerbRegistration {
    VerbRegistration(const std::string& name, Verb verb);
};

}  // namespace varnel::cli
