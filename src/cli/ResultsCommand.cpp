// tallyhand-cli results: what the player won, where and how.
#include "cli/Command.h"
#include "cli/DatabaseHome.h"
#include "cli/ResultsJson.h"
#include "stats/HomeResults.h"
#include "stats/ResultsReport.h"
#include "store/StoreImport.h"
#include "store/StoredResults.h"

#include <cstdio>
#include <iostream>
#include <limits>
#include <memory>

namespace tallyhand::cli {
namespace {

// "YYYY-MM-DD", optionally with " HH:MM:SS"; a bare date means its first
// second (or, as the end of a range, its last).
std::optional<std::int64_t> parseDate(const std::string& text, bool endOfDay)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) == 6) {
        if (h > 23 || mi > 59 || s > 59)
            return std::nullopt;
    } else if (text.size() == 10 && std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &mo, &d, &tail) == 3) {
        if (endOfDay) {
            h = 23;
            mi = 59;
            s = 59;
        }
    } else {
        return std::nullopt;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31)
        return std::nullopt;
    return civilSeconds(y, mo, d, h, mi, s);
}

std::string money(std::int64_t amount, MoneyUnit unit)
{
    if (unit == MoneyUnit::Chips || unit == MoneyUnit::Play)
        return std::to_string(amount) + " " + std::string(unitName(unit));
    return hundredthsText(amount, 100) + " " + std::string(unitName(unit));
}

// A figure of the text form: "-" where the JSON says null.
std::string figure(const std::string& value, const char* suffix = "")
{
    return value == "null" ? "-" : value + suffix;
}

std::string statsLine(const ResultStats& s, MoneyUnit unit)
{
    return std::to_string(s.games) + " Spiele, Gewinn " + money(s.net, unit) + " (ohne Showdown " +
           money(s.netNonShowdown, unit) + ", mit Showdown " + money(s.netShowdown, unit) + "), " +
           figure(twoDecimalsText(s.bb100()), " bb/100") + ", VPIP " + figure(hundredthsText(s.vpip * 100, s.games), " %") +
           ", PFR " + figure(hundredthsText(s.pfr * 100, s.games), " %") + ", 3-Bet " +
           figure(hundredthsText(s.threeBet * 100, s.threeBetChance), " %") + ", AF " +
           figure(hundredthsText(s.betsRaises, s.calls)) + ", WTSD " +
           figure(hundredthsText(s.showdown * 100, s.sawFlop), " %") + ", W$SD " +
           figure(hundredthsText(s.wonShowdown * 100, s.showdown), " %");
}

void printText(const ResultsReport& report, const HomeResults& home, std::span<const GameResult> games, bool withGames)
{
    std::cout << "Summen\n";
    for (const UnitStats& t : report.totals)
        std::cout << "  " << unitName(t.unit) << ": " << statsLine(t.stats, t.unit) << '\n';
    std::cout << "Nach Position\n";
    for (const PositionStats& row : report.byPosition)
        std::cout << "  " << unitName(row.unit) << ' '
                  << (row.position == Position::None ? std::string_view("-") : positionName(row.position)) << ": "
                  << statsLine(row.stats, row.unit) << '\n';
    std::cout << "Nach Einsätzen\n";
    for (const StakesStats& row : report.byStakes)
        std::cout << "  " << unitName(row.unit) << " BB " << money(row.bigBlind, row.unit) << ": "
                  << statsLine(row.stats, row.unit) << '\n';
    std::cout << "Sessions\n";
    for (const Session& s : report.sessions)
        std::cout << "  " << formatCivilTime(s.start) << ", " << (s.end - s.start) / 60 << " min, " << s.games
                  << " Spiele, " << money(s.net, s.unit) << ", " << figure(twoDecimalsText(s.bb100()), " bb/100") << '\n';
    std::cout << "Turniere\n";
    for (const TournamentResult& t : report.tournaments) {
        std::cout << "  " << t.tournament << ": " << t.games << " Spiele, gewonnen " << t.chipsWon << ", verloren "
                  << t.chipsLost;
        if (const auto& s = t.summary)
            std::cout << ", Buy-in " << money(s->buyIn, s->unit) << ", Platz "
                      << (s->place > 0 ? std::to_string(s->place) : "?") << ", Preis " << money(s->prize, s->unit)
                      << ", ROI " << figure(hundredthsText((s->prize - s->buyIn) * 100, s->buyIn), " %");
        std::cout << '\n';
    }
    for (const TournamentTotals& t : report.tournamentTotals)
        std::cout << "  Gesamt " << unitName(t.unit) << ": " << t.tournaments << " Turniere, ITM "
                  << figure(hundredthsText(t.inTheMoney * 100, t.tournaments), " %") << ", ROI "
                  << figure(hundredthsText((t.prizes - t.buyIns) * 100, t.buyIns), " %") << '\n';
    if (home.unbalanced > 0)
        std::cout << "Beträge gehen nicht auf: " << home.unbalanced << " Spiele\n";
    for (const UnreadableGame& g : home.unreadable)
        std::cout << "Nicht lesbar: Spiel " << g.game << ", Zeile " << g.line << ": " << g.reason << '\n';
    if (withGames)
        for (const GameResult& g : games)
            std::cout << "  " << g.game << ' ' << formatCivilTime(g.time) << ' ' << unitName(g.unit) << ' '
                      << (g.position == Position::None ? std::string_view("-") : positionName(g.position)) << ' '
                      << money(g.net, g.unit) << (g.balanced ? "" : " (geht nicht auf)") << '\n';
}

