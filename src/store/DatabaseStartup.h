#pragma once

#include "history/HandsFolder.h"
#include "history/TournamentIndex.h"
#include "store/GameStore.h"
#include "store/StoreImport.h"

#include <filesystem>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace tallyhand {

class ImportLock;

// What the browser lists show, read from the store by aggregate queries;
// the games themselves are read per view (see StoreViews.h).
struct GameDatabase {
    std::filesystem::path storeFile; // empty while there is none
    ACardcount hole_bundles;         // classes behind the hole-card list
    TournamentIndex tournaments;     // counts and headers, no game numbers
};

// What the start-up needs from the window (or the command line). All texts are UTF-8.
class StartupView {
public:
    virtual ~StartupView() = default;
    // Status bar text; the view lets pending events run so that it is painted.
    virtual void showStatus(const std::string& text) = 0;
    // Modal message box.
    virtual void showMessage(const std::string& text) = 0;
    // Yes/no question; true to go on.
    virtual bool askContinue(const std::string& text) = 0;
    // Runs the import (in a worker where it can) while the import form shows its progress.
    virtual ImportResult runImport(StoreImport& job) = 0;
    // The user name was accepted: show it in the player field, hide the
    // developer, table and rebuild pages, clear the outs memo.
    virtual void userAccepted(const std::string& /*userName*/) {}
    // Clears the outs memo.
    virtual void clearOuts() {}
};

// A view that shows nothing and says no to every question: for scripts and
// benchmarks that only want the database.
class SilentStartupView : public StartupView {
public:
    void showStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
    bool askContinue(const std::string&) override { return false; }
    ImportResult runImport(StoreImport& job) override { return job.run(); }
};

// Steps that belong to the window: loading the combination tables and
// building the pattern lists. Either may be left empty.
struct StartupHooks {
    std::function<void()> loadCombinations;
    std::function<void()> buildPatterns;
};

enum class StartupOutcome {
    Loaded,            // database loaded (possibly empty)
    NoIniFile,         // configuration file created; restart needed
    PlaceholderUser,   // "DUMMY" still in the configuration file
    ImportFailed,      // the import gave up; the program runs with what it has
    DatabaseFailed,    // the database could neither be loaded nor rebuilt
    AlreadyDone,       // the start-up had already run
};

// The start-up sequence: user name from "Tallyhand.ini", database load with
// repair by a full rebuild, search for new hand-history files and import.
class DatabaseStartup {
public:
    static constexpr int kImportAttempts = 3;
    static constexpr int kRebuildAttempts = 2;

    DatabaseStartup(HomeFolders folders, StartupView& view, StartupHooks hooks = {},
                    FileSaver& saver = defaultFileSaver());
    ~DatabaseStartup();

    StartupOutcome run();
    // Whether an import waits while another process imports into the same
    // data folder (the default), or gives up with "Import läuft bereits".
    void setWaitForOtherImports(bool wait) { m_waitForImports = wait; }
    // Whether a hand-history folder could not be read (the others were imported).
    bool hadFolderProblems() const { return m_folderProblems; }

    bool pending() const { return m_pending; }
    const std::string& userName() const { return m_userName; }
    GameDatabase& database() { return m_db; }
    const HomeFolders& folders() const { return m_folders; }

    // The four load steps with their status messages: the browser lists
    // from the store. Throws DatabaseError.
    void loadDatabase();
    // Full rebuild ("Erzeuge Statistikfiles neu"): the store emptied and
    // filled anew from every hand-history folder.
    ImportResult rebuild();
    // What is new in the hand-history folders, through the import form
    // ("Hand-Histories importieren…"); nothing held is emptied.
    ImportResult importNewFiles() { return importAll(false); }
    // Imports what is new in the hand-history folders without the start-up's
    // messages (live import); false when another import holds the folder.
    // Reloads the browser lists when games came in.
    bool importNew(ImportResult& result, const std::atomic<bool>* stop = nullptr);
    // The configured hand-history folders (the home's "Hands" by default).
    std::vector<HandFolder> handFolders() const;

private:
    StartupOutcome readUserName();
    bool loadOrRepair();
    // Fills the store (created when missing) from the hand-history folders;
    // `fromNothing` empties it first.
    ImportResult importAll(bool fromNothing);
    bool searchAndImport();
    void reportSkipped(const ImportResult& result);
    void reportFolders(const std::vector<std::string>& problems);
    bool lockImports(ImportLock& lock);
    GameStore& store();

    HomeFolders m_folders;
    StartupView& m_view;
    StartupHooks m_hooks;
    FileSaver& m_saver;
    std::unique_ptr<GameStore> m_store;
    bool m_pending = true;
    bool m_waitForImports = true;
    bool m_folderProblems = false;
    std::string m_userName = "Test";
    GameDatabase m_db;
};

// Every status message, message and question text of the start-up.
namespace startup_text {
inline constexpr const char* kNoIni =
    "Sie haben kein Ini-File angelegt oder darin keinen Usernamen angegeben!\r\n"
    "Es wird jetzt eine leere Inidatei angelegt, bitte überschreiben sie darin \"DUMMY\"\r\n"
    "mit ihrem Usernamen. Starten sie danach das Programm neu!";
inline constexpr const char* kDummy = "Sie haben ihren Usernamen nicht in der Ini-Datei eingetragen!";
inline constexpr const char* kLoadCombinations =
    "Bitte einen Moment Geduld, die Programmdaten werden initialisiert! Kombinationsdaten werden geladen";
inline constexpr const char* kBuildPatterns = "Kombinationsdaten werden erzeugt";
inline constexpr const char* kLoadHole = "Hole Cards werden geladen";
inline constexpr const char* kLoadBoards = "Boards werden geladen";
inline constexpr const char* kLoadSummaries = "Summeries werden geladen";
inline constexpr const char* kLoadGames = "Spielabläufe werden geladen";
inline constexpr const char* kRepair =
    "Spieldaten konnten nicht geladen werden, sie werden neu erzeugt. Dies kann einen Moment dauern.";
inline constexpr const char* kSearch = "Suche nach neuen Handfiles.";
inline constexpr const char* kImportBusy = "Import läuft bereits";
inline constexpr const char* kWaitingForImport = "Ein anderer Import läuft, es wird gewartet, bis er fertig ist.";
inline constexpr const char* kRebuildOffer = "Soll die Datenbank aus den Hand-History-Ordnern neu erzeugt werden?";
inline constexpr const char* kImportFailed = "Die neuen Files konnten nicht importiert werden.";
inline constexpr const char* kOk = "Ok";
std::string newFilesFound(std::size_t count);
// What a live import says after games came in.
std::string liveImported(std::size_t games);
} // namespace startup_text

} // namespace tallyhand
