#include "link/transfer_writer.h"

#include <string>

#include "link/link_texts.h"

namespace varnel {

void TransferWriter::setProgressMaximum(int maximum) {
    maximum_ = maximum;
    position_ = 0;
    user_.setProgressMaximum(maximum);
}

bool TransferWriter::write(std::span<const std::uint8_t> bytes, bool counted) {
    for (std::uint8_t byte : bytes) {
        if (failed()) {
            return false;
        }
        error_ = ports_.writeByte(port_, byte);
        if (failed()) {
            return false;
        }
        if (counted && position_ < maximum_) {
            ++position_;
            user_.setProgressPosition(position_);
        }
    }
    return !failed();
}

LinkResult TransferWriter::finish() {
    ports_.close(port_);
    user_.setProgressPosition(0);
    user_.setSendPicture(SendPicture::Green);
    return {LinkOutcome::Completed, port_, {}, {}};
}

LinkResult TransferWriter::fail() {
    ports_.close(port_);
    user_.setProgressPosition(0);
    user_.setSendPicture(SendPicture::Red);
    std::string text = link_texts::kCannotWrite;
    if (!error_.explanation.empty()) {
        text += "\n" + error_.explanation;
    }
    user_.message(text);
    return {LinkOutcome::WriteFailed, port_, error_, {}};
}

}  // namespace varnel
