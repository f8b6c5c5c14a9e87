#include "history/HandHistoryImport.h"

#include "history/DatabaseCommit.h"
#include "history/HandHistoryText.h"
#include "history/ImportResultCheck.h"

namespace tallyhand {

HandHistoryImport::HandHistoryImport(HomeFolders folders, std::string userName, GameTables start, FileSaver& saver)
    : m_folders(std::move(folders)), m_userName(std::move(userName)), m_start(std::move(start)), m_saver(saver)
{
}

ImportResult HandHistoryImport::run(const ImportProgressFn& progress)
{
    ImportResult result;
    GameTableBuilder builder(std::move(m_start));
    ImportResultCheck results;
    const auto report = [&](std::string stage, std::string file, std::size_t index, std::size_t count) {
        if (progress)
            progress({std::move(stage), std::move(file), index, count, builder.headersSeen()});
    };
    try {
        const std::vector<std::string> listing = listHandFiles(m_folders.hands());
        std::vector<FileStamp> stamps;
        for (std::size_t i = 0; i < listing.size(); ++i) {
            const std::string& name = listing[i];
            report("Handfiles werden gelesen", name, i + 1, listing.size());
            // Stamp first: a file that grows while it is read counts as new next time.
            stamps.push_back(stampOf(m_folders.hands(), name));
            const std::string bytes = readWholeFile(m_folders.hands() / name);
            const std::vector<std::string_view> lines = splitLines(bytes);
            builder.addFile(name, lines, m_userName);
            results.addFile(name, lines, m_userName);
            result.files.push_back(name);
        }
        const GameTables& tables = builder.tables();
        // All files are replaced together or not at all.
        DatabaseCommit unit(m_folders.data(), m_saver);
        report("Hole Cards werden gespeichert", {}, listing.size(), listing.size());
        saveHoleCards(unit.stage(kHoleCardsFile), tables.hole_cards, m_saver);
        report("Boards werden gespeichert", {}, listing.size(), listing.size());
        saveBoards(unit.stage(kBoardsFile), tables.boards, m_saver);
        report("Summeries werden gespeichert", {}, listing.size(), listing.size());
        saveGameBlocks(unit.stage(kSummariesFile), tables.summaries, m_saver);
        report("Spielabläufe werden gespeichert", {}, listing.size(), listing.size());
        saveGameBlocks(unit.stage(kGamesFile), tables.game_records, m_saver);
        report("Liste der Handfiles wird gespeichert", {}, listing.size(), listing.size());
        saveFileNames(unit.stage(kLoadedFile), result.files, m_saver);
        saveFileStamps(unit.stage(kLoadedStampsFile), stamps, m_saver);
        unit.commit();
        result.ok = true;
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    result.games = builder.headersSeen();
    result.skipped = builder.skipped();
    result.filesWithoutGames = builder.filesWithoutGames();
    result.unbalanced = results.unbalanced();
    result.unreadableResults = results.unreadable();
    result.tables = builder.takeTables();
    return result;
}

void deleteDatabaseFiles(const HomeFolders& folders)
{
    for (const char* name : {kHoleCardsFile, kBoardsFile, kGamesFile, kLoadedFile, kSummariesFile, kLoadedStampsFile}) {
        std::error_code ec;
        std::filesystem::remove(folders.dataFile(name), ec);
        std::filesystem::remove(folders.data() / (std::string(name) + kStagedSuffix), ec);
    }
    std::error_code ec;
    std::filesystem::remove(folders.dataFile(kCommitFile), ec);
}

} // namespace tallyhand
