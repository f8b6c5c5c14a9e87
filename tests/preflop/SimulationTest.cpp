#include "ReferenceShowdown.h"

#include "cards/CardText.h"
#include "preflop/FastRandom.h"
#include "preflop/Simulation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tallyhand;

namespace {

Card card(const char* text) { return *parseHistoryCard(text); }

SimulationSetup setupOf(std::initializer_list<std::pair<const char*, const char*>> hands,
                        std::initializer_list<const char*> board = {})
{
    SimulationSetup setup;
    for (const auto& [a, b] : hands)
        setup.hands.push_back({card(a), card(b)});
    for (const char* c : board)
        setup.board.push_back(card(c));
    return setup;
}

// Adds the reference decision of one complete board to `counters`.
void countReference(const SimulationSetup& setup, const std::vector<Card>& board, SimulationCounters& counters)
{
    std::vector<std::vector<Card>> hands;
    for (const auto& hole : setup.hands) {
        std::vector<Card> hand{hole[0], hole[1]};
        hand.insert(hand.end(), board.begin(), board.end());
        hands.push_back(hand);
    }
    const auto d = reference::decide(hands);
    const auto category = static_cast<std::size_t>(d.category - 1);
    if (d.players.size() == 1) {
        ++counters.wins[d.players[0]];
        ++counters.winsByCategory[d.players[0]][category];
    } else {
        for (int p : d.players) {
            ++counters.splits[p];
            ++counters.splitsByCategory[p][category];
            counters.splitShares[p] += kShareUnit / d.players.size();
        }
    }
    ++counters.deals;
}

// Every completion of the fixed board, decided by the reference.
SimulationCounters referenceExact(const SimulationSetup& setup)
{
    SimulationCounters counters;
    counters.players = static_cast<int>(setup.hands.size());
    CardMask used = 0;
    for (const auto& h : setup.hands)
        used |= maskOf(h[0]) | maskOf(h[1]);
    for (Card c : setup.board)
        used |= maskOf(c);
    std::vector<Card> deck;
    for (Card c = 0; c < kCardCount; ++c)
        if (!contains(used, c))
            deck.push_back(c);
    std::vector<Card> board = setup.board;
    auto recurse = [&](auto& self, std::size_t from) -> void {
        if (board.size() == 5) {
            countReference(setup, board, counters);
            return;
        }
        for (std::size_t i = from; i < deck.size(); ++i) {
            board.push_back(deck[i]);
            self(self, i + 1);
            board.pop_back();
        }
    };
    recurse(recurse, 0);
    return counters;
}

void expectSameCounters(const SimulationCounters& a, const SimulationCounters& b)
{
    EXPECT_EQ(a.deals, b.deals);
    EXPECT_EQ(a.wins, b.wins);
    EXPECT_EQ(a.splits, b.splits);
    EXPECT_EQ(a.winsByCategory, b.winsByCategory);
    EXPECT_EQ(a.splitsByCategory, b.splitsByCategory);
    EXPECT_EQ(a.splitShares, b.splitShares);
}

SimulationCounters exact(const SimulationSetup& setup, unsigned threads = 1)
{
    SimulationOptions options;
    options.exact = true;
    options.threads = threads;
    return runSimulation(setup, options);
}

// Random situations: 1..10 players, a random complete board.
SimulationSetup randomSituation(FastRandom& random)
{
    CardMask used = 0;
    auto draw = [&] {
        for (;;) {
            const auto c = static_cast<Card>(random.below(kCardCount));
            if (!contains(used, c)) {
                used |= maskOf(c);
                return c;
            }
        }
    };
    SimulationSetup setup;
    const int players = 1 + static_cast<int>(random.below(10));
    for (int p = 0; p < players; ++p)
        setup.hands.push_back({draw(), draw()});
    for (int i = 0; i < 5; ++i)
        setup.board.push_back(draw());
    return setup;
}

} // namespace

TEST(Simulation, EveryDecisionMatchesTheReferenceOnRandomDeals)
{
    FastRandom random(2024);
    for (int i = 0; i < 20000; ++i) {
        const SimulationSetup setup = randomSituation(random);
        SimulationCounters expected;
        expected.players = static_cast<int>(setup.hands.size());
        countReference(setup, setup.board, expected);
        const SimulationCounters got = exact(setup);
        ASSERT_EQ(got.wins, expected.wins) << "situation " << i;
        ASSERT_EQ(got.splits, expected.splits) << "situation " << i;
        ASSERT_EQ(got.winsByCategory, expected.winsByCategory) << "situation " << i;
        ASSERT_EQ(got.splitsByCategory, expected.splitsByCategory) << "situation " << i;
    }
}

