#include "stats/TournamentStats.h"

#include "cards/CardText.h"
#include "cards/NumberFormat.h"
#include "history/HandHistoryText.h"
#include "history/HoleCardBundles.h"
#include "preflop/Sklansky.h"

#include <algorithm>

namespace tallyhand {

namespace selection_text {
std::string chipsLeftOut(int games)
{
    return "Chipchart: " + std::to_string(games) +
           (games == 1 ? " Spiel ohne lesbaren Chipstand ausgelassen" : " Spiele ohne lesbaren Chipstand ausgelassen");
}
std::vector<std::string> all(int chipsLeftOutGames)
{
    std::vector<std::string> texts{kGames, kSklansky, kChips, kHoleClasses, kWinLoss, kFlop, kBoard, kOk};
    if (chipsLeftOutGames > 0)
        texts.push_back(chipsLeftOut(chipsLeftOutGames));
    return texts;
}
} // namespace selection_text

namespace {

Rgb groupColour(int group, Rgb none)
{
    if (group == 1)
        return {0, 128, 0};
    if (group == 2)
        return {0, 255, 0};
    if (group == 3 || group == 4)
        return {255, 255, 0};
    if (group >= 5)
        return {255, 0, 0};
    return none;
}

// The Sklansky group of each hole-card entry, worked out once per entry.
class EntryGroups {
public:
    explicit EntryGroups(const TournamentGames& games) : m_games(games), m_groups(games.entries().size(), -1) {}
    int operator()(std::size_t entry)
    {
        int& group = m_groups[entry];
        if (group < 0) {
            const Tcardcount& cards = m_games.entries()[entry];
            group = sklanskyGroupOfHistoryCards(cards.card1, cards.card2);
        }
        return group;
    }

private:
    const TournamentGames& m_games;
    std::vector<int> m_groups;
};

char firstChar(const std::string& text)
{
    return text.empty() ? ' ' : text.front();
}

bool sameClass(char a1, char a2, char b1, char b2)
{
    return (a1 == b1 && a2 == b2) || (a1 == b2 && a2 == b1);
}

// A key that sorts non-negative numbers as their decimal texts sort: the
// digits left-aligned in 19 places, then the length ("1" < "10" < "2").
std::pair<std::uint64_t, int> decimalTextKey(std::uint64_t n)
{
    int digits = 1;
    std::uint64_t aligned = n;
    for (std::uint64_t limit = 10; digits < 19 && n >= limit; limit *= 10)
        ++digits;
    for (int i = digits; i < 19; ++i)
        aligned *= 10;
    return {aligned, digits};
}

} // namespace

std::optional<std::int64_t> tournamentOfRow(std::string_view row)
{
    return parseInt64(row.substr(0, row.find(' ')));
}

std::vector<std::string> gamesOfTournament(const TournamentIndex& tournaments, std::int64_t tour)
{
    std::vector<std::int64_t> games;
    for (const TTournament& t : tournaments.tournaments)
        if (t.tour_no == tour)
            games.insert(games.end(), t.game_nos.begin(), t.game_nos.end());
    std::vector<std::string> rows;
    rows.reserve(games.size());
    if (std::all_of(games.begin(), games.end(), [](std::int64_t g) { return g >= 0; })) {
        // Sorted as texts without writing them out for every comparison.
        std::vector<std::pair<std::pair<std::uint64_t, int>, std::int64_t>> keyed;
        keyed.reserve(games.size());
        for (std::int64_t game : games)
            keyed.push_back({decimalTextKey(static_cast<std::uint64_t>(game)), game});
        std::sort(keyed.begin(), keyed.end());
        for (const auto& [key, game] : keyed)
            rows.push_back(std::to_string(game));
        return rows;
    }
    for (std::int64_t game : games)
        rows.push_back(std::to_string(game));
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<std::int64_t> gameOfRow(std::string_view row)
{
    // Only the number's own spelling: digits after an optional minus, no
    // leading zero, no "-0".
    const std::string_view digits = row.starts_with('-') ? row.substr(1) : row;
    if (digits.empty() || digits.front() < '0' || digits.front() > '9' || (digits.front() == '0' && row != "0"))
        return std::nullopt;
    return parseInt64(row);
}

int sklanskyGroupOfHistoryCards(const std::string& card1, const std::string& card2)
{
    return sklanskyGroupOf(expandCardText(card1), expandCardText(card2));
}

ChartSeries sklanskyPie(const TournamentGames& games, const std::vector<std::string>& gameRows)
{
    std::array<int, 9> counts{};
    EntryGroups groupOf(games);
    for (const std::string& row : gameRows)
        if (const auto game = gameOfRow(row))
            games.forEachHoleCardMatch(*game, [&](std::size_t entry) {
                ++counts[static_cast<std::size_t>(std::clamp(groupOf(entry), 0, 8))];
            });
    ChartSeries pie;
    for (int group = 0; group <= 8; ++group)
        if (counts[static_cast<std::size_t>(group)] > 0)
            pie.push_back({std::to_string(group), static_cast<double>(counts[static_cast<std::size_t>(group)]), {}});
    return pie;
}

ChartSeries sklanskyBars(const TournamentGames& games, const std::vector<std::string>& gameRows)
{
    ChartSeries bars;
    EntryGroups groupOf(games);
    for (const std::string& row : gameRows)
        if (const auto game = gameOfRow(row))
            games.forEachHoleCardMatch(*game, [&](std::size_t entry) {
                const int group = groupOf(entry);
                bars.push_back({row, static_cast<double>(group), groupColour(group, {255, 0, 0})});
            });
    return bars;
}

ChipChart buildChipChart(const TournamentGames& games, const std::vector<std::string>& gameRows, ChipMode mode)
{
    ChipChart chart;
    EntryGroups groupOf(games);
    auto addBars = [&](std::int64_t game, const std::string& label, double value) {
        // The axis covers what is shown.
        games.forEachHoleCardMatch(game, [&](std::size_t entry) {
            chart.bars.push_back({label, value, groupColour(groupOf(entry), {255, 255, 255})});
            chart.minimum = std::min(chart.minimum, value);
            chart.maximum = std::max(chart.maximum, value);
        });
    };
    std::optional<std::int64_t> previous;
    std::string previousRow;
    std::int64_t previousStack = 0;
    for (const std::string& row : gameRows) {
        const auto game = gameOfRow(row);
        const auto stack = game ? games.chips(*game) : std::nullopt;
        if (!stack) {
            ++chart.leftOut;
            continue;
        }
        if (mode == ChipMode::Chipcount) {
            addBars(*game, row, static_cast<double>(*stack));
            continue;
        }
        if (previous)
            addBars(*previous, previousRow, static_cast<double>(*stack - previousStack));
        previous = game;
        previousRow = row;
        previousStack = *stack;
    }
    return chart;
}

HoleClassStats buildHoleClassStats(const TournamentGames& games, const std::vector<std::string>& gameRows)
{
    HoleClassStats stats;
    // The class of each hole-card entry, found once per entry.
    std::vector<int> classOfEntry(games.entries().size(), -1);
    for (const std::string& row : gameRows) {
        const auto game = gameOfRow(row);
        const auto at = game ? games.holeCardsAt(*game) : std::nullopt;
        if (!at)
            continue;
        int& slot = classOfEntry[*at];
        if (slot < 0) {
            const Tcardcount& cards = games.entries()[*at];
            const char c1 = firstChar(cards.card1);
            const char c2 = firstChar(cards.card2);
            auto it = std::find_if(stats.classes.begin(), stats.classes.end(), [&](const HoleClass& k) {
                return sameClass(k.rank1, k.rank2, c1, c2) && k.suited == cards.suited;
            });
            if (it == stats.classes.end())
                it = stats.classes.insert(stats.classes.end(), HoleClass{c1, c2, cards.suited, 0, {}});
            slot = static_cast<int>(it - stats.classes.begin());
        }
        HoleClass& k = stats.classes[static_cast<std::size_t>(slot)];
        ++k.count;
        k.games.push_back(*game);
    }
    for (int i = 14; i >= 2; --i)
        for (int j = i; j >= 2; --j) {
            const char ri = kRankChars[static_cast<std::size_t>(i)];
            const char rj = kRankChars[static_cast<std::size_t>(j)];
            for (const HoleClass& k : stats.classes)
                if (sameClass(k.rank1, k.rank2, ri, rj))
                    stats.rows.push_back(bundleRow(ri, rj, k.suited, k.count));
        }
    return stats;
}

std::vector<std::string> gamesOfHoleClass(const HoleClassStats& stats, std::string_view classRow)
{
    std::vector<std::string> rows;
    if (classRow.empty())
        return rows;
    const char r1 = classRow[0];
    const char r2 = classRow.size() > 2 ? classRow[2] : ' ';
    const bool suited = classRow.size() > 4 && classRow[4] == 's';
    for (const HoleClass& k : stats.classes)
        if (sameClass(k.rank1, k.rank2, r1, r2) && k.suited == suited)
            for (std::int64_t game : k.games)
                rows.push_back(std::to_string(game));
    return rows;
}

} // namespace tallyhand
