// varnel-badge: a badge on a pseudo-terminal.  It answers the probe, takes the records a sender
// writes, checks every address and checksum, keeps the badge memory, and writes the memory and a
// report of what arrived and when.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "badge_protocol.h"
#include "badge_report.h"

namespace {

using varnel::badge::BadgeProtocol;
using varnel::badge::Session;

const char* kUsage =
    "usage: varnel-badge --link PATH [--once] [--dump IMAGE.bin] [--report FILE.json]\n"
    "                    [--reply BYTE | --silent]\n"
    "  Creates a pseudo-terminal that behaves as a badge and makes PATH a symbolic link to it.\n"
    "  --once      exit after the first end record (status 0 when every check passed, 3 if not)\n"
    "  --dump      write the 32768-byte badge memory there after each transfer and at exit\n"
    "  --report    write a JSON report of every packet (address, checksum, pause) there\n"
    "  --reply     answer the probe 'T' with this byte (a character, decimal or 0xNN)\n"
    "  --silent    do not answer the probe\n";

struct Options {
    std::string link;
    bool once = false;
    std::string dump;
    std::string report;
    std::optional<std::uint8_t> reply = static_cast<std::uint8_t>('T');
};

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 's';
    [[maybe_unused]] ssize_t n = write(signalPipe[1], &c, 1);
}

std::optional<std::uint8_t> parseByte(const std::string& text) {
    if (text.size() == 1) {
        return static_cast<std::uint8_t>(text[0]);
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != '\0' || value < 0 || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<Options> parseOptions(int argc, char** argv) {
    Options o;
    bool replyGiven = false;
    bool silent = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "varnel-badge: %s needs a value\n", arg.c_str());
                return std::nullopt;
            }
            return std::string(argv[++i]);
        };
        if (arg == "--link" || arg == "--dump" || arg == "--report" || arg == "--reply") {
            std::optional<std::string> v = value();
            if (!v) {
                return std::nullopt;
            }
            if (arg == "--link") {
                o.link = *v;
            } else if (arg == "--dump") {
                o.dump = *v;
            } else if (arg == "--report") {
                o.report = *v;
            } else {
                o.reply = parseByte(*v);
                replyGiven = true;
                if (!o.reply) {
                    std::fprintf(stderr, "varnel-badge: --reply takes one byte, not '%s'\n",
                                 v->c_str());
                    return std::nullopt;
                }
            }
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (arg == "--once") {
            o.once = true;
        } else if (arg == "--silent") {
            silent = true;
            o.reply.reset();
        } else {
            std::fprintf(stderr, "varnel-badge: unknown argument '%s'\n", arg.c_str());
            return std::nullopt;
        }
    }
    if (o.link.empty()) {
        std::fprintf(stderr, "varnel-badge: --link PATH is required\n");
        return std::nullopt;
    }
    if (replyGiven && silent) {
        std::fprintf(stderr, "varnel-badge: --reply and --silent exclude each other\n");
        return std::nullopt;
    }
    return o;
}

bool writeFile(const std::string& path, const void* data, std::size_t size) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        cfsetispeed(&t, B38400);
        cfsetospeed(&t, B38400);
        tcsetattr(fd, TCSANOW, &t);
    }
}

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Points path at target, replacing only a link that an earlier badge left behind.
bool placeLink(const std::string& path, const std::string& target) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        std::fprintf(stderr, "varnel-badge: %s exists and is not a symbolic link\n", path.c_str());
        return false;
    }
    const std::string temporary = path + ".new-" + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(target.c_str(), temporary.c_str()) != 0 ||
        rename(temporary.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "varnel-badge: cannot link %s: %s\n", path.c_str(),
                     std::strerror(errno));
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

void removeLink(const std::string& path, const std::string& target) {
    char current[512] = {};
    const ssize_t n = readlink(path.c_str(), current, sizeof current - 1);
    if (n > 0 && target == std::string(current, static_cast<std::size_t>(n))) {
        unlink(path.c_str());
    }
}

