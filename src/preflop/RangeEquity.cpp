#include "preflop/RangeEquity.h"

#include "cards/CardText.h"
#include "preflop/FastRandom.h"
#include "preflop/HandEvaluator.h"
#include "preflop/WorkerThreads.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace tallyhand {

namespace {

constexpr std::uint64_t kChunkDeals = 1 << 14;

// Seconds one exact count of a single matchup takes, by board cards missing
// (measured on the development machine, a little above the median).
constexpr std::array<double, 6> kMatchupSeconds{4e-7, 1.5e-6, 8e-6, 6e-5, 2.5e-4, 8e-4};
// Beyond this many combinations of hands the exact work is not even listed.
constexpr double kMostAssignments = 2e7;

unsigned threadCount(unsigned wanted)
{
    return wanted != 0 ? wanted : std::max(1u, std::thread::hardware_concurrency());
}

CardMask maskOfCards(const std::vector<Card>& cards)
{
    CardMask m = 0;
    for (Card c : cards)
        m |= maskOf(c);
    return m;
}

CardMask handMask(const std::array<Card, 2>& h) { return maskOf(h[0]) | maskOf(h[1]); }

// A depth-first search for one set of hands, one per player, with no card twice.
bool anyAssignment(const RangeSetup& setup, std::size_t player, CardMask used)
{
    if (player == setup.players.size())
        return true;
    for (const auto& h : setup.players[player].hands)
        if ((handMask(h.cards) & used) == 0 && anyAssignment(setup, player + 1, used | handMask(h.cards)))
            return true;
    return false;
}

// The suit permutations (index suit - 1) that leave the board and the dead
// cards where they are: hands they map onto each other have the same counts.
std::vector<std::array<Card, kCardCount>> symmetries(const RangeSetup& setup)
{
    std::array<int, 4> perm{0, 1, 2, 3};
    std::vector<std::array<Card, kCardCount>> maps;
    const CardMask board = maskOfCards(setup.board), dead = maskOfCards(setup.dead);
    do {
        std::array<Card, kCardCount> map{};
        for (Card c = 0; c < kCardCount; ++c)
            map[c] = makeCard(rankOf(c), perm[static_cast<std::size_t>(suitOf(c) - 1)] + 1);
        CardMask b = 0, d = 0;
        for (Card c = 0; c < kCardCount; ++c) {
            if (contains(board, c))
                b |= maskOf(map[c]);
            if (contains(dead, c))
                d |= maskOf(map[c]);
        }
        if (b == board && d == dead)
            maps.push_back(map);
    } while (std::next_permutation(perm.begin(), perm.end()));
    return maps;
}

// Per player the weights divided by their common divisor.
std::vector<std::vector<std::uint64_t>> reducedWeights(const RangeSetup& setup)
{
    std::vector<std::vector<std::uint64_t>> out;
    for (const auto& range : setup.players) {
        std::uint64_t divisor = 0;
        for (const auto& h : range.hands)
            divisor = std::gcd(divisor, std::uint64_t{h.weight});
        std::vector<std::uint64_t> w;
        for (const auto& h : range.hands)
            w.push_back(h.weight / std::max<std::uint64_t>(divisor, 1));
        out.push_back(std::move(w));
    }
    return out;
}

double assignmentBound(const RangeSetup& setup)
{
    double bound = 1;
    for (const auto& range : setup.players)
        bound *= static_cast<double>(range.hands.size());
    return bound;
}

using MatchKey = std::array<std::uint16_t, kMaxSimulationPlayers>;

struct MatchKeyHash {
    std::size_t operator()(const MatchKey& k) const
    {
        std::uint64_t h = 0;
        for (std::uint16_t v : k)
            h = (h ^ v) * 0x100000001B3ULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

// What one matchup of known hands counted, per player.
struct MatchupCounts {
    std::uint64_t deals = 0;
    std::array<std::uint64_t, kMaxSimulationPlayers> wins{}, ties{}, shares{};
};

void add(EquityCounts& to, std::uint64_t weight, std::uint64_t deals, std::uint64_t wins, std::uint64_t ties,
         std::uint64_t shares)
{
    to.deals += weight * deals;
    to.wins += weight * wins;
    to.ties += weight * ties;
    to.shares += weight * shares;
}

// Calls f(hand indices, weight) for every set of hands, one per player, with no card twice.
template <typename F>
void forEachAssignment(const RangeSetup& setup, const std::vector<std::vector<std::uint64_t>>& weights, F&& f)
{
    const std::size_t players = setup.players.size();
    std::array<std::uint16_t, kMaxSimulationPlayers> pick{};
    const auto visit = [&](auto& self, std::size_t p, CardMask used, std::uint64_t weight) -> void {
        if (p == players) {
            f(pick, weight);
            return;
        }
        const auto& hands = setup.players[p].hands;
        for (std::size_t i = 0; i < hands.size(); ++i) {
            const CardMask m = handMask(hands[i].cards);
            if ((m & used) != 0)
                continue;
            pick[p] = static_cast<std::uint16_t>(i);
            self(self, p + 1, used | m, weight * weights[p][i]);
        }
    };
    visit(visit, 0, maskOfCards(setup.board) | maskOfCards(setup.dead), 1);
}

RangeEquityResult runExact(const RangeSetup& setup, unsigned threads, const SimulationProgress& progress,
                           const std::atomic<bool>* stop)
{
    const auto players = setup.players.size();
    const auto weights = reducedWeights(setup);
    const auto maps = symmetries(setup);

    // Each set of hands stands for the least of its images under the
    // symmetries; equal images are counted once. The sets are listed twice
    // (to find the matchups, then to add them up) rather than kept.
    const auto keyOf = [&](const std::array<std::uint16_t, kMaxSimulationPlayers>& pick) {
        MatchKey best{};
        best.fill(0xffff);
        for (const auto& map : maps) {
            MatchKey key{};
            for (std::size_t q = 0; q < players; ++q) {
                const auto& cards = setup.players[q].hands[pick[q]].cards;
                const Card a = map[cards[0]], b = map[cards[1]];
                key[q] = static_cast<std::uint16_t>(std::max(a, b) * kCardCount + std::min(a, b));
            }
            best = std::min(best, key);
        }
        return best;
    };
    std::unordered_map<MatchKey, std::uint32_t, MatchKeyHash> index;
    std::vector<MatchKey> keys;
    forEachAssignment(setup, weights, [&](const auto& pick, std::uint64_t) {
        const MatchKey key = keyOf(pick);
        if (index.try_emplace(key, static_cast<std::uint32_t>(keys.size())).second)
            keys.push_back(key);
    });

    std::vector<MatchupCounts> counted(keys.size());
    std::atomic<std::size_t> next{0}, done{0};
    SimulationOptions one;
    one.exact = true;
    one.threads = 1;
    const auto work = [&](bool reports) {
        SimulationSetup matchup{{}, setup.board, setup.dead};
        for (;;) {
            if (stop != nullptr && stop->load(std::memory_order_relaxed))
                return;
            const std::size_t i = next.fetch_add(1);
            if (i >= keys.size())
                return;
            matchup.hands.clear();
            for (std::size_t q = 0; q < players; ++q)
                matchup.hands.push_back({static_cast<Card>(keys[i][q] / kCardCount), static_cast<Card>(keys[i][q] % kCardCount)});
            const SimulationCounters c = runSimulation(matchup, one);
            MatchupCounts& m = counted[i];
            m.deals = c.deals;
            for (std::size_t q = 0; q < players; ++q) {
                m.wins[q] = c.wins[q];
                m.ties[q] = c.splits[q];
                m.shares[q] = c.wins[q] * kShareUnit + c.splitShares[q];
            }
            const std::size_t finished = done.fetch_add(1) + 1;
            if (reports && progress)
                progress(finished, keys.size());
        }
    };
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(keys.size(), 1)));
    runOnThreads(threads, work);

