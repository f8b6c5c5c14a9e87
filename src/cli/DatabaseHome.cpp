#include "cli/DatabaseHome.h"

#include "history/UserConfig.h"
#include "store/HomeStore.h"
#include "store/NewGames.h"

#include <filesystem>
#include <iostream>

namespace tallyhand::cli {

std::optional<std::string> configuredUser(const std::string& dir)
{
    const std::filesystem::path ini = std::filesystem::path(dir) / kIniFile;
    std::string user;
    try {
        user = userNameFromIni(readWholeFile(ini));
    } catch (const DatabaseError& e) {
        // A missing home or a home without the file is the common case; a home
        // that is a file, or a file that cannot be read, says what failed.
        std::error_code ignored;
        const auto home = std::filesystem::status(dir, ignored).type();
        if (home == std::filesystem::file_type::not_found ||
            (home == std::filesystem::file_type::directory && !std::filesystem::exists(ini, ignored)))
            std::cerr << "Keine " << kIniFile << " in " << dir << '\n';
        else
            std::cerr << e.what() << '\n';
        return std::nullopt;
    }
    if (user.empty() || user == kUserNamePlaceholder) {
        std::cerr << "Kein Username in " << ini.string() << '\n';
        return std::nullopt;
    }
    return user;
}

std::unique_ptr<LoadedHome> loadHome(const std::string& dir, bool withLists)
{
    const std::filesystem::path home(dir);
    auto user = configuredUser(dir);
    if (!user)
        return nullptr;
    auto loaded = std::make_unique<LoadedHome>();
    loaded->userName = std::move(*user);
    const HomeFolders folders{home};
    OpenedStore opened = openHomeStore(folders, false);
    if (!opened.store) {
        std::cerr << "Keine lesbare Datenbank in " + pathText(folders.data()) + ": " + opened.error << '\n';
        return nullptr;
    }
    try {
        if (withLists)
            loaded->db = readBrowserLists(*opened.store);
    } catch (const DatabaseError& e) {
        std::cerr << "Keine lesbare Datenbank in " + pathText(folders.data()) + ": " + e.what() << '\n';
        return nullptr;
    }
    loaded->store = std::move(opened.store);
    return loaded;
}

} // namespace tallyhand::cli
