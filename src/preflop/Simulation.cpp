#include "preflop/Simulation.h"

#include "preflop/FastRandom.h"
#include "preflop/HandEvaluator.h"
#include "preflop/WorkerThreads.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <type_traits>

namespace tallyhand {

namespace {

constexpr std::uint64_t kChunkDeals = 1 << 15;

// Per-thread counters by player and hand class (0 high card .. 9 royal flush).
struct LocalCounts {
    std::array<std::array<std::uint64_t, kHandClassCount>, kMaxSimulationPlayers> wins{};
    std::array<std::array<std::uint64_t, kHandClassCount>, kMaxSimulationPlayers> splits{};
    std::array<std::uint64_t, kMaxSimulationPlayers> splitShares{};
    std::uint64_t deals = 0;
};

// The best value on a board and the players holding it, one bit each.
struct Outcome {
    HandValue best;
    unsigned holders;
};

// Decides deals on a finished board and counts them.
class DealScorer {
public:
    DealScorer(const HandEvaluator& evaluator, const SimulationSetup& setup)
        : m_evaluator(evaluator), m_players(static_cast<int>(setup.hands.size()))
    {
        for (int p = 0; p < m_players; ++p) {
            const EvalHand hole = evaluator.card(setup.hands[p][0]) + evaluator.card(setup.hands[p][1]);
            m_holeKey[p] = hole.key - EvalHand::kEmptyKey;
            m_holeRankKey[p] = static_cast<std::uint32_t>(hole.key);
            m_holeMask[p] = hole.mask;
        }
    }

    int players() const { return m_players; }

    template <int Players>
    std::array<HandValue, Players> values(const EvalHand& board) const
    {
        std::array<HandValue, Players> values;
#pragma GCC unroll 10
        for (int p = 0; p < Players; ++p)
            values[p] = m_evaluator.evaluate(EvalHand{board.key + m_holeKey[p], board.mask | m_holeMask[p]});
        return values;
    }

    template <int Players>
    void score(const EvalHand& board, LocalCounts& counts) const
    {
        count<Players>(values<Players>(board), 1, counts);
        ++counts.deals;
    }

    // The players' values with the suits left out: what they hold when nobody has a flush.
    template <int Players>
    std::array<HandValue, Players> valuesWithoutFlush(std::uint32_t boardRankKey) const
    {
        std::array<HandValue, Players> values;
#pragma GCC unroll 10
        for (int p = 0; p < Players; ++p)
            values[p] = m_evaluator.sevenRanksValue(boardRankKey + m_holeRankKey[p]);
        return values;
    }

    // The values with the flushes the players do hold.
    template <int Players>
    std::array<HandValue, Players> withFlushes(const EvalHand& board, std::array<HandValue, Players> values) const
    {
#pragma GCC unroll 10
        for (int p = 0; p < Players; ++p)
            values[p] = m_evaluator.flushOr(EvalHand{board.key + m_holeKey[p], board.mask | m_holeMask[p]}, values[p]);
        return values;
    }

    template <int Players>
    [[gnu::always_inline]] static Outcome outcomeOf(const std::array<HandValue, Players>& values)
    {
        HandValue best = values[0];
#pragma GCC unroll 10
        for (int p = 1; p < Players; ++p)
            best = std::max(best, values[p]);
        unsigned holders = 0;
#pragma GCC unroll 10
        for (int p = 0; p < Players; ++p)
            holders |= static_cast<unsigned>(values[p] == best) << p;
        return {best, holders};
    }

    // Adds `weight` deals with this outcome (modulo 2^64, so a negative weight takes them back).
    [[gnu::always_inline]] static void count(Outcome outcome, std::uint64_t weight, LocalCounts& counts)
    {
        const auto cls = static_cast<std::size_t>(handClassOf(outcome.best));
        unsigned holders = outcome.holders;
        if ((holders & (holders - 1)) == 0) {
            counts.wins[static_cast<std::size_t>(std::countr_zero(holders))][cls] += weight;
        } else {
            const std::uint64_t share = weight * (kShareUnit / static_cast<std::uint64_t>(std::popcount(holders)));
            for (; holders != 0; holders &= holders - 1) {
                const auto p = static_cast<std::size_t>(std::countr_zero(holders));
                counts.splits[p][cls] += weight;
                counts.splitShares[p] += share;
            }
        }
    }

