#include "cards/CardText.h"
#include "preflop/SimulationInput.h"

#include <gtest/gtest.h>

using namespace tallyhand;

TEST(SimulationInput, CardsAreReadFromTheRowLikeTypedInput)
{
    EXPECT_EQ(rowCardTexts("Spieler1 [Ah Kd] gewann (1200)"), (std::array<std::string, 2>{"AHerz", "KKaro"}));
    EXPECT_EQ(rowCardTexts("[dk 9s]"), (std::array<std::string, 2>{"QKreuz", "9Pik"}));
    EXPECT_EQ(rowCardTexts("[AH Kd]")[0], "AH"); // not a card text, stays as typed
    EXPECT_EQ(rowCardTexts("no cards")[0], "");
    EXPECT_EQ(rowCardTexts("x [Ah")[1], "");
}

TEST(SimulationInput, SeatRowsSkipEmptySeatsAndShortenCardTexts)
{
    const std::vector<std::array<std::string, 2>> seats{{"Ah", "Kd"}, {"", ""}, {"QPik", "TKaro"}, {"7c", ""}};
    EXPECT_EQ(seatRows(seats), (std::vector<std::string>{"[Ah Kd]", "[Qs Td]", "[7c ]"}));
}

TEST(SimulationInput, ValidHandsAndBoardBuildTheSetup)
{
    const auto request = prepareSimulation({"a [Ah Kd]", "b [Qs Qc] won"}, {"2Herz", "7Pik", "9Karo"});
    ASSERT_TRUE(request.ok()) << request.error;
    ASSERT_EQ(request.setup.hands.size(), 2u);
    EXPECT_EQ(request.setup.hands[1][0], *parseCardText("QPik"));
    EXPECT_EQ(request.setup.board, (std::vector<Card>{makeCard(2, 1), makeCard(7, 3), makeCard(9, 4)}));
}

TEST(SimulationInput, InvalidInputIsNamedAndNotRun)
{
    struct Case {
        std::vector<std::string> rows;
        std::vector<std::string> board;
        std::string expected;
    };
    const std::vector<std::string> eleven(11, "[Ah Kd]");
    const std::vector<Case> cases{
        {{}, {}, "Keine Hand angegeben: Bitte mindestens eine Hand mit zwei Karten eingeben."},
        {eleven, {}, "Zu viele Hände: Höchstens zehn Spieler sind möglich, angegeben sind 11."},
        {{"[Ah Kd]", "[Ax Kc]"}, {}, "Hand 2: Die erste Karte \u201EAx\u201C ist keine gültige Karte."},
        {{"[Ah ]"}, {}, "Hand 1: Die zweite Karte fehlt."},
        {{"[Ah Kd]", "[Qs Ah]"}, {}, "Die Karte AHerz kommt doppelt vor (Hand 1 und Hand 2)."},
        {{"[Ah Ah]"}, {}, "Die Karte AHerz kommt doppelt vor (Hand 1)."},
        {{"[Ah Kd]"}, {"2Herz", "KKaro", "3Pik"}, "Die Boardkarte KKaro ist auch eine Karte von Hand 1."},
        {{"[Ah Kd]"}, {"2Herz", "2Herz", "3Pik"}, "Die Boardkarte 2Herz kommt doppelt vor."},
        {{"[Ah Kd]"}, {"2Herz", "", "3Pik"}, "Boardkarte Flop 2 fehlt: Bitte die Karte im Rechner eingeben."},
        {{"[Ah Kd]"}, {"2Herz", "4Pik", "3Pik", "9h"}, "Boardkarte Turn: \u201E9h\u201C ist keine gültige Karte."},
    };
    for (const auto& c : cases) {
        const auto request = prepareSimulation(c.rows, c.board);
        EXPECT_EQ(request.error, c.expected);
        EXPECT_FALSE(request.ok());
    }
}

TEST(SimulationInput, DealCountFallsBackForBadText)
{
    EXPECT_EQ(dealCountFromText("250000").count, 250000u);
    EXPECT_EQ(dealCountFromText("250000").text, "250000");
    EXPECT_FALSE(dealCountFromText("1").fellBack);
    EXPECT_EQ(dealCountFromText(" 7 ").count, 7u);
    for (const char* bad : {"", "0", "-5", "12a", "1.5", "2147483648", "abc"}) {
        const DealCount d = dealCountFromText(bad);
        EXPECT_TRUE(d.fellBack) << bad;
        EXPECT_EQ(d.count, 1000000u) << bad;
        EXPECT_EQ(d.text, "1000000") << bad;
    }
}