    RangeEquityResult result;
    result.exact = true;
    result.players.resize(players);
    result.stopped = done.load() < keys.size();
    if (result.stopped)
        return result;
    forEachAssignment(setup, weights, [&](const auto& pick, std::uint64_t weight) {
        const MatchupCounts& c = counted[index.find(keyOf(pick))->second];
        result.deals += weight * c.deals;
        for (std::size_t p = 0; p < players; ++p) {
            const auto& cards = setup.players[p].hands[pick[p]].cards;
            add(result.players[p].total, weight, c.deals, c.wins[p], c.ties[p], c.shares[p]);
            add(result.players[p].byClass[static_cast<std::size_t>(startingClassOf(cards[0], cards[1]))], weight,
                c.deals, c.wins[p], c.ties[p], c.shares[p]);
        }
    });
    if (progress)
        progress(keys.size(), keys.size());
    return result;
}

// What a random run needs of each player's hands, laid out flat: per hand
// its cards as a mask, its evaluator hand and its class; per player the
// running sums of the weights (empty when all weights are equal).
struct RandomPlan {
    struct Hand {
        CardMask mask;
        EvalHand hole;
        std::uint32_t cls;
    };
    std::size_t players = 0;
    std::array<std::vector<Hand>, kMaxSimulationPlayers> hands;
    std::array<std::vector<std::uint32_t>, kMaxSimulationPlayers> upTo;
    CardMask fixed = 0;
    EvalHand board;
    int missing = 0;

