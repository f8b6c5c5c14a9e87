#include "history/AtomicFile.h"
#include "history/GameFacts.h"

#include <gtest/gtest.h>

using namespace tallyhand;

// The packed form the store keeps gives back every counter, large ones
// included, and refuses bytes it did not write.
TEST(GameFacts, PackedTallyKeepsEveryCounterAndRefusesDamage)
{
    WinLossTally tally;
    tally.wonShowdown = 1;
    tally.folds[WinLossTally::River] = 300;
    tally.allInsWon[WinLossTally::Preflop] = 127;
    tally.lostCat[WinLossTally::kCategories - 1] = 1ll << 40;
    const std::string packed = packTally(tally);
    WinLossTally sum = tally;
    addPackedTally(packed, sum);
    WinLossTally twice;
    twice += tally;
    twice += tally;
    EXPECT_EQ(sum, twice);
    EXPECT_EQ(twice.folds[WinLossTally::River], 600);
    EXPECT_EQ(twice.lostCat[WinLossTally::kCategories - 1], 1ll << 41);
    EXPECT_TRUE(packTally(WinLossTally{}).empty());

    WinLossTally into;
    for (const std::string& damaged : {std::string(1, '\x7f') + '\x01', std::string("\x01\x80", 2),
                                       std::string("\x01", 1)})
        EXPECT_THROW(addPackedTally(damaged, into), DatabaseError);
}

TEST(GameFacts, StackAndCountsOfTheUser)
{
    const LineList block{"Seat 1: Hero (1500 in chips)",
                         "Seat 2: Villain (900 in chips)",
                         "*** HOLE CARDS ***",
                         "Hero: raises 200 to 300 and is all-in",
                         "*** SUMMARY ***",
                         "Seat 1: Hero showed [Ah Ad] and won (1800) with a pair of Aces",
                         "Seat 2: Villain showed [Kh Kd] and lost with a pair of Kings"};
    const GameFacts hero = readGameFacts(block, "Hero");
    EXPECT_EQ(hero.chips, 1500);
    EXPECT_EQ(hero.tally.wonShowdown, 1);
    EXPECT_EQ(hero.tally.allInWon, 1);
    EXPECT_EQ(hero.tally.allInsWon[WinLossTally::Preflop], 1);
    EXPECT_EQ(hero.tally.winCat[1], 1);
    const GameFacts villain = readGameFacts(block, "Villain");
    EXPECT_EQ(villain.chips, 900);
    EXPECT_EQ(villain.tally.lostShowdown, 1);
    EXPECT_EQ(villain.tally.allInLost, 0);
    EXPECT_EQ(readGameFacts(block, "Nobody"), GameFacts{});
}
