#pragma once

#include <filesystem>
#include <vector>

namespace tallyhand {

// The hand-history folders of a home as its configuration names them
// (relative ones under the home), or the home's "Hands" folder when it names
// none or cannot be read.
std::vector<std::filesystem::path> configuredHandFolders(const std::filesystem::path& home);

} // namespace tallyhand
