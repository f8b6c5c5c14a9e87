#include "cli/DatabaseHome.h"

#include "history/DatabaseFiles.h"
#include "history/UserConfig.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tallyhand::cli {

namespace {

class SilentView : public StartupView {
public:
    void showStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
    bool askContinue(const std::string&) override { return false; }
    ImportResult runImport(HandHistoryImport& job) override { return job.run(); }
};

} // namespace

std::unique_ptr<LoadedHome> loadHome(const std::string& dir, std::string& error)
{
    const std::filesystem::path home(dir);
    std::ifstream ini(home / kIniFile, std::ios::binary);
    if (!ini) {
        error = "Keine " + std::string(kIniFile) + " in " + dir;
        return nullptr;
    }
    std::ostringstream text;
    text << ini.rdbuf();
    auto loaded = std::make_unique<LoadedHome>();
    loaded->userName = userNameFromIni(text.str());
    if (loaded->userName.empty() || loaded->userName == kUserNamePlaceholder) {
        error = "Kein Username in " + (home / kIniFile).string();
        return nullptr;
    }
    SilentView view;
    DatabaseStartup startup(HomeFolders{home}, view);
    try {
        startup.loadDatabase();
    } catch (const DatabaseError& e) {
        error = "Keine lesbare Datenbank in " + (home / "data").string() + ": " + e.what();
        return nullptr;
    }
    loaded->db = std::move(startup.database());
    loaded->index = GameIndex(loaded->db.tables);
    return loaded;
}

} // namespace tallyhand::cli
