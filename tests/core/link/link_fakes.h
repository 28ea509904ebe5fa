#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/link_user.h"
#include "link/serial_port.h"
#include "link/sleeper.h"

namespace varnel::testing {

// One thing that happened during a transfer, on the port, in the sleeper or at the user.
struct LinkEvent {
    enum Kind {
        Open,
        SetLine,
        SetTimeouts,
        Write,
        Read,
        Close,
        Sleep,
        Panel,
        ProgressMax,
        ProgressPos,
        Message,
        Confirm,
        Warning,
        Picture,
        Repaint
    };
    Kind kind;
    int port = 0;   // port calls
    int value = 0;  // byte written/read (-1: nothing read), ms, panel, progress, picture
    int extra = 0;  // second time-out, baud
    std::string text;
};

using LinkLog = std::vector<LinkEvent>;

// A serial device behind a fake port number.
struct FakeDevice {
    SerialErrorKind openError = SerialErrorKind::None;
    std::optional<std::uint8_t> answer;  // what it sends back after a 'T'
    int writesBeforeFailure = -1;        // after this many writes every write fails
    std::string name;
};

// Serial ports that record every call in the log and never wait.
class FakeSerialPorts : public SerialPorts {
  public:
    explicit FakeSerialPorts(LinkLog& log) : log_(log) {}

    FakeDevice& device(int port) {
        FakeDevice& d = devices_[port];
        if (d.name.empty()) {
            d.name = "/dev/fake" + std::to_string(port);
        }
        return d;
    }
    // The other end of the line: bytes for the port to read.
    void peerSend(int port, std::uint8_t byte) { incoming_[port].push_back(byte); }
    std::vector<std::uint8_t> peerReceived(int port) const {
        auto it = outgoing_.find(port);
        return it == outgoing_.end() ? std::vector<std::uint8_t>{} : it->second;
    }
    void reset() {
        devices_.clear();
        incoming_.clear();
        outgoing_.clear();
        writes_.clear();
        open_.clear();
    }
    void unplug(int port) { device(port).writesBeforeFailure = 0; }

    SerialError open(int port) override;
    SerialError setLine(int port, const LineSettings& line) override;
    SerialError setReadTimeouts(int port, int totalMs, int betweenMs) override;
    SerialError writeByte(int port, std::uint8_t byte) override;
    ReadResult readByte(int port) override;
    void close(int port) override;
    std::string deviceName(int port) const override;

    bool isOpen(int port) const { return open_.count(port) != 0; }

  private:
    SerialError notOpen(int port) const;

    LinkLog& log_;
    std::map<int, FakeDevice> devices_;
    std::map<int, std::deque<std::uint8_t>> incoming_;
    std::map<int, std::vector<std::uint8_t>> outgoing_;
    std::map<int, int> writes_;
    std::map<int, bool> open_;
};

class RecordingSleeper : public Sleeper {
  public:
    explicit RecordingSleeper(LinkLog& log) : log_(log) {}
    void sleepMs(int ms) override { log_.push_back({LinkEvent::Sleep, 0, ms, 0, {}}); }

  private:
    LinkLog& log_;
};

class RecordingLinkUser : public LinkUser {
  public:
    explicit RecordingLinkUser(LinkLog& log) : log_(log) {}

    void message(const std::string& text) override {
        log_.push_back({LinkEvent::Message, 0, 0, 0, text});
    }
    bool confirm(const std::string& text) override {
        log_.push_back({LinkEvent::Confirm, 0, 0, 0, text});
        return answer;
    }
    void setStatusPanel(int panel, const std::string& text) override {
        panels[static_cast<std::size_t>(panel)] = text;
        log_.push_back({LinkEvent::Panel, 0, panel, 0, text});
    }
    void setProgressMaximum(int maximum) override {
        log_.push_back({LinkEvent::ProgressMax, 0, maximum, 0, {}});
    }
    void setProgressPosition(int position) override {
        log_.push_back({LinkEvent::ProgressPos, 0, position, 0, {}});
    }
    void showNoBadgeWarning() override { log_.push_back({LinkEvent::Warning, 0, 0, 0, {}}); }
    void setSendPicture(SendPicture picture) override {
        log_.push_back({LinkEvent::Picture, 0, picture == SendPicture::Green ? 1 : 0, 0, {}});
    }
    void repaint() override { log_.push_back({LinkEvent::Repaint, 0, 0, 0, {}}); }

    bool answer = true;
    std::string panels[3];

  private:
    LinkLog& log_;
};

// Helpers over a log.
std::vector<std::uint8_t> bytesWritten(const LinkLog& log, int port);
std::vector<int> sleeps(const LinkLog& log);
std::vector<LinkEvent> eventsOf(const LinkLog& log, LinkEvent::Kind kind);
std::vector<int> portsOpened(const LinkLog& log);
std::vector<int> portsClosed(const LinkLog& log);
// The log as one line per event with the writes of a run folded: "W x69", used where the order
// of calls, pauses and user output is what matters.
std::vector<std::string> outline(const LinkLog& log);

}  // namespace varnel::testing
