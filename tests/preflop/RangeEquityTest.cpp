#include "ReferenceShowdown.h"

#include "cards/CardText.h"
#include "preflop/RangeEquity.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tallyhand;

namespace {

Card card(const char* text) { return *parseHistoryCard(text); }

std::vector<Card> cards(std::initializer_list<const char*> texts)
{
    std::vector<Card> out;
    for (const char* t : texts)
        out.push_back(card(t));
    return out;
}

RangeSetup setupOf(std::initializer_list<const char*> ranges, std::vector<Card> board = {}, std::vector<Card> dead = {})
{
    RangeSetup setup;
    for (const char* r : ranges) {
        const RangeParse parsed = parseRange(r);
        EXPECT_TRUE(parsed.ok()) << r;
        setup.players.push_back(parsed.range);
    }
    setup.board = std::move(board);
    setup.dead = std::move(dead);
    return setup;
}

// Every set of hands and every board, decided by the reference and weighted by
// the product of the weights as given (hundredths).
std::vector<PlayerEquity> bruteForce(RangeSetup setup)
{
    EXPECT_EQ(prepareRangeSetup(setup), "");
    const std::size_t n = setup.players.size();
    std::vector<PlayerEquity> out(n);
    CardMask fixed = 0;
    for (Card c : setup.board)
        fixed |= maskOf(c);
    for (Card c : setup.dead)
        fixed |= maskOf(c);
    std::vector<std::size_t> pick(n);
    const auto boards = [&](CardMask used, std::uint64_t weight) {
        std::vector<Card> deck;
        for (Card c = 0; c < kCardCount; ++c)
            if (!contains(used, c))
                deck.push_back(c);
        const int missing = 5 - static_cast<int>(setup.board.size());
        std::vector<std::size_t> idx(static_cast<std::size_t>(missing));
        const auto each = [&](auto& self, int k, std::size_t from) -> void {
            if (k == missing) {
                std::vector<std::vector<Card>> hands;
                for (std::size_t p = 0; p < n; ++p) {
                    const auto& h = setup.players[p].hands[pick[p]].cards;
                    std::vector<Card> seven{h[0], h[1]};
                    seven.insert(seven.end(), setup.board.begin(), setup.board.end());
                    for (int i = 0; i < missing; ++i)
                        seven.push_back(deck[idx[static_cast<std::size_t>(i)]]);
                    hands.push_back(seven);
                }
                const auto d = reference::decide(hands);
                for (std::size_t p = 0; p < n; ++p) {
                    const bool holds = std::find(d.players.begin(), d.players.end(), static_cast<int>(p)) != d.players.end();
                    const std::uint64_t share = holds ? kShareUnit / d.players.size() : 0;
                    const auto& h = setup.players[p].hands[pick[p]].cards;
                    for (EquityCounts* c : {&out[p].total, &out[p].byClass[static_cast<std::size_t>(startingClassOf(h[0], h[1]))]}) {
                        c->deals += weight;
                        c->wins += holds && d.players.size() == 1 ? weight : 0;
                        c->ties += holds && d.players.size() > 1 ? weight : 0;
                        c->shares += share * weight;
                    }
                }
                return;
            }
            for (std::size_t i = from; i < deck.size(); ++i) {
                idx[static_cast<std::size_t>(k)] = i;
                self(self, k + 1, i + 1);
            }
        };
        each(each, 0, 0);
    };
    const auto assign = [&](auto& self, std::size_t p, CardMask used, std::uint64_t weight) -> void {
        if (p == n) {
            boards(used, weight);
            return;
        }
        for (std::size_t i = 0; i < setup.players[p].hands.size(); ++i) {
            const auto& h = setup.players[p].hands[i];
            const CardMask m = maskOf(h.cards[0]) | maskOf(h.cards[1]);
            if ((m & used) != 0)
                continue;
            pick[p] = i;
            self(self, p + 1, used | m, weight * h.weight);
        }
    };
    assign(assign, 0, fixed, 1);
    return out;
}

// The engine reduces each range's weights by their common divisor: the
// reference's counts are a whole multiple of its counts.
void expectSameRatios(const EquityCounts& reference, const EquityCounts& got, const std::string& what)
{
    ASSERT_GT(got.deals, 0u) << what;
    const std::uint64_t factor = reference.deals / got.deals;
    EXPECT_EQ(reference.deals, factor * got.deals) << what;
    EXPECT_EQ(reference.wins, factor * got.wins) << what;
    EXPECT_EQ(reference.ties, factor * got.ties) << what;
    EXPECT_EQ(reference.shares, factor * got.shares) << what;
}

TEST(RangeEquity, ExactMatchesEveryDealCountedByTheReference)
{
    const std::vector<RangeSetup> setups{
        setupOf({"AhKh", "QQ,JTs:0.5", "98s,77:0.25"}, cards({"Th", "9h", "2s"})),
        setupOf({"AK", "KQs,22"}, cards({"Kd", "7c", "2h", "Qs"}), cards({"Ac"})),
        setupOf({"T9s", "random"}, cards({"Js", "8s", "3d", "Ah"}), cards({"2c", "2d"})),
        setupOf({"AA:0.5,KK", "AKs", "5h4h", "QJo:0.75"}, cards({"Ad", "Kc", "5d"})),
    };
    for (std::size_t i = 0; i < setups.size(); ++i) {
        const auto reference = bruteForce(setups[i]);
        RangeEquityOptions options;
        options.forceExact = true;
        options.threads = 2;
        const RangeEquityResult got = runRangeEquity(setups[i], options);
        ASSERT_TRUE(got.exact);
        for (std::size_t p = 0; p < reference.size(); ++p) {
            expectSameRatios(reference[p].total, got.players[p].total, "setup " + std::to_string(i) + " player " + std::to_string(p));
            for (int cls = 0; cls < kStartingClassCount; ++cls)
                if (reference[p].byClass[static_cast<std::size_t>(cls)].deals != 0)
                    expectSameRatios(reference[p].byClass[static_cast<std::size_t>(cls)],
                                     got.players[p].byClass[static_cast<std::size_t>(cls)],
                                     "setup " + std::to_string(i) + " " + startingClassName(cls));
        }
    }
}

// Before the flop the reference is too slow; the sum of known-hand runs over
// every set of hands checks the grouping of symmetric hands.
TEST(RangeEquity, PreflopRangesEqualTheSumOfTheirHands)
{
    const RangeSetup setup = setupOf({"AKs,T9s", "QQ,AhKd"}, {}, cards({"2c"}));
    RangeEquityOptions options;
    options.forceExact = true;
    const RangeEquityResult got = runRangeEquity(setup, options);
    SimulationOptions exact;
    exact.exact = true;
    std::array<EquityCounts, 2> sum{};
    for (const auto& a : setup.players[0].hands)
        for (const auto& b : setup.players[1].hands) {
            if (((maskOf(a.cards[0]) | maskOf(a.cards[1])) & (maskOf(b.cards[0]) | maskOf(b.cards[1]))) != 0)
                continue;
            const auto c = runSimulation({{a.cards, b.cards}, {}, setup.dead}, exact);
            for (std::size_t p = 0; p < 2; ++p) {
                sum[p].deals += c.deals;
                sum[p].wins += c.wins[p];
                sum[p].ties += c.splits[p];
                sum[p].shares += c.wins[p] * kShareUnit + c.splitShares[p];
            }
        }
    for (std::size_t p = 0; p < 2; ++p)
        expectSameRatios(sum[p], got.players[p].total, "player " + std::to_string(p));
    EXPECT_NEAR(got.players[0].total.equity() + got.players[1].total.equity(), 1.0, 1e-12);
}

TEST(RangeEquity, RandomDealsStayWithinThreeStandardErrorsOfExact)
{
    const std::vector<RangeSetup> setups{
        setupOf({"AsKs", "QQ+,AKo"}),
        setupOf({"22+,A2s+,KTs+", "QQ+,AK:0.5", "JJ-88,AQo"}, cards({"Kh", "8d", "3c"})),
    };
    for (const auto& setup : setups) {
        RangeEquityOptions exactOptions;
        exactOptions.forceExact = true;
        const auto exact = runRangeEquity(setup, exactOptions);
        RangeEquityOptions randomOptions;
        randomOptions.exactSeconds = 0;
        randomOptions.deals = 300000;
        randomOptions.seed = 11;
        const auto random = runRangeEquity(setup, randomOptions);
        ASSERT_FALSE(random.exact);
        EXPECT_EQ(random.deals, 300000u);
        for (std::size_t p = 0; p < setup.players.size(); ++p) {
            const double se = random.players[p].standardError;
            EXPECT_GT(se, 0);
            EXPECT_LT(se, 0.01);
            EXPECT_NEAR(random.players[p].total.equity(), exact.players[p].total.equity(), 3 * se) << p;
        }
    }
}

TEST(RangeEquity, SameSeedSameResultWhateverTheThreads)
{
    const RangeSetup setup = setupOf({"TT+,AQs+", "random", "55-22,KQo"});
    RangeEquityOptions options;
    options.exactSeconds = 0;
    options.deals = 100000;
    options.seed = 5;
    options.threads = 1;
    const auto one = runRangeEquity(setup, options);
    options.threads = 2;
    const auto two = runRangeEquity(setup, options);
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_EQ(one.players[p].total.shares, two.players[p].total.shares);
        EXPECT_EQ(one.players[p].total.ties, two.players[p].total.ties);
        EXPECT_EQ(one.players[p].standardError, two.players[p].standardError);
    }
    options.seed = 6;
    EXPECT_NE(runRangeEquity(setup, options).players[0].total.shares, one.players[0].total.shares);
}

