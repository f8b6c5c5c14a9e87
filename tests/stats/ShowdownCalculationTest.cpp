#include "cards/CardText.h"
#include "preflop/FastRandom.h"
#include "stats/ShowdownCalculation.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tallyhand;

namespace {

const RankTables& tables()
{
    static const RankTables t = RankTables::fromLists(generateRankLists());
    return t;
}

Card card(const char* text) { return *parseHistoryCard(text); }

// One deal: hole cards per player ("" for a missing card) and the board.
ShowdownDeal dealOf(std::initializer_list<std::pair<const char*, const char*>> holes,
                    std::initializer_list<const char*> board)
{
    ShowdownDeal deal;
    for (const auto& [a, b] : holes) {
        std::vector<Card> hand;
        std::array<int, 2> ranks{};
        int k = 0;
        for (const char* t : {a, b}) {
            if (*t != '\0') {
                hand.push_back(card(t));
                ranks[static_cast<std::size_t>(k)] = rankOf(card(t));
            }
            ++k;
        }
        for (const char* t : board)
            hand.push_back(card(t));
        deal.hands.push_back(hand);
        deal.holeRanks.push_back(ranks);
    }
    return deal;
}

int winnerOf(const ShowdownDeal& deal) { return showdownWinner(scoreShowdownDeal(tables(), deal)); }

// Draws that lay out a fixed board per deal: rank then suit for each of the
// five cards; `boardOf(deal)` names the cards.
UniformBelow scripted(std::function<std::array<const char*, 5>(int)> boardOf)
{
    auto calls = std::make_shared<int>(0);
    return [calls, boardOf](std::uint32_t bound) -> std::uint32_t {
        const int call = (*calls)++;
        const int deal = call / 10;
        const Card c = card(boardOf(deal)[static_cast<std::size_t>(call % 10 / 2)]);
        if (call % 2 == 0) {
            EXPECT_EQ(bound, 13u);
            return static_cast<std::uint32_t>(rankOf(c) - 2);
        }
        EXPECT_EQ(bound, 4u);
        return static_cast<std::uint32_t>(suitOf(c) - 1);
    };
}

double sum(const std::vector<std::string>& lines)
{
    double total = 0;
    for (const auto& l : lines)
        total += std::strtod(l.c_str(), nullptr);
    return total;
}

} // namespace

TEST(ShowdownCalculation, NoPlayersLeaveEveryDealUndecided)
{
    FastRandom random(1);
    const auto lines = calculateShowdown(tables(), {}, [&](std::uint32_t b) { return random.below(b); }, '.');
    EXPECT_EQ(lines, (std::vector<std::string>{"100"}));
}

TEST(ShowdownCalculation, PercentagesInShortestFormWithTheSeparator)
{
    // 453 deals that the first player wins with trip aces, then 547 that the
    // second wins with trip kings.
    const std::vector<std::string> rows{"anna [Ah Ad] won", "bert [Kh Kd]"};
    auto boards = [](int deal) -> std::array<const char*, 5> {
        if (deal < 453)
            return {"As", "7c", "8d", "2h", "3s"};
        return {"Ks", "7c", "8d", "2h", "3s"};
    };
    EXPECT_EQ(calculateShowdown(tables(), rows, scripted(boards), ','),
              (std::vector<std::string>{"45,3", "54,7", "0"}));
    EXPECT_EQ(calculateShowdown(tables(), rows, scripted(boards), '.'),
              (std::vector<std::string>{"45.3", "54.7", "0"}));
}

TEST(ShowdownCalculation, SameRanksSplitMostBoardsAndAllAddUpToHundred)
{
    FastRandom random(11);
    const auto lines = calculateShowdown(tables(), {"a [Ah Kh]", "b [Ac Kd]", "c [7s 2d]"},
                                         [&](std::uint32_t b) { return random.below(b); }, '.');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NEAR(sum(lines), 100.0, 1e-9);
    EXPECT_GT(std::strtod(lines[3].c_str(), nullptr), std::strtod(lines[1].c_str(), nullptr));
}

TEST(ShowdownCalculation, CategoryStepsDecideTheDeal)
{
    // A sole full house wins; three kings and three sevens count as one.
    EXPECT_EQ(winnerOf(dealOf({{"2c", "3d"}, {"Kh", "Ks"}}, {"Kd", "7c", "7d", "7h", "9s"})), 1);
    // Two flushes are ranked by their line numbers: the ace-high flush wins.
    EXPECT_EQ(winnerOf(dealOf({{"2h", "3h"}, {"Ah", "4h"}}, {"Kh", "9h", "7h", "5d", "2s"})), 1);
    // Two straights: the higher one.
    EXPECT_EQ(winnerOf(dealOf({{"9c", "Tc"}, {"4c", "5d"}}, {"6h", "7s", "8d", "Kd", "2s"})), 0);
    // The wheel loses to the six-high straight.
    EXPECT_EQ(winnerOf(dealOf({{"5c", "Kd"}, {"5d", "6d"}}, {"Ah", "2s", "3d", "4c", "Js"})), 1);
    // A royal flush on the board is shared.
    EXPECT_EQ(winnerOf(dealOf({{"2c", "3d"}, {"4c", "5d"}}, {"Ah", "Kh", "Qh", "Jh", "Th"})), -1);
    // Quads beat a full house.
    EXPECT_EQ(winnerOf(dealOf({{"9c", "9d"}, {"Kc", "2d"}}, {"9h", "9s", "Kh", "Ks", "3c"})), 0);
}

TEST(ShowdownCalculation, OnePairAndHighCardSteps)
{
    // A pair rank held by one player alone wins, even against a higher shared pair.
    EXPECT_EQ(winnerOf(dealOf({{"Kc", "3d"}, {"Kd", "4c"}, {"5h", "5s"}}, {"Kh", "9s", "7d", "2c", "Jh"})), 2);
    // Both pair kings off the board: the ace the first one holds decides.
    EXPECT_EQ(winnerOf(dealOf({{"Qh", "4d"}, {"Ah", "3d"}}, {"Kc", "Kd", "9h", "6s", "2c"})), 1);
    // Same pair and same kickers: shared.
    EXPECT_EQ(winnerOf(dealOf({{"Ah", "3d"}, {"Ac", "3s"}}, {"Kc", "Kd", "9h", "6s", "2c"})), -1);
    // High card compares the hole cards only; the first player can win it.
    EXPECT_EQ(winnerOf(dealOf({{"Ah", "4d"}, {"Kc", "Qs"}}, {"2c", "7d", "9h", "Ts", "3h"})), 0);
    EXPECT_EQ(winnerOf(dealOf({{"Ah", "4d"}, {"Ac", "4s"}}, {"2c", "7d", "9h", "Ts", "Jh"})), -1);
    // A player without readable cards never wins the high-card step.
    EXPECT_EQ(winnerOf(dealOf({{"", ""}, {"6c", "4s"}}, {"2c", "7d", "9h", "Ts", "Jh"})), 1);
}