    template <int Players>
    [[gnu::always_inline]] static void count(const std::array<HandValue, Players>& values, std::uint64_t weight,
                                             LocalCounts& counts)
    {
        count(outcomeOf<Players>(values), weight, counts);
    }

    // Moves `weight` deals counted with the values `before` to the values
    // `after`; nothing to do when the same players win in the same class.
    template <int Players>
    [[gnu::always_inline]] static void recount(const std::array<HandValue, Players>& before,
                                               const std::array<HandValue, Players>& after, std::uint64_t weight,
                                               LocalCounts& counts)
    {
        HandValue bestBefore = before[0], bestAfter = after[0];
#pragma GCC unroll 10
        for (int p = 1; p < Players; ++p) {
            bestBefore = std::max(bestBefore, before[p]);
            bestAfter = std::max(bestAfter, after[p]);
        }
        unsigned holdersBefore = 0, holdersAfter = 0;
#pragma GCC unroll 10
        for (int p = 0; p < Players; ++p) {
            holdersBefore |= static_cast<unsigned>(before[p] == bestBefore) << p;
            holdersAfter |= static_cast<unsigned>(after[p] == bestAfter) << p;
        }
        if (holdersBefore == holdersAfter && handClassOf(bestBefore) == handClassOf(bestAfter))
            return;
        count<Players>(after, weight, counts);
        count<Players>(before, ~weight + 1, counts); // minus weight, modulo 2^64
    }

private:
    const HandEvaluator& m_evaluator;
    int m_players;
    std::array<std::uint64_t, kMaxSimulationPlayers> m_holeKey{};
    std::array<std::uint32_t, kMaxSimulationPlayers> m_holeRankKey{};
    std::array<std::uint64_t, kMaxSimulationPlayers> m_holeMask{};
};

// Calls f with the player count as a compile-time constant.
template <typename F>
void withPlayers(int players, F&& f)
{
    switch (players) {
    case 1: f(std::integral_constant<int, 1>{}); break;
    case 2: f(std::integral_constant<int, 2>{}); break;
    case 3: f(std::integral_constant<int, 3>{}); break;
    case 4: f(std::integral_constant<int, 4>{}); break;
    case 5: f(std::integral_constant<int, 5>{}); break;
    case 6: f(std::integral_constant<int, 6>{}); break;
    case 7: f(std::integral_constant<int, 7>{}); break;
    case 8: f(std::integral_constant<int, 8>{}); break;
    case 9: f(std::integral_constant<int, 9>{}); break;
    default: f(std::integral_constant<int, 10>{}); break;
    }
}

template <typename F>
void withMissing(int missing, F&& f)
{
    switch (missing) {
    case 0: f(std::integral_constant<int, 0>{}); break;
    case 1: f(std::integral_constant<int, 1>{}); break;
    case 2: f(std::integral_constant<int, 2>{}); break;
    case 3: f(std::integral_constant<int, 3>{}); break;
    case 4: f(std::integral_constant<int, 4>{}); break;
    default: f(std::integral_constant<int, 5>{}); break;
    }
}

CardMask usedCards(const SimulationSetup& setup)
{
    if (setup.hands.empty() || setup.hands.size() > kMaxSimulationPlayers)
        throw std::invalid_argument("one to ten players are needed");
    if (setup.board.size() > 5)
        throw std::invalid_argument("at most five board cards");
    CardMask used = 0;
    auto take = [&](Card c) {
        if (c >= kCardCount || contains(used, c))
            throw std::invalid_argument("invalid or repeated card");
        used |= maskOf(c);
    };
    for (const auto& hand : setup.hands) {
        take(hand[0]);
        take(hand[1]);
    }
    for (Card c : setup.board)
        take(c);
    for (Card c : setup.dead)
        take(c);
    if (kCardCount - cardCount(used) < 5 - static_cast<int>(setup.board.size()))
        throw std::invalid_argument("too few cards left for the board");
    return used;
}

std::uint64_t binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return r;
}

struct RunContext {
    const HandEvaluator& evaluator;
    DealScorer scorer;
    std::vector<Card> deck; // cards left to deal, ascending
    int missing = 0;        // board cards to deal per deal
    EvalHand fixedBoard;
    const std::atomic<bool>* stop;
    std::atomic<std::uint64_t> nextItem{0};
    std::atomic<std::uint64_t> done{0};

