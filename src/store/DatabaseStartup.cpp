#include "store/DatabaseStartup.h"

#include "history/TextDecoding.h"
#include "history/UserConfig.h"
#include "store/HomeStore.h"
#include "store/ImportLock.h"
#include "store/StoredResults.h"
#include "store/NewGames.h"

#include <chrono>
#include <thread>

namespace tallyhand {

std::string startup_text::newFilesFound(std::size_t count)
{
    return "Es wurden " + std::to_string(count) + " neue Files gefunden. Diese werden nun importiert";
}

std::string startup_text::liveImported(std::size_t games)
{
    return games == 1 ? "1 neues Spiel importiert" : std::to_string(games) + " neue Spiele importiert";
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

DatabaseStartup::~DatabaseStartup() = default;

std::vector<HandFolder> DatabaseStartup::handFolders() const
{
    return configuredHandFolders(m_folders.home);
}

GameStore& DatabaseStartup::store()
{
    if (!m_store)
        throw DatabaseError("Keine Datenbank " + pathText(storeFileOf(m_folders)));
    return *m_store;
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
    m_view.showStatus(startup_text::kLoadHole);
    if (!m_store) {
        OpenedStore opened = openHomeStore(m_folders, false);
        if (!opened.store)
            throw DatabaseError(opened.error);
        m_store = std::move(opened.store);
    }
    GameDatabase db = readBrowserLists(*m_store);
    // The games are read per view; the steps keep their messages.
    m_view.showStatus(startup_text::kLoadBoards);
    m_view.showStatus(startup_text::kLoadSummaries);
    m_view.showStatus(startup_text::kLoadGames);
    m_db = std::move(db);
}

ImportResult DatabaseStartup::rebuild()
{
    return importAll(true);
}

ImportResult DatabaseStartup::importAll(bool fromNothing)
{
    ImportLock lock(m_folders.data());
    if (!lockImports(lock)) {
        ImportResult busy;
        busy.error = startup_text::kImportBusy;
        return busy;
    }
    ImportResult result;
    try {
        if (!m_store) {
            OpenedStore opened = openHomeStore(m_folders, true);
            if (!opened.store)
                throw DatabaseError(opened.error);
            m_store = std::move(opened.store);
        }
        if (fromNothing) {
            // One transaction: readers see the old games or none, never a part.
            Transaction emptying(m_store->db());
            m_store->clear();
            emptying.commit();
        }
    } catch (const DatabaseError& e) {
        result.error = e.what();
        return result;
    }
    m_db = GameDatabase{};
    StoreImport job(*m_store, handFolders(), m_userName);
    result = m_view.runImport(job);
    reportFolders(result.folderProblems);
    reportSkipped(result);
    return result;
}

bool DatabaseStartup::loadOrRepair()
{
    std::error_code ec;
    std::filesystem::create_directories(m_folders.data(), ec);
    std::filesystem::create_directories(m_folders.hands(), ec);
    for (int rebuilds = 0;; ++rebuilds) {
        std::string why;
        bool offer = false;
        try {
            loadDatabase();
            return true;
        } catch (const StoreError& e) {
            why = e.what();
            if (m_store && e.unusable()) {
                // Damage found while reading: the file is kept aside, never deleted.
                const auto file = m_store->file();
                m_store.reset();
                try {
                    why += "\r\nDie Datei wurde in " + pathText(setStoreAside(file)) + " umbenannt.";
                } catch (const DatabaseError& moved) {
                    why += std::string("\r\n") + moved.what();
                }
                offer = true;
            }
        } catch (const DatabaseError& e) {
            why = e.what();
        }
        if (!m_store && !offer) {
            // Open it for writing: a data folder of text files is taken
            // over, an unusable file renamed aside.
            OpenedStore opened = openHomeStore(m_folders, true);
            offer = opened.setAside;
            if (!opened.store && !offer) {
                m_view.showMessage(opened.error);
                m_db = GameDatabase{};
                return false;
            }
            if (opened.store) {
                const bool filled = !opened.store->empty();
                m_store = std::move(opened.store);
                if (filled)
                    continue;
            }
            why = opened.error;
        }
        if (rebuilds == kRebuildAttempts) {
            m_view.showMessage("Die Spieldaten konnten auch nach dem Neuerzeugen nicht geladen werden. "
                               "Das Programm arbeitet ohne Spieldaten weiter.");
            m_db = GameDatabase{};
            return false;
        }
        if (offer && !m_view.askContinue(why + "\r\n" + startup_text::kRebuildOffer)) {
            m_db = GameDatabase{};
            return false;
        }
        m_view.showStatus(startup_text::kRepair);
        // What another process imported meanwhile stays; only what is new is read.
        ImportResult result = importAll(false);
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
            // Results of a database from before they were stored, or made for another screen name.
            bringResultsUpToDate(store(), m_userName);
            StoreImport job(store(), handFolders(), m_userName);
            std::vector<std::string> problems;
            const auto fresh = job.pendingFiles(&problems);
            reportFolders(problems);
            if (!fresh.empty()) {
                m_view.showStatus(startup_text::newFilesFound(fresh.size()));
                ImportResult result = m_view.runImport(job);
                reportSkipped(result);
                // Every file imported before a failure stays imported.
                loadDatabase();
                if (!result.ok)
                    throw DatabaseError(result.error);
                return true;
            }
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
    return false;
}

bool DatabaseStartup::importNew(ImportResult& result, const std::atomic<bool>* stop)
{
    NewGames round = importNewGames(store(), m_folders, m_userName, stop);
    if (round.busy)
        return false;
    result = std::move(round.result);
    if (!round.lists.storeFile.empty())
        m_db = std::move(round.lists);
    return true;
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

void DatabaseStartup::reportFolders(const std::vector<std::string>& problems)
{
    // Named in the status bar; the other folders are imported all the same.
    for (const std::string& problem : problems)
        m_view.showStatus(problem);
    m_folderProblems = m_folderProblems || !problems.empty();
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
