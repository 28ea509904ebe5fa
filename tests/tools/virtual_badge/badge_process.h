#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QJsonObject>

namespace varnel::testing {

// A varnel-badge process for the length of a test.
class BadgeProcess {
  public:
    // Starts the badge from the build's program folder with --link path and the given extra
    // arguments, and waits until the link is there.
    BadgeProcess(const std::filesystem::path& link, const std::vector<std::string>& extra);
    ~BadgeProcess();

    BadgeProcess(const BadgeProcess&) = delete;
    BadgeProcess& operator=(const BadgeProcess&) = delete;

    bool started() const { return started_; }
    // Asks it to stop (SIGTERM) and returns its exit status.
    int stop();
    // Waits for it to end by itself (--once); -1 when it did not within the time.
    int waitForExit(int timeoutMs);

  private:
    pid_t pid_ = -1;
    bool started_ = false;
};

// The report file as JSON (an empty object when it cannot be read).
QJsonObject readReport(const std::filesystem::path& file);
// Waits until the report holds at least n finished sessions.
QJsonObject waitForSessions(const std::filesystem::path& file, int n, int timeoutMs = 5000);

std::vector<unsigned char> readBytes(const std::filesystem::path& file);

// A fresh empty folder under the system's temporary folder, removed at the end.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder();
    ~ScratchFolder();
};

}  // namespace varnel::testing
