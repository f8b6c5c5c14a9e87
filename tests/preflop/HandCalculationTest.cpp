#include "cards/CardText.h"
#include "cards/OutsCalculator.h"
#include "preflop/HandCalculation.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

const PatternLists& patterns()
{
    static const PatternLists p = buildPatternLists();
    return p;
}

CalcOutput run(std::array<std::string, 7> edits, std::string pot = "", char sep = '.')
{
    CalcInput input;
    input.edits = std::move(edits);
    input.pot = std::move(pot);
    input.decimalSeparator = sep;
    return calculateOutsAndOdds(patterns(), input);
}

constexpr std::size_t kFlushRow = rowOfCategory(kFlush);

} // namespace

TEST(HandCalculation, PotThatIsNoWholeNumberLeavesOnlyThePotOddsEmpty)
{
    const CalcOutput bad = run({"AKreuz", "KHerz", "7Herz", "2Herz", "9Herz", "4Pik", ""}, "12.5");
    ASSERT_TRUE(bad.potError.has_value());
    EXPECT_EQ(*bad.potError, "Der Pot muss eine ganze Zahl sein.");
    EXPECT_EQ(bad.odds[kFlushRow], "19.57");
    for (const auto& cell : bad.potOdds)
        EXPECT_EQ(cell, "");
    EXPECT_EQ(bad.flushDanger, kYellow);
    EXPECT_EQ(bad.totalOuts, "25"); // 18 pairing cards and 9 hearts share AHerz and 4Herz

    const std::array<std::string, 7> flushDraw{"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "", ""};

    const CalcOutput empty = run(flushDraw, "");
    EXPECT_FALSE(empty.potError.has_value());
    EXPECT_EQ(empty.potOdds[kFlushRow], "");

    const CalcOutput good = run(flushDraw, "250", ',');
    EXPECT_FALSE(good.potError.has_value());
    EXPECT_EQ(good.odds[kFlushRow], "19,15");
    EXPECT_EQ(good.potOdds[kFlushRow], "47,87");
}

TEST(HandCalculation, RepeatedCardIsFlaggedAndIgnored)
{
    // Without the check the second ace of hearts would make "a pair".
    const CalcOutput r = run({"AHerz", "KPik", "7Kreuz", "2Pik", "9Herz", "AHerz", ""});
    EXPECT_EQ(r.duplicateEdits, (std::vector<int>{5}));
    EXPECT_EQ(r.rankInput.madeCategory, kHighCard);
    EXPECT_EQ(r.akt, "High Card : AHerz");
    EXPECT_FALSE(r.rankInput.filled[5]);
    EXPECT_FALSE(r.rankInput.cards[5].has_value());
    // The turn counts as empty, so the odds stay on the flop's 47 cards.
    EXPECT_EQ(r.outs[rowOfCategory(kOnePair)], "15");
    EXPECT_EQ(r.odds[rowOfCategory(kOnePair)], "31.91");
}

TEST(HandCalculation, TextsThatAreNoCardsMatchNothing)
{
    const CalcOutput r = run({"A", "KPik", "AHerz", "7Kreuz", "2Pik", "", ""});
    EXPECT_FALSE(r.sklanskyGroup.has_value());
    EXPECT_FALSE(r.sklanskyPercent.has_value());
    EXPECT_EQ(r.rankInput.madeCategory, kHighCard);
    EXPECT_EQ(r.outs[rowOfCategory(kOnePair)], "12");
    EXPECT_TRUE(r.rankInput.filled[0]);
    EXPECT_FALSE(r.rankInput.cards[0].has_value());
}

TEST(HandCalculation, HandsTheRankStepWhatItNeeds)
{
    CalcInput input;
    input.edits = {"AHerz", "KPik", "7Kreuz", "2Pik", "9Herz", "4Karo", "JKreuz"};
    input.previousRank = "2600";
    const CalcOutput r = calculateOutsAndOdds(patterns(), input);
    EXPECT_EQ(r.rankInput.previousRank, "2600");
    EXPECT_EQ(r.rankInput.madeCategory, kHighCard);
    EXPECT_EQ(r.kicker, "KPik JKreuz 9Herz 7Kreuz ");
    EXPECT_EQ(cardCount(r.rankInput.shown), 5);
    EXPECT_FALSE(contains(r.rankInput.shown, *parseCardText("2Pik")));
    EXPECT_EQ(r.sklanskyGroup, "2");
    EXPECT_EQ(r.sklanskyPercent, "16.67%");
    EXPECT_EQ(r.totalOuts, std::to_string(3 * 7));
}
