#include "cli/ResultsJson.h"

#include "cli/Json.h"

#include <cmath>
#include <cstdio>

namespace tallyhand::cli {

namespace {

std::string hundredthsOf(std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "", static_cast<unsigned long long>(magnitude / 100),
                  static_cast<unsigned long long>(magnitude % 100));
    return text;
}

std::string nullable(std::optional<std::int64_t> value) { return value ? std::to_string(*value) : "null"; }
std::string boolText(bool value) { return value ? "true" : "false"; }

void statsMembers(std::string& out, const ResultStats& s)
{
    out += "\"games\": " + std::to_string(s.games) + ", \"net\": " + std::to_string(s.net) +
           ", \"net_showdown\": " + std::to_string(s.netShowdown) + ", \"net_non_showdown\": " +
           std::to_string(s.netNonShowdown) + ", \"net_bb\": " + twoDecimalsText(s.netBb) +
           ", \"bb100\": " + twoDecimalsText(s.bb100()) + ", \"vpip\": " + hundredthsText(s.vpip * 100, s.games) +
           ", \"pfr\": " + hundredthsText(s.pfr * 100, s.games) + ", \"three_bet\": " +
           hundredthsText(s.threeBet * 100, s.threeBetChance) + ", \"af\": " + hundredthsText(s.betsRaises, s.calls) +
           ", \"wtsd\": " + hundredthsText(s.showdown * 100, s.sawFlop) + ", \"wsd\": " +
           hundredthsText(s.wonShowdown * 100, s.showdown);
}

template <typename Rows, typename Write>
void array(std::string& out, const char* key, const Rows& rows, Write write)
{
    out += ",\n  \"" + std::string(key) + "\": [";
    bool first = true;
    for (const auto& row : rows) {
        out += first ? "\n    {" : ",\n    {";
        first = false;
        write(row);
        out += "}";
    }
    out += first ? "]" : "\n  ]";
}

std::string unitText(MoneyUnit unit) { return jsonString(unitName(unit)); }

} // namespace

std::string hundredthsText(std::int64_t count, std::int64_t base)
{
    if (base == 0)
        return "null";
    // Half away from zero on the exact quotient count * 100 / base.
    const bool negative = (count < 0) != (base < 0);
    const auto n = static_cast<std::uint64_t>(count < 0 ? -count : count) * 100;
    const auto d = static_cast<std::uint64_t>(base < 0 ? -base : base);
    std::uint64_t q = n / d;
    if ((n % d) * 2 >= d)
        ++q;
    const auto value = static_cast<std::int64_t>(q);
    return hundredthsOf(negative ? -value : value);
}

std::string twoDecimalsText(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return "null";
    return hundredthsOf(static_cast<std::int64_t>(std::round(*value * 100.0)));
}