TEST(Simulation, ExactRiverAndTurnCountsMatchFullEnumeration)
{
    const auto river = setupOf({{"Ah", "Kd"}, {"Qs", "Qc"}, {"7h", "8h"}}, {"Qh", "Jh", "2c", "Tc"});
    const auto riverCounts = exact(river);
    EXPECT_EQ(riverCounts.deals, 42u);
    expectSameCounters(riverCounts, referenceExact(river));

    const auto turn = setupOf({{"9c", "9d"}, {"Ac", "Jc"}}, {"9h", "Tc", "2c"});
    const auto turnCounts = exact(turn, 2);
    EXPECT_EQ(turnCounts.deals, 990u);
    expectSameCounters(turnCounts, referenceExact(turn));

    const auto flop = setupOf({{"As", "Ks"}, {"Td", "Tc"}, {"5h", "6h"}, {"2d", "2s"}}, {"Kd", "Ts"});
    expectSameCounters(exact(flop, 2), referenceExact(flop));
}

// Counting boards by their ranks and dealing only those where a flush is
// possible gives every counter of the full enumeration.
TEST(Simulation, ExactCountsOfRandomSituationsMatchFullEnumeration)
{
    FastRandom random(77);
    for (int i = 0; i < 40; ++i) {
        SimulationSetup setup = randomSituation(random);
        setup.board.resize(3 + random.below(2)); // flop, or flop and turn
        expectSameCounters(exact(setup), referenceExact(setup));
        if (::testing::Test::HasFailure())
            FAIL() << "situation " << i;
    }
}

// Flushes made on the flop, drawn to with one or two cards, held by several
// players or by the board alone, against full houses on a paired board.
TEST(Simulation, ExactCountsWithFlushesToComeMatchFullEnumeration)
{
    const std::vector<SimulationSetup> fixedCases{
        setupOf({{"Ah", "Kh"}, {"Qh", "2h"}, {"Jc", "Jd"}, {"5h", "4c"}}, {"Th", "9h", "3h"}),
        setupOf({{"As", "Kd"}, {"7c", "7d"}, {"2c", "3d"}}, {"Th", "9h", "8h"}),
        setupOf({{"6h", "5h"}, {"Ah", "Kc"}, {"9s", "9d"}}, {"7h", "8h", "9h", "2c"}),
        setupOf({{"Ah", "Kh"}, {"Qh", "Jh"}, {"Td", "Tc"}}, {"Th", "9h", "2s"}),
        setupOf({{"Ac", "Ks"}, {"Qd", "Qs"}}, {"Th", "9h", "2h", "3h"}),
    };
    for (std::size_t i = 0; i < fixedCases.size(); ++i) {
        expectSameCounters(exact(fixedCases[i]), referenceExact(fixedCases[i]));
        if (::testing::Test::HasFailure())
            FAIL() << "case " << i;
    }

    // Random situations whose cards are mostly of one suit.
    FastRandom random(19);
    for (int i = 0; i < 40; ++i) {
        CardMask used = 0;
        const auto draw = [&] {
            for (;;) {
                auto c = static_cast<Card>(random.below(kCardCount));
                if (random.below(3) != 0)
                    c = makeCard(rankOf(c), 1);
                if (!contains(used, c)) {
                    used |= maskOf(c);
                    return c;
                }
            }
        };
        SimulationSetup setup;
        const int players = 2 + static_cast<int>(random.below(9));
        for (int p = 0; p < players; ++p)
            setup.hands.push_back({draw(), draw()});
        setup.board.resize(3 + random.below(2));
        for (Card& c : setup.board)
            c = draw();
        expectSameCounters(exact(setup), referenceExact(setup));
        if (::testing::Test::HasFailure())
            FAIL() << "situation " << i;
    }
}

TEST(Simulation, ExactPreflopEquityOfJackFiveAgainstQueenTen)
{
    const auto setup = setupOf({{"Jc", "5c"}, {"Qd", "Td"}});
    const auto one = exact(setup, 1);
    EXPECT_EQ(one.deals, 1712304u);
    EXPECT_EQ(exactBoardCount(setup), 1712304u);
    const double equity = (static_cast<double>(one.wins[0]) + static_cast<double>(one.splits[0]) / 2.0) / 1712304.0;
    // Published as 35.525; full enumeration, also done by an independent
    // script, gives 600,384 wins and 15,802 splits, 35.5244.
    EXPECT_NEAR(equity * 100.0, 35.525, 0.001);
    EXPECT_EQ(one.wins[0], 600384u);
    EXPECT_EQ(one.splits[0], 15802u);
    EXPECT_EQ(one.wins[0] + one.wins[1] + one.splits[0], one.deals);
    expectSameCounters(exact(setup, 2), one);
    expectSameCounters(one, referenceExact(setup));
}