TEST(RangeEquity, ChoosesExactOnlyWhenTheWorkFits)
{
    EXPECT_LT(estimatedExactSeconds(setupOf({"AsKs", "QQ+,AKo"}), 1), 1.0);
    EXPECT_GT(estimatedExactSeconds(setupOf({"random", "random", "random"}), 2), 1.0);
    RangeEquityOptions options;
    options.deals = 1000;
    EXPECT_TRUE(runRangeEquity(setupOf({"AsKs", "QQ+,AKo"}), options).exact);
    EXPECT_FALSE(runRangeEquity(setupOf({"random", "random", "random"}), options).exact);
}

TEST(RangeEquity, SetupProblemsAreNamed)
{
    const std::vector<std::pair<RangeSetup, const char*>> cases{
        {setupOf({"AhKd", "AhQs"}), "Ah kommt mehrfach"},
        {setupOf({"AhKd", "QQ"}, cards({"Kd"})), "Kd kommt mehrfach"},
        {setupOf({"AhAs", "AA"}, {}, cards({"Ad"})), "Spieler 2"},
        {setupOf({"AhAs,AhAd", "AhAc,AsAd"}), "keine Verteilung"},
        {setupOf({}), "1 bis 10"},
    };
    for (auto [setup, expected] : cases) {
        const std::string error = prepareRangeSetup(setup);
        EXPECT_NE(error.find(expected), std::string::npos) << expected << ": " << error;
        EXPECT_THROW(runRangeEquity(setup, {}), std::invalid_argument);
    }
    RangeSetup ok = setupOf({"AhKd", "AK,QQ"}, cards({"Qc"}));
    EXPECT_EQ(prepareRangeSetup(ok), "");
    EXPECT_EQ(ok.players[1].hands.size(), 9u + 3u); // AK without Ah and Kd: 3 * 3; QQ without Qc: 3
}

TEST(RangeEquity, AStopBeforeTheStartCountsNothing)
{
    std::atomic<bool> stop{true};
    RangeEquityOptions options;
    options.forceExact = true;
    const auto exact = runRangeEquity(setupOf({"AsKs", "QQ+"}), options, {}, &stop);
    EXPECT_TRUE(exact.stopped);
    EXPECT_EQ(exact.deals, 0u);
    options.forceExact = false;
    options.exactSeconds = 0;
    const auto random = runRangeEquity(setupOf({"AsKs", "QQ+"}), options, {}, &stop);
    EXPECT_TRUE(random.stopped);
}

} // namespace
