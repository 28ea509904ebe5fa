#include "files/document_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "common/recording_prompt.h"
#include "core/files/temp_folder.h"

namespace varnel {
namespace {

using testing::bytesOf;
using testing::fileBytes;
using testing::TempFolder;
using testing::writeBytes;

const ByteVector kHeader = {0x20, 0x61, 0x61, 0x61, 0x61, 0x61, 0x20, 0x61,
                            0x62, 0x63, 0x64, 0x20, 0x20, 0x20, 0x00};

ByteVector operator+(ByteVector a, const ByteVector& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

ByteVector le32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

// The bytes of a default project up to and including the picture flags byte.
ByteVector defaultBody(std::uint8_t flags) {
    return kHeader + ByteVector(8, 0x04) + ByteVector(8, 0x01) + ByteVector{8} +
           bytesOf("12345678") + ByteVector{0xFF} + ByteVector(6, 0x00) + ByteVector{flags};
}

// A picture whose every pixel has its own colour, so the pixel order shows in the bytes.
SlotPicture numberedPicture(int w, int h) {
    SlotPicture pic(w, h);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            pic.set(x, y, 0x00102030u + static_cast<std::uint32_t>(x * 0x100 + y));
        }
    }
    return pic;
}

// A project that uses every field, both pictures included.
BadgeProject fullProject() {
    BadgeProject p;
    for (int s = 1; s <= 8; ++s) {
        p.speed(s) = static_cast<std::uint8_t>(s - 1);
        p.action(s) = static_cast<std::uint8_t>(8 - s);
    }
    p.runSequence = "9a3";
    p.enableMask = 0x5A;
    for (int s = 1; s <= 6; ++s) {
        p.text(s) = std::string(static_cast<std::size_t>(s), static_cast<char>('A' + s));
    }
    p.text(4) = std::string("\x82\xa0\x00\xff", 4);  // code-page bytes, a zero among them
    p.setPicture(7, numberedPicture(3, 16));
    p.setPicture(8, numberedPicture(2, 5));
    return p;
}

void expectSameContent(const BadgeProject& a, const BadgeProject& b) {
    EXPECT_EQ(a.texts, b.texts);
    EXPECT_EQ(a.pictures, b.pictures);
    EXPECT_EQ(a.pictureFlags, b.pictureFlags);
    EXPECT_EQ(a.speeds, b.speeds);
    EXPECT_EQ(a.actions, b.actions);
    EXPECT_EQ(a.enableMask, b.enableMask);
    EXPECT_EQ(a.runSequence, b.runSequence);
}

TEST(DocumentFile, NewProjectIsTheFiftyOneKnownBytes) {
    ByteVector expected = defaultBody(0x00) + bytesOf("END");
    ASSERT_EQ(expected.size(), 51u);
    EXPECT_EQ(documentBytes(BadgeProject()), expected);
}

TEST(DocumentFile, SlotEightPictureAloneIsWrittenColumnByColumn) {
    BadgeProject p;
    p.setPicture(8, numberedPicture(2, 3));
    ByteVector expected = defaultBody(0x04) + le32(2) + le32(3) + le32(0x00102030) +
                          le32(0x00102031) + le32(0x00102032) + le32(0x00102130) +
                          le32(0x00102131) + le32(0x00102132) + bytesOf("END");
    ASSERT_EQ(documentBytes(p), expected);

    BadgeProject back;
    back.setPicture(7, numberedPicture(4, 16));  // must be removed by the load
    RecordingPrompt prompt;
    EXPECT_EQ(readDocument(expected, back, prompt), DocumentLoad::Complete);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(back.pictureFlags, 0x04);
    EXPECT_FALSE(back.holdsPicture(7));
    EXPECT_EQ(back.picture(7), SlotPicture());
    EXPECT_EQ(back.picture(8), numberedPicture(2, 3));
}

TEST(DocumentFile, EveryFieldComesBackAsStored) {
    BadgeProject p = fullProject();
    p.speed(1) = 7;  // outside 0..4: taken as it is
    p.action(2) = 200;
    p.text(6) = std::string(255, 'x');  // longer than typing allows; a length byte holds it
    TempFolder dir;
    ASSERT_TRUE(saveDocFile(dir / "a.bge", p));

    BadgeProject back;
    RecordingPrompt prompt;
    EXPECT_EQ(loadDocFile(dir / "a.bge", back, prompt), DocumentLoad::Complete);
    EXPECT_TRUE(prompt.messages.empty());
    expectSameContent(back, p);
    EXPECT_EQ(back.speed(1), 7);
    EXPECT_EQ(back.runSequence, "9a3");
    EXPECT_EQ(back.text(6).size(), 255u);
    // The name and the flag belong to the commands, not to the file.
    EXPECT_EQ(back.documentName, "untitle.bge");
}

TEST(DocumentFile, OverlongStringsAreCutToWhatALengthByteHolds) {
    BadgeProject p;
    p.text(1) = std::string(300, 'q');
    RecordingPrompt prompt;
    BadgeProject back;
    EXPECT_EQ(readDocument(documentBytes(p), back, prompt), DocumentLoad::Complete);
    EXPECT_EQ(back.text(1), std::string(255, 'q'));
}

TEST(DocumentFile, HeaderIsAcceptedOnItsThirdByteAlone) {
    ByteVector doc = defaultBody(0) + bytesOf("END");
    for (std::size_t i = 0; i < 15; ++i) {
        doc[i] = i == 2 ? 'a' : 0xEE;
    }
    doc[15] = 2;  // speed of slot 1
    BadgeProject p;
    RecordingPrompt prompt;
    EXPECT_EQ(readDocument(doc, p, prompt), DocumentLoad::Complete);
    EXPECT_EQ(p.speed(1), 2);

    doc[2] = 'A';
    BadgeProject untouched = fullProject();
    EXPECT_EQ(readDocument(doc, untouched, prompt), DocumentLoad::NotRead);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" File Read Error! "});
    expectSameContent(untouched, fullProject());
}

