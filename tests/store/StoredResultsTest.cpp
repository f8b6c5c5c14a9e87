#include "StoreSupport.h"

#include "history/GameResultReader.h"
#include "history/HandHistoryText.h"
#include "store/StoredResults.h"

#include <gtest/gtest.h>

#include <map>
#include <span>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

struct FileResults {
    std::map<std::int64_t, GameResult> games;
    std::map<std::int64_t, std::string> unreadable; // reason by game
};

// Every game's result read straight from the files in import order, the
// first game met under a number counting: what the store must hold.
FileResults resultsFromFiles(const std::filesystem::path& hands, const std::string& user)
{
    FileResults out;
    std::set<std::int64_t> seen;
    for (const std::string& name : listHandFiles(hands)) {
        const std::string bytes = readWholeFile(hands / name);
        const std::vector<std::string_view> lines = splitLines(bytes);
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (isHeaderLine(lines[i]))
                starts.push_back(i);
        starts.push_back(lines.size());
        for (std::size_t g = 0; g + 1 < starts.size(); ++g) {
            const auto header = parseHeaderLine(lines[starts[g]]);
            if (!header.info || !seen.insert(header.info->game_no).second)
                continue;
            const GameResultRead read = readGameResult(
                std::span<const std::string_view>(lines.data() + starts[g], starts[g + 1] - starts[g]), user);
            if (read.status == GameResultRead::Status::Ok)
                out.games[header.info->game_no] = read.result;
            else if (read.status == GameResultRead::Status::Unreadable)
                out.unreadable[header.info->game_no] = read.reason;
        }
    }
    return out;
}

FileResults storedResults(GameStore& store)
{
    FileResults out;
    for (const GameResult& r : loadStoredResults(store))
        EXPECT_TRUE(out.games.emplace(r.game, r).second) << "game " << r.game << " stored twice";
    for (const UnreadableResult& u : loadUnreadableResults(store))
        out.unreadable[u.game] = u.reason;
    return out;
}

void expectSame(const FileResults& stored, const FileResults& expected)
{
    ASSERT_EQ(stored.games.size(), expected.games.size());
    for (const auto& [game, result] : expected.games) {
        const auto it = stored.games.find(game);
        ASSERT_NE(it, stored.games.end()) << "game " << game << " has no stored result";
        EXPECT_EQ(it->second, result) << "game " << game;
    }
    EXPECT_EQ(stored.unreadable, expected.unreadable);
}

// A cash game whose small blind reads "$1,000": its amounts do not read.
std::vector<std::string> thousandsGame(long long gameNo)
{
    std::vector<std::string> lines = settledCashGame(gameNo, "Hero", "2c 2d");
    lines[4] = "lefty0130: posts small blind $1,000";
    return lines;
}

} // namespace

// Import, then what the store holds is exactly what reading each game of the
// files gives: generated games of every kind, a copied file (each game number
// twice) and games whose amounts do not read.
TEST(StoredResults, ImportStoresEveryGamesResult)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    generate(hands, 600, 21);
    writeBytes(hands / "zz copy.txt", readBytes(hands / listHandFiles(hands).front()));
    std::vector<std::string> odd = thousandsGame(900000001);
    const std::vector<std::string> settled = settledCashGame(900000002, "Hero", "Ah Kd");
    odd.push_back("");
    odd.insert(odd.end(), settled.begin(), settled.end());
    writeBytes(hands / "odd.txt", joinLines(odd));

    GameStore store(dir.path() / "t.db");
    const ImportResult result = importFolder(store, hands);
    ASSERT_TRUE(result.ok) << result.error;
    const FileResults expected = resultsFromFiles(hands, "Hero");
    ASSERT_GT(expected.games.size(), 500u);
    expectSame(storedResults(store), expected);

    ASSERT_EQ(result.unreadableResults.size(), 1u);
    EXPECT_EQ(result.unreadableResults[0].file, "odd.txt");
    EXPECT_EQ(result.unreadableResults[0].line, 5u); // the small blind's line in the file
    EXPECT_EQ(result.unreadableResults[0].reason, "Betrag mit Tausendertrennzeichen");
    std::size_t unbalanced = 0;
    for (const auto& [game, r] : expected.games)
        unbalanced += !r.balanced;
    EXPECT_EQ(result.unbalanced, unbalanced);

    // Importing again finds nothing new and changes nothing.
    const ImportResult again = importFolder(store, hands);
    EXPECT_TRUE(again.files.empty());
    expectSame(storedResults(store), expected);
}

