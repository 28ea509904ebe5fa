#include "badge_report.h"

#include <cstdio>
#include <sstream>

namespace varnel::badge {

namespace {

std::string number(const std::optional<double>& ms) {
    if (!ms) {
        return "null";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", *ms);
    return text;
}

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

void writeSession(std::ostringstream& out, const Session& s, bool complete) {
    out << "    {\n";
    out << "      \"complete\": " << (complete ? "true" : "false") << ",\n";
    out << "      \"ok\": " << (s.ok() ? "true" : "false") << ",\n";
    out << "      \"probes\": " << s.probes << ",\n";
    out << "      \"replies\": " << s.replies << ",\n";
    out << "      \"letters\": \"" << s.letters << "\",\n";
    out << "      \"leadIns\": " << s.leadIns << ",\n";
    out << "      \"truncatedRecords\": " << s.truncatedRecords << ",\n";
    out << "      \"unexpectedBytes\": [";
    for (std::size_t i = 0; i < s.unexpected.size(); ++i) {
        out << (i ? ", " : "") << static_cast<unsigned>(s.unexpected[i]);
    }
    out << "],\n";
    out << "      \"packets\": [";
    for (std::size_t i = 0; i < s.packets.size(); ++i) {
        const PacketSeen& p = s.packets[i];
        out << (i ? ",\n" : "\n") << "        {\"address\": " << p.address << ", \"addressHex\": \""
            << hex4(p.address) << "\", \"addressOk\": " << (p.addressOk ? "true" : "false")
            << ", \"checksumOk\": " << (p.checksumOk ? "true" : "false")
            << ", \"checksum\": " << static_cast<unsigned>(p.checksum)
            << ", \"expectedChecksum\": " << static_cast<unsigned>(p.expectedChecksum)
            << ", \"msSincePrevious\": " << number(p.msSincePrevious) << "}";
    }
    out << (s.packets.empty() ? "],\n" : "\n      ],\n");
    out << "      \"end\": ";
    if (s.end) {
        out << "{\"mask\": " << static_cast<unsigned>(s.end->mask)
            << ", \"msSincePrevious\": " << number(s.end->msSincePrevious) << "}\n";
    } else {
        out << "null\n";
    }
    out << "    }";
}

}  // namespace

std::string reportJson(const std::vector<Session>& finished, const Session* unfinished) {
    std::ostringstream out;
    bool ok = true;
    out << "{\n  \"sessions\": [";
    bool first = true;
    for (const Session& s : finished) {
        out << (first ? "\n" : ",\n");
        first = false;
        writeSession(out, s, true);
        ok = ok && s.ok();
    }
    if (unfinished) {
        out << (first ? "\n" : ",\n");
        first = false;
        writeSession(out, *unfinished, false);
        ok = ok && unfinished->ok();
    }
    out << (first ? "],\n" : "\n  ],\n");
    out << "  \"ok\": " << (ok ? "true" : "false") << "\n}\n";
    return out.str();
}

}  // namespace varnel::badge
