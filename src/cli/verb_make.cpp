// varnel-cli make: writes a badge document from command-line values.

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_common.h"
#include "cli_verbs.h"
#include "files/document_file.h"
#include "language/code_page.h"
#include "language/language_id.h"
#include "project/badge_project.h"

namespace varnel::cli {
namespace {

constexpr const char* kUsage =
    "make OUT.bge [--lang jp|kr|cn|tr|en|ru] [--text N TEXT]... [--picture 7|8 IMAGE]... "
    "[--speed N V]... [--action N V]... [--enable MASK] [--run SEQ]";

int fail(const std::string& what) {
    std::cerr << "varnel-cli make: " << what << "\n";
    return 2;
}

std::optional<long> parseNumber(const std::string& s, long low, long high) {
    if (s.empty()) {
        return std::nullopt;
    }
    try {
        std::size_t used = 0;
        long v = std::stol(s, &used, 0);
        if (used != s.size() || v < low || v > high) {
            return std::nullopt;
        }
        return v;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string codePointOf(const std::string& utf8) {
    char32_t cp = 0;
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    if (utf8.empty()) {
        return "";
    }
    std::size_t n = b(0) < 0x80 ? 1 : b(0) < 0xE0 ? 2 : b(0) < 0xF0 ? 3 : 4;
    cp = n == 1 ? b(0) : b(0) & (0xFF >> (n + 1));
    for (std::size_t i = 1; i < n && i < utf8.size(); ++i) {
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

// The picture of slot 7 or 8 from an image file, or an error text.
std::optional<std::string> loadPicture(BadgeProject& project, int slot, const std::string& file);

int runMake(const std::vector<std::string>& argv) {
    CliArgs args(argv);
    int language = kEnglish;
    if (auto l = args.takeOne("--lang")) {
        auto id = parseLanguage(*l);
        if (!id) {
            return fail("unknown language '" + *l + "' (jp kr cn tr en ru)");
        }
        language = *id;
    }
    const LanguageInfo& info = languageInfo(language);

    BadgeProject project;
    while (auto v = args.take("--text", 2)) {
        auto slot = parseNumber((*v)[0], 1, kTextSlotCount);
        if (!slot) {
            return fail("--text: the slot must be 1 to 6, not '" + (*v)[0] + "'");
        }
        std::string bad;
        auto bytes = utf8ToCodePage(language, (*v)[1], &bad);
        if (!bytes) {
            return fail("--text " + (*v)[0] + ": the character '" + bad + "' (" + codePointOf(bad) +
                        ") cannot be written in code page " + std::to_string(info.codePage) + " (" +
                        std::string(info.suffix) + ")");
        }
        if (bytes->size() > kMaxTypedTextBytes) {
            return fail("--text " + (*v)[0] + ": " + std::to_string(bytes->size()) +
                        " bytes; a message holds at most " + std::to_string(kMaxTypedTextBytes));
        }
        project.text(static_cast<int>(*slot)) = *bytes;
    }
    while (auto v = args.take("--picture", 2)) {
        auto slot = parseNumber((*v)[0], 7, 8);
        if (!slot) {
            return fail("--picture: the slot must be 7 or 8, not '" + (*v)[0] + "'");
        }
        if (auto error = loadPicture(project, static_cast<int>(*slot), (*v)[1])) {
            return fail("--picture " + (*v)[0] + ": " + *error);
        }
    }
    for (const char* option : {"--speed", "--action"}) {
        while (auto v = args.take(option, 2)) {
            auto slot = parseNumber((*v)[0], 1, kSlotCount);
            auto value = parseNumber((*v)[1], 0, 4);
            if (!slot || !value) {
                return fail(std::string(option) + " takes a slot 1 to 8 and a value 0 to 4, not '" +
                            (*v)[0] + " " + (*v)[1] + "'");
            }
            auto& field = std::string(option) == "--speed" ? project.speeds : project.actions;
            field[static_cast<std::size_t>(*slot - 1)] = static_cast<std::uint8_t>(*value);
        }
    }
    if (auto m = args.takeOne("--enable")) {
        auto mask = parseNumber(*m, 0, 255);
        if (!mask) {
            return fail("--enable takes a mask 0 to 255 (0x00 to 0xFF), not '" + *m + "'");
        }
        project.enableMask = static_cast<std::uint8_t>(*mask);
    }
    if (auto r = args.takeOne("--run")) {
        if (r->size() > kMaxRunSequenceChars) {
            return fail("--run holds at most 8 characters");
        }
        project.runSequence = *r;
    }
    auto rest = args.positional();
    if (!args.error().empty()) {
        return fail(args.error() + "\nusage: varnel-cli " + kUsage);
    }
    if (rest.size() != 1) {
        return fail(std::string("one output file is needed\nusage: varnel-cli ") + kUsage);
    }
    if (!saveDocFile(rest[0], project)) {
        std::cerr << "varnel-cli make: cannot write " << rest[0] << "\n";
        return 1;
    }
    return 0;
}

const VerbRegistration registration("make", {kUsage, runMake});

}  // namespace
}  // namespace varnel::cli

// Picture files are decoded by the image library, with the colour rule of the picture load.
#if __has_include("imageio/picture_file.h")
#include <QString>

#include "imageio/picture_file.h"
#define VARNEL_MAKE_HAS_PICTURES 1
#endif

namespace varnel::cli {
namespace {

std::optional<std::string> loadPicture(BadgeProject& project, int slot, const std::string& file) {
#ifdef VARNEL_MAKE_HAS_PICTURES
    PictureLoadResult loaded = loadSlotPictureFile(QString::fromStdString(file));
    if (!loaded.error.empty()) {
        return loaded.error;
    }
    project.setPicture(slot, std::move(loaded.picture));
    return std::nullopt;
#else
    (void)project;
    (void)slot;
    return "pictures cannot be read by this build (" + file + ")";
#endif
}

}  // namespace
}  // namespace varnel::cli