    bool stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
};

template <int Players, int Missing>
void dealRandomChunk(const RunContext& ctx, std::uint64_t chunk, std::uint64_t deals, std::uint64_t seed,
                     LocalCounts& counts)
{
    FastRandom random(FastRandom::streamSeed(seed, chunk));
    const auto left = static_cast<std::uint32_t>(ctx.deck.size());
    // What each card adds to a hand: its key beyond the empty key, its mask.
    std::array<EvalHand, kCardCount> cards{};
    for (std::size_t i = 0; i < left; ++i) {
        const EvalHand card = ctx.evaluator.card(ctx.deck[i]);
        cards[i] = {card.key - EvalHand::kEmptyKey, card.mask};
    }
    const std::uint64_t product = FastRandom::batchProduct(left, Missing);
    const std::uint64_t threshold = FastRandom::batchThreshold(product);
    // Boards are dealt a batch at a time and then decided, so that the table
    // lookups of many deals are in flight together.
    constexpr std::uint64_t kBatch = 32;
    std::array<EvalHand, kBatch> boards;
    for (std::uint64_t start = 0; start < deals; start += kBatch) {
        const std::uint64_t batch = std::min(kBatch, deals - start);
        for (std::uint64_t b = 0; b < batch; ++b) {
            EvalHand board = ctx.fixedBoard;
            if constexpr (Missing > 0) {
                std::array<std::uint32_t, Missing> picks;
                random.drawDescending<Missing>(left, product, threshold, picks.data());
                // Floyd's sampling: for j = left - Missing .. left - 1 the card
                // at a draw from [0, j], or at j when that one is dealt already,
                // gives every set of cards the same chance. No deck is
                // changed, so deals do not wait on each other.
                std::uint64_t taken = 0;
#pragma GCC unroll 8
                for (int i = Missing - 1; i >= 0; --i) {
                    const std::uint32_t j = left - 1 - static_cast<std::uint32_t>(i);
                    const std::uint32_t draw = picks[static_cast<std::size_t>(i)];
                    const std::uint32_t at = (taken >> draw & 1) != 0 ? j : draw;
                    taken |= std::uint64_t{1} << at;
                    board.key += cards[at].key;
                    board.mask |= cards[at].mask;
                }
            }
            boards[b] = board;
        }
        for (std::uint64_t b = 0; b < batch; ++b)
            DealScorer::count<Players>(ctx.scorer.values<Players>(boards[b]), 1, counts);
    }
    counts.deals += deals;
}

// Per suit: the fixed board cards, and the most hole cards of it that one
// player holds.
struct SuitCounts {
    std::array<int, 4> fixed{}, mostHole{};

