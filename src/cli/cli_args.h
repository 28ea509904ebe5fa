#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnel::cli {

// A small option reader: positional arguments, "--flag" switches and "--name VALUE" options
// (an option may repeat and may take more than one value, as "--text N TEXT").
class CliArgs {
  public:
    explicit CliArgs(std::vector<std::string> args) : args_(std::move(args)) {}

    // Removes and returns the next n values after the first occurrence of --name, or nothing
    // when --name is absent.  Sets error() when --name lacks values.
    std::optional<std::vector<std::string>> take(const std::string& name, int n = 1);
    std::optional<std::string> takeOne(const std::string& name);
    bool takeFlag(const std::string& name);
    // What is left after the options were taken; an unknown "--x" is an error.
    std::vector<std::string> positional();

    const std::string& error() const { return error_; }

  private:
    std::vector<std::string> args_;
    std::string error_;
};

}  // namespace varnel::cli
