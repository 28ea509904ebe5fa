// varnel-cli send: encodes a badge document and sends it to a badge, as the editor's Send does.

#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_common.h"
#include "cli_verbs.h"
#include "common/program_folder.h"
#include "encoder/badge_encoder.h"
#include "files/document_file.h"
#include "language/language_id.h"
#include "link/badge_send.h"
#include "link/port_argument.h"
#include "link/stream_link_user.h"
#include "link/termios_serial_ports.h"
#include "project/badge_project.h"

namespace varnel::cli {
namespace {

constexpr const char* kUsage =
    "send DOC.bge --lang jp|kr|cn|tr|en|ru --port AUTO|COM<n>|DEVICE [--yes]\n"
    "      exit 0 sent, 1 no port opened / no badge found / write failed,\n"
    "      2 document not sent (refused, unreadable, or the size question answered Cancel;\n"
    "      --yes answers it OK)";
constexpr const char* kPrefix = "varnel-cli send: ";

// The size question: --yes answers OK; a person at a terminal is asked; otherwise Cancel.
bool answerFromTerminal(bool yes) {
    if (yes) {
        return true;
    }
    if (!isatty(STDIN_FILENO)) {
        std::cerr << kPrefix << "no terminal to ask; --yes answers OK\n";
        return false;
    }
    std::cerr << kPrefix << "send anyway? [y/N] " << std::flush;
    std::string reply;
    std::getline(std::cin, reply);
    return reply == "y" || reply == "Y" || reply == "yes" || reply == "ok" || reply == "OK";
}

int exitStatusOf(const LinkResult& result, std::ostream& err, const char* prefix) {
    for (const PortRefusal& refused : result.refused) {
        err << prefix << "COM " << refused.port << " skipped: " << refused.error.explanation
            << "\n";
    }
    switch (result.outcome) {
        case LinkOutcome::Completed:
            return 0;
        case LinkOutcome::Cancelled:
            return 2;  // the document was not sent
        default:
            return 1;
    }
}

int runSend(const std::vector<std::string>& argv) {
    CliArgs args(argv);
    std::optional<std::string> lang = args.takeOne("--lang");
    std::optional<std::string> portText = args.takeOne("--port");
    const bool yes = args.takeFlag("--yes");
    std::vector<std::string> rest = args.positional();
    if (!args.error().empty() || rest.size() != 1 || !lang || !portText) {
        std::cerr << kPrefix << (args.error().empty() ? "" : args.error() + "\n")
                  << "usage: varnel-cli " << kUsage << "\n";
        return 2;
    }
    std::optional<int> languageId = parseLanguage(*lang);
    if (!languageId) {
        std::cerr << kPrefix << "unknown language '" << *lang << "' (jp, kr, cn, tr, en or ru)\n";
        return 2;
    }
    const PortArgument port = parsePortArgument(*portText);
    if (!port.valid) {
        std::cerr << kPrefix << "--port takes AUTO, COM1 to COM20 or a device path, not '"
                  << *portText << "'\n";
        return 2;
    }

    StreamLinkUser user(std::cerr, kPrefix, isatty(STDERR_FILENO) == 1,
                        [yes](const std::string&) { return answerFromTerminal(yes); });
    BadgeProject project;
    if (loadDocFile(rest[0], project, user) == DocumentLoad::NotRead) {
        return 2;
    }

    const std::filesystem::path folder = runningProgramFolder();
    BadgeEncoder encoder(folder, user);
    EncodedBadge encoded = encoder.encode(project, *languageId);
    if (!encoded.refusal.empty()) {
        user.message(encoded.refusal);
        return 2;
    }

    PortMap map(folder);
    const std::optional<int> chosen = applyPortArgument(port, map);
    TermiosSerialPorts ports(std::move(map));
    SystemSleeper sleeper;
    SendJob job{
        encoded.sequence,
        std::span<const std::uint8_t, kBadgeMemorySize>(encoder.image().data(), kBadgeMemorySize),
        encoded.cells, chosen};
    return exitStatusOf(sendToBadge(job, ports, sleeper, user), std::cerr, kPrefix);
}

const VerbRegistration registration("send", {kUsage, runSend});

}  // namespace
}  // namespace varnel::cli