    explicit SuitCounts(const SimulationSetup& setup)
    {
        for (const auto& hand : setup.hands) {
            std::array<int, 4> own{};
            for (Card c : hand)
                ++own[static_cast<std::size_t>(suitOf(c) - 1)];
            for (std::size_t s = 0; s < 4; ++s)
                mostHole[s] = std::max(mostHole[s], own[s]);
        }
        for (Card c : setup.board)
            ++fixed[static_cast<std::size_t>(suitOf(c) - 1)];
    }
};

// Multisets of `size` ranks drawn from `available` cards per rank (index rank - 2),
// each with its rank key and the number of card sets it stands for.
struct RankMultiset {
    std::uint32_t key;
    std::uint64_t weight;
};

// n choose k for the up to four cards of a rank.
constexpr std::array<std::array<std::uint64_t, 5>, 5> kChoose{
    {{1, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 2, 1, 0, 0}, {1, 3, 3, 1, 0}, {1, 4, 6, 4, 1}}};

// Into `out`, whose memory is kept from call to call.
void rankMultisets(const std::array<int, 13>& available, int size, std::vector<RankMultiset>& out)
{
    out.clear();
    const auto collect = [&](auto& self, std::size_t rank, int left, std::uint32_t key, std::uint64_t weight) -> void {
        if (left == 0) {
            out.push_back({key, weight});
            return;
        }
        if (rank == 13)
            return;
        for (int k = 0; k <= std::min(left, available[rank]); ++k)
            self(self, rank + 1, left - k, key + static_cast<std::uint32_t>(k) * HandEvaluator::kRankKeys[rank],
                 weight * kChoose[static_cast<std::size_t>(available[rank])][static_cast<std::size_t>(k)]);
    };
    collect(collect, 0, size, 0, 1);
}

// The exact count of every board without dealing most of them:
//  1. every multiset of board ranks is counted once, weighted by the number
//     of boards with those ranks, with the values the players would hold
//     without a flush;
//  2. the boards on which somebody holds a flush are counted again, their
//     count without a flush taken back and the true one added.
// A flush needs three board cards of its suit, and five board cards hold that
// many of one suit only, so the boards of step 2 fall apart by suit. Within a
// suit only the ranks of its cards make the flush: each set of cards dealt in
// the suit is taken once, the other cards by rank multiset with their weight.
template <int Players, int Missing>
void enumerateExact(const RunContext& ctx, const SimulationSetup& setup, LocalCounts& counts)
{
    const HandEvaluator& ev = ctx.evaluator;
    std::array<int, 13> available{};
    std::array<std::vector<Card>, 4> bySuit;
    for (Card c : ctx.deck) {
        ++available[static_cast<std::size_t>(rankOf(c) - 2)];
        bySuit[static_cast<std::size_t>(suitOf(c) - 1)].push_back(c);
    }
    const auto fixedRankKey = static_cast<std::uint32_t>(ctx.fixedBoard.key);

    thread_local std::vector<RankMultiset> multisets, rest;
    rankMultisets(available, Missing, multisets);
    for (const auto& ranks : multisets) {
        DealScorer::count<Players>(ctx.scorer.valuesWithoutFlush<Players>(fixedRankKey + ranks.key), ranks.weight,
                                   counts);
        counts.deals += ranks.weight;
    }

    const SuitCounts suits(setup);
    for (std::size_t s = 0; s < 4; ++s) {
        std::array<int, 13> others = available;
        for (Card c : bySuit[s])
            --others[static_cast<std::size_t>(rankOf(c) - 2)];
        const auto& cards = bySuit[s];
        for (int inSuit = 0; inSuit <= std::min(Missing, static_cast<int>(cards.size())); ++inSuit) {
            if (suits.fixed[s] + inSuit + suits.mostHole[s] < 5)
                continue;
            rankMultisets(others, Missing - inSuit, rest);
            const auto decide = [&](const EvalHand& board) {
                // Those who hold a flush hold it whatever the other cards are
                // (a flush value is never 0, the others' entries are).
                const auto flushes = ctx.scorer.withFlushes<Players>(board, std::array<HandValue, Players>{});
                const auto boardRankKey = static_cast<std::uint32_t>(board.key);
                for (const auto& ranks : rest) {
                    const auto plain = ctx.scorer.valuesWithoutFlush<Players>(boardRankKey + ranks.key);
                    auto real = plain;
                    for (int p = 0; p < Players; ++p)
                        if (flushes[p] != 0)
                            real[p] = flushes[p];
                    DealScorer::recount<Players>(plain, real, ranks.weight, counts);
                }
            };
            const auto subsets = [&](auto& self, std::size_t from, int left, const EvalHand& board) -> void {
                if (left == 0) {
                    decide(board);
                    return;
                }
                for (std::size_t i = from; i + static_cast<std::size_t>(left) <= cards.size(); ++i)
                    self(self, i + 1, left - 1, board + ev.card(cards[i]));
            };
            subsets(subsets, 0, inSuit, ctx.fixedBoard);
        }
    }
}

// Calls f(ranks, weight) for every multiset of `size` (0 to 2) ranks drawn from
// `available` cards per rank (index rank - 2): its ranks ascending, and the
// number of card sets it stands for.
template <typename F>
void forEachFewRanks(const std::array<int, 13>& available, int size, F&& f)
{
    if (size == 0) {
        f(std::array<int, 2>{}, std::uint64_t{1});
        return;
    }
    for (int a = 0; a < 13; ++a) {
        const auto na = static_cast<std::size_t>(available[static_cast<std::size_t>(a)]);
        if (na == 0)
            continue;
        if (size == 1) {
            f(std::array<int, 2>{a, 0}, std::uint64_t{na});
            continue;
        }
        if (na >= 2)
            f(std::array<int, 2>{a, a}, kChoose[na][2]);
        for (int b = a + 1; b < 13; ++b)
            if (const auto nb = static_cast<std::uint64_t>(available[static_cast<std::size_t>(b)]); nb != 0)
                f(std::array<int, 2>{a, b}, na * nb);
    }
}

// The exact count for one or two board cards to come. So few rank multisets
// are left that each one's outcome without a flush is kept; the boards on
// which somebody may hold a flush, found by suit as in enumerateExact, only
// compare the best flush with it, and each multiset is counted once at the
// end with the boards that no flush took.
template <int Players, int Missing>
void enumerateLastCards(const RunContext& ctx, const SimulationSetup& setup, LocalCounts& counts)
{
    static_assert(Missing == 1 || Missing == 2);
    const HandEvaluator& ev = ctx.evaluator;
    std::array<int, 13> available{};
    std::array<std::array<Card, 13>, 4> bySuit;
    std::array<int, 4> suitSize{};
    for (Card c : ctx.deck) {
        ++available[static_cast<std::size_t>(rankOf(c) - 2)];
        const auto s = static_cast<std::size_t>(suitOf(c) - 1);
        bySuit[s][static_cast<std::size_t>(suitSize[s]++)] = c;
    }

    // By the dealt ranks (the rank, or 13 * the lower + the higher): the
    // outcome without a flush, and the boards it stands for once those with
    // a winning flush are taken out.
    struct RankBoards {
        Outcome plain;
        std::uint64_t boards;
    };
    std::array<RankBoards, Missing == 1 ? 13 : 13 * 13> byRanks;
    std::array<std::uint8_t, Missing == 1 ? 13 : 13 * 13> dealt;
    std::size_t dealtCount = 0;
    const auto indexOf = [](const std::array<int, 2>& ranks) {
        if constexpr (Missing == 1)
            return static_cast<std::size_t>(ranks[0]);
        else
            return static_cast<std::size_t>(13 * std::min(ranks[0], ranks[1]) + std::max(ranks[0], ranks[1]));
    };
    const auto fixedRankKey = static_cast<std::uint32_t>(ctx.fixedBoard.key);
    forEachFewRanks(available, Missing, [&](const std::array<int, 2>& ranks, std::uint64_t weight) {
        std::uint32_t key = fixedRankKey;
        for (int i = 0; i < Missing; ++i)
            key += HandEvaluator::kRankKeys[static_cast<std::size_t>(ranks[static_cast<std::size_t>(i)])];
        const std::size_t index = indexOf(ranks);
        byRanks[index] = {DealScorer::outcomeOf<Players>(ctx.scorer.valuesWithoutFlush<Players>(key)), weight};
        dealt[dealtCount++] = static_cast<std::uint8_t>(index);
        counts.deals += weight;
    });

    const SuitCounts suits(setup);
    for (std::size_t s = 0; s < 4; ++s) {
        std::array<int, 13> others = available;
        const int size = suitSize[s];
        for (int i = 0; i < size; ++i)
            --others[static_cast<std::size_t>(rankOf(bySuit[s][static_cast<std::size_t>(i)]) - 2)];
        const int fewestInSuit = std::max(0, 5 - suits.fixed[s] - suits.mostHole[s]);
        for (int inSuit = fewestInSuit; inSuit <= std::min(Missing, size); ++inSuit) {
            // `board`: the fixed cards and the dealt ones of the suit, whose
            // ranks come first in `suitRanks`.
            const auto decide = [&](const EvalHand& board, const std::array<int, 2>& suitRanks) {
                const auto flushes = ctx.scorer.withFlushes<Players>(board, std::array<HandValue, Players>{});
                HandValue top = 0;
                for (int p = 0; p < Players; ++p)
                    top = std::max(top, flushes[static_cast<std::size_t>(p)]);
                if (top == 0)
                    return;
                std::uint64_t flushWins = 0;
                forEachFewRanks(others, Missing - inSuit, [&](const std::array<int, 2>& rest, std::uint64_t weight) {
                    std::array<int, 2> ranks = suitRanks;
                    for (int i = inSuit; i < Missing; ++i)
                        ranks[static_cast<std::size_t>(i)] = rest[static_cast<std::size_t>(i - inSuit)];
                    // A flush beats whatever its holder's cards make without
                    // it, and no value without a flush equals a flush: the
                    // best flush takes the deal or changes nothing.
                    RankBoards& boards = byRanks[indexOf(ranks)];
                    if (top < boards.plain.best)
                        return;
                    boards.boards -= weight;
                    flushWins += weight;
                });
                if (flushWins == 0)
                    return;
                unsigned flushHolders = 0;
                for (int p = 0; p < Players; ++p)
                    flushHolders |= static_cast<unsigned>(flushes[static_cast<std::size_t>(p)] == top) << p;
                DealScorer::count(Outcome{top, flushHolders}, flushWins, counts);
            };
            const auto& cards = bySuit[s];
            if (inSuit == 0)
                decide(ctx.fixedBoard, {});
            for (int i = 0; inSuit > 0 && i < size; ++i) {
                const EvalHand withFirst = ctx.fixedBoard + ev.card(cards[static_cast<std::size_t>(i)]);
                const int first = rankOf(cards[static_cast<std::size_t>(i)]) - 2;
                if (inSuit == 1) {
                    decide(withFirst, {first, 0});
                    continue;
                }
                for (int j = i + 1; j < size; ++j)
                    decide(withFirst + ev.card(cards[static_cast<std::size_t>(j)]),
                           {first, rankOf(cards[static_cast<std::size_t>(j)]) - 2});
            }
        }
    }

    for (std::size_t i = 0; i < dealtCount; ++i) {
        const RankBoards& boards = byRanks[dealt[i]];
        DealScorer::count(boards.plain, boards.boards, counts);
    }
}

} // namespace

