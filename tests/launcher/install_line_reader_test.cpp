#include "install_line_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace launcher {
namespace {

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> expected;
};

std::vector<std::string> linesOf(const std::string& bytes) {
    std::istringstream in(bytes);
    return readInstallLines(in);
}

class LauncherLineReaderTable : public testing::TestWithParam<LineCase> {};

TEST_P(LauncherLineReaderTable, ReadsEntries) {
    EXPECT_EQ(linesOf(GetParam().bytes), GetParam().expected);
}

const std::string k150(150, 'x');
const std::string k100(100, 'y');

INSTANTIATE_TEST_SUITE_P(
    Cases, LauncherLineReaderTable,
    testing::Values(
        LineCase{"SevenPlainLines",
                 "T\nH\nB1\nB2\nB3\nP1\nP2\n",
                 {"T", "H", "B1", "B2", "B3", "P1", "P2"}},
        LineCase{
            "BlankLinesAndCrLfAreSkipped", "\r\n\r\nT\r\n\r\n\r\nH\n\n\nB1\r\n", {"T", "H", "B1"}},
        LineCase{"TabSplitsAnEntry", "Start\tVarnel\nNext", {"Start", "Varnel", "Next"}},
        LineCase{"AnyControlByteSplits",
                 std::string("a\0b\x1f"
                             "c\x01"
                             "d",
                             8),
                 {"a", "b", "c", "d"}},
        LineCase{"LongEntryBecomesTwoAndLaterOnesMoveDown",
                 "T\n" + k150 + "\nB1\nB2\nB3\nP1\nP2\n",
                 {"T", std::string(100, 'x'), std::string(50, 'x'), "B1", "B2", "B3", "P1"}},
        LineCase{"EntryOfExactlyHundredBytesLeavesNoEmptyEntry", k100 + "\r\nnext", {k100, "next"}},
        LineCase{"FewerThanSevenLines", "Only title\nand headline", {"Only title", "and headline"}},
        LineCase{"EmptyFile", "", {}}, LineCase{"OnlyControlBytes", "\r\n\t\n", {}},
        LineCase{"HighBytesAndDelPassUnchanged",
                 "\x93\xfa\x96\x7b\x8c\xea\x7f\n\xff",
                 {"\x93\xfa\x96\x7b\x8c\xea\x7f", "\xff"}},
        LineCase{"BlanksAreTextNotSeparators", "  Start Varnel  \n", {"  Start Varnel  "}},
        LineCase{"StopsAfterSevenEntries",
                 "1\n2\n3\n4\n5\n6\n7\n8\n9\n",
                 {"1", "2", "3", "4", "5", "6", "7"}}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(LauncherLineReader, LeavesTheRestOfTheStreamForTheNextEntry) {
    std::istringstream in(std::string(230, 'z') + "\nw");
    EXPECT_EQ(readInstallLine(in), std::string(100, 'z'));
    EXPECT_EQ(readInstallLine(in), std::string(100, 'z'));
    EXPECT_EQ(readInstallLine(in), std::string(30, 'z'));
    EXPECT_EQ(readInstallLine(in), "w");
    EXPECT_EQ(readInstallLine(in), std::nullopt);
}

TEST(LauncherShippedFiles, MenuNamesVarnelAndTheVirtualBadge) {
    std::ifstream in(VARNEL_SOURCE_DIR "/data/program/system/Install.dat", std::ios::binary);
    ASSERT_TRUE(in);
    const std::vector<std::string> lines = readInstallLines(in);
    ASSERT_EQ(lines.size(), kInstallEntryCount);
    EXPECT_EQ(lines[5], "varnel");
    EXPECT_EQ(lines[6], "varnel-badge");
    EXPECT_EQ(lines[4], "Close");
}

}  // namespace
}  // namespace launcher
