#include "cards/CardText.h"

#include <gtest/gtest.h>

using namespace tallyhand;

TEST(CardText, ExpandTypedCards)
{
    EXPECT_EQ(expandCardText("ah"), "AHerz");
    EXPECT_EQ(expandCardText("dk"), "QKreuz");
    EXPECT_EQ(expandCardText("Qh"), "QHerz");
    EXPECT_EQ(expandCardText("9s"), "9Pik");
    EXPECT_EQ(expandCardText("Td"), "TKaro");
    EXPECT_EQ(expandCardText("7p"), "7Pik");
    EXPECT_EQ(expandCardText("xc"), "XKreuz"); // the rank is not checked
    EXPECT_EQ(expandCardText("AH"), "AH");     // upper-case suit letters are not converted
    EXPECT_EQ(expandCardText("ax"), "ax");     // nor upper-cased when nothing matched
}

TEST(CardText, OnlyCompleteCardTextsParse)
{
    EXPECT_EQ(parseCardText("AHerz"), makeCard(14, 1));
    EXPECT_EQ(parseCardText("2Karo"), makeCard(2, 4));
    EXPECT_EQ(parseCardText("TKreuz"), makeCard(10, 2));
    for (const char* bad : {"", "A", "AH", "AHer", "AHerzX", " AHerz", "1Herz", "XPik", "aHerz", "Q"})
        EXPECT_FALSE(parseCardText(bad).has_value()) << bad;
    for (Card c = 0; c < kCardCount; ++c)
        EXPECT_EQ(parseCardText(cardText(c)), c);
}

TEST(CardText, HistoryCards)
{
    EXPECT_EQ(parseHistoryCard("Ah"), makeCard(14, 1));
    EXPECT_EQ(parseHistoryCard("Td"), makeCard(10, 4));
    EXPECT_EQ(historyCardText(makeCard(12, 3)), "Qs");
    EXPECT_FALSE(parseHistoryCard("AH").has_value());
    EXPECT_FALSE(parseHistoryCard("Ahh").has_value());
}
