#include "files/parameter_file.h"

#include <gtest/gtest.h>

#include "common/recording_prompt.h"
#include "core/files/temp_folder.h"

namespace varnel {
namespace {

using testing::bytesOf;
using testing::fileBytes;
using testing::TempFolder;
using testing::writeBytes;

ByteVector setupFile(std::uint8_t language, ByteVector index, const std::string& end = "END") {
    ByteVector out = bytesOf("  badge40      ");
    out.push_back(language);
    out.insert(out.end(), index.begin(), index.end());
    ByteVector tail = bytesOf(end);
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

TEST(ParameterFile, FirstStartWritesTheChosenLanguageAndAuto) {
    TempFolder dir;
    ParameterFile para(dir.path());
    RecordingPrompt prompt;
    StoredParameters found = para.read(prompt);
    EXPECT_TRUE(para.firstRun());
    EXPECT_FALSE(found.portIndex);
    EXPECT_FALSE(found.languageId);
    EXPECT_TRUE(prompt.messages.empty());

    ASSERT_TRUE(para.save(4, 0));  // English XP, AUTO
    EXPECT_FALSE(para.firstRun());
    ByteVector expected = setupFile(0x10, {0, 0, 0, 0});
    ASSERT_EQ(expected.size(), 23u);
    EXPECT_EQ(fileBytes(dir / "setup.ini"), expected);
}

TEST(ParameterFile, PortAndLanguageComeBack) {
    TempFolder dir;
    ParameterFile para(dir.path());
    ASSERT_TRUE(para.save(0, 3));  // Japanese XP, COM 3
    EXPECT_EQ(fileBytes(dir / "setup.ini"), setupFile(0x08, {3, 0, 0, 0}));

    ParameterFile next(dir.path());
    RecordingPrompt prompt;
    StoredParameters found = next.read(prompt);
    EXPECT_FALSE(next.firstRun());
    EXPECT_EQ(found.portIndex, 3);
    EXPECT_EQ(found.languageId, 0);
}

TEST(ParameterFile, LanguageBitTable) {
    const std::uint8_t bytes[] = {0x08, 0x04, 0x02, 0x01, 0x10, 0x20};
    for (int id = 0; id < 6; ++id) {
        EXPECT_EQ(languageByteOf(id), bytes[id]);
        EXPECT_EQ(languageIdOfByte(bytes[id]), id);
    }
    EXPECT_EQ(languageByteOf(-1), 0);  // no item chosen
    EXPECT_EQ(parameterBytes(-1, 10)[15], 0);
}

TEST(ParameterFile, UnknownLanguageBytesChangeNothing) {
    for (std::uint8_t b : {0x00, 0x03, 0x40, 0xFF}) {
        TempFolder dir;
        writeBytes(dir / "setup.ini", setupFile(b, {5, 0, 0, 0}));
        ParameterFile para(dir.path());
        RecordingPrompt prompt;
        StoredParameters found = para.read(prompt);
        EXPECT_FALSE(found.languageId) << int(b);
        EXPECT_EQ(found.portIndex, 5);
        EXPECT_TRUE(prompt.messages.empty());
    }
}

TEST(ParameterFile, PortIndexOutsideTheListBecomesAuto) {
    const std::pair<ByteVector, int> cases[] = {{{10, 0, 0, 0}, 10},
                                                {{11, 0, 0, 0}, 0},
                                                {{0xFF, 0xFF, 0xFF, 0xFF}, 0},
                                                {{0, 0, 0, 0x80}, 0}};
    for (const auto& [index, expected] : cases) {
        TempFolder dir;
        writeBytes(dir / "setup.ini", setupFile(0x20, index));
        ParameterFile para(dir.path());
        RecordingPrompt prompt;
        EXPECT_EQ(para.read(prompt).portIndex, expected);
    }
}

TEST(ParameterFile, WithoutEndOnlyThePortIsTaken) {
    TempFolder dir;
    writeBytes(dir / "setup.ini", setupFile(0x02, {7, 0, 0, 0}, "XND"));
    ParameterFile para(dir.path());
    RecordingPrompt prompt;
    StoredParameters found = para.read(prompt);
    EXPECT_EQ(found.portIndex, 7);
    EXPECT_FALSE(found.languageId);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" End of File not found! "});
    EXPECT_FALSE(para.firstRun());

    // Cut inside the port index: nothing is taken.
    writeBytes(dir / "setup.ini", bytesOf("  badge40      \x10\x01"));
    prompt.messages.clear();
    found = para.read(prompt);
    EXPECT_FALSE(found.portIndex);
    EXPECT_FALSE(found.languageId);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" End of File not found! "});
}

TEST(ParameterFile, HeaderIsNotCompared) {
    TempFolder dir;
    ByteVector file = setupFile(0x01, {2, 0, 0, 0});
    std::fill(file.begin(), file.begin() + 15, 'z');
    writeBytes(dir / "setup.ini", file);
    ParameterFile para(dir.path());
    RecordingPrompt prompt;
    StoredParameters found = para.read(prompt);
    EXPECT_EQ(found.languageId, 3);
    EXPECT_EQ(found.portIndex, 2);
}

}  // namespace
}  // namespace varnel
