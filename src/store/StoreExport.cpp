#include "store/StoreExport.h"

#include "history/DatabaseFiles.h"
#include "store/GameStore.h"

namespace tallyhand {

void exportDatabaseFiles(GameStore& store, const std::filesystem::path& outDir)
{
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    // One read transaction: the five files show one state of the store.
    const ReadTransaction snapshot(store.db());

    BufferedFileWriter hole(defaultFileSaver(), outDir / kHoleCardsFile);
    hole.line(kHoleCardsVersion);
    hole.line(static_cast<std::int64_t>(store.rowCount("hole_cards")));
    store.forEachHoleEntry([&](const Tcardcount& entry) { writeHoleEntry(hole, entry); });
    hole.commit();

    BufferedFileWriter boards(defaultFileSaver(), outDir / kBoardsFile);
    boards.line(static_cast<std::int64_t>(store.rowCount("boards")));
    store.forEachBoard([&](const TBoard& board) { writeBoard(boards, board); });
    boards.commit();

    for (const bool summaries : {true, false}) {
        BufferedFileWriter blocks(defaultFileSaver(), outDir / (summaries ? kSummariesFile : kGamesFile));
        blocks.line(static_cast<std::int64_t>(store.rowCount(summaries ? "summaries" : "game_records")));
        store.forEachBlock(summaries, [&](const Tgame& game) { writeGameBlock(blocks, game); });
        blocks.commit();
    }

    saveFileNames(outDir / kLoadedFile, store.loadedFiles());
}

} // namespace tallyhand