struct ResultsOptions {
    std::string home;
    std::string from;
    std::string to;
    bool cash = false;
    bool tournaments = false;
    std::string currency;
    std::int64_t bigBlind = 0;
    std::int64_t players = -1;
    std::string position;
    bool games = false;
    bool json = false;
};

int results(const ResultsOptions& o)
{
    ResultsFilter filter;
    filter.from = o.from.empty() ? std::nullopt : parseDate(o.from, false);
    filter.to = o.to.empty() ? std::nullopt : parseDate(o.to, true);
    filter.kind = o.cash ? ResultsFilter::Kind::Cash
                         : o.tournaments ? ResultsFilter::Kind::Tournaments : ResultsFilter::Kind::All;
    if (MoneyUnit unit; !o.currency.empty() && unitFromName(o.currency, unit))
        filter.unit = unit;
    if (o.bigBlind > 0)
        filter.bigBlind = o.bigBlind;
    if (o.players >= 0)
        filter.players = static_cast<int>(o.players);
    if (Position position; !o.position.empty() && positionFromName(o.position, position))
        filter.position = position;

    const auto loaded = loadHome(o.home, false);
    if (!loaded)
        return 1;
    HomeResults results;
    try {
        // A database from before results were stored gets them now.
        bringResultsUpToDate(*loaded->store, loaded->userName);
        results = resultsOfStore(*loaded->store);
    } catch (const DatabaseError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    const ResultsReport report = buildResultsReport(
        results.games, filter, findTournamentSummaries(configuredHandPaths(o.home), loaded->userName));
    std::vector<GameResult> shown;
    if (o.games)
        for (const GameResult& g : results.games)
            if (filter.accepts(g))
                shown.push_back(g);
    if (o.json)
        std::cout << resultsJson(report, results, shown, o.games);
    else
        printText(report, results, shown, o.games);
    return 0;
}

CLI::Validator dateText(bool endOfDay)
{
    return CLI::Validator(
        [endOfDay](std::string& text) -> std::string {
            return parseDate(text, endOfDay) ? std::string() : "kein Datum JJJJ-MM-TT [HH:MM:SS]: " + text;
        },
        "");
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<ResultsOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini und data")->type_name("ORDNER")->required();
    command.add_option("--from", o->from, "erster Tag (Zeit des Kartenraums, ET)")->type_name("DATUM")->check(dateText(false));
    command.add_option("--to", o->to, "letzter Tag")->type_name("DATUM")->check(dateText(true));
    CLI::Option* cash = command.add_flag("--cash", o->cash, "nur Cash Games");
    CLI::Option* tournaments = command.add_flag("--tournaments", o->tournaments, "nur Turniere");
    cash->excludes(tournaments);
    command.add_option("--currency", o->currency, "nur Spiele dieser Einheit")
        ->type_name("C")
        ->check(oneOf({"USD", "EUR", "GBP", "INR", "chips", "play"}));
    command.add_option("--bb", o->bigBlind, "nur Spiele mit diesem Big Blind, in Cent oder Chips")
        ->type_name("N")
        ->transform(wholeNumber(1, std::numeric_limits<std::int64_t>::max()));
    command.add_option("--players", o->players, "nur Spiele mit so vielen Spielern")
        ->type_name("N")
        ->transform(wholeNumber(0, 10));
    command.add_option("--position", o->position, "nur Spiele aus dieser Position")
        ->type_name("P")
        ->check(oneOf({"SB", "BB", "UTG", "UTG+1", "UTG+2", "UTG+3", "LJ", "HJ", "CO", "BTN"}));
    command.add_flag("--games", o->games, "gibt auch jedes Spiel aus");
    command.add_flag("--json", o->json, "gibt ein JSON-Objekt aus");
    return [o] { return results(*o); };
}

const RegisterCommand registration("results", "was der Spieler gewann, wo und wie, auf den Cent genau", declare);

} // namespace
} // namespace tallyhand::cli