    explicit RandomPlan(const RangeSetup& setup)
    {
        const HandEvaluator& ev = HandEvaluator::instance();
        players = setup.players.size();
        for (std::size_t p = 0; p < players; ++p) {
            bool equal = true;
            std::uint32_t sum = 0;
            for (const auto& h : setup.players[p].hands) {
                hands[p].push_back({handMask(h.cards), ev.card(h.cards[0]) + ev.card(h.cards[1]),
                                    static_cast<std::uint32_t>(startingClassOf(h.cards[0], h.cards[1]))});
                upTo[p].push_back(sum += h.weight);
                equal = equal && h.weight == setup.players[p].hands[0].weight;
            }
            if (equal)
                upTo[p].clear();
        }
        fixed = maskOfCards(setup.board) | maskOfCards(setup.dead);
        board = ev.hand(setup.board);
        missing = 5 - static_cast<int>(setup.board.size());
    }

    std::uint32_t draw(std::size_t p, FastRandom& random) const
    {
        const auto n = static_cast<std::uint32_t>(hands[p].size());
        if (upTo[p].empty())
            return n == 1 ? 0 : random.below(n);
        const std::uint32_t r = random.below(upTo[p].back());
        return static_cast<std::uint32_t>(std::upper_bound(upTo[p].begin(), upTo[p].end(), r) - upTo[p].begin());
    }
};

// Per-thread sums of a random run, per player and class; the squares of the
// per-deal shares give the standard error.
struct RandomSums {
    std::vector<std::array<EquityCounts, kStartingClassCount>> byClass;
    std::array<std::uint64_t, kMaxSimulationPlayers> squares{};
    std::uint64_t deals = 0;
};

void dealRandomChunk(const RandomPlan& plan, std::uint64_t chunk, std::uint64_t deals, std::uint64_t seed,
                     RandomSums& sums)
{
    const HandEvaluator& ev = HandEvaluator::instance();
    FastRandom random(FastRandom::streamSeed(seed, chunk));
    const std::size_t players = plan.players;
    std::array<const RandomPlan::Hand*, kMaxSimulationPlayers> picked{};
    std::array<HandValue, kMaxSimulationPlayers> values{};
    for (std::uint64_t d = 0; d < deals; ++d) {
        CardMask used = plan.fixed;
        // Whole sets of hands are drawn again on a clash, so that each set
        // comes with the chance its weights give it.
        for (std::size_t p = 0; p < players;) {
            const RandomPlan::Hand& h = plan.hands[p][plan.draw(p, random)];
            if ((h.mask & used) != 0) {
                used = plan.fixed;
                p = 0;
                continue;
            }
            used |= h.mask;
            picked[p++] = &h;
        }
        EvalHand board = plan.board;
        for (int k = 0; k < plan.missing; ++k) {
            Card c;
            do
                c = static_cast<Card>(random.below(kCardCount));
            while (contains(used, c));
            used |= maskOf(c);
            board += ev.card(c);
        }
        HandValue best = 0;
        for (std::size_t p = 0; p < players; ++p) {
            values[p] = ev.evaluate(board + picked[p]->hole);
            best = std::max(best, values[p]);
        }
        unsigned holders = 0;
        for (std::size_t p = 0; p < players; ++p)
            holders |= static_cast<unsigned>(values[p] == best) << p;
        const auto sharers = static_cast<std::uint64_t>(std::popcount(holders));
        const std::uint64_t share = kShareUnit / sharers;
        for (std::size_t p = 0; p < players; ++p) {
            EquityCounts& c = sums.byClass[p][picked[p]->cls];
            ++c.deals;
            if ((holders >> p & 1) != 0) {
                c.wins += sharers == 1;
                c.ties += sharers > 1;
                c.shares += share;
                sums.squares[p] += share * share;
            }
        }
    }
    sums.deals += deals;
}

void merge(EquityCounts& to, const EquityCounts& from)
{
    to.deals += from.deals;
    to.wins += from.wins;
    to.ties += from.ties;
    to.shares += from.shares;
}

RangeEquityResult runRandom(const RangeSetup& setup, const RangeEquityOptions& options,
                            const SimulationProgress& progress, const std::atomic<bool>* stop)
{
    const std::size_t players = setup.players.size();
    const RandomPlan plan(setup);
    const std::uint64_t total = options.deals;
    const std::uint64_t items = (total + kChunkDeals - 1) / kChunkDeals;
    const unsigned threads =
        static_cast<unsigned>(std::min<std::uint64_t>(threadCount(options.threads), std::max<std::uint64_t>(items, 1)));

    std::atomic<std::uint64_t> next{0}, done{0};
    std::mutex lock;
    RandomSums all;
    all.byClass.resize(players);
    const auto work = [&](bool reports) {
        RandomSums sums;
        sums.byClass.resize(players);
        for (;;) {
            if (stop != nullptr && stop->load(std::memory_order_relaxed))
                break;
            const std::uint64_t item = next.fetch_add(1);
            if (item >= items)
                break;
            const std::uint64_t deals = std::min(kChunkDeals, total - item * kChunkDeals);
            dealRandomChunk(plan, item, deals, options.seed, sums);
            const std::uint64_t finished = done.fetch_add(deals) + deals;
            if (reports && progress)
                progress(finished, total);
        }
        const std::lock_guard guard(lock);
        all.deals += sums.deals;
        for (std::size_t p = 0; p < players; ++p) {
            for (std::size_t c = 0; c < kStartingClassCount; ++c)
                merge(all.byClass[p][c], sums.byClass[p][c]);
            all.squares[p] += sums.squares[p];
        }
    };
    runOnThreads(threads, work);

    RangeEquityResult result;
    result.deals = all.deals;
    result.stopped = all.deals < total;
    result.players.resize(players);
    for (std::size_t p = 0; p < players; ++p) {
        PlayerEquity& pe = result.players[p];
        for (std::size_t c = 0; c < kStartingClassCount; ++c) {
            pe.byClass[c] = all.byClass[p][c];
            merge(pe.total, all.byClass[p][c]);
        }
        if (all.deals > 1) {
            const double n = static_cast<double>(all.deals);
            const double unit = static_cast<double>(kShareUnit);
            const double mean = static_cast<double>(pe.total.shares) / unit / n;
            const double meanSquare = static_cast<double>(all.squares[p]) / (unit * unit) / n;
            pe.standardError = std::sqrt(std::max(0.0, meanSquare - mean * mean) / (n - 1));
        }
    }
    if (progress)
        progress(all.deals, total);
    return result;
}

} // namespace

