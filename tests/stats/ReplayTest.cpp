#include "stats/Replay.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

Tgame game(std::int64_t no, std::int64_t tour, std::vector<std::string> lines = {})
{
    Tgame g;
    g.game_no = no;
    g.tour_no = tour;
    g.lines = LineList(lines.begin(), lines.end());
    return g;
}

std::vector<std::string> statusTexts(const Replay& r)
{
    std::vector<std::string> texts;
    for (const ReplayStep& s : r.steps) {
        if (s.kind == ReplayStep::EnterCard && !s.status.empty())
            texts.push_back(s.status);
        if (s.kind == ReplayStep::Status)
            texts.push_back(s.text);
    }
    return texts;
}

} // namespace

TEST(Replay, ShowdownRowsFromSummaryLines)
{
    const std::vector<std::string> summary{
        "Total pot 3000",
        "Seat 3: player (big blind) showed [Ah Kd] and won (3000) with a pair of Aces",
        "Seat 5: other showed [Qs Qh] and lost with a pair of Queens",
        "Seat 2: third mucked [8c 9c]",
        "Seat 1: fourth (button) folded before Flop",
        "Seat 6: Seatbelt showed [2c 2d] and lost with a pair of Twos"};
    EXPECT_EQ(listShowdownCards(summary),
              (std::vector<std::string>{"player [Ah Kd] won(3000)", "other [Qs Qh] lost", "third [8c 9c]",
                                        "Seatbelt [2c 2d] lost"}));
}

TEST(Replay, BothReplaysFollowTheirSteps)
{
    GameTables t;
    Tcardcount cards;
    cards.card1 = "Ah";
    cards.card2 = "Kd";
    cards.game_refs = {game(5, 9)};
    t.hole_cards = {cards};
    t.summaries = {game(5, 8, {"other tour"}), game(5, 9, {"Seat 1: Hero showed [Ah Kd] and won (10)"})};
    t.game_records = {game(5, 9, {"Table 'T'", "Seat 1: Hero (1500 in chips)", "*** HOLE CARDS ***", "Hero: raises",
                                  "*** FLOP *** [2c 3d 4h]", "*** SUMMARY ***", "Total pot 10"})};
    TBoard board;
    board.cards = {"2c", "3d", "4h", "5s", ""};
    board.game = game(5, 9);
    t.boards = {board};
    const GameIndex index(t);

    const auto fromRow = replayFromClassRow(index, "Ah Kd game#5 tourney#9");
    ASSERT_TRUE(fromRow);
    EXPECT_EQ(fromRow->tour, 9);
    EXPECT_EQ(fromRow->summary, std::vector<std::string>{"Seat 1: Hero showed [Ah Kd] and won (10)"});
    EXPECT_EQ(fromRow->showdown, std::vector<std::string>{"Hero [Ah Kd] won(10)"});
    EXPECT_EQ(fromRow->play.seatsAndBlinds, (std::vector<std::string>{"Table 'T'", "Seat 1: Hero (1500 in chips)"}));
    EXPECT_EQ(fromRow->play.betAction.front(), "*** HOLE CARDS ***");
    EXPECT_TRUE(fromRow->play.showdown.empty()); // no "*** SHOW DOWN ***"; the summary is in no pane
    EXPECT_EQ(statusTexts(*fromRow),
              (std::vector<std::string>{"Spiel initialisieren.", "HoleCards berechnen.", "Summery aktualisieren.",
                                        "GamePlay aktualisieren.", "Boardkarten suchen.", "Flopkarten berechnen.",
                                        "Turnkarte berechnen.", "Summery encoden.", "Ok"}));
    // Flop and turn dealt: flop3 is only converted, the turn runs the calculation.
    std::vector<std::pair<int, bool>> entered;
    for (const ReplayStep& s : fromRow->steps)
        if (s.kind == ReplayStep::EnterCard)
            entered.emplace_back(s.slot, s.calculate);
    EXPECT_EQ(entered, (std::vector<std::pair<int, bool>>{{ReplayStep::Hole1, true}, {ReplayStep::Hole2, true},
                                                          {ReplayStep::Flop1, true}, {ReplayStep::Flop2, true},
                                                          {ReplayStep::Flop3, false}, {ReplayStep::Turn, true}}));
    EXPECT_EQ(cardEditsAfter(*fromRow),
              (std::array<std::string, 7>{"AHerz", "KKaro", "2Kreuz", "3Karo", "4Herz", "5Pik", ""}));
    EXPECT_EQ(fromRow->steps[fromRow->steps.size() - 3].kind, ReplayStep::SelectTournament);
    EXPECT_FALSE(replayFromClassRow(index, "Ah Kd"));

    // By game number only: the first summary of the game whatever its tournament.
    const Replay byGame = replayFromGame(index, 5);
    EXPECT_EQ(byGame.summary, std::vector<std::string>{"other tour"});
    EXPECT_EQ(statusTexts(byGame).front(), "Summery aktualisieren.");
    EXPECT_EQ(cardEditsAfter(byGame)[0], "AHerz");
    // On the flop: play up to the turn, cards up to the flop, no summary yet.
    const StreetView onFlop = replayAtStreet(index, *fromRow, Street::Flop, "Hero");
    EXPECT_EQ(onFlop.play.betAction.back(), "*** FLOP *** [2c 3d 4h]");
    EXPECT_TRUE(onFlop.summary.empty() && onFlop.showdown.empty());
    EXPECT_EQ(onFlop.steps.back().slot, ReplayStep::Flop3);
    EXPECT_TRUE(onFlop.steps.back().calculate);
    EXPECT_TRUE(reached(*fromRow, Street::Turn));
    EXPECT_FALSE(reached(*fromRow, Street::River));

    const Replay unknown = replayFromGame(index, 6);
    EXPECT_TRUE(unknown.summary.empty() && unknown.play.betAction.empty());
    EXPECT_EQ(cardEditsAfter(unknown)[0], "");
}
