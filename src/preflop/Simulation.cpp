#include "preflop/Simulation.h"

#include "preflop/FastRandom.h"
#include "preflop/HandEvaluator.h"

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
    std::uint64_t deals = 0;
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
            m_holeMask[p] = hole.mask;
        }
    }

    int players() const { return m_players; }

    template <int Players>
    void score(const EvalHand& board, LocalCounts& counts) const
    {
        std::array<HandValue, Players> values;
        HandValue best = 0;
        for (int p = 0; p < Players; ++p) {
            values[p] = m_evaluator.evaluate(EvalHand{board.key + m_holeKey[p], board.mask | m_holeMask[p]});
            best = std::max(best, values[p]);
        }
        unsigned holders = 0;
        for (int p = 0; p < Players; ++p)
            holders |= static_cast<unsigned>(values[p] == best) << p;
        const auto cls = static_cast<std::size_t>(handClassOf(best));
        if ((holders & (holders - 1)) == 0) {
            ++counts.wins[static_cast<std::size_t>(std::countr_zero(holders))][cls];
        } else {
            for (; holders != 0; holders &= holders - 1)
                ++counts.splits[static_cast<std::size_t>(std::countr_zero(holders))][cls];
        }
        ++counts.deals;
    }

private:
    const HandEvaluator& m_evaluator;
    int m_players;
    std::array<std::uint64_t, kMaxSimulationPlayers> m_holeKey{};
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
    std::array<Card, kCardCount> deck{};
    std::copy(ctx.deck.begin(), ctx.deck.end(), deck.begin());
    const auto left = static_cast<std::uint32_t>(ctx.deck.size());
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
                // Partial Fisher-Yates: picks[i] is uniform over the cards not yet dealt.
                for (int i = 0; i < Missing; ++i) {
                    const std::size_t at = static_cast<std::size_t>(i) + picks[static_cast<std::size_t>(i)];
                    std::swap(deck[static_cast<std::size_t>(i)], deck[at]);
                    board += ctx.evaluator.card(deck[static_cast<std::size_t>(i)]);
                }
            }
            boards[b] = board;
        }
        for (std::uint64_t b = 0; b < batch; ++b)
            ctx.scorer.score<Players>(boards[b], counts);
    }
}

// Every board that adds `Depth` more cards from deck[from..] to `board`.
template <int Players, int Depth>
void enumerateBoards(const RunContext& ctx, std::size_t from, const EvalHand& board, LocalCounts& counts)
{
    if constexpr (Depth == 0) {
        ctx.scorer.score<Players>(board, counts);
    } else {
        const std::size_t last = ctx.deck.size() - static_cast<std::size_t>(Depth);
        for (std::size_t i = from; i <= last; ++i)
            enumerateBoards<Players, Depth - 1>(ctx, i + 1, board + ctx.evaluator.card(ctx.deck[i]), counts);
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
    if (exact)
        items = ctx.deck.size() - static_cast<std::size_t>(ctx.missing) + 1;
    else if (options.exact)
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
                        if constexpr (kMissing > 0) {
                            const auto first = static_cast<std::size_t>(item);
                            enumerateBoards<kPlayers, kMissing - 1>(
                                ctx, first + 1, ctx.fixedBoard + evaluator.card(ctx.deck[first]), counts);
                        }
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

    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(work, false);
    work(true);
    for (auto& helper : helpers)
        helper.join();
    result.stopped = result.deals < total;
    if (progress)
        progress(result.deals, total);
    return result;
}

} // namespace tallyhand
