#include "common/program_folder.h"

#include <string>
#include <system_error>

namespace varnel {

std::filesystem::path runningProgramFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path();
    }
    return exe.parent_path();
}

std::filesystem::path programFile(const std::filesystem::path& folder, std::string_view relative) {
    std::string local(relative);
    for (char& c : local) {
        if (c == '\\') {
            c = '/';
        }
    }
    while (!local.empty() && local.front() == '/') {
        local.erase(local.begin());
    }
    return folder / local;
}

}  // namespace varnel
