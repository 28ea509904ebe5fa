#include "tools/virtual_badge/badge_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>

namespace varnel::testing {

namespace fs = std::filesystem;

BadgeProcess::BadgeProcess(const fs::path& link, const std::vector<std::string>& extra) {
    std::vector<std::string> args = {std::string(VARNEL_PROGRAM_DIR) + "/varnel-badge", "--link",
                                     link.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        // The badge goes with the test, even when the test dies without cleaning up.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    for (int i = 0; i < 500 && pid_ > 0; ++i) {
        std::error_code ec;
        if (fs::is_symlink(fs::symlink_status(link, ec))) {
            started_ = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

BadgeProcess::~BadgeProcess() {
    stop();
}

int BadgeProcess::stop() {
    if (pid_ <= 0) {
        return -1;
    }
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int BadgeProcess::waitForExit(int timeoutMs) {
    for (int waited = 0; pid_ > 0 && waited < timeoutMs; waited += 10) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

std::vector<unsigned char> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QJsonObject readReport(const fs::path& file) {
    std::vector<unsigned char> bytes = readBytes(file);
    QByteArray text(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    return QJsonDocument::fromJson(text).object();
}

QJsonObject waitForSessions(const fs::path& file, int n, int timeoutMs) {
    QJsonObject report;
    for (int waited = 0; waited <= timeoutMs; waited += 10) {
        report = readReport(file);
        int finished = 0;
        for (const auto& s : report.value("sessions").toArray()) {
            finished += s.toObject().value("complete").toBool() ? 1 : 0;
        }
        if (finished >= n) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return report;
}

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    path = fs::temp_directory_path() /
           ("varnel-badge-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path);
    fs::create_directories(path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
}

}  // namespace varnel::testing
