#include "history/DatabaseStartup.h"

#include "history/DatabaseCommit.h"
#include "history/DatabaseFiles.h"
#include "history/HoleCardBundles.h"
#include "history/TextDecoding.h"
#include "history/UserConfig.h"

#include <chrono>
#include <thread>
#include <unordered_set>

namespace tallyhand {

std::string startup_text::newFilesFound(std::size_t count)
{
    return "Es wurden " + std::to_string(count) + " neue Files gefunden. Diese werden nun importiert";
}

namespace {

constexpr std::size_t kSkippedShown = 10;

std::string withReason(const std::string& text, const std::string& reason)
{
    return reason.empty() ? text : text + "\r\n" + decodeForDisplay(reason);
}

} // namespace

DatabaseStartup::DatabaseStartup(HomeFolders folders, StartupView& view, StartupHooks hooks, FileSaver& saver)
    : m_folders(std::move(folders)), m_view(view), m_hooks(std::move(hooks)), m_saver(saver)
{
}

StartupOutcome DatabaseStartup::run()
{
    StartupOutcome outcome = StartupOutcome::AlreadyDone;
    if (m_pending) {
        outcome = readUserName();
        if (outcome == StartupOutcome::Loaded) {
            if (m_hooks.loadCombinations) {
                m_view.showStatus(startup_text::kLoadCombinations);
                m_hooks.loadCombinations();
            }
            if (m_hooks.buildPatterns) {
                m_view.showStatus(startup_text::kBuildPatterns);
                m_hooks.buildPatterns();
            }
            if (!loadOrRepair())
                outcome = StartupOutcome::DatabaseFailed;
            else if (!searchAndImport())
                outcome = StartupOutcome::ImportFailed;
            m_view.clearOuts();
        }
    }
    m_view.showStatus(startup_text::kOk);
    return outcome;
}

StartupOutcome DatabaseStartup::readUserName()
{
    const auto ini = m_folders.home / kIniFile;
    std::error_code ec;
    if (!std::filesystem::exists(ini, ec)) {
        m_view.showMessage(startup_text::kNoIni);
        try {
            writeDefaultIni(ini, m_saver);
        } catch (const DatabaseError& e) {
            m_view.showMessage(e.what());
        }
        return StartupOutcome::NoIniFile;
    }
    try {
        m_userName = userNameFromIni(readWholeFile(ini));
    } catch (const DatabaseError& e) {
        m_view.showMessage(e.what());
        return StartupOutcome::NoIniFile;
    }
    if (m_userName == kUserNamePlaceholder) {
        m_view.showMessage(startup_text::kDummy);
        return StartupOutcome::PlaceholderUser;
    }
    m_view.userAccepted(decodeForDisplay(m_userName));
    m_pending = false;
    return StartupOutcome::Loaded;
}

void DatabaseStartup::loadDatabase()
{
    GameDatabase db;
    m_view.showStatus(startup_text::kLoadHole);
    // A replacement of the files that a crash interrupted is finished first.
    recoverDatabaseCommit(m_folders.data());
    db.tables.hole_cards = loadHoleCards(m_folders.dataFile(kHoleCardsFile));
    db.hole_bundles = bundleHoleCards(db.tables.hole_cards);
    db.tournaments = buildTournamentIndex(db.tables.hole_cards);
    m_view.showStatus(startup_text::kLoadBoards);
    db.tables.boards = loadBoards(m_folders.dataFile(kBoardsFile));
    m_view.showStatus(startup_text::kLoadSummaries);
    db.tables.summaries = loadGameBlocks(m_folders.dataFile(kSummariesFile));
    m_view.showStatus(startup_text::kLoadGames);
    db.tables.game_records = loadGameBlocks(m_folders.dataFile(kGamesFile));
    m_db = std::move(db);
}

ImportResult DatabaseStartup::rebuild()
{
    ImportLock lock(m_folders.data());
    if (!lockImports(lock)) {
        ImportResult busy;
        busy.error = startup_text::kImportBusy;
        return busy;
    }
    deleteDatabaseFiles(m_folders);
    m_db = GameDatabase{};
    HandHistoryImport job(m_folders, m_userName, GameTables{}, m_saver);
    ImportResult result = m_view.runImport(job);
    reportSkipped(result);
    return result;
}

bool DatabaseStartup::loadOrRepair()
{
    std::error_code ec;
    std::filesystem::create_directories(m_folders.data(), ec);
    std::filesystem::create_directories(m_folders.hands(), ec);
    for (int rebuilds = 0;; ++rebuilds) {
        try {
            loadDatabase();
            return true;
        } catch (const DatabaseError&) {
            // Any unreadable file means a rebuild from the hand histories.
        }
        if (rebuilds == kRebuildAttempts) {
            m_view.showMessage("Die Spieldaten konnten auch nach dem Neuerzeugen nicht geladen werden. "
                               "Das Programm arbeitet ohne Spieldaten weiter.");
            m_db = GameDatabase{};
            return false;
        }
        m_view.showStatus(startup_text::kRepair);
        ImportResult result = rebuild();
        if (!result.ok) {
            m_view.showMessage(withReason("Die Spieldaten konnten nicht neu erzeugt werden.", result.error)
                               + "\r\nDas Programm arbeitet ohne Spieldaten weiter.");
            m_db = GameDatabase{};
            return false;
        }
    }
}

bool DatabaseStartup::searchAndImport()
{
    // One import at a time per data folder; the search waits too, so that a
    // second start finds what the first imported.
    ImportLock lock(m_folders.data());
    if (!lockImports(lock)) {
        m_view.showMessage(startup_text::kImportBusy);
        return false;
    }
    for (int attempt = 1;; ++attempt) {
        std::string reason;
        try {
            m_view.showStatus(startup_text::kSearch);
            const auto known = loadFileNames(m_folders.dataFile(kLoadedFile));
            const auto stamps = readStamps();
            const auto listing = listHandFiles(m_folders.hands());
            const auto fresh = findNewFiles(listing, known, stamps, m_folders.hands());
            if (m_stampsDamaged && fresh.empty())
                rewriteStamps(listing, known);
            if (!fresh.empty()) {
                m_view.showStatus(startup_text::newFilesFound(fresh.size()));
                // The import extends the loaded tables; they are reloaded from its files afterwards.
                HandHistoryImport job(m_folders, m_userName, std::move(m_db.tables), m_saver);
                ImportResult result = m_view.runImport(job);
                reportSkipped(result);
                if (!result.ok) {
                    // The files are whole, old or new: the tables follow them.
                    m_db.tables = std::move(result.tables);
                    try {
                        loadDatabase();
                    } catch (const DatabaseError&) {
                    }
                    throw DatabaseError(result.error);
                }
                result.tables = GameTables{}; // freed before the reload
                loadDatabase();
                return true;
            }
            // Nothing was imported: the tables loaded a moment ago are what the
            // files hold, so the steps are only reported, not read twice.
            for (const char* text : {startup_text::kLoadHole, startup_text::kLoadBoards, startup_text::kLoadSummaries,
                                     startup_text::kLoadGames})
                m_view.showStatus(text);
            return true;
        } catch (const DatabaseError& e) {
            reason = e.what();
        }
        if (attempt == kImportAttempts) {
            m_view.showMessage(withReason(startup_text::kImportFailed, reason) + "\r\nDer Import wurde nach "
                               + std::to_string(kImportAttempts)
                               + " Versuchen abgebrochen. Das Programm arbeitet mit den bisherigen Spieldaten "
                                 "weiter; beim nächsten Start wird der Import erneut versucht.");
            break;
        }
        if (!m_view.askContinue(withReason(startup_text::kImportFailed, reason)
                                + "\r\nSoll der Import noch einmal versucht werden?"))
            break;
    }
    // Whatever tables are at hand stay usable.
    m_db.hole_bundles = bundleHoleCards(m_db.tables.hole_cards);
    m_db.tournaments = buildTournamentIndex(m_db.tables.hole_cards);
    return false;
}

bool DatabaseStartup::lockImports(ImportLock& lock)
{
    if (lock.tryLock())
        return true;
    if (!m_waitForImports)
        return false;
    m_view.showStatus(startup_text::kWaitingForImport);
    while (!lock.tryLock())
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return true;
}

// A stamps file that does not read is as good as none: the files are then
// known by their names alone, and the next import writes it anew.
std::vector<FileStamp> DatabaseStartup::readStamps()
{
    try {
        return loadFileStamps(m_folders.dataFile(kLoadedStampsFile));
    } catch (const DatabaseError&) {
        if (!m_stampsDamaged)
            m_view.showStatus(startup_text::kStampsDamaged);
        m_stampsDamaged = true;
        return {};
    }
}

void DatabaseStartup::rewriteStamps(const std::vector<std::string>& listing, const std::vector<std::string>& known)
{
    const std::unordered_set<std::string> imported(known.begin(), known.end());
    std::vector<FileStamp> stamps;
    for (const std::string& name : listing)
        if (imported.contains(name))
            stamps.push_back(stampOf(m_folders.hands(), name));
    saveFileStamps(m_folders.dataFile(kLoadedStampsFile), stamps, m_saver);
    m_stampsDamaged = false;
}

void DatabaseStartup::reportSkipped(const ImportResult& result)
{
    std::string text;
    const auto section = [&text](const std::string& part) {
        if (!part.empty())
            text += (text.empty() ? "" : "\r\n\r\n") + part;
    };
    const auto games = [](const std::vector<SkippedGame>& list) {
        std::string lines;
        for (std::size_t i = 0; i < list.size() && i < kSkippedShown; ++i)
            lines += "\r\n" + decodeForDisplay(list[i].file) + ", Zeile " + std::to_string(list[i].line) + ": " +
                     list[i].reason;
        if (list.size() > kSkippedShown)
            lines += "\r\n... und " + std::to_string(list.size() - kSkippedShown) + " weitere";
        return lines;
    };
    if (!result.filesWithoutGames.empty()) {
        std::string part = result.filesWithoutGames.size() == 1 ? "Aus dieser Datei konnte kein Spiel gelesen werden:"
                                                                : "Aus diesen Dateien konnte kein Spiel gelesen werden:";
        for (std::size_t i = 0; i < result.filesWithoutGames.size() && i < kSkippedShown; ++i)
            part += "\r\n" + decodeForDisplay(result.filesWithoutGames[i]);
        if (result.filesWithoutGames.size() > kSkippedShown)
            part += "\r\n... und " + std::to_string(result.filesWithoutGames.size() - kSkippedShown) + " weitere";
        section(part);
    }
    if (!result.skipped.empty())
        section(std::to_string(result.skipped.size()) +
                (result.skipped.size() == 1 ? " Spiel konnte" : " Spiele konnten") + " nicht gelesen werden und wurde" +
                (result.skipped.size() == 1 ? "" : "n") + " übersprungen:" + games(result.skipped));
    if (!result.unreadableResults.empty())
        section("Beträge nicht lesbar, ohne Ergebnis gespeichert: " + std::to_string(result.unreadableResults.size()) +
                " Spiele" + games(result.unreadableResults));
    if (result.unbalanced > 0)
        section("Beträge gehen nicht auf: " + std::to_string(result.unbalanced) + " Spiele");
    if (!text.empty())
        m_view.showMessage(text);
}

} // namespace tallyhand