class Badge {
  public:
    explicit Badge(const Options& options) : options_(options), protocol_(options.reply) {}

    void saveOutputs(bool withUnfinished) {
        if (!options_.dump.empty()) {
            writeFile(options_.dump, protocol_.memory().data(), protocol_.memory().size());
        }
        if (!options_.report.empty()) {
            const Session& current = protocol_.session();
            const bool started = current.probes || current.leadIns || !current.letters.empty() ||
                                 !current.packets.empty() || !current.unexpected.empty() ||
                                 current.truncatedRecords;
            const std::string json = varnel::badge::reportJson(
                finished_, withUnfinished && started ? &current : nullptr);
            writeFile(options_.report, json.data(), json.size());
        }
    }

    // Takes what arrived; true when a transfer has ended.
    bool take(const std::uint8_t* bytes, std::size_t count, double atMs, int master) {
        bool ended = false;
        for (std::size_t i = 0; i < count; ++i) {
            BadgeProtocol::Step step = protocol_.feed(bytes[i], atMs);
            if (step.answer) {
                const std::uint8_t answer = *step.answer;
                [[maybe_unused]] ssize_t n = write(master, &answer, 1);
            }
            if (step.sessionEnded) {
                finished_.push_back(protocol_.takeSession());
                lastOk_ = finished_.back().ok();
                saveOutputs(false);
                ended = true;
            }
        }
        return ended;
    }

    bool lastOk() const { return lastOk_; }

  private:
    const Options& options_;
    BadgeProtocol protocol_;
    std::vector<Session> finished_;
    bool lastOk_ = true;
};

}  // namespace

int main(int argc, char** argv) {
    std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char slaveName[256] = {};
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 ||
        ptsname_r(master, slaveName, sizeof slaveName) != 0) {
        std::fprintf(stderr, "varnel-badge: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    // Holding the other side open ourselves keeps the line up while a sender closes and reopens
    // it between attempts.
    const int keeper = open(slaveName, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keeper < 0) {
        std::fprintf(stderr, "varnel-badge: cannot open %s: %s\n", slaveName, std::strerror(errno));
        return 1;
    }
    makeRaw(keeper);
    makeRaw(master);

    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    Badge badge(*options);
    badge.saveOutputs(false);
    if (!placeLink(options->link, slaveName)) {
        return 1;
    }
    std::printf("varnel-badge: %s -> %s\n", options->link.c_str(), slaveName);
    std::fflush(stdout);

    int status = 0;
    double lastActivity = nowMs();
    for (;;) {
        pollfd waiting[2] = {{master, POLLIN, 0}, {signalPipe[0], POLLIN, 0}};
        const int ready = poll(waiting, 2, 1000);
        if (ready < 0 && errno != EINTR) {
            std::fprintf(stderr, "varnel-badge: %s\n", std::strerror(errno));
            status = 1;
            break;
        }
        if (ready > 0 && (waiting[1].revents & POLLIN) != 0) {
            break;
        }
        if (ready > 0 && (waiting[0].revents & POLLIN) != 0) {
            std::uint8_t buffer[4096];
            const ssize_t n = read(master, buffer, sizeof buffer);
            const double at = nowMs();
            if (n > 0) {
                lastActivity = at;
                if (badge.take(buffer, static_cast<std::size_t>(n), at, master) && options->once) {
                    status = badge.lastOk() ? 0 : 3;
                    break;
                }
            }
        } else if (nowMs() - lastActivity > 1000) {
            // A sender that died with the line in exclusive mode would lock out the next one.
            ioctl(keeper, TIOCNXCL, nullptr);
            lastActivity = nowMs();
        }
    }
    removeLink(options->link, slaveName);
    badge.saveOutputs(true);
    close(keeper);
    close(master);
    return status;
}
