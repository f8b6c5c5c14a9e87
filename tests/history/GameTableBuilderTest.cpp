#include "TestSupport.h"
#include "history/GameTableBuilder.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

GameTables extract(const std::string& bytes, const std::string& user, GameTables start = {},
                   std::vector<SkippedGame>* skipped = nullptr)
{
    GameTableBuilder builder(std::move(start));
    builder.addFile("f.txt", splitLines(bytes), user);
    if (skipped)
        *skipped = builder.skipped();
    return builder.takeTables();
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts, bool blankBetween = true)
{
    std::vector<std::string> all;
    for (const auto& part : parts) {
        if (blankBetween && !all.empty())
            all.push_back("");
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace

TEST(GameTableBuilder, EveryTableFromOneGame)
{
    const auto game = cashGame(11, "Hero", "Ah Kd");
    const GameTables t = extract(joinLines(game) + "\r\n", "Hero");
    ASSERT_EQ(t.hole_cards.size(), 1u);
    const Tcardcount& h = t.hole_cards[0];
    EXPECT_EQ(h.card1, "Ah");
    EXPECT_EQ(h.card2, "Kd");
    EXPECT_FALSE(h.suited);
    EXPECT_EQ(h.count, 1);
    ASSERT_EQ(h.game_refs.size(), 1u);
    EXPECT_EQ(h.game_refs[0].game_no, 11);
    EXPECT_EQ(h.game_refs[0].table_name, "Pallas");
    EXPECT_EQ(h.game_refs[0].header, "Hold'em No Limit ($0.05/$0.10 USD) - 2016/08/24 19:39:16 ET");

    ASSERT_EQ(t.boards.size(), 1u);
    EXPECT_EQ(t.boards[0].cards, (std::array<std::string, 5>{"Jc", "4h", "Th", "7d", "5c"}));

    // The summary block starts at its marker; the game block at the table line
    // and runs through the summary; the header line is in neither.
    ASSERT_EQ(t.summaries.size(), 1u);
    EXPECT_EQ(t.summaries[0].lines, std::vector<std::string>(game.begin() + 11, game.end()));
    ASSERT_EQ(t.game_records.size(), 1u);
    EXPECT_EQ(t.game_records[0].lines, std::vector<std::string>(game.begin() + 1, game.end()));
}

TEST(GameTableBuilder, BlocksClosedAtEndOfFileAndAtNextHeader)
{
    const auto g1 = cashGame(1, "Hero", "Ah Kd");
    const auto g2 = cashGame(2, "Hero", "7c 7d");
    // No blank line between the games and none at the end.
    const GameTables t = extract(joinLines(concat({g1, g2}, false), "\n"), "Hero");
    ASSERT_EQ(t.game_records.size(), 2u);
    EXPECT_EQ(t.game_records[0].game_no, 1);
    EXPECT_EQ(t.game_records[0].lines, std::vector<std::string>(g1.begin() + 1, g1.end()));
    EXPECT_EQ(t.game_records[1].game_no, 2);
    EXPECT_EQ(t.game_records[1].lines, std::vector<std::string>(g2.begin() + 1, g2.end()));
    ASSERT_EQ(t.summaries.size(), 2u);
    EXPECT_EQ(t.summaries[1].lines.back(), g2.back());
}

TEST(GameTableBuilder, LineEndsDoNotChangeTheTables)
{
    const auto all = concat({cashGame(1, "Hero", "Ah Kd"), cashGame(2, "Hero", "2c 3c", "Jc 4h Th")});
    const GameTables crlf = extract(joinLines(all, "\r\n"), "Hero");
    EXPECT_EQ(extract(joinLines(all, "\n"), "Hero"), crlf);
    std::string mixed;
    for (std::size_t i = 0; i < all.size(); ++i)
        mixed += all[i] + (i % 3 ? "\n" : "\r\n");
    EXPECT_EQ(extract("\xEF\xBB\xBF" + mixed, "Hero"), crlf);
    EXPECT_EQ(crlf.hole_cards.size(), 2u);
    EXPECT_TRUE(crlf.hole_cards[1].suited);
    EXPECT_EQ(crlf.boards[1].cards[3], "");
    EXPECT_EQ(crlf.boards[1].cards[4], "");
    // Old Mac line ends (a lone CR) read as every other kind.
    EXPECT_EQ(extract(joinLines(all, "\r"), "Hero"), crlf);
}

TEST(GameTableBuilder, BadGameAmongGoodOnesIsSkippedAndReported)
{
    auto bad = cashGame(2, "Hero", "Qs Qh");
    bad[0] = "PokerStars Hand #2x2:  Hold'em No Limit ($0.05/$0.10 USD)";
    const auto all = concat({cashGame(1, "Hero", "Ah Kd"), bad, cashGame(3, "Hero", "Ah Kd")});
    std::vector<SkippedGame> skipped;
    const GameTables t = extract(joinLines(all), "Hero", {}, &skipped);
    ASSERT_EQ(skipped.size(), 1u);
    EXPECT_EQ(skipped[0].file, "f.txt");
    EXPECT_EQ(skipped[0].line, cashGame(1, "", "").size() + 2);
    ASSERT_EQ(t.hole_cards.size(), 1u); // the queens of the bad game are nowhere
    EXPECT_EQ(t.hole_cards[0].count, 2);
    ASSERT_EQ(t.game_records.size(), 2u);
    EXPECT_EQ(t.game_records[1].game_no, 3);
    EXPECT_EQ(t.summaries.size(), 2u);
    EXPECT_EQ(t.boards.size(), 2u);
}

// A header a control character keeps from reading is named, not merged into
// the game before; a file without a single readable game is named too.
TEST(GameTableBuilder, DamagedHeadersAndFilesWithoutGamesAreNamed)
{
    auto damaged = cashGame(2, "Hero", "Qs Qh");
    damaged[0].insert(10, 1, '\0'); // "PokerStars\0 Hand #2: ..."
    const auto all = concat({cashGame(1, "Hero", "Ah Kd"), damaged, cashGame(3, "Hero", "Ah Kd")});
    GameTableBuilder builder;
    builder.addFile("f.txt", splitLines(joinLines(all)), "Hero");
    ASSERT_EQ(builder.skipped().size(), 1u);
    EXPECT_EQ(builder.skipped()[0].reason, "Steuerzeichen in der Kopfzeile");
    EXPECT_EQ(builder.skipped()[0].line, cashGame(1, "", "").size() + 2);
    ASSERT_EQ(builder.tables().game_records.size(), 2u);
    EXPECT_EQ(builder.tables().game_records[0].lines.size(), builder.tables().game_records[1].lines.size());
    EXPECT_TRUE(builder.filesWithoutGames().empty());

    builder.addFile("notes.txt", splitLines("just some text\r\n"), "Hero");
    builder.addFile("one-line.txt", splitLines(joinLines(cashGame(4, "Hero", "2c 2d"), "\r")), "Hero");
    EXPECT_EQ(builder.filesWithoutGames(), std::vector<std::string>{"notes.txt"});
}

TEST(GameTableBuilder, MergingPairsAndSkippingKnownGames)
{
    const auto all = concat({cashGame(1, "Hero", "Ah Kd"), cashGame(2, "Hero", "Kd Ah"), cashGame(3, "Hero", "As Kd")});
    const GameTables first = extract(joinLines(all), "Hero");
    ASSERT_EQ(first.hole_cards.size(), 2u);
    EXPECT_EQ(first.hole_cards[0].card1, "Ah"); // order of the first game kept
    EXPECT_EQ(first.hole_cards[0].count, 2);
    // The same file again adds nothing to any table.
    EXPECT_EQ(extract(joinLines(all), "Hero", first), first);
}

TEST(GameTableBuilder, OnlyTheUsersTwoCardHoldings)
{
    auto omaha = cashGame(5, "Hero", "Ah Kd Qs Jc");
    auto other = cashGame(6, "Villain", "2c 2d");
    auto longer = cashGame(7, "Hero2", "9c 8c"); // a longer name that starts with the user's counts
    const GameTables t = extract(joinLines(concat({omaha, other, longer})), "Hero");
    ASSERT_EQ(t.hole_cards.size(), 1u);
    EXPECT_EQ(t.hole_cards[0].card1, "9c");
    EXPECT_EQ(t.game_records.size(), 3u); // every game's play is still kept
}

TEST(GameTableBuilder, NamesKeptByteForByte)
{
    const std::string utf8 = "Bl\xC3\xA5veis";
    const std::string cp1252 = "Ass'e bast\xF2";
    auto g1 = cashGame(1, utf8, "Ah Kd");
    g1[1] = "Table 'T\xF6rn bast\xF2' 9-max Seat #1 is the button";
    g1[3] = "Seat 4: " + cp1252 + " ($1 in chips)";
    const GameTables t = extract(joinLines(g1), utf8);
    ASSERT_EQ(t.hole_cards.size(), 1u);
    EXPECT_EQ(t.hole_cards[0].game_refs[0].table_name, "T\xF6rn bast\xF2");
    EXPECT_EQ(t.game_records[0].lines[0], g1[1]);
    EXPECT_EQ(t.game_records[0].lines[2], "Seat 4: " + cp1252 + " ($1 in chips)");
    EXPECT_EQ(t.game_records[0].lines[4], "Bl\xC3\xA5veis: posts big blind $0.10");
    // A name holding a bracket does not disturb the cards.
    const std::string bracketed = "/\\ntiHer[]";
    const GameTables b = extract(joinLines(cashGame(2, bracketed, "Tc 9c")), bracketed);
    ASSERT_EQ(b.hole_cards.size(), 1u);
    EXPECT_EQ(b.hole_cards[0].card1, "Tc");
    EXPECT_EQ(b.hole_cards[0].card2, "9c");
}

TEST(GameTableBuilder, BlockEnds)
{
    auto g = cashGame(1, "Hero", "Ah Kd");
    // A row of asterisks ends the summary block but not the game block.
    g.insert(g.begin() + 13, "***********  # 2 **************");
    const GameTables t = extract(joinLines(g), "Hero");
    EXPECT_EQ(t.summaries[0].lines.size(), 2u);
    EXPECT_EQ(t.game_records[0].lines.size(), g.size() - 1);

    // A game cut off before any "Seat" line has no game block but keeps its summary.
    const std::vector<std::string> cut{"PokerStars Hand #9: Hold'em", "*** SUMMARY ***", "Total pot 3 | Rake 0"};
    const GameTables c = extract(joinLines(cut), "Hero");
    EXPECT_TRUE(c.game_records.empty());
    ASSERT_EQ(c.summaries.size(), 1u);
    EXPECT_EQ(c.summaries[0].game_no, 9);

    // Lines before the first header belong to no game.
    const GameTables stray = extract(joinLines({"Seat 1: x", "Dealt to Hero [Ah Kd]", "Board [2c 3c 4c]"}), "Hero");
    EXPECT_EQ(stray, GameTables{});
}

TEST(GameTableBuilder, TheSameGameInTwoFilesIsStoredFromTheFirst)
{
    GameTableBuilder builder;
    const std::string a = joinLines(cashGame(4, "Hero", "Ah Kd"));
    auto second = cashGame(4, "Hero", "Ah Kd");
    second[1] = "Table 'Other' 6-max Seat #2 is the button";
    const std::string b = joinLines(second);
    builder.addFile("a.txt", splitLines(a), "Hero");
    builder.addFile("b.txt", splitLines(b), "Hero");
    const GameTables& t = builder.tables();
    ASSERT_EQ(t.game_records.size(), 1u);
    EXPECT_EQ(t.game_records[0].lines[0], "Table 'Pallas' 6-max Seat #2 is the button");
    EXPECT_EQ(t.hole_cards[0].game_refs.size(), 1u);
}

// A file read while the card room was still writing it, read again complete:
// the short game is completed in place in every table, nothing else changes.
TEST(GameTableBuilder, CutShortGameIsCompletedWhenReadAgain)
{
    const auto first = cashGame(5, "Hero", "Ah Kd");
    const auto last = cashGame(6, "Hero", "2c 3c", "Jc 4h Th 7d 5c");
    const auto whole = concat({first, last});
    const std::size_t boardLine = whole.size() - 3;
    for (std::size_t cut : {whole.size() - 1, boardLine}) {
        std::vector<std::string> written(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        std::string partial = joinLines(written);
        if (cut == boardLine)
            partial += "Board [Jc 4h T"; // cut inside the board line
        const GameTables shortTables = extract(partial, "Hero");
        const GameTables complete = extract(joinLines(whole), "Hero");
        const GameTables repaired = extract(joinLines(whole), "Hero", shortTables);
        EXPECT_EQ(repaired, complete) << cut;
        // A different block under the same number is no continuation and stays as stored.
        auto other = whole;
        other[first.size() + 3] = "Seat 5: Somebody ($1 in chips)";
        EXPECT_EQ(extract(joinLines(other), "Hero", shortTables).game_records, shortTables.game_records) << cut;
    }
}
