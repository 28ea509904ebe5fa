#include "cli_verbs.h"

namespace varnel::cli {

std::map<std::string, Verb>& verbRegistry() {
    static std::map<std::string, Verb> registry;
    return registry;
}

VerbRegistration::VerbRegistration(const std::string& name, Verb verb) {
    verbRegistry()[name] = std::move(verb);
}

}  // namespace varnel::cli
