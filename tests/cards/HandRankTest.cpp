#include "SharedTables.h"

#include "cards/CardText.h"
#include "cards/HandRank.h"

#include <gtest/gtest.h>

#include <random>

using namespace tallyhand;
using tallyhand::test::generatedLists;
using tallyhand::test::generatedTables;

namespace {

#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr int kHandsPerStreet = 30;
#else
constexpr int kHandsPerStreet = 4;
#endif

// The rank lists as text lines, walked with substring tests the way the
// better-hands count is described: a slow, literal second opinion.
struct TextLists {
    std::array<std::vector<std::string>, kListCount> lines;
    TextLists()
    {
        for (std::size_t l = 0; l < kListCount; ++l) {
            lines[l].reserve(generatedLists()[l].size());
            for (const RankLine& line : generatedLists()[l])
                lines[l].push_back(rankLineText(line));
        }
    }
};
const TextLists& textLists()
{
    static const TextLists t;
    return t;
}

bool inText(const std::string& card, std::string_view text)
{
    return !card.empty() && text.find(card) != std::string_view::npos;
}

int numberOf(std::string_view line) { return std::stoi(std::string(line.substr(0, line.find(' ')))); }

struct Expected {
    std::string rank;
    std::array<long long, 9> better{};
    long long total = 0, equal = 0;
    std::array<std::vector<std::string>, 9> betterLines; // of the walked categories
};

Expected literal(const HandRankInput& in)
{
    const auto& text = textLists().lines;
    std::array<std::string, 7> hand;
    for (std::size_t i = 0; i < 7; ++i)
        if (in.cards[i])
            hand[i] = cardText(*in.cards[i]);
    std::string madeText; // the made-hand and kicker texts as far as cards go
    for (int c = 0; c < kCardCount; ++c)
        if (contains(in.shown, static_cast<Card>(c)))
            madeText += cardText(static_cast<Card>(c)) + " ";

    Expected e;
    // ShowHandRank
    std::vector<std::string> selected;
    for (const auto& card : hand)
        if (inText(card, madeText))
            selected.push_back(card);
    e.rank = in.previousRank;
    if (selected.size() == 5) {
        if (in.madeCategory == 0) {
            e.rank = "-1";
        } else {
            for (const auto& line : text[static_cast<std::size_t>(9 - in.madeCategory)]) {
                bool all = true;
                for (const auto& card : selected)
                    all = all && inText(card, line);
                if (all) {
                    e.rank = line.substr(0, line.find(' '));
                    break;
                }
            }
        }
    }
    // CountBetterHands
    int mine = std::stoi(e.rank);
    if (mine == -1)
        mine = 1000000;
    int nb = 0;
    for (std::size_t i = 2; i < 7; ++i)
        nb += in.filled[i] ? 1 : 0;
    if (nb < 3)
        return e;
    long long better = 0, shown = 0;
    for (int category = 9; category >= 1; --category) {
        if (category < in.madeCategory)
            continue;
        const auto l = static_cast<std::size_t>(9 - category);
        for (const auto& line : text[l]) {
            if (inText(hand[0], line) || inText(hand[1], line))
                continue;
            int count = 0;
            for (int j = 0; j < nb; ++j)
                count += inText(hand[static_cast<std::size_t>(2 + j)], line) ? 1 : 0;
            if (count < nb - 2)
                continue;
            const int n = numberOf(line);
            if (n < mine) {
                ++better;
                e.betterLines[l].push_back(line);
            } else if (n == mine) {
                ++e.equal;
            }
        }
        e.better[l] = better - shown;
        shown = better;
    }
    e.total = better;
    return e;
}

// A hand as the calculation hands it over: the best holding of the cards
// (or, now and then, odd selections, categories and previous ranks).
HandRankInput randomInput(std::mt19937& rng, int boardCards)
{
    std::vector<Card> deck(kCardCount);
    for (int i = 0; i < kCardCount; ++i)
        deck[static_cast<std::size_t>(i)] = static_cast<Card>(i);
    std::shuffle(deck.begin(), deck.end(), rng);
    std::uniform_int_distribution<int> percent(0, 99);

    HandRankInput in;
    for (std::size_t i = 0; i < 2 + static_cast<std::size_t>(boardCards); ++i) {
        in.cards[i] = deck[i];
        in.filled[i] = true;
    }
    if (boardCards >= 3 && percent(rng) < 15) { // a gap on the board, e.g. flop2 empty with the turn given
        const auto gap = static_cast<std::size_t>(3 + percent(rng) % (boardCards - 1));
        in.cards[gap].reset();
        in.filled[gap] = false;
        if (boardCards < 5) {
            in.cards[2 + static_cast<std::size_t>(boardCards)] = deck[10];
            in.filled[2 + static_cast<std::size_t>(boardCards)] = true;
        }
    }
    if (boardCards >= 3 && percent(rng) < 10) // a text that is no card
        in.cards[2 + static_cast<std::size_t>(percent(rng) % boardCards)].reset();

    CardMask valid = 0;
    for (const auto& c : in.cards)
        if (c)
            valid |= maskOf(*c);
    std::vector<Card> held;
    for (CardMask m = valid; m; m &= m - 1)
        held.push_back(static_cast<Card>(std::countr_zero(m)));
    int bestRank = 100000;
    for (std::size_t a = 0; a < held.size(); ++a)
        for (std::size_t b = a + 1; b < held.size(); ++b)
            for (std::size_t c = b + 1; c < held.size(); ++c)
                for (std::size_t d = c + 1; d < held.size(); ++d)
                    for (std::size_t f = d + 1; f < held.size(); ++f) {
                        const CardMask five = maskOf(held[a]) | maskOf(held[b]) | maskOf(held[c]) | maskOf(held[d])
                            | maskOf(held[f]);
                        if (const auto e = generatedTables().find(five); e && e->rank < bestRank) {
                            bestRank = e->rank;
                            in.madeCategory = 9 - static_cast<int>(e->list);
                            in.shown = five;
                        }
                    }
    if (in.madeCategory == 0) // the five highest cards
        for (CardMask m = valid; m && cardCount(in.shown) < 5; m &= ~(CardMask{1} << (63 - std::countl_zero(m))))
            in.shown |= CardMask{1} << (63 - std::countl_zero(m));

    if (percent(rng) < 15) {
        in.shown = valid & rng();
        in.madeCategory = percent(rng) % 10;
        static const std::array<std::string, 5> previous{"-1", "1", "2000", "4000", "6273"};
        in.previousRank = previous[static_cast<std::size_t>(percent(rng) % 5)];
    }
    return in;
}

std::string describe(const HandRankInput& in)
{
    std::string s;
    for (std::size_t i = 0; i < 7; ++i)
        s += (in.cards[i] ? cardText(*in.cards[i]) : (in.filled[i] ? "?" : "-")) + " ";
    return s + "made " + std::to_string(in.madeCategory) + " previous " + in.previousRank;
}

void expectAsLiteral(const HandRankInput& in)
{
    SCOPED_TRACE(describe(in));
    const Expected e = literal(in);
    const HandRankResult r = rankMadeHand(generatedTables(), in);
    ASSERT_EQ(r.rank, e.rank);
    for (std::size_t l = 0; l < 9; ++l)
        ASSERT_EQ(r.better[l], std::to_string(e.better[l])) << l;
    ASSERT_EQ(r.betterTotal, std::to_string(e.total));
    ASSERT_EQ(r.split, std::to_string(e.equal));
    for (int category = std::max(in.madeCategory, 1); category <= 9; ++category) {
        const auto l = static_cast<std::size_t>(9 - category);
        if (e.betterLines[l].size() > 0 || category % 3 == 0) { // keep the listing cheap on the long lists
            ASSERT_EQ(listBetterHands(generatedTables(), in, static_cast<ListId>(l)), e.betterLines[l]) << l;
        }
    }
}

Card c(std::string_view text) { return *parseCardText(text); }

HandRankInput handOf(std::initializer_list<std::string_view> texts)
{
    HandRankInput in;
    std::size_t i = 0;
    for (auto t : texts) {
        if (!t.empty())
            in.cards[i] = c(t);
        in.filled[i] = !t.empty();
        ++i;
    }
    return in;
}

} // namespace

