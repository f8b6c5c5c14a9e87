#include "history/HandHistoryImport.h"

#include "history/HandHistoryText.h"

namespace tallyhand {

HandHistoryImport::HandHistoryImport(HomeFolders folders, std::string userName, GameTables start, FileSaver& saver)
    : m_folders(std::move(folders)), m_userName(std::move(userName)), m_start(std::move(start)), m_saver(saver)
{
}

ImportResult HandHistoryImport::run(const ImportProgressFn& progress)
{
    ImportResult result;
    GameTableBuilder builder(std::move(m_start));
    const auto report = [&](std::string stage, std::string file, std::size_t index, std::size_t count) {
        if (progress)
            progress({std::move(stage), std::move(file), index, count, builder.headersSeen()});
    };
    try {
        const std::vector<std::string> listing = listHandFiles(m_folders.hands());
        std::vector<FileStamp> stamps;
        std::string scratch;
        for (std::size_t i = 0; i < listing.size(); ++i) {
            const std::string& name = listing[i];
            report("Handfiles werden gelesen", name, i + 1, listing.size());
            // Stamp first: a file that grows while it is read counts as new next time.
            stamps.push_back(stampOf(m_folders.hands(), name));
            const std::string bytes = readWholeFile(m_folders.hands() / name);
            builder.addFile(name, splitLines(bytes, scratch), m_userName);
            result.files.push_back(name);
        }
        const GameTables& tables = builder.tables();
        report("Hole Cards werden gespeichert", {}, listing.size(), listing.size());
        saveHoleCards(m_folders.dataFile(kHoleCardsFile), tables.hole_cards, m_saver);
        report("Boards werden gespeichert", {}, listing.size(), listing.size());
        saveBoards(m_folders.dataFile(kBoardsFile), tables.boards, m_saver);
        report("Summeries werden gespeichert", {}, listing.size(), listing.size());
        saveGameBlocks(m_folders.dataFile(kSummariesFile), tables.summaries, m_saver);
        report("Spielabläufe werden gespeichert", {}, listing.size(), listing.size());
        saveGameBlocks(m_folders.dataFile(kGamesFile), tables.game_records, m_saver);
        report("Liste der Handfiles wird gespeichert", {}, listing.size(), listing.size());
        saveFileNames(m_folders.dataFile(kLoadedFile), result.files, m_saver);
        saveFileStamps(m_folders.dataFile(kLoadedStampsFile), stamps, m_saver);
        result.ok = true;
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    result.games = builder.headersSeen();
    result.skipped = builder.skipped();
    result.tables = builder.takeTables();
    return result;
}

void deleteDatabaseFiles(const HomeFolders& folders)
{
    for (const char* name : {kHoleCardsFile, kBoardsFile, kGamesFile, kLoadedFile, kSummariesFile, kLoadedStampsFile}) {
        std::error_code ec;
        std::filesystem::remove(folders.dataFile(name), ec);
    }
}

} // namespace tallyhand
