#include "install_line_reader.h"

namespace launcher {

namespace {

bool isControl(std::istream::int_type c) {
    return c < 32;
}

}  // namespace

std::optional<std::string> readInstallLine(std::istream& in) {
    using Traits = std::istream::traits_type;
    std::istream::int_type c = in.get();
    while (!Traits::eq_int_type(c, Traits::eof()) && isControl(c)) {
        c = in.get();
    }
    if (Traits::eq_int_type(c, Traits::eof())) {
        return std::nullopt;
    }
    std::string line;
    line.push_back(Traits::to_char_type(c));
    while (line.size() < kMaxEntryBytes) {
        c = in.get();
        if (Traits::eq_int_type(c, Traits::eof()) || isControl(c)) {
            break;
        }
        line.push_back(Traits::to_char_type(c));
    }
    return line;
}

std::vector<std::string> readInstallLines(std::istream& in, std::size_t count) {
    std::vector<std::string> lines;
    while (lines.size() < count) {
        std::optional<std::string> line = readInstallLine(in);
        if (!line) {
            break;
        }
        lines.push_back(std::move(*line));
    }
    return lines;
}

}  // namespace launcher
