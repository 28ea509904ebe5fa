#pragma once

#include <filesystem>
#include <string_view>

namespace varnel {

// The folder that holds the running executable; every data file of the program is found
// relative to it, never relative to the working directory.
std::filesystem::path runningProgramFolder();

// Joins the program folder and one of the program's stored relative names, which use the
// backslash as separator ("system16\_system\12 PICTURE.bin").
std::filesystem::path programFile(const std::filesystem::path& folder, std::string_view relative);

}  // namespace varnel
