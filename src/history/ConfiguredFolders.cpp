#include "history/ConfiguredFolders.h"

#include "history/DatabaseFiles.h"
#include "history/UserConfig.h"

namespace tallyhand {

std::vector<std::filesystem::path> configuredHandFolders(const std::filesystem::path& home)
{
    std::vector<std::filesystem::path> folders;
    try {
        for (const std::string& folder : handFoldersFromIni(readWholeFile(home / kIniFile))) {
            const std::filesystem::path path(folder);
            folders.push_back(path.is_absolute() ? path : home / path);
        }
    } catch (const DatabaseError&) {
        // No readable configuration: the default folder below.
    }
    if (folders.empty())
        folders.push_back(home / "Hands");
    return folders;
}

} // namespace tallyhand
