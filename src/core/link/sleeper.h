#pragma once

namespace varnel {

// Paces the line.  The program sleeps for real; tests record the pauses instead.
class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(int ms) = 0;
};

// Sleeps at least the asked time on the monotonic clock, resuming after signals.
class SystemSleeper : public Sleeper {
  public:
    void sleepMs(int ms) override;
};

}  // namespace varnel
