#include "cards/CardText.h"
#include "cards/OutsCalculator.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

const PatternLists& patterns()
{
    static const PatternLists p = buildPatternLists();
    return p;
}

HandCards hand(std::array<std::string, 7> edits) { return readHandCards(edits); }

OutsResult outsOf(std::array<std::string, 7> edits) { return calculateOuts(patterns(), hand(std::move(edits))); }

std::size_t row(int category) { return static_cast<std::size_t>(rowOfCategory(category)); }

CardMask masks(std::initializer_list<const char*> cards)
{
    CardMask m = 0;
    for (const char* c : cards)
        m |= maskOf(*parseCardText(c));
    return m;
}

} // namespace

TEST(OutsCalculator, PocketPairBeforeTheFlopListsSetOuts)
{
    const OutsResult r = outsOf({"AHerz", "AKreuz", "", "", "", "", ""});
    EXPECT_EQ(r.akt, "Pair Aktuell :AHerz AKreuz");
    EXPECT_EQ(r.memo, (std::vector<std::string>{"Set Outs : 2", " APik AKaro"}));
    EXPECT_EQ(r.totalOuts, 2);
    EXPECT_EQ(r.kicker, "");
    EXPECT_EQ(r.madeCategory, kHighCard);
    for (const auto& cell : r.outs)
        EXPECT_EQ(cell, "");
}

TEST(OutsCalculator, UnpairedHoleCardsBeforeTheFlopListPairOutsAndHighCard)
{
    const OutsResult r = outsOf({"AHerz", "KPik", "", "", "", "", ""});
    EXPECT_EQ(r.memo, (std::vector<std::string>{"Pair Outs : 6", " AKreuz APik AKaro KHerz KKreuz KKaro"}));
    EXPECT_EQ(r.akt, "High Card : AHerz");
    EXPECT_EQ(r.kicker, "KPik ");
    EXPECT_EQ(r.totalOuts, 6);
    EXPECT_EQ(r.shown, masks({"AHerz", "KPik"}));

    // Without any hole card the memo still carries the zero count.
    const OutsResult none = outsOf({"", "", "", "", "", "", ""});
    EXPECT_EQ(none.memo, (std::vector<std::string>{"Pair Outs : 0", ""}));
    EXPECT_EQ(none.akt, "High Card : ");
    EXPECT_EQ(none.totalOuts, 0);
}

