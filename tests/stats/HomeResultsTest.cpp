#include "../store/StoreSupport.h"
#include "history/GameResultReader.h"
#include "stats/HomeResults.h"
#include "store/StoredResults.h"

#include <gtest/gtest.h>

#include <map>

using namespace tallyhand;
using namespace tallyhand::test;

// The store keeps a game's header apart from its block; read back through
// the store, every game gives the result its original text gives, in game
// order (time, then number), with the unreadable ones named.
TEST(HomeResults, SameAsReadFromTheFiles)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    std::vector<std::string> files;
    generateHandHistories({500, 21, "Hero"}, [&](GeneratedFile&& f) {
        writeBytes(hands / f.name, f.bytes);
        files.push_back(std::move(f.bytes));
    });
    std::vector<std::string> odd = settledCashGame(900000001, "Hero", "2c 2d");
    odd[4] = "lefty0130: posts small blind $1,000";
    writeBytes(hands / "odd.txt", joinLines(odd));

    std::map<std::int64_t, GameResult> fromFiles;
    for (const std::string& bytes : files) {
        const std::vector<std::string_view> lines = splitLines(bytes);
        std::size_t start = 0;
        for (std::size_t i = 1; i <= lines.size(); ++i)
            if (i == lines.size() || isHeaderLine(lines[i])) {
                const GameResultRead read = readGameResult(std::span(lines).subspan(start, i - start), "Hero");
                if (read.status == GameResultRead::Status::Ok)
                    fromFiles.emplace(read.result.game, read.result);
                start = i;
            }
    }
    GameStore store(dir.path() / "t.db");
    ASSERT_TRUE(importFolder(store, hands).ok);
    const HomeResults home = resultsOfStore(store);
    ASSERT_EQ(home.unreadable.size(), 1u);
    EXPECT_EQ(home.unreadable[0].game, 900000001);
    EXPECT_EQ(home.unreadable[0].line, 5u);
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
    EXPECT_TRUE(resultsOfStore(store, &stop).games.empty());
}
