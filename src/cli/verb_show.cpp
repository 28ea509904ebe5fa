// varnel-cli show: prints every field of a badge document.

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_common.h"
#include "cli_verbs.h"
#include "common/user_prompt.h"
#include "files/document_file.h"
#include "language/code_page.h"
#include "language/language_id.h"
#include "project/badge_project.h"

namespace varnel::cli {
namespace {

constexpr const char* kUsage = "show DOC.bge [--lang jp|kr|cn|tr|en|ru] [--json]";

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string byteList(const std::array<std::uint8_t, kSlotCount>& values, const char* separator) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += (i ? separator : "") + std::to_string(values[i]);
    }
    return out;
}

std::string hexByte(std::uint8_t v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", v);
    return buf;
}

void printJson(const BadgeProject& p, int language, std::ostream& out) {
    out << "{\n  \"language\": " << jsonString(std::string(languageInfo(language).suffix))
        << ",\n  \"speeds\": [" << byteList(p.speeds, ", ") << "],\n  \"actions\": ["
        << byteList(p.actions, ", ") << "],\n  \"enableMask\": " << int(p.enableMask)
        << ",\n  \"runSequence\": " << jsonString(codePageToUtf8(language, p.runSequence))
        << ",\n  \"texts\": [";
    for (int s = 1; s <= kTextSlotCount; ++s) {
        out << (s > 1 ? ", " : "") << jsonString(codePageToUtf8(language, p.text(s)));
    }
    out << "],\n  \"textBytes\": [";
    for (int s = 1; s <= kTextSlotCount; ++s) {
        out << (s > 1 ? ", " : "") << p.text(s).size();
    }
    out << "],\n  \"pictureFlags\": " << int(p.pictureFlags) << ",\n  \"pictures\": {";
    for (int s = 7; s <= 8; ++s) {
        out << (s > 7 ? ", " : "") << "\"" << s << "\": ";
        if (p.holdsPicture(s)) {
            out << "{\"width\": " << p.picture(s).width()
                << ", \"height\": " << p.picture(s).height() << "}";
        } else {
            out << "null";
        }
    }
    out << "}\n}\n";
}

void printText(const BadgeProject& p, int language, std::ostream& out) {
    out << "language: " << languageInfo(language).suffix << "\n"
        << "speeds: " << byteList(p.speeds, " ") << "\n"
        << "actions: " << byteList(p.actions, " ") << "\n"
        << "enable: " << hexByte(p.enableMask) << " (on:";
    for (int s = 1; s <= kSlotCount; ++s) {
        if (p.enableMask & (1u << (s - 1))) {
            out << " " << s;
        }
    }
    out << ")\nrun: " << codePageToUtf8(language, p.runSequence) << "\n";
    for (int s = 1; s <= kTextSlotCount; ++s) {
        out << "text " << s << " (" << p.text(s).size() << " bytes):";
        if (!p.text(s).empty()) {
            out << " " << codePageToUtf8(language, p.text(s));
        }
        out << "\n";
    }
    out << "picture flags: " << hexByte(p.pictureFlags) << "\n";
    for (int s = 7; s <= 8; ++s) {
        out << "picture " << s << ": ";
        if (p.holdsPicture(s)) {
            out << p.picture(s).width() << " x " << p.picture(s).height() << "\n";
        } else {
            out << "none\n";
        }
    }
}

int runShow(const std::vector<std::string>& argv) {
    CliArgs args(argv);
    int language = kEnglish;
    if (auto l = args.takeOne("--lang")) {
        auto id = parseLanguage(*l);
        if (!id) {
            std::cerr << "varnel-cli show: unknown language '" << *l << "' (jp kr cn tr en ru)\n";
            return 2;
        }
        language = *id;
    }
    bool json = args.takeFlag("--json");
    auto rest = args.positional();
    if (!args.error().empty() || rest.size() != 1) {
        std::cerr << "varnel-cli show: "
                  << (args.error().empty() ? "one document is needed" : args.error())
                  << "\nusage: varnel-cli " << kUsage << "\n";
        return 2;
    }
    BadgeProject project;
    StderrPrompt prompt("show");
    DocumentLoad result = loadDocFile(rest[0], project, prompt);
    if (result == DocumentLoad::NotRead) {
        return 1;
    }
    if (json) {
        printJson(project, language, std::cout);
    } else {
        printText(project, language, std::cout);
    }
    return result == DocumentLoad::Complete ? 0 : 1;
}

const VerbRegistration registration("show", {kUsage, runShow});

}  // namespace
}  // namespace varnel::cli