TEST(HandRank, AgreesWithTheLiteralWalkOnRandomHands)
{
    std::mt19937 rng(7);
    for (int street : {3, 4, 5})
        for (int i = 0; i < kHandsPerStreet; ++i)
            expectAsLiteral(randomInput(rng, street));
}

TEST(HandRank, BeforeTheFlopOnlyZerosAndTheRankStays)
{
    HandRankInput in = handOf({"AHerz", "AKreuz"});
    in.madeCategory = 0;
    in.shown = maskOf(c("AHerz")) | maskOf(c("AKreuz"));
    in.previousRank = "2590";
    const HandRankResult r = rankMadeHand(generatedTables(), in);
    EXPECT_EQ(r.rank, "2590");
    for (const auto& cell : r.better)
        EXPECT_EQ(cell, "0");
    EXPECT_EQ(r.betterTotal, "0");
    EXPECT_EQ(r.split, "0");
    EXPECT_TRUE(listBetterHands(generatedTables(), in, ListId::TwoPair).empty());
}

TEST(HandRank, RoyalFlushCountsOnlyItsOwnRow)
{
    HandRankInput in = handOf({"AHerz", "KHerz", "QHerz", "JHerz", "THerz", "2Pik", "3Karo"});
    in.madeCategory = 9;
    in.shown = maskOf(c("AHerz")) | maskOf(c("KHerz")) | maskOf(c("QHerz")) | maskOf(c("JHerz")) | maskOf(c("THerz"));
    const HandRankResult r = rankMadeHand(generatedTables(), in);
    EXPECT_EQ(r.rank, "1");
    EXPECT_EQ(r.betterTotal, "0");
    // The other royal flushes hold no board card; the hearts hold the hole cards.
    EXPECT_EQ(r.split, "0");
    expectAsLiteral(in);

    // A royal flush on the board: every opponent shares it.
    HandRankInput board = handOf({"2Pik", "3Karo", "AHerz", "KHerz", "QHerz", "JHerz", "THerz"});
    board.madeCategory = 9;
    board.shown = in.shown;
    const HandRankResult shared = rankMadeHand(generatedTables(), board);
    EXPECT_EQ(shared.rank, "1");
    EXPECT_EQ(shared.betterTotal, "0");
    EXPECT_EQ(shared.split, "1");
    for (const auto& cell : shared.better)
        EXPECT_EQ(cell, "0");
}