std::string resultsJson(const ResultsReport& report, const HomeResults& home, std::span<const GameResult> games,
                        bool withGames)
{
    std::string out = "{\n  \"totals\": {";
    bool first = true;
    for (const UnitStats& t : report.totals) {
        out += (first ? "\n    " : ",\n    ") + unitText(t.unit) + ": {";
        first = false;
        statsMembers(out, t.stats);
        out += "}";
    }
    out += first ? "}" : "\n  }";
    array(out, "by_position", report.byPosition, [&](const PositionStats& row) {
        out += "\"currency\": " + unitText(row.unit) + ", \"position\": " +
               (row.position == Position::None ? std::string("null") : jsonString(positionName(row.position))) + ", ";
        statsMembers(out, row.stats);
    });
    array(out, "by_stakes", report.byStakes, [&](const StakesStats& row) {
        out += "\"currency\": " + unitText(row.unit) + ", \"big_blind\": " + std::to_string(row.bigBlind) + ", ";
        statsMembers(out, row.stats);
    });
    array(out, "sessions", report.sessions, [&](const Session& s) {
        out += "\"currency\": " + unitText(s.unit) + ", \"start\": " + jsonString(formatCivilTime(s.start)) +
               ", \"end\": " + jsonString(formatCivilTime(s.end)) + ", \"minutes\": " +
               std::to_string((s.end - s.start) / 60) + ", \"games\": " + std::to_string(s.games) +
               ", \"net\": " + std::to_string(s.net) + ", \"net_bb\": " + twoDecimalsText(s.netBb) +
               ", \"bb100\": " + twoDecimalsText(s.bb100());
    });
    array(out, "tournaments", report.tournaments, [&](const TournamentResult& t) {
        const auto& s = t.summary;
        out += "\"tournament\": " + std::to_string(t.tournament) + ", \"games\": " + std::to_string(t.games) +
               ", \"chips_won\": " + std::to_string(t.chipsWon) + ", \"chips_lost\": " + std::to_string(t.chipsLost) +
               ", \"currency\": " + (s ? unitText(s->unit) : "null") +
               ", \"buy_in\": " + nullable(s ? std::optional(s->buyIn) : std::nullopt) +
               ", \"place\": " + nullable(s && s->place > 0 ? std::optional<std::int64_t>(s->place) : std::nullopt) +
               ", \"prize\": " + nullable(s ? std::optional(s->prize) : std::nullopt) +
               ", \"roi\": " + (s ? hundredthsText((s->prize - s->buyIn) * 100, s->buyIn) : "null");
    });
    array(out, "tournament_totals", report.tournamentTotals, [&](const TournamentTotals& t) {
        out += "\"currency\": " + unitText(t.unit) + ", \"tournaments\": " + std::to_string(t.tournaments) +
               ", \"buy_ins\": " + std::to_string(t.buyIns) + ", \"prizes\": " + std::to_string(t.prizes) +
               ", \"itm\": " + hundredthsText(t.inTheMoney * 100, t.tournaments) +
               ", \"roi\": " + hundredthsText((t.prizes - t.buyIns) * 100, t.buyIns);
    });
    out += ",\n  \"unbalanced\": " + std::to_string(home.unbalanced);
    array(out, "unreadable", home.unreadable, [&](const UnreadableGame& g) {
        out += "\"game\": " + std::to_string(g.game) + ", \"line\": " + std::to_string(g.line) +
               ", \"reason\": " + jsonString(g.reason);
    });
    if (withGames)
        array(out, "games", games, [&](const GameResult& g) {
            out += "\"game\": " + std::to_string(g.game) + ", \"tournament\": " +
                   (g.tournament == 0 ? std::string("null") : std::to_string(g.tournament)) +
                   ", \"time\": " + jsonString(formatCivilTime(g.time)) + ", \"currency\": " + unitText(g.unit) +
                   ", \"big_blind\": " + std::to_string(g.bigBlind) + ", \"players\": " + std::to_string(g.players) +
                   ", \"position\": " +
                   (g.position == Position::None ? std::string("null") : jsonString(positionName(g.position))) +
                   ", \"invested\": " + std::to_string(g.invested) + ", \"collected\": " + std::to_string(g.collected) +
                   ", \"net\": " + std::to_string(g.net) + ", \"rake\": " + std::to_string(g.rake) +
                   ", \"bounty\": " + std::to_string(g.bounty) + ", \"vpip\": " + boolText(g.vpip) +
                   ", \"pfr\": " + boolText(g.pfr) + ", \"three_bet\": " + boolText(g.threeBet) +
                   ", \"three_bet_chance\": " + boolText(g.threeBetChance) + ", \"saw_flop\": " + boolText(g.sawFlop) +
                   ", \"showdown\": " + boolText(g.showdown) + ", \"won_showdown\": " + boolText(g.wonShowdown) +
                   ", \"allin_street\": " +
                   (g.allinStreet == BettingStreet::None ? std::string("null") : jsonString(streetName(g.allinStreet))) +
                   ", \"balanced\": " + boolText(g.balanced);
        });
    out += "\n}\n";
    return out;
}

} // namespace tallyhand::cli