// A database from before results were stored gets them the first time it is
// opened for a screen name; another screen name computes them anew.
TEST(StoredResults, OlderDatabaseAndOtherScreenNameAreFilled)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    generate(hands, 300, 22);
    const auto file = dir.path() / "t.db";
    FileResults fresh;
    {
        GameStore store(file);
        ASSERT_TRUE(importFolder(store, hands).ok);
        fresh = storedResults(store);
        ASSERT_GT(fresh.games.size(), 250u);
        // Back to the schema before results: their tables gone.
        store.db().exec("DROP TABLE game_results; DROP TABLE unreadable_results; DROP TABLE results_user; DROP TABLE game_facts;"
                        " PRAGMA user_version = 1");
    }
    GameStore store(file);
    EXPECT_TRUE(storedResults(store).games.empty());
    EXPECT_EQ(resultsUser(store), "");
    EXPECT_TRUE(bringResultsUpToDate(store, "Hero"));
    expectSame(storedResults(store), fresh);
    EXPECT_FALSE(bringResultsUpToDate(store, "Hero"));
    // Every game with a block has what the statistics read of it, dealt in or not.
    const auto count = [&](const char* sql) {
        Statement query(store.db(), sql);
        return query.step() ? query.int64(0) : -1;
    };
    const std::int64_t blocks = count("SELECT COUNT(DISTINCT game_no) FROM game_records");
    EXPECT_EQ(count("SELECT COUNT(*) FROM game_facts"), blocks);

    // The generated opponents are someone else's games.
    EXPECT_TRUE(bringResultsUpToDate(store, "NobodyAtAll"));
    EXPECT_TRUE(storedResults(store).games.empty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM game_facts"), blocks);
    EXPECT_TRUE(bringResultsUpToDate(store, "Hero"));
    expectSame(storedResults(store), fresh);
    // Without a screen name nothing is computed or lost.
    EXPECT_FALSE(bringResultsUpToDate(store, ""));
    expectSame(storedResults(store), fresh);
}

// A game cut short at the end of a file is stored without a result and
// named; once the card room writes the rest, the completed game gets it.
TEST(StoredResults, CutShortGameGetsItsResultWhenCompleted)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    std::filesystem::create_directories(hands);
    const std::vector<std::string> whole = settledCashGame(7001, "Hero", "Ah Kd");
    const auto summary = std::find(whole.begin(), whole.end(), "*** SUMMARY ***");
    const std::vector<std::string> cut(whole.begin(), summary);
    const std::vector<std::string> rest(summary, whole.end());
    writeBytes(hands / "table.txt", joinLines(settledCashGame(7000, "Hero", "Qs Qh")) + "\r\n" + joinLines(cut));

    GameStore store(dir.path() / "t.db");
    const ImportResult first = importFolder(store, hands);
    ASSERT_TRUE(first.ok) << first.error;
    FileResults stored = storedResults(store);
    EXPECT_EQ(stored.games.count(7000), 1u);
    EXPECT_EQ(stored.games.count(7001), 0u);
    ASSERT_EQ(stored.unreadable.count(7001), 1u);
    ASSERT_EQ(first.unreadableResults.size(), 1u);
    EXPECT_EQ(first.unreadableResults[0].file, "table.txt");

    writeBytes(hands / "table.txt", readBytes(hands / "table.txt") + joinLines(rest));
    const ImportResult second = importFolder(store, hands);
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_TRUE(second.unreadableResults.empty());
    expectSame(storedResults(store), resultsFromFiles(hands, "Hero"));
    EXPECT_EQ(storedResults(store).games.count(7001), 1u);
}
