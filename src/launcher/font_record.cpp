#include "font_record.h"

#include <array>

namespace launcher {

FontRecord readFontRecord(std::istream& in) {
    FontRecord record;
    const std::istream::int_type length = in.get();
    if (std::istream::traits_type::eq_int_type(length, std::istream::traits_type::eof())) {
        return record;
    }
    for (int i = 0; i < length; ++i) {
        const std::istream::int_type c = in.get();
        if (std::istream::traits_type::eq_int_type(c, std::istream::traits_type::eof())) {
            return record;
        }
        if (record.faceName.size() < kMaxFaceNameBytes) {
            record.faceName.push_back(std::istream::traits_type::to_char_type(c));
        }
    }

    std::array<unsigned char, 4> height{};
    if (!in.read(reinterpret_cast<char*>(height.data()), height.size())) {
        return record;
    }
    record.height = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(height[0]) | static_cast<std::uint32_t>(height[1]) << 8 |
        static_cast<std::uint32_t>(height[2]) << 16 | static_cast<std::uint32_t>(height[3]) << 24);

    const std::istream::int_type charSet = in.get();
    if (!std::istream::traits_type::eq_int_type(charSet, std::istream::traits_type::eof())) {
        record.charSet = static_cast<std::uint8_t>(charSet);
    }
    return record;
}

}  // namespace launcher
