#include "stats/BoardStatistics.h"

#include "cards/CardText.h"
#include "stats/TournamentStats.h"

#include <algorithm>

#include <array>
#include <span>

namespace tallyhand {

namespace {

constexpr Rgb kFlopBar{0, 128, 0};
constexpr Rgb kBoardBar{255, 0, 0};
constexpr std::array<Rgb, 5> kSuitColours{{{0, 0, 0}, {255, 0, 0}, {0, 128, 128}, {0, 0, 255}, {0, 0, 0}}};

char rankAt(int r) { return kRankChars[static_cast<std::size_t>(r)]; }
std::string repeated(int r, std::size_t times) { return std::string(times, rankAt(r)); }

// Rank counts 1..14 (1 mirrors the ace) and suit counts 1..4 of some cards.
struct CardCounts {
    std::array<int, 15> rank{};
    std::array<int, 5> suit{};
    int pictures = 0;
    int numbers = 0;

    void add(const BoardCards& board, std::size_t card)
    {
        if (board.empty(card))
            return;
        const auto& text = board.text[card];
        for (int r = 2; r <= 14; ++r)
            if (text[0] == rankAt(r)) {
                ++rank[static_cast<std::size_t>(r)];
                ++(r >= 11 ? pictures : numbers);
            }
        for (int k = 1; k <= 4; ++k)
            if (board.sizes[card] > 1 && text[1] == kSuitLetters[static_cast<std::size_t>(k)])
                ++suit[static_cast<std::size_t>(k)];
        rank[1] = rank[14];
    }
    bool present(int r) const { return rank[static_cast<std::size_t>(r)] > 0; }
    bool run(int top, int length) const
    {
        for (int i = 0; i < length; ++i)
            if (!present(top - i))
                return false;
        return true;
    }
};

std::string runText(int top, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i)
        text += rankAt(top - i);
    return text;
}

// Calls `count` once per (board, row) match, boards in table order: a row
// matches the boards of the game number it spells.
template <typename Count>
void forCountedBoards(const std::vector<BoardCards>& boards, const std::vector<std::string>& gameRows, Count count)
{
    std::vector<std::int64_t> games;
    games.reserve(gameRows.size());
    for (const std::string& row : gameRows)
        if (const auto game = gameOfRow(row))
            games.push_back(*game);
    std::sort(games.begin(), games.end());
    for (const BoardCards& board : boards) {
        const auto [first, last] = std::equal_range(games.begin(), games.end(), board.game);
        for (auto match = first; match != last; ++match)
            count(board);
    }
}

std::vector<std::string> cardTotals(int pictures, int numbers)
{
    return {"Karten : " + std::to_string(pictures + numbers), "Bilder : " + std::to_string(pictures),
            "Zahlen : " + std::to_string(numbers)};
}

// Thirteen rows and bars, aces down to twos, zeros included.
void listByRank(const std::array<int, 15>& counts, std::size_t memoTimes, std::size_t labelTimes, Rgb colour,
                std::vector<std::string>& memo, ChartSeries& chart)
{
    for (int r = 14; r >= 2; --r) {
        const int n = counts[static_cast<std::size_t>(r)];
        memo.push_back(repeated(r, memoTimes) + " " + std::to_string(n));
        chart.push_back({repeated(r, labelTimes), static_cast<double>(n), colour});
    }
}

void listRuns(const std::array<int, 15>& counts, int length, Rgb colour, std::vector<std::string>& memo,
              ChartSeries& chart)
{
    for (int r = 14; r >= length; --r) {
        const int n = counts[static_cast<std::size_t>(r)];
        if (n <= 0)
            continue;
        memo.push_back(runText(r, length) + " " + std::to_string(n));
        chart.push_back({runText(r, length), static_cast<double>(n), colour});
    }
}

// Patterns of two ranks (two pair: the higher pair first; full house: the
// set first), from the highest down, those that occurred.
void listRankPairs(const std::array<std::array<int, 15>, 15>& counts, std::size_t firstTimes, bool secondLower,
                   std::vector<std::string>& memo, ChartSeries& chart)
{
    for (int a = 14; a >= 2; --a)
        for (int b = secondLower ? a - 1 : 14; b >= 2; --b) {
            const int n = counts[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
            if (n <= 0)
                continue;
            const std::string label = repeated(a, firstTimes) + repeated(b, 2);
            memo.push_back(label + " " + std::to_string(n));
            chart.push_back({label, static_cast<double>(n), kBoardBar});
        }
}

ChartSeries suitPie(const std::array<int, 5>& counts)
{
    ChartSeries pie;
    for (std::size_t k = 1; k <= 4; ++k)
        if (counts[k] > 0)
            pie.push_back({std::string(kSuitNames[k]), static_cast<double>(counts[k]), kSuitColours[k]});
    return pie;
}

} // namespace

FlopStats buildFlopStats(const std::vector<BoardCards>& boards, const std::vector<std::string>& gameRows)
{
    int pictures = 0, numbers = 0;
    std::array<int, 15> run3{}, pair{}, trips{};
    std::array<int, 5> twoSuit{}, threeSuit{};
    forCountedBoards(boards, gameRows, [&](const BoardCards& board) {
        CardCounts c;
        for (std::size_t i = 0; i < 3; ++i)
            c.add(board, i);
        pictures += c.pictures;
        numbers += c.numbers;
        for (int r = 14; r >= 3; --r)
            run3[static_cast<std::size_t>(r)] += c.run(r, 3);
        for (std::size_t r = 2; r <= 14; ++r) {
            pair[r] += c.rank[r] == 2;
            trips[r] += c.rank[r] == 3;
        }
        for (std::size_t k = 1; k <= 4; ++k) {
            twoSuit[k] += c.suit[k] == 2;
            threeSuit[k] += c.suit[k] == 3;
        }
    });

    FlopStats s;
    s.cards = cardTotals(pictures, numbers);
    listByRank(pair, 2, 2, kFlopBar, s.pairs, s.pairChart);
    listByRank(trips, 3, 3, kFlopBar, s.trips, s.tripsChart);
    listRuns(run3, 3, kFlopBar, s.straights, s.straightChart);
    s.twoSuitPie = suitPie(twoSuit);
    s.threeSuitPie = suitPie(threeSuit);
    return s;
}

BoardStats buildBoardStats(const std::vector<BoardCards>& boards, const std::vector<std::string>& gameRows)
{
    int pictures = 0, numbers = 0;
    std::array<int, 15> run3{}, run4{}, pair{}, trips{}, quads{};
    std::array<int, 5> flush3{}, flush4{}, flush5{};
    std::array<std::array<int, 15>, 15> twoPair{}, fullHouse{};
    forCountedBoards(boards, gameRows, [&](const BoardCards& board) {
        CardCounts c;
        for (std::size_t i = 0; i < 3; ++i)
            c.add(board, i);
        if (!board.empty(3)) {
            c.add(board, 3);
            if (!board.empty(4))
                c.add(board, 4);
        }
        pictures += c.pictures;
        numbers += c.numbers;
        for (int r = 14; r >= 3; --r)
            run3[static_cast<std::size_t>(r)] += c.run(r, 3);
        // The lower three-run inside a four-run is taken back.
        for (int r = 14; r >= 4; --r)
            if (c.run(r, 4)) {
                ++run4[static_cast<std::size_t>(r)];
                --run3[static_cast<std::size_t>(r - 1)];
            }
        for (std::size_t k = 1; k <= 4; ++k) {
            flush3[k] += c.suit[k] == 3;
            flush4[k] += c.suit[k] == 4;
            flush5[k] += c.suit[k] == 5;
        }
        std::size_t firstPair = 0, lastPair = 0, setRank = 0;
        for (std::size_t r = 14; r >= 2; --r) {
            const int n = c.rank[r];
            if (n == 2) {
                ++pair[r];
                if (firstPair == 0)
                    firstPair = r;
                else
                    ++twoPair[firstPair][r];
                lastPair = r;
            } else if (n == 3 || n == 4) {
                ++(n == 3 ? trips : quads)[r];
                setRank = r;
            }
        }
        if (setRank != 0 && lastPair != 0)
            ++fullHouse[setRank][lastPair];
    });

    BoardStats s;
    s.cards = cardTotals(pictures, numbers);
    s.cards.push_back("  ");
    s.cards.push_back("---Straigthdraws---");
    listByRank(pair, 2, 2, kBoardBar, s.pairs, s.pairChart);
    listByRank(trips, 3, 3, kBoardBar, s.trips, s.tripsChart);
    listByRank(quads, 4, 1, kBoardBar, s.quads, s.quadsChart);
    listRuns(run4, 4, kBoardBar, s.fourRuns, s.fourRunChart);
    listRuns(run3, 3, kBoardBar, s.threeRuns, s.threeRunChart);
    s.flush3Pie = suitPie(flush3);
    s.flush4Pie = suitPie(flush4);
    s.flush5Pie = suitPie(flush5);
    listRankPairs(twoPair, 2, true, s.twoPairs, s.twoPairChart);
    listRankPairs(fullHouse, 3, false, s.fullHouses, s.fullHouseChart);
    return s;
}

} // namespace tallyhand
