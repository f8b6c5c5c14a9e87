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

int groupOf(const Tcardcount& cards)
{
    return sklanskyGroupOfHistoryCards(cards.card1, cards.card2);
}

char firstChar(const std::string& text)
{
    return text.empty() ? ' ' : text.front();
}

bool sameClass(char a1, char a2, char b1, char b2)
{
    return (a1 == b1 && a2 == b2) || (a1 == b2 && a2 == b1);
}

} // namespace

std::optional<std::int64_t> tournamentOfRow(std::string_view row)
{
    return parseInt64(row.substr(0, row.find(' ')));
}

std::vector<std::string> gamesOfTournament(const TournamentIndex& tournaments, std::int64_t tour)
{
    std::vector<std::string> rows;
    for (const TTournament& t : tournaments.tournaments)
        if (t.tour_no == tour)
            for (std::int64_t game : t.game_nos)
                rows.push_back(std::to_string(game));
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<std::int64_t> gameOfRow(std::string_view row)
{
    const auto value = parseInt64(row);
    if (!value || std::to_string(*value) != row)
        return std::nullopt;
    return value;
}

int sklanskyGroupOfHistoryCards(const std::string& card1, const std::string& card2)
{
    return sklanskyGroupOf(expandCardText(card1), expandCardText(card2));
}

ChartSeries sklanskyPie(const GameIndex& index, const std::vector<std::string>& gameRows)
{
    std::array<int, 9> counts{};
    for (const std::string& row : gameRows)
        if (const auto game = gameOfRow(row))
            for (const Tcardcount* match : index.holeCardMatches(*game))
                ++counts[static_cast<std::size_t>(std::clamp(groupOf(*match), 0, 8))];
    ChartSeries pie;
    for (int group = 0; group <= 8; ++group)
        if (counts[static_cast<std::size_t>(group)] > 0)
            pie.push_back({std::to_string(group), static_cast<double>(counts[static_cast<std::size_t>(group)]), {}});
    return pie;
}

ChartSeries sklanskyBars(const GameIndex& index, const std::vector<std::string>& gameRows)
{
    ChartSeries bars;
    for (const std::string& row : gameRows)
        if (const auto game = gameOfRow(row))
            for (const Tcardcount* match : index.holeCardMatches(*game)) {
                const int group = groupOf(*match);
                bars.push_back({row, static_cast<double>(group), groupColour(group, {255, 0, 0})});
            }
    return bars;
}

namespace {

// Cash-game currency signs in front of a stack, as UTF-8 and as the
// Windows-1252 bytes older files hold.
constexpr std::array<std::string_view, 6> kCurrencySigns = {"$", "\xE2\x82\xAC", "\x80", "\xC2\xA3", "\xA3", "Rs."};

// Removes a leading currency sign; true when there was one.
bool takeCurrencySign(std::string_view& text)
{
    for (std::string_view sign : kCurrencySigns)
        if (text.starts_with(sign)) {
            text.remove_prefix(sign.size());
            return true;
        }
    return false;
}

} // namespace

std::optional<std::int64_t> chipTextValue(std::string_view text)
{
    const bool dollars = takeCurrencySign(text);
    text = text.substr(0, text.find(' '));
    if (!dollars) {
        if (const auto whole = parseWholeNumber(text))
            return *whole;
        return std::nullopt;
    }
    // Money to cents, exactly in decimal, half away from zero.
    const std::size_t point = text.find('.');
    const std::string_view units = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    auto digitsOnly = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if ((units.empty() && fraction.empty()) || !digitsOnly(units) || !digitsOnly(fraction) || units.size() > 15)
        return std::nullopt;
    std::int64_t cents = 0;
    for (char c : units)
        cents = cents * 10 + (c - '0');
    for (std::size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (fraction.size() > 2 && fraction[2] >= '5')
        ++cents;
    return cents;
}

std::optional<std::int64_t> chipCountOf(const GameIndex& index, std::int64_t game, std::string_view user)
{
    const Tgame* record = index.gameRecord(game);
    if (!record)
        return std::nullopt;
    for (std::string_view line : record->lines) {
        if (line.find(user) == std::string_view::npos)
            continue;
        // Names and notes may hold parentheses of their own: the stack is the
        // last group that reads.
        for (std::size_t open = line.rfind('('); open != std::string_view::npos;
             open = open == 0 ? std::string_view::npos : line.rfind('(', open - 1))
            if (const auto value = chipTextValue(line.substr(open + 1)))
                return value;
        return std::nullopt;
    }
    return std::nullopt;
}

ChipChart buildChipChart(const GameIndex& index, const std::vector<std::string>& gameRows, std::string_view user,
                         ChipMode mode)
{
    ChipChart chart;
    auto addBars = [&](std::int64_t game, const std::string& label, double value) {
        // The axis covers what is shown.
        for (const Tcardcount* match : index.holeCardMatches(game)) {
            chart.bars.push_back({label, value, groupColour(groupOf(*match), {255, 255, 255})});
            chart.minimum = std::min(chart.minimum, value);
            chart.maximum = std::max(chart.maximum, value);
        }
    };
    std::optional<std::int64_t> previous;
    std::string previousRow;
    std::int64_t previousStack = 0;
    for (const std::string& row : gameRows) {
        const auto game = gameOfRow(row);
        const auto stack = game ? chipCountOf(index, *game, user) : std::nullopt;
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

HoleClassStats buildHoleClassStats(const GameIndex& index, const std::vector<std::string>& gameRows)
{
    HoleClassStats stats;
    for (const std::string& row : gameRows) {
        const auto game = gameOfRow(row);
        const Tcardcount* cards = game ? index.holeCards(*game) : nullptr;
        if (!cards)
            continue;
        const char c1 = firstChar(cards->card1);
        const char c2 = firstChar(cards->card2);
        auto it = std::find_if(stats.classes.begin(), stats.classes.end(), [&](const HoleClass& k) {
            return sameClass(k.rank1, k.rank2, c1, c2) && k.suited == cards->suited;
        });
        if (it == stats.classes.end())
            it = stats.classes.insert(stats.classes.end(), HoleClass{c1, c2, cards->suited, 0, {}});
        ++it->count;
        it->games.push_back(*game);
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