TEST(DocumentFile, NothingBehindTheEndMarkIsRead) {
    ByteVector doc = documentBytes(fullProject()) + ByteVector(100, 0xAB);
    BadgeProject p;
    RecordingPrompt prompt;
    EXPECT_EQ(readDocument(doc, p, prompt), DocumentLoad::Complete);
    expectSameContent(p, fullProject());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(DocumentFile, MissingEndKeepsTheContent) {
    ByteVector doc = documentBytes(fullProject());
    doc[doc.size() - 3] = 'X';
    BadgeProject p;
    RecordingPrompt prompt;
    EXPECT_EQ(readDocument(doc, p, prompt), DocumentLoad::MissingEnd);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" End of File not found! "});
    expectSameContent(p, fullProject());
}

// Cut a full document after every byte: the reader takes the fields that are there, never a
// part of a picture, and says what went wrong.
TEST(DocumentFile, TruncatedAtEveryOffset) {
    const BadgeProject original = fullProject();
    const ByteVector doc = documentBytes(original);
    BadgeProject withoutPictures = original;
    withoutPictures.clearPicture(7);
    withoutPictures.clearPicture(8);
    const std::size_t flagsOffset = documentBytes(withoutPictures).size() - 4;
    const SlotPicture before = numberedPicture(9, 9);
    for (std::size_t n = 0; n < doc.size(); ++n) {
        SCOPED_TRACE("cut at " + std::to_string(n));
        ByteVector cut(doc.begin(), doc.begin() + static_cast<std::ptrdiff_t>(n));
        BadgeProject p;
        p.setPicture(7, before);
        p.setPicture(8, before);
        p.text(1) = "before";
        RecordingPrompt prompt;
        DocumentLoad result = readDocument(cut, p, prompt);
        // Only "E" is compared of the end mark, so a cut inside "END" loses nothing.
        if (n >= doc.size() - 2) {
            EXPECT_EQ(result, DocumentLoad::Complete);
            EXPECT_TRUE(prompt.messages.empty());
            continue;
        }
        ASSERT_EQ(prompt.messages.size(), 1u);
        if (n < 15) {
            EXPECT_EQ(result, DocumentLoad::NotRead);
            EXPECT_EQ(prompt.messages[0], " File Read Error! ");
            EXPECT_EQ(p.text(1), "before");
            continue;
        }
        EXPECT_EQ(result, DocumentLoad::MissingEnd);
        EXPECT_EQ(prompt.messages[0], " End of File not found! ");
        for (int slot = 7; slot <= 8; ++slot) {
            if (n <= flagsOffset) {
                // The cut comes before the flags: the pictures were not reached.
                EXPECT_EQ(p.picture(slot), before) << "slot " << slot;
            } else if (p.holdsPicture(slot)) {
                EXPECT_EQ(p.picture(slot), original.picture(slot)) << "slot " << slot;
            } else {
                EXPECT_EQ(p.picture(slot), SlotPicture()) << "slot " << slot;
            }
        }
    }
}

