#include "table/PracticeHistory.h"
#include "table/PracticeTable.h"

#include "cards/CardText.h"
#include "history/GameTableBuilder.h"
#include "history/HandHistoryText.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {

const PatternLists& patterns()
{
    static const PatternLists lists = buildPatternLists();
    return lists;
}

Card c(const char* text) { return *parseHistoryCard(text); }

// Plays until the game ends or `hands` hands are over, the user taking `user`.
void play(PracticeTable& t, int hands, Action user, const std::function<void(const PracticeTable&)>& check)
{
    while (t.wait() != TableWait::GameOver && t.handNumber() <= hands) {
        if (t.wait() == TableWait::User) {
            const Chips toCall = t.level() - t.seats()[1].bet;
            Action a = user;
            if (a == Action::Check && toCall > 0)
                a = Action::Fold;
            ASSERT_FALSE(t.step(UserChoice{a, 0}));
        } else {
            ASSERT_FALSE(t.step());
        }
        check(t);
    }
}

} // namespace

TEST(PracticeTable, DecisionTableOfEveryGroupAndRole)
{
    // A pair of aces (group 1) raises everywhere; a hand of no group folds,
    // except as the unraised big blind, where it raises.
    EXPECT_EQ(PracticeTable::sklanskyGroup({c("Ah"), c("Ad")}), 1);
    EXPECT_EQ(PracticeTable::sklanskyGroup({c("7c"), c("2d")}), 0);
    for (int role : {0, 1, 2}) {
        EXPECT_EQ(preflopDecision(1, role, 10, 10, 3), Action::Raise);
        EXPECT_EQ(preflopDecision(3, role, 40, 10, 3), Action::Raise);
    }
    EXPECT_EQ(preflopDecision(0, 0, 10, 10, 3), Action::Fold);
    EXPECT_EQ(preflopDecision(0, 1, 10, 10, 3), Action::Fold);
    EXPECT_EQ(preflopDecision(0, 2, 10, 10, 3), Action::Raise);
    EXPECT_EQ(preflopDecision(0, 2, 20, 10, 3), Action::Fold);
    EXPECT_EQ(preflopDecision(8, 2, 10, 10, 3), Action::Call);
    EXPECT_EQ(preflopDecision(8, 2, 10, 10, 25), Action::Raise);
    EXPECT_EQ(preflopDecision(4, 0, 10, 10, 3), Action::Call);
    EXPECT_EQ(preflopDecision(4, 0, 10, 10, 25), Action::Raise);
    EXPECT_EQ(preflopDecision(4, 2, 30, 10, 3), Action::Raise);
    EXPECT_EQ(preflopDecision(6, 2, 30, 10, 3), Action::Call);
    EXPECT_EQ(preflopDecision(6, 1, 10, 10, 25), Action::Raise);
    // The second pass: groups 1 and 2 raise, the others call from a draw of 10 on.
    EXPECT_EQ(preflopResponse(2, 40), Action::Raise);
    EXPECT_EQ(preflopResponse(5, 9), Action::Raise);
    EXPECT_EQ(preflopResponse(5, 10), Action::Call);
}

TEST(PracticeTable, BadBlindsChangeNothing)
{
    PracticeTable t(patterns(), 1);
    EXPECT_TRUE(t.start(0, 10));
    EXPECT_TRUE(t.start(10, 5));
    EXPECT_EQ(t.wait(), TableWait::GameOver);
    EXPECT_FALSE(t.start(5, 10));
    EXPECT_EQ(t.handNumber(), 1);
}

// Thousands of seeded hands: chips are conserved at every step, every card of
// a hand is distinct, the small blind's raise over a level of 10 puts in 15
// more, short stacks post their blind all in, and a game ends with one seat
// holding every chip.
TEST(PracticeTable, ChipsCardsAndBlindsOverManyGames)
{
    int hands = 0, sbRaises = 0, allInBlinds = 0, games = 0;
    for (std::uint64_t seed = 1; seed <= 24; ++seed) {
        const bool headsUp = seed % 2 == 0;
        PracticeTable t(patterns(), seed);
        ASSERT_FALSE(t.start(5, 10, headsUp));
        const Chips total = t.chipsInPlay();
        const Action user = seed % 3 == 0 ? Action::Raise : seed % 3 == 1 ? Action::Call : Action::Check;
        play(t, headsUp ? 100000 : 250, user, [&](const PracticeTable& table) {
            ASSERT_EQ(table.chipsInPlay(), total);
            CardMask seen = 0;
            int cards = 0;
            for (int s = 1; s <= kTableSeats; ++s)
                if (table.seats()[static_cast<std::size_t>(s)].dealt)
                    for (Card card : table.seats()[static_cast<std::size_t>(s)].cards) {
                        seen |= maskOf(card);
                        ++cards;
                    }
            for (Card card : table.board()) {
                seen |= maskOf(card);
                ++cards;
            }
            ASSERT_EQ(cardCount(seen), cards);
        });
        int smallBlind = 0;
        bool raised = false, sbActed = false;
        for (const TableEvent& e : t.events()) {
            if (e.kind == TableEvent::HandStarted) {
                ++hands;
                smallBlind = 0;
                raised = sbActed = false;
            } else if (e.kind == TableEvent::Blind) {
                allInBlinds += e.allIn;
                if (e.allIn) // a stack no larger than the blind goes in whole
                    EXPECT_LE(e.amount, smallBlind == 0 ? 5 : 10);
                else
                    EXPECT_EQ(e.amount, smallBlind == 0 ? 5 : 10);
                if (smallBlind == 0)
                    smallBlind = e.seat;
            } else if (e.kind == TableEvent::Act && e.street == TableStreet::Preflop) {
                if (e.seat == smallBlind && !sbActed && !raised && e.action == Action::Raise && !e.allIn) {
                    EXPECT_EQ(e.amount, 15);
                    ++sbRaises;
                }
                sbActed = sbActed || e.seat == smallBlind;
                raised = raised || e.action == Action::Raise;
            }
        }
        if (headsUp) {
            EXPECT_EQ(t.wait(), TableWait::GameOver) << seed;
        }
        if (t.wait() == TableWait::GameOver) {
            ++games;
            EXPECT_EQ(t.seats()[static_cast<std::size_t>(t.winner())].stack, total);
        }
    }
    EXPECT_GT(hands, 2000);
    EXPECT_GE(games, 12);
    EXPECT_GT(sbRaises, 0);
    EXPECT_GT(allInBlinds, 0);
}