std::string prepareRangeSetup(RangeSetup& setup)
{
    if (setup.players.empty() || setup.players.size() > kMaxSimulationPlayers)
        return "Es werden 1 bis 10 Spieler gebraucht.";
    if (setup.board.size() > 5)
        return "Das Board hat höchstens fünf Karten.";
    CardMask known = 0;
    const auto take = [&](Card c) -> std::string {
        if (contains(known, c))
            return "Die Karte " + historyCardText(c) + " kommt mehrfach vor.";
        known |= maskOf(c);
        return {};
    };
    for (Card c : setup.board)
        if (auto e = take(c); !e.empty())
            return e;
    for (Card c : setup.dead)
        if (auto e = take(c); !e.empty())
            return e;
    for (const auto& range : setup.players)
        if (range.single && range.hands.size() == 1)
            for (Card c : range.hands[0].cards)
                if (auto e = take(c); !e.empty())
                    return e;
    for (std::size_t p = 0; p < setup.players.size(); ++p) {
        auto& range = setup.players[p];
        if (range.single && range.hands.size() == 1)
            continue;
        range = withoutCards(range, known);
        if (range.empty())
            return "Die Range von Spieler " + std::to_string(p + 1) + " ist ohne die bekannten Karten leer.";
    }
    if (kCardCount - cardCount(known) < 5 - static_cast<int>(setup.board.size()))
        return "Für das Board bleiben zu wenige Karten.";
    if (!anyAssignment(setup, 0, maskOfCards(setup.board) | maskOfCards(setup.dead)))
        return "Die Ranges lassen keine Verteilung ohne doppelte Karte zu.";
    return {};
}

