// Blinds and amounts at and past their bounds: a bad blind starts nothing,
// a bet larger than the stack is an all-in, and no sum overflows.
#include "table/PracticeTable.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tallyhand;

namespace {

const PatternLists& patterns()
{
    static const PatternLists lists = buildPatternLists();
    return lists;
}

constexpr Chips kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr Chips kInt64Max = std::numeric_limits<Chips>::max();

// What must hold after every step of a game, whatever the inputs were.
class Invariants {
public:
    explicit Invariants(const PracticeTable& t) : m_total(t.chipsInPlay()) {}

    void check(const PracticeTable& t)
    {
        ASSERT_EQ(t.chipsInPlay(), m_total);
        ASSERT_GE(t.pot(), 0);
        ASSERT_GE(t.level(), 0);
        // Within one betting round the level only ever rises.
        if (t.handNumber() == m_hand && t.street() == m_street) {
            ASSERT_GE(t.level(), m_level);
        }
        m_hand = t.handNumber();
        m_street = t.street();
        m_level = t.level();
        for (int s = 1; s <= kTableSeats; ++s) {
            const TableSeat& seat = t.seats()[static_cast<std::size_t>(s)];
            ASSERT_GE(seat.stack, 0);
            ASSERT_GE(seat.bet, 0);
            ASSERT_LE(seat.bet, t.level());
        }
        for (; m_seen < t.events().size(); ++m_seen)
            ASSERT_GE(t.events()[m_seen].amount, 0);
    }

private:
    Chips m_total;
    int m_hand = 0;
    TableStreet m_street = TableStreet::Preflop;
    Chips m_level = 0;
    std::size_t m_seen = 0;
};

// Plays `hands` hands, the user raising by `amount` whenever it is his turn
// (or checking or calling when the table refuses the raise).
void playRaising(PracticeTable& t, Chips amount, int hands)
{
    Invariants invariants(t);
    invariants.check(t);
    while (t.wait() != TableWait::GameOver && t.handNumber() <= hands) {
        if (t.wait() == TableWait::User) {
            if (t.step(UserChoice{Action::Raise, amount})) {
                ASSERT_FALSE(t.step(UserChoice{Action::Call, 0}));
            }
        } else {
            ASSERT_FALSE(t.step());
        }
        invariants.check(t);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

void stepToUser(PracticeTable& t)
{
    while (t.wait() != TableWait::User && t.wait() != TableWait::GameOver)
        ASSERT_FALSE(t.step(t.wait() == TableWait::User ? std::optional<UserChoice>(UserChoice{Action::Fold, 0})
                                                         : std::nullopt));
}

} // namespace

TEST(TableBounds, BlindsFromOneToTheBound)
{
    struct Case {
        Chips small, big;
        bool starts;
    };
    const Case cases[] = {
        {1, 1, true},
        {1, kMaxBlind, true},
        {kMaxBlind, kMaxBlind, true},
        {kMaxBlind + 1, kMaxBlind + 1, false},
        {5, kMaxBlind + 1, false},
        {kInt32Max, kInt32Max, false},
        {kInt64Max, kInt64Max, false},
        {0, 10, false},
        {-5, 10, false},
        {5, -10, false},
        {std::numeric_limits<Chips>::min(), 10, false},
        {10, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.small) + "/" + std::to_string(c.big));
        PracticeTable t(patterns(), 3);
        const auto problem = t.start(c.small, c.big);
        EXPECT_EQ(!problem, c.starts);
        EXPECT_EQ(!blindsProblem(c.small, c.big), c.starts);
        if (!c.starts) {
            EXPECT_EQ(t.wait(), TableWait::GameOver);
            EXPECT_EQ(t.handNumber(), 0);
            continue;
        }
        EXPECT_EQ(t.bigBlind(), c.big);
        // Huge blinds put every seat all in at once; the game still ends cleanly.
        playRaising(t, 0, 400);
    }
}

TEST(TableBounds, ABadBlindLeavesARunningGameAlone)
{
    PracticeTable t(patterns(), 5);
    ASSERT_FALSE(t.start(5, 10));
    ASSERT_FALSE(t.step());
    const Chips pot = t.pot();
    const std::size_t events = t.events().size();
    EXPECT_TRUE(t.start(kInt32Max, kInt32Max));
    EXPECT_EQ(t.pot(), pot);
    EXPECT_EQ(t.events().size(), events);
    EXPECT_EQ(t.handNumber(), 1);
}

TEST(TableBounds, RaisesAtAndPastTheStack)
{
    for (const Chips blind : {Chips{10}, kMaxBlind / 2}) {
        PracticeTable probe(patterns(), 21);
        ASSERT_FALSE(probe.start(blind / 2, blind));
        stepToUser(probe);
        if (probe.wait() != TableWait::User)
            continue; // the user was all in from his blind
        const Chips stack = probe.seats()[1].stack;
        const Chips bet = probe.seats()[1].bet;
        const Chips level = probe.level();
        const Chips amounts[] = {probe.raiseSize(), stack - 1, stack, stack + 1, kInt32Max, kInt64Max, -1, -kInt32Max - 1};
        for (const Chips amount : amounts) {
            SCOPED_TRACE("blind " + std::to_string(blind) + ", amount " + std::to_string(amount));
            // Below the raise size only a whole stack may raise.
            const struct {
                Chips amount;
                bool accepted;
            } c{amount, amount >= 0 && (amount >= probe.raiseSize() || amount >= stack)};
            PracticeTable t(patterns(), 21);
            ASSERT_FALSE(t.start(blind / 2, blind));
            stepToUser(t);
            ASSERT_EQ(t.seats()[1].stack, stack);
            const auto problem = t.step(UserChoice{Action::Raise, c.amount});
            EXPECT_EQ(!problem, c.accepted);
            const TableSeat& me = t.seats()[1];
            if (!c.accepted) {
                EXPECT_EQ(me.stack, stack);
                EXPECT_EQ(t.level(), level);
                continue;
            }
            // What goes in never exceeds the stack; a stack that cannot cover
            // the raise goes in whole and sets the level, without wrapping.
            const Chips paid = stack - me.stack;
            EXPECT_EQ(me.bet, bet + paid);
            if (c.amount >= stack - (level - bet)) {
                EXPECT_EQ(me.stack, 0);
                EXPECT_TRUE(me.allIn);
            } else {
                EXPECT_EQ(paid, level + c.amount - bet);
            }
            EXPECT_GE(t.level(), me.bet);
            EXPECT_LE(t.level(), std::max(level + probe.raiseSize(), bet + stack));
            // And the game plays on with the same amount at every turn.
            playRaising(t, c.amount, 60);
        }
    }
}

TEST(TableBounds, HeadsUpWithEveryAmountAllIn)
{
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        PracticeTable t(patterns(), seed);
        ASSERT_FALSE(t.start(kMaxBlind, kMaxBlind, true));
        playRaising(t, kInt64Max, 1000);
        EXPECT_EQ(t.wait(), TableWait::GameOver);
        PracticeTable small(patterns(), seed);
        ASSERT_FALSE(small.start(1, 2, true));
        playRaising(small, kInt32Max, 1000);
        EXPECT_EQ(small.wait(), TableWait::GameOver);
    }
}
