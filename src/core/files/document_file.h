#pragma once

#include <filesystem>
#include <string>

#include "common/byte_file.h"
#include "common/user_prompt.h"
#include "project/badge_project.h"

namespace varnel {

// The .bge document: a 15-byte header, the speeds and actions, the run sequence, the enable
// mask, six texts, the picture flags, one block per picture (W, H, then W x H colours column by
// column) and "END".  All numbers little-endian, strings as a length byte and the bytes.

// Texts and the run sequence carry one length byte; anything longer is cut when written.
constexpr std::size_t kMaxStoredTextBytes = 255;
// A picture block beyond these sizes is refused by the reader.
constexpr int kMaxStoredPictureWidth = 4096;
constexpr int kMaxStoredPictureHeight = 64;

inline constexpr const char* kFileNotFoundSuffix = " File No Found !";
inline constexpr const char* kFileReadError = " File Read Error! ";
inline constexpr const char* kEndNotFound = " End of File not found! ";

// How a read ended.  Only NotRead leaves the project exactly as it was.
enum class DocumentLoad {
    Complete,    // every field and the end mark were read
    MissingEnd,  // the content is taken over, but the end mark is missing or the file ends early
    BadPicture,  // a picture block had sizes out of range; the fields before it are taken over
    NotRead,     // missing, unreadable or not a document: nothing was changed
};

// The exact bytes of the project's document (the document name and modified flag are not part
// of it).
ByteVector documentBytes(const BadgeProject& project);

// Writes the document atomically: the file holds either its old content or the new document.
bool saveDocFile(const std::filesystem::path& path, const BadgeProject& project);

// Reads a document into the project, field by field, and shows what went wrong.  The document
// name and the modified flag are left to the caller.
DocumentLoad loadDocFile(const std::filesystem::path& path, BadgeProject& project,
                         UserPrompt& prompt);

// The reader behind loadDocFile, on bytes already in memory.
DocumentLoad readDocument(const ByteVector& bytes, BadgeProject& project, UserPrompt& prompt);

}  // namespace varnel
