#include "cli_args.h"

#include <algorithm>

namespace varnel::cli {

std::optional<std::vector<std::string>> CliArgs::take(const std::string& name, int n) {
    auto it = std::find(args_.begin(), args_.end(), name);
    if (it == args_.end()) {
        return std::nullopt;
    }
    auto first = it + 1;
    if (args_.end() - first < n) {
        error_ = name + " needs " + std::to_string(n) + (n == 1 ? " value" : " values");
        args_.erase(it, args_.end());
        return std::nullopt;
    }
    std::vector<std::string> values(first, first + n);
    args_.erase(it, first + n);
    return values;
}

std::optional<std::string> CliArgs::takeOne(const std::string& name) {
    auto v = take(name, 1);
    if (!v) {
        return std::nullopt;
    }
    return v->front();
}

bool CliArgs::takeFlag(const std::string& name) {
    auto it = std::find(args_.begin(), args_.end(), name);
    if (it == args_.end()) {
        return false;
    }
    args_.erase(it);
    return true;
}

std::vector<std::string> CliArgs::positional() {
    for (const auto& a : args_) {
        if (a.size() > 2 && a.rfind("--", 0) == 0 && error_.empty()) {
            error_ = "unknown option " + a;
        }
    }
    return args_;
}

}  // namespace varnel::cli
