#include "link/badge_send.h"

#include <algorithm>

#include "link/link_end_record.h"
#include "link/link_packet.h"
#include "link/link_texts.h"
#include "link/port_scan.h"
#include "link/transfer_writer.h"

namespace varnel {

namespace {

constexpr int kMaxMessages = 8;
constexpr int kHeaderPacketsPerMessage = 4;
constexpr int kBitmapPacketLimit =
    static_cast<int>((kBadgeMemorySize - kBitmapBase) / LinkPacket::kDataSize);

LinkPacket packetAt(std::span<const std::uint8_t, kBadgeMemorySize> image, unsigned address) {
    return LinkPacket(static_cast<std::uint16_t>(address),
                      image.subspan(address).first<LinkPacket::kDataSize>());
}

}  // namespace

int bitmapPacketCount(int cells) {
    if (cells <= 0) {
        return 0;
    }
    return std::min((32 * cells + 63) / 64, kBitmapPacketLimit);
}

LinkResult sendToBadge(const SendJob& job, SerialPorts& ports, Sleeper& sleeper, LinkUser& user) {
    const int n = std::min(static_cast<int>(job.sequence.size()), kMaxMessages);
    const LinkEndRecord end = LinkEndRecord::forMessageCount(n);

    int port = 0;
    if (job.port) {
        port = *job.port;
        SerialError opened = ports.open(port);
        if (!opened.ok()) {
            user.message(cannotOpenMessage(link_texts::kSendCannotOpen, opened));
            user.setSendPicture(SendPicture::Red);
            return {LinkOutcome::PortNotOpened, 0, opened, {}};
        }
    } else {
        ScanOutcome scan = scanForBadge(ScanKind::Send, ports, user);
        if (!scan.port) {
            user.showNoBadgeWarning();
            return {LinkOutcome::NoBadgeFound, 0, {}, scan.refused};
        }
        port = *scan.port;
        if (!scan.writeError.ok()) {
            TransferWriter failing(ports, user, port);
            failing.adoptError(scan.writeError);
            LinkResult result = failing.fail();
            result.refused = scan.refused;
            return result;
        }
    }

    TransferWriter writer(ports, user, port);
    ports.setLine(port, kBadgeLine);
    if (!writer.write(std::uint8_t{0x00}, false)) {
        return writer.fail();
    }
    sleeper.sleepMs(kLeadInPauseMs);

    user.setStatusPanel(0,
                        std::string(link_texts::kSendMessage) +
                            (n == 0 ? std::string(link_texts::kEmpty) : job.sequence.substr(0, n)));

    if (job.cells >= kSizeQuestionCells) {
        if (!user.confirm(link_texts::kSizeQuestion)) {
            ports.close(port);
            return {LinkOutcome::Cancelled, port, {}, {}};
        }
        user.repaint();
    }

    const int bitmapPackets = bitmapPacketCount(job.cells);
    writer.setProgressMaximum(static_cast<int>(LinkPacket::kSize) *
                              (kHeaderPacketsPerMessage * n + bitmapPackets));

    for (int k = 0; k < n; ++k) {
        for (int t = 0; t < kHeaderPacketsPerMessage; ++t) {
            LinkPacket packet = packetAt(job.image, kHeaderBase + 0x100u * k + 0x40u * t);
            if (!writer.write(packet.bytes(), true)) {
                return writer.fail();
            }
            sleeper.sleepMs(kHeaderPacketPauseMs);
        }
    }
    for (int j = 0; j < bitmapPackets; ++j) {
        LinkPacket packet = packetAt(job.image, kBitmapBase + 0x40u * j);
        if (!writer.write(packet.bytes(), true)) {
            return writer.fail();
        }
        sleeper.sleepMs(kBitmapPacketPauseMs);
    }
    if (!writer.write(end.bytes(), false)) {
        return writer.fail();
    }
    return writer.finish();
}

}  // namespace varnel
