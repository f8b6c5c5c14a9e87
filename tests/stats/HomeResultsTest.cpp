#include "history/GameResultReader.h"
#include "history/GameTableBuilder.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"
#include "stats/HomeResults.h"

#include <gtest/gtest.h>

#include <map>

using namespace tallyhand;

// The database keeps a game's header apart from its block; read back from the
// tables, every game gives the result its original text gives.
TEST(HomeResults, SameAsReadFromTheFiles)
{
    std::vector<std::string> files;
    generateHandHistories({500, 21, "Hero"}, [&](GeneratedFile&& f) { files.push_back(std::move(f.bytes)); });
    GameTableBuilder builder;
    std::map<std::int64_t, GameResult> fromFiles;
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::vector<std::string_view> lines = splitLines(files[f]);
        builder.addFile("file" + std::to_string(f), lines, "Hero");
        std::size_t start = 0;
        for (std::size_t i = 1; i <= lines.size(); ++i)
            if (i == lines.size() || isHeaderLine(lines[i])) {
                const GameResultRead read = readGameResult(std::span(lines).subspan(start, i - start), "Hero");
                if (read.status == GameResultRead::Status::Ok)
                    fromFiles.emplace(read.result.game, read.result);
                start = i;
            }
    }
    const GameTables& tables = builder.tables();
    const GameIndex index(tables);
    const HomeResults home = resultsOfDatabase(tables, index, "Hero");
    EXPECT_TRUE(home.unreadable.empty());
    EXPECT_EQ(home.unbalanced, 0u);
    ASSERT_EQ(home.games.size(), fromFiles.size());
    for (std::size_t i = 0; i < home.games.size(); ++i) {
        const GameResult& g = home.games[i];
        EXPECT_EQ(g, fromFiles.at(g.game)) << g.game;
        if (i > 0) { // game order
            EXPECT_TRUE(home.games[i - 1].time < g.time ||
                        (home.games[i - 1].time == g.time && home.games[i - 1].game < g.game));
        }
    }

    const std::atomic<bool> stop{true};
    EXPECT_TRUE(resultsOfDatabase(tables, index, "Hero", &stop).games.empty());
}
