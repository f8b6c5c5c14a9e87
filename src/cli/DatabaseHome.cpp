#include "cli/DatabaseHome.h"

#include "history/DatabaseFiles.h"
#include "history/UserConfig.h"

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

std::unique_ptr<LoadedHome> loadHome(const std::string& dir)
{
    const std::filesystem::path home(dir);
    auto user = configuredUser(dir);
    if (!user)
        return nullptr;
    auto loaded = std::make_unique<LoadedHome>();
    loaded->userName = std::move(*user);
    SilentStartupView view;
    DatabaseStartup startup(HomeFolders{home}, view);
    try {
        startup.loadDatabase();
    } catch (const DatabaseError& e) {
        std::cerr << "Keine lesbare Datenbank in " + (home / "data").string() + ": " + e.what() << '\n';
        return nullptr;
    }
    loaded->db = std::move(startup.database());
    loaded->index = GameIndex(loaded->db.tables);
    return loaded;
}

} // namespace tallyhand::cli
