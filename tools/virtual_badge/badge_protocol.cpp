#include "badge_protocol.h"

#include <algorithm>

namespace varnel::badge {

namespace {

constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kWrite = '1';
constexpr std::uint8_t kEnd = '3';
constexpr std::size_t kWriteSize = 69;
constexpr std::size_t kEndSize = 3;

}  // namespace

bool Session::ok() const {
    return unexpected.empty() && truncatedRecords == 0 &&
           std::all_of(packets.begin(), packets.end(),
                       [](const PacketSeen& p) { return p.addressOk && p.checksumOk; });
}

BadgeProtocol::Step BadgeProtocol::feed(std::uint8_t byte, double nowMs) {
    Step step;
    if (!record_.empty() && nowMs - lastByteMs_ > kRecordGapMs) {
        ++session_.truncatedRecords;
        record_.clear();
    }
    lastByteMs_ = nowMs;

    if (!record_.empty()) {
        record_.push_back(byte);
        if (record_.size() == 2 && byte != kWrite && byte != kEnd) {
            session_.unexpected.insert(session_.unexpected.end(), record_.begin(), record_.end());
            record_.clear();
        } else if (record_.size() == kWriteSize && record_[1] == kWrite) {
            finishPacket();
        } else if (record_.size() == kEndSize && record_[1] == kEnd) {
            finishEnd();
            step.sessionEnded = true;
        }
        return step;
    }

    if (byte == kStx) {
        record_.push_back(byte);
        recordStartMs_ = nowMs;
    } else if (byte == 'T') {
        ++session_.probes;
        if (reply_) {
            ++session_.replies;
            step.answer = reply_;
        }
    } else if (byte >= 'A' && byte <= 'E') {
        session_.letters.push_back(static_cast<char>(byte));
    } else if (byte == 0x00) {
        ++session_.leadIns;
        previousEndMs_ = nowMs;
    } else {
        session_.unexpected.push_back(byte);
    }
    return step;
}

void BadgeProtocol::finishPacket() {
    PacketSeen p;
    p.address = record_[2] * 256u + record_[3];
    unsigned sum = 0;
    for (std::size_t i = 1; i < kWriteSize - 1; ++i) {
        sum += record_[i];
    }
    p.expectedChecksum = static_cast<std::uint8_t>(sum & 0xFF);
    p.checksum = record_[kWriteSize - 1];
    p.checksumOk = p.checksum == p.expectedChecksum;
    p.addressOk = p.address % 64 == 0 && p.address + 64 <= kMemorySize;
    if (previousEndMs_) {
        p.msSincePrevious = recordStartMs_ - *previousEndMs_;
    }
    if (p.addressOk && p.checksumOk) {
        std::copy(record_.begin() + 4, record_.begin() + 68, memory_.begin() + p.address);
    }
    session_.packets.push_back(p);
    previousEndMs_ = lastByteMs_;
    record_.clear();
}

void BadgeProtocol::finishEnd() {
    EndSeen e;
    e.mask = record_[2];
    if (previousEndMs_) {
        e.msSincePrevious = recordStartMs_ - *previousEndMs_;
    }
    session_.end = e;
    record_.clear();
}

Session BadgeProtocol::takeSession() {
    Session done = std::move(session_);
    session_ = Session{};
    record_.clear();
    previousEndMs_.reset();
    return done;
}

}  // namespace varnel::badge
