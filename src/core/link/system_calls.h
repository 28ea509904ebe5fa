#pragma once

#include <poll.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <termios.h>

#include <cstddef>

namespace varnel {

// The one seam between the serial backend and the system: each call behaves as the system call
// of the same name (result and errno).  Tests derive from it to inject faults.
class SystemCalls {
  public:
    virtual ~SystemCalls() = default;

    virtual int open(const char* path, int flags);
    virtual int close(int fd);
    virtual ssize_t read(int fd, void* buffer, std::size_t count);
    virtual ssize_t write(int fd, const void* buffer, std::size_t count);
    virtual int poll(pollfd* fds, nfds_t count, int timeoutMs);
    virtual int ioctl(int fd, unsigned long request, void* argument);
    virtual int fcntl(int fd, int command, int argument);
    virtual int flock(int fd, int operation);
    virtual int isatty(int fd);
    virtual int tcgetattr(int fd, termios* settings);
    virtual int tcsetattr(int fd, int when, const termios* settings);
    virtual int tcflush(int fd, int queue);
    virtual int stat(const char* path, struct stat* status);
};

// The real calls.
SystemCalls& systemCalls();

}  // namespace varnel
