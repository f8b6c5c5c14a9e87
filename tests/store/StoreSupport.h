#pragma once

#include "../history/TestSupport.h"
#include "history/DatabaseFiles.h"
#include "history/GameTableBuilder.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandsFolder.h"
#include "store/GameStore.h"
#include "store/StoreExport.h"
#include "store/StoreImport.h"

#include <map>

namespace tallyhand::test {

inline void generate(const std::filesystem::path& folder, std::size_t games, std::uint64_t seed)
{
    generateHandHistories({games, seed, "Hero"}, [&](GeneratedFile&& f) { writeBytes(folder / f.name, f.bytes); });
}

// The five text files as a name → bytes map.
using FileSet = std::map<std::string, std::string>;

inline FileSet readFileSet(const std::filesystem::path& dir)
{
    FileSet files;
    for (const char* name : {kHoleCardsFile, kBoardsFile, kSummariesFile, kGamesFile, kLoadedFile})
        files[name] = readBytes(dir / name);
    return files;
}

// What the text-file import writes for a folder read whole, in listing order.
inline FileSet textImportOf(const std::filesystem::path& hands, const std::filesystem::path& out)
{
    GameTableBuilder builder;
    const auto names = listHandFiles(hands);
    for (const std::string& name : names) {
        const std::string bytes = readWholeFile(hands / name);
        builder.addFile(name, splitLines(bytes), "Hero");
    }
    std::filesystem::create_directories(out);
    const GameTables& t = builder.tables();
    saveHoleCards(out / kHoleCardsFile, t.hole_cards);
    saveBoards(out / kBoardsFile, t.boards);
    saveGameBlocks(out / kSummariesFile, t.summaries);
    saveGameBlocks(out / kGamesFile, t.game_records);
    saveFileNames(out / kLoadedFile, names);
    return readFileSet(out);
}

inline ImportResult importFolder(GameStore& store, const std::filesystem::path& hands)
{
    StoreImport job(store, {{"Hands", hands}}, "Hero");
    return job.run();
}

inline FileSet exported(GameStore& store, const std::filesystem::path& out)
{
    exportDatabaseFiles(store, out);
    return readFileSet(out);
}

} // namespace tallyhand::test