TEST(Simulation, SameRanksDifferentSuitsWinOnlyWithTheSuit)
{
    const auto setup = setupOf({{"Ah", "Kh"}, {"Ac", "Kc"}});
    const auto counts = exact(setup, 2);
    for (int p = 0; p < 2; ++p)
        for (int category = 1; category <= 10; ++category)
            if (category != 1 && category != 2 && category != 5) {
                EXPECT_EQ(counts.winsByCategory[p][category - 1], 0u) << p << " " << category;
            }
    EXPECT_EQ(counts.wins[0], counts.wins[1]); // the suits are symmetric
    EXPECT_GT(counts.splits[0], counts.wins[0]);
}

TEST(Simulation, DecisionRulesOnFixedBoards)
{
    struct Case {
        SimulationSetup setup;
        int winner; // -1: split between every player listed in `sharing`
        int category;
        std::vector<int> sharing;
    };
    const std::vector<Case> cases{
        // A pair of aces does not take part when two others hold two pair.
        {setupOf({{"Ah", "Ad"}, {"Ks", "9s"}, {"Kd", "6d"}}, {"Kc", "9h", "6s", "4d", "2c"}), 1, 8, {}},
        // Kings and sevens three times each: kings full beats sevens full of queens.
        {setupOf({{"Kh", "Ks"}, {"Qs", "Qd"}}, {"Kd", "7c", "7d", "7h", "2s"}), 0, 4, {}},
        // Nine to four is a nine-high straight, better than eight-high.
        {setupOf({{"9c", "4d"}, {"4h", "3h"}}, {"8c", "7d", "6h", "5s", "2c"}), 0, 6, {}},
        // Ace to six beats the wheel.
        {setupOf({{"5h", "Qd"}, {"5c", "6d"}}, {"Ac", "2d", "3h", "4s", "Kc"}), 1, 6, {}},
        // Equal high cards share the deal.
        {setupOf({{"2c", "4d"}, {"2d", "4c"}}, {"Ah", "Kd", "9c", "7s", "3h"}), -1, 10, {0, 1}},
        // The board's royal flush is shared by everybody.
        {setupOf({{"2c", "4d"}, {"Ah", "Ad"}, {"7s", "7c"}}, {"As", "Ks", "Qs", "Js", "Ts"}), -1, 1, {0, 1, 2}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        const auto counts = exact(c.setup);
        ASSERT_EQ(counts.deals, 1u);
        for (int p = 0; p < counts.players; ++p) {
            const bool wins = p == c.winner;
            const bool shares = std::find(c.sharing.begin(), c.sharing.end(), p) != c.sharing.end();
            EXPECT_EQ(counts.wins[p], wins ? 1u : 0u) << "case " << i << " player " << p;
            EXPECT_EQ(counts.winsByCategory[p][c.category - 1], wins ? 1u : 0u) << "case " << i;
            EXPECT_EQ(counts.splits[p], shares ? 1u : 0u) << "case " << i << " player " << p;
            EXPECT_EQ(counts.splitsByCategory[p][c.category - 1], shares ? 1u : 0u) << "case " << i;
        }
    }
}

TEST(Simulation, RandomDealsAreRepeatableAndIndependentOfThreads)
{
    const auto setup = setupOf({{"Ah", "Kd"}, {"Qs", "Qc"}, {"7h", "8h"}});
    SimulationOptions options;
    options.deals = 300001; // not a multiple of the work chunk
    options.seed = 99;
    options.threads = 1;
    const auto one = runSimulation(setup, options);
    options.threads = 2;
    const auto two = runSimulation(setup, options);
    expectSameCounters(one, two);
    EXPECT_EQ(one.deals, 300001u);
    EXPECT_FALSE(one.stopped);
    options.seed = 100;
    EXPECT_NE(runSimulation(setup, options).wins, one.wins);

    // Every deal is one win or one split shared by two or more.
    std::uint64_t wins = 0;
    std::uint64_t categoryWins = 0;
    for (int p = 0; p < 3; ++p) {
        wins += one.wins[p];
        for (auto w : one.winsByCategory[p])
            categoryWins += w;
    }
    EXPECT_EQ(wins, categoryWins);
    EXPECT_LE(wins, one.deals);
}

// Random boards must hit every outcome with its exact frequency.
TEST(Simulation, RandomDealsAgreeWithExactFrequencies)
{
    for (const auto& setup : {setupOf({{"9c", "9d"}, {"Ac", "Jc"}}, {"9h", "Tc", "2c"}),
                              setupOf({{"Ah", "Kh"}, {"7c", "7d"}, {"Qs", "Js"}})}) {
        const auto truth = exact(setup, 2);
        SimulationOptions options;
        options.deals = 400000;
        options.seed = 5;
        const auto sample = runSimulation(setup, options);
        for (std::size_t p = 0; p < setup.hands.size(); ++p)
            for (std::size_t c = 0; c < 10; ++c)
                for (const auto& [t, s] : {std::pair{truth.winsByCategory[p][c], sample.winsByCategory[p][c]},
                                           std::pair{truth.splitsByCategory[p][c], sample.splitsByCategory[p][c]}}) {
                    const double q = static_cast<double>(t) / static_cast<double>(truth.deals);
                    const double expected = q * static_cast<double>(sample.deals);
                    const double sigma = std::sqrt(static_cast<double>(sample.deals) * q * (1 - q));
                    EXPECT_NEAR(static_cast<double>(s), expected, 5 * sigma + 1) << p << " " << c;
                }
    }
}

// A large run before the flop: every player's wins and splits within three
// standard deviations of the exact count.
TEST(Simulation, LargeRandomRunsAgreeWithExactEquity)
{
    for (const auto& setup : {setupOf({{"Jc", "5c"}, {"Qd", "Td"}}),
                              setupOf({{"Ah", "Kd"}, {"Qs", "Qc"}, {"Jh", "Th"}, {"9c", "8c"}, {"7d", "7s"},
                                       {"As", "2s"}, {"Kh", "Qh"}, {"5c", "4d"}, {"Td", "9d"}, {"6h", "3s"}})}) {
        const auto truth = exact(setup);
        SimulationOptions options;
        options.deals = 2000000;
        options.seed = 31;
        const auto sample = runSimulation(setup, options);
        const auto n = static_cast<double>(sample.deals);
        for (std::size_t p = 0; p < setup.hands.size(); ++p)
            for (const auto& [t, s] : {std::pair{truth.wins[p], sample.wins[p]}, std::pair{truth.splits[p], sample.splits[p]}}) {
                const double q = static_cast<double>(t) / static_cast<double>(truth.deals);
                EXPECT_NEAR(static_cast<double>(s), q * n, 3 * std::sqrt(n * q * (1 - q)) + 1) << "player " << p;
            }
    }
}

TEST(Simulation, SinglePlayerWinsEveryDeal)
{
    SimulationOptions options;
    options.deals = 50000;
    const auto counts = runSimulation(setupOf({{"2c", "7d"}}), options);
    EXPECT_EQ(counts.wins[0], 50000u);
    EXPECT_EQ(counts.splits[0], 0u);
    std::uint64_t sum = 0;
    for (auto w : counts.winsByCategory[0])
        sum += w;
    EXPECT_EQ(sum, 50000u);
}

TEST(Simulation, ProgressAndStop)
{
    const auto setup = setupOf({{"Ah", "Kd"}, {"Qs", "Qc"}});
    SimulationOptions options;
    options.deals = 200000;
    // One thread: with more, a helper may take every chunk before the
    // reporting thread takes one, and the count of reports depends on timing.
    options.threads = 1;
    std::uint64_t last = 0;
    int calls = 0;
    runSimulation(setup, options, [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, 200000u);
        EXPECT_GE(done, last);
        last = done;
        ++calls;
    });
    EXPECT_EQ(last, 200000u);
    EXPECT_GT(calls, 1);

    std::atomic<bool> stop{false};
    options.deals = 10000000;
    const auto stopped = runSimulation(
        setup, options, [&](std::uint64_t, std::uint64_t) { stop = true; }, &stop);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_LT(stopped.deals, 10000000u);
    EXPECT_EQ(stopped.wins[0] + stopped.wins[1] + stopped.splits[0], stopped.deals);
}

TEST(Simulation, RejectsSetupsItCannotDeal)
{
    SimulationOptions options;
    options.deals = 10;
    EXPECT_THROW(runSimulation(SimulationSetup{}, options), std::invalid_argument);
    EXPECT_THROW(runSimulation(setupOf({{"Ah", "Ah"}}), options), std::invalid_argument);
    EXPECT_THROW(runSimulation(setupOf({{"Ah", "Kd"}}, {"Kd"}), options), std::invalid_argument);
}
