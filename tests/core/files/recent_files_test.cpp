#include "files/recent_files.h"

#include <gtest/gtest.h>

#include "core/files/temp_folder.h"

namespace varnel {
namespace {

using testing::bytesOf;
using testing::fileBytes;
using testing::TempFolder;
using testing::writeBytes;

RecentEntries entriesOf(const RecentFiles& list) {
    return list.entries();
}

TEST(RecentFiles, FileHoldsFourCountedEntries) {
    TempFolder dir;
    RecentFiles list(dir.path());
    EXPECT_TRUE(list.save("/home/u/a.bge"));
    EXPECT_EQ(fileBytes(dir / "History.ini"),
              bytesOf(std::string("\x0d/home/u/a.bge") + std::string(3, '\0')));
}

TEST(RecentFiles, SameDocumentTwiceIsWrittenOnce) {
    TempFolder dir;
    RecentFiles list(dir.path());
    EXPECT_TRUE(list.save("a.bge"));
    EXPECT_TRUE(list.takeRefreshRequest());
    EXPECT_FALSE(list.takeRefreshRequest());
    std::filesystem::remove(dir / "History.ini");

    EXPECT_FALSE(list.save("a.bge"));
    EXPECT_FALSE(std::filesystem::exists(dir / "History.ini"));
    EXPECT_FALSE(list.refreshRequested());
}

TEST(RecentFiles, MoveToFront) {
    struct Case {
        std::string path;
        RecentEntries expected;
    };
    // Starting from d c b a (newest first).
    const Case cases[] = {
        {"e", {"e", "d", "c", "b"}},  // a new path pushes the oldest out
        {"d", {"d", "c", "b", "a"}},  // already newest: nothing changes
        {"c", {"c", "d", "b", "a"}},  // entry 1 swaps with entry 0
        {"b", {"b", "d", "c", "a"}},  // entry 2 to the front, entry 3 stays
        {"a", {"a", "d", "c", "b"}},  // entry 3 comes to the front like a new one
        {"D", {"D", "d", "c", "b"}},  // letter case counts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        TempFolder dir;
        RecentFiles list(dir.path());
        for (const char* p : {"a", "b", "c", "d"}) {
            list.save(p);
        }
        list.save(c.path);
        EXPECT_EQ(entriesOf(list), c.expected);
        RecentFiles reread(dir.path());
        EXPECT_TRUE(reread.read());
        EXPECT_EQ(entriesOf(reread), c.expected);
    }
}

TEST(RecentFiles, FiveDocumentsLeaveTheLastFour) {
    TempFolder dir;
    RecentFiles list(dir.path());
    for (const char* p : {"/d/1.bge", "/d/2.bge", "/d/3.bge", "/d/4.bge", "/d/5.bge"}) {
        list.save(p);
    }
    EXPECT_EQ(entriesOf(list), (RecentEntries{"/d/5.bge", "/d/4.bge", "/d/3.bge", "/d/2.bge"}));
}

TEST(RecentFiles, PathTooLongForALengthByteStaysOut) {
    TempFolder dir;
    RecentFiles list(dir.path());
    std::string fits(255, 'p');
    EXPECT_TRUE(list.save(fits));
    EXPECT_FALSE(list.save(std::string(256, 'q')));
    EXPECT_EQ(list.entry(0), fits);
    RecentFiles reread(dir.path());
    reread.read();
    EXPECT_EQ(reread.entry(0), fits);
}

TEST(RecentFiles, Reading) {
    struct Case {
        const char* name;
        std::string file;
        RecentEntries expected;
    };
    const Case cases[] = {
        {"four empty", std::string(4, '\0'), {"", "", "", ""}},
        {"two then end", std::string("\x01x\x02yz"), {"x", "yz", "", ""}},
        {"entry cut short", std::string("\x01x\x05yz"), {"x", "", "", ""}},
        {"empty file", "", {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        RecentFiles list(dir.path());
        list.save("old");  // replaced by what the file holds
        writeBytes(dir / "History.ini", bytesOf(c.file));
        EXPECT_TRUE(list.read());
        EXPECT_EQ(entriesOf(list), c.expected);
    }
}

TEST(RecentFiles, MissingFileLeavesTheListEmpty) {
    TempFolder dir;
    RecentFiles list(dir.path());
    EXPECT_FALSE(list.read());
    EXPECT_EQ(entriesOf(list), (RecentEntries{"", "", "", ""}));
}

TEST(RecentFiles, CaptionIsTheFileName) {
    EXPECT_EQ(recentEntryCaption("/home/u/docs/My Badge.bge"), "My Badge.bge");
    EXPECT_EQ(recentEntryCaption("untitle.bge"), "untitle.bge");
    EXPECT_EQ(recentEntryCaption("C:\\x\\y.bge"), "y.bge");
}

}  // namespace
}  // namespace varnel
