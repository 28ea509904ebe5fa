#include "project/insert_code.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(InsertCode, GoesInAtTheCaretAndMovesItBehindTheCode) {
    std::string text = "AB";
    EXPECT_EQ(insertCode(text, 0, "~+"), 2u);
    EXPECT_EQ(text, "~+AB");
    EXPECT_EQ(insertCode(text, 4, "~H"), 6u);
    EXPECT_EQ(text, "~+AB~H");
}

TEST(InsertCode, StopsSoThatTheTextStaysWithin250Bytes) {
    std::string text(248, 'x');
    EXPECT_EQ(insertCode(text, 10, "~H"), 12u);
    EXPECT_EQ(text.size(), 250u);

    for (std::size_t size : {249u, 250u, 255u}) {
        std::string full(size, 'x');
        EXPECT_FALSE(insertCode(full, 0, "~H").has_value()) << size;
        EXPECT_EQ(full, std::string(size, 'x'));
    }
}

TEST(InsertCode, TakesTheCodeUpToItsFirstZeroByte) {
    std::string text = "ab";
    EXPECT_FALSE(insertCode(text, 1, std::string_view("\0\x41", 2)).has_value());
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(insertCode(text, 1, std::string_view("\xA2\0", 2)), 2u);
    EXPECT_EQ(text,
              "a\xA2"
              "b");
}

}  // namespace
}  // namespace varnel
