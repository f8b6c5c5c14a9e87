#include "history/GameResultReader.h"
#include "history/HandHistoryText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tallyhand;

namespace {

struct Seat {
    int seat;
    std::string name;
    std::string mark; // "", " is sitting out", " out of hand"
};

// A game in which nothing is bet: only who sits where matters.
GameResult seatsGame(int button, const std::vector<Seat>& seats, const std::vector<std::string>& acting = {})
{
    std::string text = "PokerStars Hand #9: Tournament #5, $1+$0.10 USD Hold'em No Limit - Level I (10/20) - 2020/01/01 10:00:00 ET\n"
                       "Table '5 1' 10-max Seat #" + std::to_string(button) + " is the button\n";
    for (const Seat& s : seats)
        text += "Seat " + std::to_string(s.seat) + ": " + s.name + " (1500 in chips)" + s.mark + "\n";
    text += "*** HOLE CARDS ***\nDealt to Hero [Ah Kd]\n";
    for (const std::string& name : acting)
        text += name + ": folds\n";
    text += "*** SUMMARY ***\nTotal pot 0 | Rake 0\n";
    const std::vector<std::string_view> lines = splitLines(text);
    const GameResultRead read = readGameResult(lines, "Hero");
    EXPECT_EQ(read.status, GameResultRead::Status::Ok) << read.reason;
    return read.result;
}

// Seats 1..n, the hero at `heroSeat`.
std::vector<Seat> table(int n, int heroSeat)
{
    std::vector<Seat> seats;
    for (int s = 1; s <= n; ++s)
        seats.push_back({s, s == heroSeat ? "Hero" : "P" + std::to_string(s), ""});
    return seats;
}

} // namespace

TEST(GameResultSeats, PositionsAtEveryTableSize)
{
    struct Case {
        int players, button, heroSeat;
        std::string expected;
    };
    const Case cases[] = {
        {2, 1, 1, "BTN"}, {2, 1, 2, "BB"}, {2, 2, 1, "BB"},
        {3, 3, 1, "SB"},  {3, 3, 2, "BB"}, {3, 3, 3, "BTN"},
        {6, 4, 5, "SB"},  {6, 4, 6, "BB"}, {6, 4, 1, "UTG"}, {6, 4, 2, "HJ"}, {6, 4, 3, "CO"}, {6, 4, 4, "BTN"},
        {9, 9, 3, "UTG"}, {9, 9, 4, "UTG+1"}, {9, 9, 5, "UTG+2"}, {9, 9, 6, "LJ"}, {9, 9, 7, "HJ"}, {9, 9, 8, "CO"},
        {10, 2, 5, "UTG"}, {10, 2, 8, "UTG+3"}, {10, 2, 9, "LJ"}, {10, 2, 10, "HJ"}, {10, 2, 1, "CO"}, {10, 2, 3, "SB"},
        {4, 2, 1, "CO"},  {5, 5, 3, "HJ"}, {7, 7, 3, "UTG"}, {7, 7, 4, "LJ"}, {8, 8, 4, "UTG+1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.players) + " players, button " + std::to_string(c.button) + ", hero " +
                     std::to_string(c.heroSeat));
        const GameResult r = seatsGame(c.button, table(c.players, c.heroSeat));
        EXPECT_EQ(r.players, c.players);
        EXPECT_EQ(positionName(r.position), c.expected);
    }
}

TEST(GameResultSeats, WhoIsDealtIn)
{
    // Nobody on the button seat: the last player before it is the button.
    GameResult r = seatsGame(5, {{1, "A", ""}, {3, "Hero", ""}, {7, "B", ""}, {9, "C", ""}});
    EXPECT_EQ(positionName(r.position), "BTN");
    EXPECT_EQ(r.players, 4);

    // A sitting-out seat that neither posts nor acts is not dealt in and is
    // skipped when the blinds are named.
    r = seatsGame(1, {{1, "A", ""}, {2, "Out", " is sitting out"}, {3, "B", ""}, {4, "Hero", ""}});
    EXPECT_EQ(r.players, 3);
    EXPECT_EQ(positionName(r.position), "BB");

    // In a tournament a sitting-out player is folded for, and so dealt in.
    r = seatsGame(1, {{1, "A", ""}, {2, "Out", " is sitting out"}, {3, "B", ""}, {4, "Hero", ""}}, {"Out"});
    EXPECT_EQ(r.players, 4);
    EXPECT_EQ(positionName(r.position), "CO");

    // "out of hand" is the same, and the user is dealt in even so marked.
    r = seatsGame(1, {{1, "A", " out of hand"}, {2, "Hero", " is sitting out"}});
    EXPECT_EQ(r.players, 1);
    EXPECT_EQ(r.position, Position::None);

    // Names that begin one another are told apart.
    r = seatsGame(2, {{1, "Hero2", ""}, {2, "Her", ""}, {3, "Hero", ""}});
    EXPECT_EQ(positionName(r.position), "SB");
}