TEST(PracticeTable, UserChoicesDoWhatTheySay)
{
    PracticeTable t(patterns(), 7);
    ASSERT_FALSE(t.start(5, 10));
    while (t.wait() != TableWait::User)
        ASSERT_FALSE(t.step());
    const Chips toCall = t.level() - t.seats()[1].bet;
    ASSERT_GT(toCall, 0);
    EXPECT_TRUE(t.step(UserChoice{Action::Check, 0}));
    EXPECT_TRUE(t.step(UserChoice{Action::Raise, 1}));
    const Chips stack = t.seats()[1].stack;
    const Chips level = t.level();
    ASSERT_FALSE(t.step(UserChoice{Action::Raise, 50}));
    EXPECT_EQ(t.seats()[1].bet, level + 50);
    EXPECT_EQ(t.seats()[1].stack, stack - (level + 50 - (level - toCall)));
    EXPECT_EQ(t.level(), level + 50);
}

// Practice hands written as hand histories import like real ones: every hand
// the user played, every showdown result.
TEST(PracticeTable, WrittenHandsImport)
{
    const PracticeSession session = practiceSession("Hero", 1765108800);
    PracticeTable t(patterns(), 11);
    ASSERT_FALSE(t.start(5, 10));
    std::string file;
    int hands = 0, userHands = 0, wonAtShowdown = 0, lostAtShowdown = 0;
    while (t.handNumber() <= 60 && t.wait() != TableWait::GameOver) {
        if (t.wait() == TableWait::HandOver) {
            file += practiceHandText(session, t);
            ++hands;
            userHands += t.handStartStacks()[1] > 0;
            std::array<bool, kTableSeats + 1> shows{}, wins{};
            for (std::size_t i = t.handStart(); i < t.events().size(); ++i) {
                const TableEvent& e = t.events()[i];
                shows[static_cast<std::size_t>(e.seat)] |= e.kind == TableEvent::Shows;
                wins[static_cast<std::size_t>(e.seat)] |= e.kind == TableEvent::Wins;
            }
            for (int s = 1; s <= kTableSeats; ++s) {
                wonAtShowdown += shows[static_cast<std::size_t>(s)] && wins[static_cast<std::size_t>(s)];
                lostAtShowdown += shows[static_cast<std::size_t>(s)] && !wins[static_cast<std::size_t>(s)];
            }
        }
        // The user calls small bets and folds to big ones.
        const bool cheap = t.level() - t.seats()[1].bet <= 10;
        ASSERT_FALSE(t.step(t.wait() == TableWait::User
                                ? std::optional<UserChoice>(UserChoice{cheap ? Action::Call : Action::Fold, 0})
                                : std::nullopt));
    }
    GameTableBuilder builder;
    builder.addFile(practiceFileName(session), splitLines(file), "Hero");
    EXPECT_TRUE(builder.skipped().empty());
    const GameTables& tables = builder.tables();
    EXPECT_EQ(tables.game_records.size(), static_cast<std::size_t>(hands));
    EXPECT_EQ(tables.summaries.size(), static_cast<std::size_t>(hands));
    std::size_t dealtToUser = 0;
    for (const Tcardcount& h : tables.hole_cards)
        dealtToUser += h.game_refs.size();
    EXPECT_EQ(dealtToUser, static_cast<std::size_t>(userHands));
    EXPECT_GT(userHands, 10);
    int won = 0, lost = 0;
    for (const Tgame& g : tables.summaries)
        for (std::string_view line : g.lines) {
            won += line.find("showed [") != std::string_view::npos && line.find("and won (") != std::string_view::npos;
            lost += line.find("and lost with") != std::string_view::npos;
        }
    EXPECT_EQ(won, wonAtShowdown);
    EXPECT_EQ(lost, lostAtShowdown);
    EXPECT_GT(won, 0);
}
