#include "link/stream_link_user.h"

namespace varnel {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

void StreamLinkUser::endBar() {
    if (barOpen_) {
        out_ << "\n";
        barOpen_ = false;
    }
}

void StreamLinkUser::lines(const std::string& text) {
    endBar();
    std::string line;
    auto flush = [&] {
        out_ << prefix_ << line << "\n";
        line.clear();
    };
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            flush();
        } else {
            line.push_back(c);
        }
    }
    flush();
    out_.flush();
}

void StreamLinkUser::message(const std::string& text) {
    lines(text);
}

bool StreamLinkUser::confirm(const std::string& text) {
    lines(text);
    const bool ok = answer_ ? answer_(text) : false;
    lines(ok ? "OK" : "Cancel");
    return ok;
}

void StreamLinkUser::setStatusPanel(int, const std::string& text) {
    if (!text.empty()) {
        lines(text);
    }
}

void StreamLinkUser::setProgressMaximum(int maximum) {
    maximum_ = maximum;
    shown_ = -1;
}

void StreamLinkUser::setProgressPosition(int position) {
    if (maximum_ <= 0 || position <= 0) {
        endBar();
        return;
    }
    const long percent = static_cast<long>(position) * 100 / maximum_;
    if (terminal_) {
        if (percent == shown_) {
            return;
        }
        shown_ = static_cast<int>(percent);
        const long filled = percent * kBarWidth / 100;
        out_ << "\r" << prefix_ << "[" << std::string(static_cast<std::size_t>(filled), '#')
             << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << position
             << "/" << maximum_ << " bytes" << std::flush;
        barOpen_ = true;
        return;
    }
    const int tenth = static_cast<int>(percent / 10);
    if (tenth != shown_) {
        shown_ = tenth;
        out_ << prefix_ << "sent " << position << " of " << maximum_ << " bytes (" << percent
             << "%)\n"
             << std::flush;
    }
}

void StreamLinkUser::showNoBadgeWarning() {
    lines("Can't find the Sign by Auto Detect Mode");
    lines("Please choose a com port  and try it again!");
}

void StreamLinkUser::setSendPicture(SendPicture picture) {
    endBar();
    if (picture == SendPicture::Green) {
        lines("done");
    }
}

}  // namespace varnel