std::uint64_t exactBoardCount(const SimulationSetup& setup)
{
    const CardMask used = usedCards(setup);
    return binomial(kCardCount - cardCount(used), 5 - static_cast<int>(setup.board.size()));
}

SimulationCounters runSimulation(const SimulationSetup& setup, const SimulationOptions& options,
                                 const SimulationProgress& progress, const std::atomic<bool>* stop)
{
    const CardMask used = usedCards(setup);
    const HandEvaluator& evaluator = HandEvaluator::instance();
    RunContext ctx{evaluator, DealScorer(evaluator, setup), {}, 5 - static_cast<int>(setup.board.size()),
                   evaluator.hand(setup.board), stop};
    for (Card c = 0; c < kCardCount; ++c)
        if (!contains(used, c))
            ctx.deck.push_back(c);

    // Work items: chunks of random deals, or the first dealt card of an exact run.
    const bool exact = options.exact && ctx.missing > 0;
    const std::uint64_t total = options.exact ? exactBoardCount(setup) : options.deals;
    std::uint64_t items = (total + kChunkDeals - 1) / kChunkDeals;
    if (options.exact)
        items = 1;

    unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, std::max<std::uint64_t>(items, 1)));

    std::mutex merge;
    SimulationCounters result;
    result.players = static_cast<int>(setup.hands.size());
    auto work = [&](bool reports) {
        LocalCounts counts;
        for (;;) {
            if (ctx.stopped())
                break;
            const std::uint64_t item = ctx.nextItem.fetch_add(1, std::memory_order_relaxed);
            if (item >= items)
                break;
            const std::uint64_t before = counts.deals;
            withPlayers(result.players, [&](auto players) {
                constexpr int kPlayers = decltype(players)::value;
                withMissing(ctx.missing, [&](auto missing) {
                    constexpr int kMissing = decltype(missing)::value;
                    if (exact) {
                        if constexpr (kMissing == 1 || kMissing == 2)
                            enumerateLastCards<kPlayers, kMissing>(ctx, setup, counts);
                        else if constexpr (kMissing > 0)
                            enumerateExact<kPlayers, kMissing>(ctx, setup, counts);
                    } else if (options.exact) {
                        ctx.scorer.score<kPlayers>(ctx.fixedBoard, counts); // complete board: one deal
                    } else {
                        const std::uint64_t deals = std::min(kChunkDeals, total - item * kChunkDeals);
                        dealRandomChunk<kPlayers, kMissing>(ctx, item, deals, options.seed, counts);
                    }
                });
            });
            const std::uint64_t done = ctx.done.fetch_add(counts.deals - before) + counts.deals - before;
            if (reports && progress)
                progress(done, total);
        }
        const std::lock_guard lock(merge);
        result.deals += counts.deals;
        for (int p = 0; p < result.players; ++p)
            result.splitShares[p] += counts.splitShares[p];
        for (int p = 0; p < result.players; ++p)
            for (int cls = 0; cls < kHandClassCount; ++cls) {
                const auto category = static_cast<std::size_t>(categoryOfClass(cls) - 1);
                const auto w = counts.wins[p][cls];
                const auto s = counts.splits[p][cls];
                result.winsByCategory[p][category] += w;
                result.splitsByCategory[p][category] += s;
                result.wins[p] += w;
                result.splits[p] += s;
            }
    };

    runOnThreads(threads, work);
    result.stopped = result.deals < total;
    if (progress)
        progress(result.deals, total);
    return result;
}

} // namespace tallyhand
