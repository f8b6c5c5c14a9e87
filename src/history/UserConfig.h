#pragma once

#include "history/AtomicFile.h"

#include <filesystem>
#include <string>

namespace tallyhand {

inline constexpr const char* kIniFile = "Tallyhand.ini";
inline constexpr const char* kUserNamePlaceholder = "DUMMY";

// The user name of the configuration text: the last line containing
// "username" wins; its value is everything after the first "=" (the whole
// line without one), untrimmed; no such line gives an empty name.
std::string userNameFromIni(std::string_view iniText);

// Writes the configuration file with "[USER]" and "username=DUMMY".
void writeDefaultIni(const std::filesystem::path& file, FileSaver& saver = defaultFileSaver());

} // namespace tallyhand
