#pragma once

#include "history/AtomicFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

inline constexpr const char* kIniFile = "Tallyhand.ini";
inline constexpr const char* kUserNamePlaceholder = "DUMMY";
// Section of the hand-history folders, one "folder=PATH" line each.
inline constexpr const char* kFoldersSection = "[HANDHISTORY]";

// The user name of the configuration text: the last line containing
// "username" wins; its value is everything after the first "=" (the whole
// line without one), untrimmed; no such line gives an empty name.
std::string userNameFromIni(std::string_view iniText);

// The hand-history folders of the configuration text, in their order: the
// values of the "folder=" lines of the folder section (raw bytes, untrimmed).
std::vector<std::string> handFoldersFromIni(std::string_view iniText);

// Writes the configuration file with "[USER]" and "username=DUMMY".
void writeDefaultIni(const std::filesystem::path& file, FileSaver& saver = defaultFileSaver());

// Writes the configuration file with the folder section first and the user
// section last, so that a folder path containing "username" never shadows the
// name.
void writeIni(const std::filesystem::path& file, const std::string& userName,
              const std::vector<std::string>& folders, FileSaver& saver = defaultFileSaver());

} // namespace tallyhand
