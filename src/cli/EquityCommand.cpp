// tallyhand-cli equity: win and split chances of known hands or ranges, by
// random boards or by every possible board.
#include "cards/CardList.h"
#include "cards/CardText.h"
#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/RangeEquityReport.h"
#include "cli/Report.h"
#include "preflop/RangeEquity.h"
#include "preflop/SimulationInput.h"
#include "preflop/SimulationResults.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>

namespace tallyhand::cli {
namespace {

std::string handText(const std::array<Card, 2>& hand) { return historyCardText(hand[0]) + historyCardText(hand[1]); }

std::string jsonCounts(const std::array<std::uint64_t, kSimulationCategories>& counts)
{
    std::string out = "[";
    for (std::size_t i = 0; i < counts.size(); ++i)
        out += (i ? ", " : "") + std::to_string(counts[i]);
    return out + "]";
}

void printJson(const SimulationSetup& setup, const SimulationCounters& counters, bool exact)
{
    std::cout << "{\"deals\": " << counters.deals << ", \"exact\": " << (exact ? "true" : "false")
              << ", \"players\": [";
    for (std::size_t p = 0; p < setup.hands.size(); ++p) {
        std::cout << (p ? ", " : "") << "{\"hand\": " << jsonString(handText(setup.hands[p]))
                  << ", \"wins\": " << counters.wins[p] << ", \"splits\": " << counters.splits[p]
                  << ", \"wins_by_category\": " << jsonCounts(counters.winsByCategory[p])
                  << ", \"splits_by_category\": " << jsonCounts(counters.splitsByCategory[p]) << "}";
    }
    std::cout << "]}\n";
}

void printGrid(const std::string& title, const std::vector<std::vector<std::string>>& grid)
{
    std::cout << '\n' << title << '\n';
    for (const auto& row : grid) {
        std::ostringstream line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line.width(c == 0 ? 6 : 9);
            line << row[c];
        }
        std::cout << line.str() << '\n';
    }
}

void printText(const SimulationSetup& setup, const SimulationCounters& counters, bool exact, char separator)
{
    std::vector<std::string> rows;
    for (const auto& hand : setup.hands)
        rows.push_back("[" + historyCardText(hand[0]) + " " + historyCardText(hand[1]) + "]");
    const auto percent = showSimulationResults(counters, rows, NumberChoice::Percent, separator);
    const auto absolute = showSimulationResults(counters, rows, NumberChoice::Absolute, separator);
    std::cout << (exact ? "Boards (exakt): " : "Deals: ") << counters.deals << '\n';
    std::cout << "Hand    Gewinn %   Split %\n";
    for (std::size_t p = 0; p < setup.hands.size(); ++p) {
        char line[64];
        std::snprintf(line, sizeof line, "%-6s %9s %9s", handText(setup.hands[p]).c_str(),
                      percent.winGrid[p + 1][11].c_str(), percent.splitGrid[p + 1][11].c_str());
        std::cout << line << '\n';
    }
    printGrid("Gewinne", absolute.winGrid);
    printGrid("Splits", absolute.splitGrid);
}

int runRanges(const Args& players, const std::string& boardText, const std::string& deadText,
              const SimulationOptions& simulation, bool json, bool forceExact, bool randomOnly)
{
    RangeSetup setup;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const RangeParse parsed = parseHandOrRange(players[i]);
        if (!parsed.ok()) {
            std::cerr << "Spieler " << i + 1 << ": " << parsed.error << '\n';
            return 1;
        }
        setup.players.push_back(parsed.range);
    }
    for (const auto& [text, to, what] : {std::tuple{&boardText, &setup.board, "Board"}, std::tuple{&deadText, &setup.dead, "Tote Karten"}}) {
        const auto cards = parseCardList(*text);
        if (!cards) {
            std::cerr << what << ": \u201E" << *text << "\u201C ist nicht lesbar (Beispiel: 2h7s9d oder 2Herz,7Pik,9Karo).\n";
            return 1;
        }
        *to = *cards;
    }
    RangeSetup checked = setup;
    if (const std::string error = prepareRangeSetup(checked); !error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    RangeEquityOptions options;
    options.seed = simulation.seed;
    // --deals asks for random deals, --exact for every deal; neither: exact when it fits a second.
    options.deals = simulation.deals;
    if (randomOnly)
        options.exactSeconds = 0;
    options.forceExact = forceExact;
    const RangeEquityResult result = runRangeEquity(checked, options);
    printRangeEquity(checked, players, result, json, processDecimalSeparator());
    return 0;
}

int runEquity(const Args& given)
{
    Args args = given;
    const bool json = takeFlag(args, "--json");
    const bool exact = takeFlag(args, "--exact");
    const bool hasDeals = std::find(args.begin(), args.end(), "--deals") != args.end();
    const bool hasBoard = std::find(args.begin(), args.end(), "--board") != args.end();
    const bool hasSeed = std::find(args.begin(), args.end(), "--seed") != args.end();
    const bool hasDead = std::find(args.begin(), args.end(), "--dead") != args.end();
    const std::string dealsText = takeOption(args, "--deals");
    const std::string boardText = takeOption(args, "--board");
    const std::string seedText = takeOption(args, "--seed");
    const std::string deadText = takeOption(args, "--dead");
    if ((hasDeals && dealsText.empty()) || (hasBoard && boardText.empty()) || (hasSeed && seedText.empty()) ||
        (hasDead && deadText.empty())) {
        std::cerr << "Fehlender Wert nach einer Option.\n";
        return 2;
    }
    for (const auto& a : args)
        if (a.rfind("--", 0) == 0) {
            std::cerr << "Unbekannte Option: " << a << '\n';
            return 2;
        }

    SimulationOptions options;
    if (hasDeals) {
        const DealCount count = dealCountFromText(dealsText);
        if (count.fellBack) {
            std::cerr << "Die Zahl der Deals muss eine ganze Zahl ab 1 sein: " << dealsText << '\n';
            return 2;
        }
        options.deals = count.count;
    }
    if (hasSeed) {
        try {
            options.seed = std::stoull(seedText);
        } catch (const std::exception&) {
            std::cerr << "Der Startwert muss eine ganze Zahl sein: " << seedText << '\n';
            return 2;
        }
    } else {
        options.seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }

    // Ranges (or dead cards) take their own road; known hands alone keep the
    // simulation's output.
    bool ranges = hasDead;
    for (const auto& a : args) {
        const auto cards = parseCardList(a);
        ranges = ranges || !cards || cards->size() != 2;
    }
    if (ranges)
        return runRanges(args, boardText, deadText, options, json, exact, hasDeals && !exact);

    // Rows in the hole-card list form, so that the checks and messages are the window's.
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto cards = parseCardList(args[i]);
        if (!cards || cards->size() != 2) {
            std::cerr << "Hand " << i + 1 << ": \u201E" << args[i]
                      << "\u201C sind nicht zwei Karten (Beispiel: AhKd oder AHerz,KPik).\n";
            return 1;
        }
        rows.push_back("[" + historyCardText((*cards)[0]) + " " + historyCardText((*cards)[1]) + "]");
    }
    std::vector<std::string> board;
    if (hasBoard) {
        const auto cards = parseCardList(boardText);
        if (!cards) {
            std::cerr << "Board: \u201E" << boardText << "\u201C ist nicht lesbar (Beispiel: 2h7s9d oder 2Herz,7Pik,9Karo).\n";
            return 1;
        }
        for (Card c : *cards)
            board.push_back(cardText(c));
    }
    const SimulationRequest request = prepareSimulation(rows, board);
    if (!request.ok()) {
        std::cerr << request.error << '\n';
        return 1;
    }

    // Without a number of deals every board is counted: that takes milliseconds
    // even for ten hands before the flop.
    const bool exactByDefault = !exact && !hasDeals;
    options.exact = exact || exactByDefault;
    const SimulationCounters counters = runSimulation(request.setup, options);
    if (json) {
        printJson(request.setup, counters, options.exact);
    } else {
        if (exactByDefault)
            std::cout << "Exakt: jedes Board gezählt, schneller als zufällige Deals (--deals N für eine Simulation)\n";
        printText(request.setup, counters, options.exact, processDecimalSeparator());
    }
    return 0;
}

const RegisterCommand registration(
    "equity", "equity [--deals N] [--board KARTEN] [--dead KARTEN] [--exact] [--seed S] [--json] HAND|RANGE...",
    runEquity);

} // namespace
} // namespace tallyhand::cli
