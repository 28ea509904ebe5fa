#pragma once

// Runs a program of the program folder and keeps its exit status and what it printed.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace varnel::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

// Standard output and error go through files in scratch.
inline CliRun runProgram(const std::filesystem::path& exe, const std::vector<std::string>& args,
                         const std::filesystem::path& scratch) {
    const std::filesystem::path out = scratch / "cli-out.txt";
    const std::filesystem::path err = scratch / "cli-err.txt";
    std::string command = shellQuoted(exe.string());
    for (const auto& a : args) {
        command += " " + shellQuoted(a);
    }
    command += " </dev/null >" + shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

}  // namespace varnel::testing
