#include "history/CardRoomFolders.h"

#include <algorithm>
#include <string>

namespace tallyhand {

namespace {

namespace fs = std::filesystem;

bool isFolder(const fs::path& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Sub-folders of `folder`, sorted by name; none when it cannot be listed.
std::vector<fs::path> subFolders(const fs::path& folder)
{
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (isFolder(it->path()))
            found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

std::vector<fs::path> cardRoomRootFolders(const CardRoomRoots& roots)
{
    std::vector<fs::path> folders;
    auto add = [&folders](const fs::path& folder) {
        if (!folder.empty() && isFolder(folder) && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    add(roots.localAppData);
    if (!roots.userHome.empty()) {
        add(roots.userHome / "Library" / "Application Support");
        for (const fs::path& user : subFolders(roots.userHome / ".wine" / "drive_c" / "users"))
            add(user / "AppData" / "Local");
    }
    return folders;
}

std::vector<fs::path> cardRoomHandFolders(const std::vector<fs::path>& rootFolders)
{
    std::vector<fs::path> folders;
    for (const fs::path& root : rootFolders)
        for (const fs::path& room : subFolders(root)) {
            if (!room.filename().string().starts_with("PokerStars"))
                continue;
            for (const fs::path& player : subFolders(room / "HandHistory"))
                folders.push_back(player);
        }
    return folders;
}

} // namespace tallyhand
