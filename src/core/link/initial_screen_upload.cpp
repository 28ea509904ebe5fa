#include "link/initial_screen_upload.h"

#include "link/link_end_record.h"
#include "link/link_packet.h"
#include "link/link_texts.h"
#include "link/port_scan.h"
#include "link/transfer_writer.h"

namespace varnel {

LinkResult uploadInitialScreen(std::optional<int> port, const FontBlockReader& readBlock,
                               SerialPorts& ports, Sleeper& sleeper, LinkUser& user) {
    int used = 0;
    if (port) {
        used = *port;
        SerialError opened = ports.open(used);
        if (!opened.ok()) {
            user.message(cannotOpenMessage(link_texts::kUploadCannotOpen, opened));
            user.setSendPicture(SendPicture::Red);
            return {LinkOutcome::PortNotOpened, 0, opened, {}};
        }
    } else {
        ScanOutcome scan = scanForBadge(ScanKind::Upload, ports, user);
        if (!scan.port) {
            user.showNoBadgeWarning();
            return {LinkOutcome::NoBadgeFound, 0, {}, scan.refused};
        }
        used = *scan.port;
    }

    TransferWriter writer(ports, user, used);
    ports.setLine(used, kBadgeLine);
    writer.setProgressMaximum(static_cast<int>(LinkPacket::kSize) * kInitialScreenPackets);
    for (int i = 0; i < kInitialScreenPackets; ++i) {
        const std::array<std::uint8_t, LinkPacket::kDataSize> block = readBlock(i);
        LinkPacket packet(static_cast<std::uint16_t>(0x40 * i), block);
        if (!writer.write(packet.bytes(), true)) {
            return writer.fail();
        }
        sleeper.sleepMs(kInitialScreenPauseMs);
    }
    if (!writer.write(LinkEndRecord(0xFF).bytes(), false)) {
        return writer.fail();
    }
    return writer.finish();
}

}  // namespace varnel
