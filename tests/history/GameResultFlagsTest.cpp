#include "history/GameResultReader.h"
#include "history/HandHistoryText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tallyhand;

namespace {

// Heads-up cash game, Villain small blind on the button, Hero big blind; the
// play lines come from the case and the pot is settled by its own lines.
GameResult play(const std::string& body)
{
    const std::string text =
        "PokerStars Hand #1:  Hold'em No Limit ($1/$2 USD) - 2020/01/01 10:00:00 ET\n"
        "Table 'T' 6-max Seat #1 is the button\n"
        "Seat 1: Vil ($100 in chips)\nSeat 2: Hero ($100 in chips)\nSeat 3: Third ($100 in chips)\n"
        "Third: posts small blind $1\nVil: posts big blind $2\n*** HOLE CARDS ***\nDealt to Hero [Ah Kd]\n" +
        body + "*** SUMMARY ***\nTotal pot $0 | Rake $0\n";
    const std::vector<std::string_view> lines = splitLines(text);
    const GameResultRead read = readGameResult(lines, "Hero");
    EXPECT_EQ(read.status, GameResultRead::Status::Ok) << read.reason;
    return read.result;
}

} // namespace

TEST(GameResultFlags, EachFlag)
{
    struct Case {
        const char* what;
        std::string body;
        bool vpip, pfr, threeBet, chance, sawFlop, showdown, won;
        BettingStreet allin;
        int betsRaises, calls;
    };
    const std::string flop = "*** FLOP *** [2c 7d 9h]\n";
    const std::string toShowdown = "*** TURN *** [2c 7d 9h] [Ts]\n*** RIVER *** [2c 7d 9h Ts] [3s]\n*** SHOW DOWN ***\n";
    const Case cases[] = {
        {"open raise", "Hero: raises $4 to $6\nThird: folds\nVil: folds\n", true, true, false, false, false, false, false, BettingStreet::None, 0, 0},
        {"call of one raise is a chance", "Vil: raises $4 to $6\nHero: calls $6\nThird: folds\n", true, false, false, true, false, false, false, BettingStreet::None, 0, 0},
        {"fold to one raise is a chance", "Vil: raises $4 to $6\nHero: folds\n", false, false, false, true, false, false, false, BettingStreet::None, 0, 0},
        {"second raise is a 3-bet", "Vil: raises $4 to $6\nHero: raises $12 to $18\nThird: folds\nVil: folds\n", true, true, true, true, false, false, false, BettingStreet::None, 0, 0},
        {"a short all-in raise counts as a raise", "Vil: raises $4 to $6\nHero: raises $1 to $7 and is all-in\n", true, true, true, true, false, false, false, BettingStreet::Preflop, 0, 0},
        {"re-raise after own open is no 3-bet", "Hero: raises $4 to $6\nVil: raises $12 to $18\nHero: raises $30 to $48\nVil: folds\n", true, true, false, false, false, false, false, BettingStreet::None, 0, 0},
        {"facing two raises is no chance", "Vil: raises $4 to $6\nThird: raises $12 to $18\nHero: calls $18\n", true, false, false, false, false, false, false, BettingStreet::None, 0, 0},
        {"limp and see the flop", "Hero: calls $2\nThird: calls $1\nVil: checks\n" + flop + "Third: checks\nHero: bets $4\nVil: raises $8 to $12\nHero: calls $8\n",
         true, false, false, false, true, false, false, BettingStreet::None, 1, 1},
        {"showdown won after an all-in on the flop", "Hero: calls $2\nThird: folds\nVil: checks\n" + flop + "Vil: bets $98 and is all-in\nHero: calls $98 and is all-in\n" + toShowdown + "Hero collected $200 from pot\n",
         true, false, false, false, true, true, true, BettingStreet::Flop, 0, 1},
        {"mucking at the showdown is not a fold", "Hero: calls $2\nThird: folds\nVil: checks\n" + flop + "Vil: checks\nHero: checks\n" + toShowdown + "Vil: shows [As Ad]\nHero: mucks hand\nVil collected $4 from pot\n",
         true, false, false, false, true, true, false, BettingStreet::None, 0, 0},
        {"folded before the showdown", "Hero: calls $2\nThird: folds\nVil: checks\n" + flop + "Vil: bets $2\nHero: folds\n" + toShowdown + "Vil collected $6 from pot\n",
         true, false, false, false, true, false, false, BettingStreet::None, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameResult r = play(c.body);
        EXPECT_EQ(r.vpip, c.vpip);
        EXPECT_EQ(r.pfr, c.pfr);
        EXPECT_EQ(r.threeBet, c.threeBet);
        EXPECT_EQ(r.threeBetChance, c.chance);
        EXPECT_EQ(r.sawFlop, c.sawFlop);
        EXPECT_EQ(r.showdown, c.showdown);
        EXPECT_EQ(r.wonShowdown, c.won);
        EXPECT_EQ(r.allinStreet, c.allin);
        EXPECT_EQ(r.betsRaises, c.betsRaises);
        EXPECT_EQ(r.calls, c.calls);
    }
}
