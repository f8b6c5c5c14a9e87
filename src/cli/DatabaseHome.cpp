#include "cli/DatabaseHome.h"

#include "history/DatabaseFiles.h"
#include "history/UserConfig.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace tallyhand::cli {

std::unique_ptr<LoadedHome> loadHome(const std::string& dir)
{
    const std::filesystem::path home(dir);
    std::ifstream ini(home / kIniFile, std::ios::binary);
    if (!ini) {
        std::cerr << "Keine " + std::string(kIniFile) + " in " + dir << '\n';
        return nullptr;
    }
    std::ostringstream text;
    text << ini.rdbuf();
    auto loaded = std::make_unique<LoadedHome>();
    loaded->userName = userNameFromIni(text.str());
    if (loaded->userName.empty() || loaded->userName == kUserNamePlaceholder) {
        std::cerr << "Kein Username in " + (home / kIniFile).string() << '\n';
        return nullptr;
    }
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
