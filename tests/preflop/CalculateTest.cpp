#include "cards/CardText.h"
#include "cards/RankTables.h"
#include "preflop/HandCalculation.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

const CalcTables& tables()
{
    static const PatternLists patterns = buildPatternLists();
    static const RankTables ranks = RankTables::fromLists(generateRankLists());
    static const CalcTables t{patterns, ranks};
    return t;
}

CalcOutput run(std::array<std::string, 7> edits, std::string previousRank = "-1")
{
    CalcInput input;
    input.edits = std::move(edits);
    input.previousRank = std::move(previousRank);
    return calculate(tables(), input);
}

} // namespace

TEST(Calculate, BeforeTheFlopTheRankStaysAndNothingIsCounted)
{
    const CalcOutput r = run({"AHerz", "AKreuz", "", "", "", "", ""}, "2600");
    EXPECT_EQ(r.rank.rank, "2600");
    for (const auto& cell : r.rank.better)
        EXPECT_EQ(cell, "0");
    EXPECT_EQ(r.rank.betterTotal, "0");
    EXPECT_EQ(r.rank.split, "0");
}

TEST(Calculate, MadeHandsGetTheirRankNumber)
{
    EXPECT_EQ(run({"AKreuz", "KKreuz", "QKreuz", "JKreuz", "TKreuz", "", ""}).rank.rank, "1");
    EXPECT_EQ(run({"AHerz", "KPik", "7Kreuz", "2Pik", "9Herz", "4Karo", "JKreuz"}).rank.rank, "-1");
    // Two pair with its kicker: aces and nines with the king.
    std::vector<Card> cards;
    for (const char* c : {"AHerz", "KPik", "9Kreuz", "AKreuz", "9Pik"})
        cards.push_back(*parseCardText(c));
    const CalcOutput twoPair = run({"AHerz", "KPik", "9Kreuz", "AKreuz", "9Pik", "", ""});
    EXPECT_EQ(twoPair.rank.rank, std::to_string(tables().ranks.lookupRank(ListId::TwoPair, cards)));
    EXPECT_EQ(twoPair.rank.rank, "2600");
}
