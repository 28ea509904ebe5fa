// varnel-cli upload-font: writes the resident font's first 3072 bytes into the badge, as the
// editor's "Initial Screen" button does.

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_verbs.h"
#include "common/program_folder.h"
#include "encoder/badge_encoder.h"
#include "encoder/glyph_font_set.h"
#include "link/initial_screen_upload.h"
#include "link/port_argument.h"
#include "link/stream_link_user.h"
#include "link/termios_serial_ports.h"

namespace varnel::cli {
namespace {

constexpr const char* kUsage =
    "upload-font --port AUTO|COM<n>|DEVICE\n"
    "      exit 0 sent, 1 no port opened / no badge found / write failed";
constexpr const char* kPrefix = "varnel-cli upload-font: ";

int runUploadFont(const std::vector<std::string>& argv) {
    CliArgs args(argv);
    std::optional<std::string> portText = args.takeOne("--port");
    std::vector<std::string> rest = args.positional();
    if (!args.error().empty() || !rest.empty() || !portText) {
        std::cerr << kPrefix << (args.error().empty() ? "" : args.error() + "\n")
                  << "usage: varnel-cli " << kUsage << "\n";
        return 2;
    }
    const PortArgument port = parsePortArgument(*portText);
    if (!port.valid) {
        std::cerr << kPrefix << "--port takes AUTO, COM1 to COM20 or a device path, not '"
                  << *portText << "'\n";
        return 2;
    }

    StreamLinkUser user(std::cerr, kPrefix, isatty(STDERR_FILENO) == 1, nullptr);
    const std::filesystem::path folder = runningProgramFolder();
    // The glyph reader of the encoder, so that a missing or short font file is told as it is
    // when the editor sends.
    BadgeEncoder glyphs(folder, user);
    FontBlockReader readBlock = [&glyphs](int block) {
        glyphs.readFontGlyph(GlyphFontSet::kResidentFont, 64 * block, 64);
        std::array<std::uint8_t, 64> data{};
        std::copy_n(glyphs.glyphBuffer().data(), data.size(), data.begin());
        return data;
    };

    PortMap map(folder);
    const std::optional<int> chosen = applyPortArgument(port, map);
    TermiosSerialPorts ports(std::move(map));
    SystemSleeper sleeper;
    LinkResult result = uploadInitialScreen(chosen, readBlock, ports, sleeper, user);
    for (const PortRefusal& refused : result.refused) {
        std::cerr << kPrefix << "COM " << refused.port << " skipped: " << refused.error.explanation
                  << "\n";
    }
    return result.outcome == LinkOutcome::Completed ? 0 : 1;
}

const VerbRegistration registration("upload-font", {kUsage, runUploadFont});

}  // namespace
}  // namespace varnel::cli