TEST(DocumentFile, PictureSizesOutOfRangeAreRefused) {
    struct Case {
        std::int32_t w, h;
    };
    const Case cases[] = {{-1, 16},      {16, -1},     {4097, 16},         {16, 65},
                          {INT_MAX, 16}, {INT_MIN, 1}, {INT_MAX, INT_MAX}, {65536, 65536}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        ByteVector doc = defaultBody(0x06) + le32(static_cast<std::uint32_t>(c.w)) +
                         le32(static_cast<std::uint32_t>(c.h)) + ByteVector(64, 0) + bytesOf("END");
        doc[15] = 3;  // a field before the pictures is still taken over
        BadgeProject p;
        p.setPicture(7, numberedPicture(2, 2));
        p.setPicture(8, numberedPicture(2, 2));
        RecordingPrompt prompt;
        EXPECT_EQ(readDocument(doc, p, prompt), DocumentLoad::BadPicture);
        EXPECT_EQ(prompt.messages, std::vector<std::string>{" File Read Error! "});
        EXPECT_EQ(p.speed(1), 3);
        EXPECT_EQ(p.pictureFlags, 0);
        EXPECT_EQ(p.picture(7), SlotPicture());
        EXPECT_EQ(p.picture(8), SlotPicture());
    }
}

TEST(DocumentFile, LargestAndEmptyPicturesAreAccepted) {
    BadgeProject p;
    p.setPicture(7, SlotPicture(4096, 64, SlotPicture::kLit));
    p.setPicture(8, SlotPicture(0, 16));
    BadgeProject back;
    RecordingPrompt prompt;
    EXPECT_EQ(readDocument(documentBytes(p), back, prompt), DocumentLoad::Complete);
    EXPECT_EQ(back.picture(7), p.picture(7));
    EXPECT_TRUE(back.holdsPicture(8));
    EXPECT_EQ(back.picture(8).width(), 0);
}

TEST(DocumentFile, GarbageNeverCrashes) {
    std::mt19937 rng(20240611);
    const ByteVector valid = documentBytes(fullProject());
    for (int round = 0; round < 400; ++round) {
        ByteVector doc;
        if (round % 2 == 0) {
            doc.resize(rng() % 600);
            for (auto& b : doc) {
                b = static_cast<std::uint8_t>(rng());
            }
        } else {
            doc = valid;
            for (int k = 0; k < 6; ++k) {
                doc[rng() % doc.size()] = static_cast<std::uint8_t>(rng());
            }
        }
        if (doc.size() > 2) {
            doc[2] = 'a';
        }
        BadgeProject p;
        RecordingPrompt prompt;
        DocumentLoad result = readDocument(doc, p, prompt);
        EXPECT_LE(prompt.messages.size(), 1u);
        EXPECT_EQ(result == DocumentLoad::Complete, prompt.messages.empty());
        for (int slot = 7; slot <= 8; ++slot) {
            if (!p.holdsPicture(slot)) {
                EXPECT_EQ(p.picture(slot), SlotPicture());
            }
        }
    }
}

TEST(DocumentFile, MissingFileNamesThePath) {
    TempFolder dir;
    BadgeProject p = fullProject();
    RecordingPrompt prompt;
    auto path = dir / "none.bge";
    EXPECT_EQ(loadDocFile(path, p, prompt), DocumentLoad::NotRead);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{path.string() + " File No Found !"});
    expectSameContent(p, fullProject());

    // A folder is there but is no document.
    prompt.messages.clear();
    EXPECT_EQ(loadDocFile(dir.path(), p, prompt), DocumentLoad::NotRead);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" File Read Error! "});
}

TEST(DocumentFile, SavingOverALongerDocumentLeavesNoTail) {
    TempFolder dir;
    auto path = dir / "doc.bge";
    ASSERT_TRUE(saveDocFile(path, fullProject()));
    ASSERT_TRUE(saveDocFile(path, BadgeProject()));
    EXPECT_EQ(fileBytes(path), documentBytes(BadgeProject()));
    // Only the document is left in the folder: no temporary file stays behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(DocumentFile, SavingKeepsTheLinkAndThePermissionsOfTheDocument) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "shared");
    auto target = dir / "shared" / "doc.bge";
    ASSERT_TRUE(saveDocFile(target, BadgeProject()));
    std::filesystem::permissions(
        target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(std::filesystem::path("shared") / "doc.bge", dir / "link.bge");

    ASSERT_TRUE(saveDocFile(dir / "link.bge", fullProject()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.bge"));
    EXPECT_EQ(fileBytes(target), documentBytes(fullProject()));
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // Saved again under its own name: still private, and no temporary file stays behind.
    ASSERT_TRUE(saveDocFile(target, BadgeProject()));
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "shared"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(DocumentFile, FailedSaveKeepsTheOldFile) {
    TempFolder dir;
    EXPECT_FALSE(saveDocFile(dir / "missing-folder" / "doc.bge", BadgeProject()));

    // A document name that is a folder cannot be replaced by a file.
    std::filesystem::create_directory(dir / "taken.bge");
    EXPECT_FALSE(saveDocFile(dir / "taken.bge", BadgeProject()));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.bge"));
}

}  // namespace
}  // namespace varnel
