#include "link/sleeper.h"

#include <sys/prctl.h>

#include <cerrno>
#include <ctime>

namespace varnel {

void SystemSleeper::sleepMs(int ms) {
    if (ms <= 0) {
        return;
    }
    // The kernel may let a sleep run over by its timer slack (50 us by default) to batch
    // wake-ups; with hundreds of pauses per transfer that adds up, so ask for wake-ups on time.
    static thread_local const bool onTime = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)onTime;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000;
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    // An absolute deadline: an interrupted sleep resumes without drifting.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

}  // namespace varnel