TEST(HandRank, HandWithoutAPairOnTheFlopCountsEveryReachableHolding)
{
    HandRankInput in = handOf({"AHerz", "KPik", "9Karo", "5Kreuz", "2Herz"});
    in.shown = maskOf(c("AHerz")) | maskOf(c("KPik")) | maskOf(c("9Karo")) | maskOf(c("5Kreuz")) | maskOf(c("2Herz"));
    const HandRankResult r = rankMadeHand(generatedTables(), in);
    EXPECT_EQ(r.rank, "-1");
    EXPECT_EQ(r.split, "0");
    long long sum = 0;
    for (const auto& cell : r.better)
        sum += std::stoll(cell);
    EXPECT_EQ(std::to_string(sum), r.betterTotal);
    expectAsLiteral(in);
}

TEST(HandRank, EmptyFlop2WithTheTurnLooksAtTheFirstThreePositions)
{
    // flop1, flop3 and turn filled: nb = 3, positions flop1, flop2 (empty), flop3.
    HandRankInput in = handOf({"7Herz", "7Kreuz", "AKaro", "", "9Pik", "4Herz"});
    in.madeCategory = 1;
    in.shown = maskOf(c("7Herz")) | maskOf(c("7Kreuz")) | maskOf(c("AKaro")) | maskOf(c("9Pik")) | maskOf(c("4Herz"));
    const HandRankResult r = rankMadeHand(generatedTables(), in);
    EXPECT_NE(r.rank, "-1");
    expectAsLiteral(in);
    // The turn card alone does not make a holding reachable.
    for (const auto& line : listBetterHands(generatedTables(), in, ListId::Quads))
        EXPECT_TRUE(line.find("AKaro") != std::string::npos || line.find("9Pik") != std::string::npos) << line;
}

TEST(HandRank, CardsNoLineHoldsKeepThePreviousRank)
{
    // A flush category with cards that make no flush.
    HandRankInput in = handOf({"AHerz", "KPik", "9Karo", "5Kreuz", "2Herz"});
    in.madeCategory = 5;
    in.shown = maskOf(c("AHerz")) | maskOf(c("KPik")) | maskOf(c("9Karo")) | maskOf(c("5Kreuz")) | maskOf(c("2Herz"));
    in.previousRank = "3000";
    EXPECT_EQ(rankMadeHand(generatedTables(), in).rank, "3000");
    expectAsLiteral(in);
}

TEST(HandRank, RepeatedCardsAndRepeatedLinesAreCountedAsTheLinesSay)
{
    // A board card at two positions counts twice towards reaching a line.
    HandRankInput in = handOf({"AHerz", "KPik", "9Karo", "9Karo", "2Herz", "5Kreuz"});
    in.shown = maskOf(c("AHerz")) | maskOf(c("KPik")) | maskOf(c("9Karo")) | maskOf(c("5Kreuz")) | maskOf(c("2Herz"));
    expectAsLiteral(in);

    // Every line twice: every count doubles, the rank and the order of listing stay.
    RankLists doubled = generatedLists();
    for (auto& list : doubled) {
        const RankList copy = list;
        list.insert(list.end(), copy.begin(), copy.end());
    }
    const RankTables twice = RankTables::fromLists(std::move(doubled));
    std::mt19937 rng(11);
    for (int street : {3, 5}) {
        const HandRankInput hand = randomInput(rng, street);
        SCOPED_TRACE(describe(hand));
        const HandRankResult once = rankMadeHand(generatedTables(), hand);
        const HandRankResult two = rankMadeHand(twice, hand);
        EXPECT_EQ(two.rank, once.rank);
        EXPECT_EQ(std::stoll(two.betterTotal), 2 * std::stoll(once.betterTotal));
        EXPECT_EQ(std::stoll(two.split), 2 * std::stoll(once.split));
        for (std::size_t l = 0; l < 9; ++l)
            EXPECT_EQ(std::stoll(two.better[l]), 2 * std::stoll(once.better[l]));
        auto lines = listBetterHands(generatedTables(), hand, ListId::Straight);
        const auto single = lines;
        lines.insert(lines.end(), single.begin(), single.end());
        EXPECT_EQ(listBetterHands(twice, hand, ListId::Straight), lines);
    }
}
