// varnel-cli: works on badge documents and talks to badges without the editor window.

#include <iostream>
#include <string>
#include <vector>

#include "cli_verbs.h"

namespace {

int usage(std::ostream& out) {
    out << "usage: varnel-cli VERB [ARGS...]\n";
    for (const auto& [name, verb] : varnel::cli::verbRegistry()) {
        out << "  " << verb.usage << "\n";
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage(std::cerr);
    }
    std::string verb = argv[1];
    if (verb == "help" || verb == "--help" || verb == "-h") {
        usage(std::cout);
        return 0;
    }
    auto& registry = varnel::cli::verbRegistry();
    auto it = registry.find(verb);
    if (it == registry.end()) {
        std::cerr << "varnel-cli: unknown verb '" << verb << "'\n";
        return usage(std::cerr);
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    return it->second.run(args);
}
