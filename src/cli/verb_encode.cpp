// varnel-cli encode: turns a badge document into the badge memory image that Send writes.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_common.h"
#include "cli_verbs.h"
#include "common/byte_file.h"
#include "common/program_folder.h"
#include "common/user_prompt.h"
#include "encoder/badge_encoder.h"
#include "files/document_file.h"
#include "language/language_id.h"
#include "project/badge_project.h"

namespace varnel::cli {
namespace {

constexpr const char* kUsage = "encode DOC.bge --lang jp|kr|cn|tr|en|ru --out IMAGE.bin [--json]";

int fail(const std::string& what) {
    std::cerr << "varnel-cli encode: " << what << "\n";
    return 2;
}

int runEncode(const std::vector<std::string>& argv) {
    CliArgs args(argv);
    std::optional<std::string> lang = args.takeOne("--lang");
    std::optional<std::string> out = args.takeOne("--out");
    bool json = args.takeFlag("--json");
    std::vector<std::string> rest = args.positional();
    if (!args.error().empty()) {
        return fail(args.error());
    }
    if (rest.size() != 1 || !lang || !out) {
        return fail(std::string("usage: varnel-cli ") + kUsage);
    }
    std::optional<int> languageId = parseLanguage(*lang);
    if (!languageId) {
        return fail("unknown language '" + *lang + "' (jp, kr, cn, tr, en or ru)");
    }

    StderrPrompt prompt("encode");
    BadgeProject project;
    if (loadDocFile(rest[0], project, prompt) == DocumentLoad::NotRead) {
        return 1;
    }

    BadgeEncoder encoder(runningProgramFolder(), prompt);
    EncodedBadge encoded = encoder.encode(project, *languageId);
    if (!encoded.refusal.empty()) {
        std::cerr << encoded.refusal << "\n";
        return 2;
    }
    const std::uint8_t* image = encoder.image().data();
    if (!writeFileAtomically(*out, ByteVector(image, image + DeviceImage::kSize))) {
        std::cerr << "varnel-cli encode: cannot write " << *out << "\n";
        return 1;
    }
    if (json) {
        std::cout << "{\"sequence\": \"" << encoded.sequence << "\", \"cells\": " << encoded.cells
                  << "}\n";
    } else {
        std::cout << "messages " << (encoded.sequence.empty() ? "none" : encoded.sequence) << ", "
                  << encoded.cells << " cells, written to " << *out << "\n";
    }
    return 0;
}

const VerbRegistration registration("encode", {kUsage, runEncode});

}  // namespace
}  // namespace varnel::cli