double estimatedExactSeconds(const RangeSetup& setup, unsigned threads)
{
    const double bound = assignmentBound(setup);
    if (bound > kMostAssignments)
        return INFINITY;
    const auto missing = static_cast<std::size_t>(5 - std::min<std::size_t>(setup.board.size(), 5));
    const double perMatchup = kMatchupSeconds[missing] * (0.8 + 0.1 * static_cast<double>(setup.players.size()));
    // Symmetric sets of hands are counted once: about one in as many as there are symmetries.
    const double matchups = std::max(1.0, bound / static_cast<double>(symmetries(setup).size()));
    return matchups * perMatchup / threadCount(threads) + bound * 2e-7;
}

RangeEquityResult runRangeEquity(const RangeSetup& setup, const RangeEquityOptions& options,
                                 const SimulationProgress& progress, const std::atomic<bool>* stop)
{
    RangeSetup checked = setup;
    if (const std::string error = prepareRangeSetup(checked); !error.empty())
        throw std::invalid_argument(error);
    bool exact = options.forceExact || estimatedExactSeconds(checked, options.threads) <= options.exactSeconds;
    if (exact) {
        // The weighted counts must fit 64 bits, shares included.
        const int left = kCardCount - static_cast<int>(checked.board.size() + checked.dead.size() + 2 * checked.players.size());
        double most = kShareUnit;
        for (int k = 0; k < 5 - static_cast<int>(checked.board.size()); ++k)
            most = most * (left - k) / (k + 1);
        const auto weights = reducedWeights(checked);
        for (std::size_t p = 0; p < checked.players.size(); ++p)
            most *= static_cast<double>(checked.players[p].hands.size()) *
                    static_cast<double>(*std::max_element(weights[p].begin(), weights[p].end()));
        exact = most < 0x1p63;
    }
    if (exact)
        return runExact(checked, threadCount(options.threads), progress, stop);
    return runRandom(checked, options, progress, stop);
}

} // namespace tallyhand