TEST(OutsCalculator, FlushDrawOnTheFlopAndTurn)
{
    const OutsResult flop = outsOf({"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "", ""});
    EXPECT_EQ(flop.outs[row(kFlush)], "9");
    const auto at = std::find(flop.memo.begin(), flop.memo.end(), "Flush Outs : 9");
    ASSERT_NE(at, flop.memo.end());
    EXPECT_EQ(*(at + 1), "QHerz JHerz THerz 9Herz 8Herz 6Herz 5Herz 4Herz 3Herz ");
    EXPECT_EQ(flop.akt, "High Card : AHerz");
    EXPECT_EQ(flop.kicker, "KHerz 9Pik 7Herz 2Herz ");

    const OddsColumns flopOdds = fillOddsColumns(flop.outs, unseenCards(hand({"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "", ""})), 100, '.');
    EXPECT_EQ(flopOdds.odds[row(kFlush)], "19.15");
    EXPECT_EQ(flopOdds.potOdds[row(kFlush)], "19.15");

    const std::array<std::string, 7> turnEdits{"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "4Kreuz", ""};
    const OutsResult turn = outsOf(turnEdits);
    EXPECT_EQ(turn.outs[row(kFlush)], "9");
    const OddsColumns turnOdds = fillOddsColumns(turn.outs, unseenCards(hand(turnEdits)), std::nullopt, ',');
    EXPECT_EQ(turnOdds.odds[row(kFlush)], "19,57");
    EXPECT_EQ(turnOdds.potOdds[row(kFlush)], "");

    // The river keeps 46 unseen cards.
    EXPECT_EQ(unseenCards(hand({"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "4Kreuz", "5Karo"})), 46);
    EXPECT_EQ(unseenCards(hand({"AHerz", "KHerz", "", "", "", "", ""})), 0);
}

TEST(OutsCalculator, MadeFlushIsCurrentWithoutKicker)
{
    const std::array<std::string, 7> edits{"AHerz", "KHerz", "7Herz", "2Herz", "9Herz", "", ""};
    const OutsResult r = outsOf(edits);
    EXPECT_EQ(r.outs[row(kFlush)], "Aktuell");
    EXPECT_TRUE(r.outsMade[row(kFlush)]);
    EXPECT_EQ(r.akt, "Flush :AHerz,KHerz,9Herz,7Herz,2Herz");
    EXPECT_EQ(r.kicker, "---");
    EXPECT_EQ(r.madeCategory, kFlush);
    EXPECT_EQ(r.shown, masks({"AHerz", "KHerz", "9Herz", "7Herz", "2Herz"}));
    const OddsColumns odds = fillOddsColumns(r.outs, unseenCards(hand(edits)), 100, '.');
    EXPECT_EQ(odds.odds[row(kFlush)], "100%");
    EXPECT_EQ(odds.potOdds[row(kFlush)], "");
    EXPECT_EQ(r.flushDanger, kYellow); // three hearts on the board
}

TEST(OutsCalculator, DangerColoursOfTheBoard)
{
    EXPECT_EQ(outsOf({"AKreuz", "KPik", "7Herz", "2Herz", "9Herz", "", ""}).flushDanger, kYellow);
    EXPECT_EQ(outsOf({"AKreuz", "KPik", "7Herz", "2Herz", "9Herz", "3Herz", ""}).flushDanger, kRed);
    EXPECT_EQ(outsOf({"AKreuz", "KPik", "7Herz", "2Herz", "9Pik", "3Kreuz", ""}).flushDanger, kGreen);
    // Hole cards do not count for the board's danger.
    EXPECT_EQ(outsOf({"AHerz", "KHerz", "7Herz", "2Herz", "9Pik", "", ""}).flushDanger, kGreen);

    EXPECT_EQ(outsOf({"AKreuz", "KPik", "5Herz", "6Kreuz", "7Pik", "8Karo", ""}).straightDanger, kOrange);
    EXPECT_EQ(outsOf({"AKreuz", "KPik", "5Herz", "6Kreuz", "7Pik", "9Karo", ""}).straightDanger, kYellow);
    EXPECT_EQ(outsOf({"AKreuz", "KPik", "5Herz", "6Kreuz", "7Pik", "9Karo", "8Herz"}).straightDanger, kRed);
    EXPECT_EQ(outsOf({"AKreuz", "KPik", "5Herz", "6Kreuz", "7Pik", "", ""}).straightDanger, kGreen);
    // The ace counts low: A, 2, 3, 4 waits for the four fives only.
    EXPECT_EQ(outsOf({"KKreuz", "KPik", "AHerz", "2Kreuz", "3Pik", "4Karo", ""}).straightDanger, kYellow);
}

TEST(OutsCalculator, ThreePairsShowTheTwoHighestAndTheBestRemainingKicker)
{
    const OutsResult r = outsOf({"AHerz", "5Kreuz", "9Pik", "AKreuz", "9Kreuz", "5Herz", "2Pik"});
    EXPECT_EQ(r.akt, "Two Pair :AHerz,AKreuz,9Kreuz,9Pik");
    EXPECT_EQ(r.madeCategory, kTwoPair);
    // Of two cards of one rank the later edit names the kicker.
    EXPECT_EQ(r.kicker, "5Herz ");
    EXPECT_EQ(r.outs[row(kOnePair)], "Aktuell");
    EXPECT_EQ(r.outs[row(kTwoPair)], "Aktuell");
    EXPECT_EQ(r.shown, masks({"AHerz", "AKreuz", "9Kreuz", "9Pik", "5Herz"}));
}

TEST(OutsCalculator, PairSetAndQuadsTexts)
{
    const OutsResult pair = outsOf({"AHerz", "KPik", "AKreuz", "7Kreuz", "2Pik", "", ""});
    EXPECT_EQ(pair.akt, "Pair : AHerz AKreuz ");
    EXPECT_EQ(pair.kicker, "KPik 7Kreuz 2Pik ");
    const auto set = std::find(pair.memo.begin(), pair.memo.end(), "Set Outs : 2");
    ASSERT_NE(set, pair.memo.end());
    EXPECT_EQ(*(set + 1), " APik AKaro");

    const OutsResult trips = outsOf({"7Herz", "7Pik", "7Karo", "KKreuz", "2Pik", "QHerz", ""});
    EXPECT_EQ(trips.akt, "Set :7Herz,7Pik,7Karo");
    EXPECT_EQ(trips.kicker, "KKreuz QHerz ");
    EXPECT_EQ(trips.madeCategory, kSet);

    const OutsResult quads = outsOf({"7Herz", "7Pik", "7Karo", "7Kreuz", "2Pik", "QHerz", "KKaro"});
    EXPECT_EQ(quads.akt, "Quads :7Herz,7Kreuz,7Pik,7Karo");
    EXPECT_EQ(quads.kicker, "KKaro ");
    EXPECT_EQ(quads.madeCategory, kQuads);

    const OutsResult full = outsOf({"7Herz", "7Pik", "7Karo", "2Kreuz", "2Pik", "", ""});
    EXPECT_EQ(full.akt, "Full House :7Herz,7Pik,7Karo,2Kreuz,2Pik");
    EXPECT_EQ(full.kicker, "---");
    EXPECT_EQ(full.outs[row(kQuads)], "1");
}

TEST(OutsCalculator, RoyalFlushOverridesTheWeakerMadeCategories)
{
    const OutsResult r = outsOf({"AKreuz", "KKreuz", "QKreuz", "JKreuz", "TKreuz", "9Kreuz", "THerz"});
    EXPECT_EQ(r.akt, "Royal Flush :AKreuz,KKreuz,QKreuz,JKreuz,TKreuz");
    EXPECT_EQ(r.madeCategory, kRoyalFlush);
    for (int c : {kOnePair, kStraight, kFlush, kStraightFlush, kRoyalFlush})
        EXPECT_EQ(r.outs[row(c)], "Aktuell") << c;
    EXPECT_EQ(r.kicker, "---");
}

TEST(OutsCalculator, CardsAfterAnEmptyEditAreNotCountedButCanBeOuts)
{
    // The turn is empty, so the ten of hearts on the river is not counted for
    // the royal flush and shows up as its out; the pair search sees all seven.
    const OutsResult r = outsOf({"AHerz", "KHerz", "QHerz", "JHerz", "2Pik", "", "THerz"});
    EXPECT_EQ(r.outs[row(kRoyalFlush)], "1");
    const auto royal = std::find(r.memo.begin(), r.memo.end(), "Royal Flush Outs : 1");
    ASSERT_NE(royal, r.memo.end());
    EXPECT_EQ(*(royal + 1), "THerz ");
    EXPECT_EQ(r.madeCategory, kHighCard);
    EXPECT_EQ(r.akt, "High Card : AHerz");
    EXPECT_EQ(r.kicker, "KHerz QHerz JHerz THerz ");
}

TEST(OutsCalculator, RepeatedCardsAndNonCardTextsCountForNothing)
{
    const HandCards h = hand({"AHerz", "KPik", "7Kreuz", "AHerz", "2Pik", "AH", ""});
    EXPECT_EQ(h.duplicates, (std::vector<int>{3}));
    EXPECT_FALSE(h.filled[3]);
    EXPECT_TRUE(h.filled[5]);
    EXPECT_FALSE(h.cards[5].has_value());
    const OutsResult r = calculateOuts(patterns(), h);
    EXPECT_EQ(r.madeCategory, kHighCard);
    EXPECT_EQ(r.akt, "High Card : AHerz");
    EXPECT_EQ(r.outs[row(kOnePair)], "12");

    // A repeated flop card means there is no flop yet.
    const HandCards noFlop = hand({"AHerz", "KPik", "AHerz", "", "", "", ""});
    EXPECT_FALSE(noFlop.boardStarted);
    EXPECT_FALSE(hand({"AHerz", "KPik", "  ", "", "", "", ""}).boardStarted);
}
