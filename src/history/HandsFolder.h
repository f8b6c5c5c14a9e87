#pragma once

#include "history/DatabaseFiles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyhand {

// The folders under the home (program) folder.
struct HomeFolders {
    std::filesystem::path home;
    std::filesystem::path data() const { return home / "data"; }
    std::filesystem::path hands() const { return home / "Hands"; }
    std::filesystem::path dataFile(const char* name) const { return data() / name; }
};

// Ordinary, non-hidden files of the folder (bare names), sorted ignoring
// letter case. Throws DatabaseError when the folder cannot be listed.
std::vector<std::string> listHandFiles(const std::filesystem::path& folder);

// Size and modification time of a file now.
FileStamp stampOf(const std::filesystem::path& folder, const std::string& name);

} // namespace tallyhand
