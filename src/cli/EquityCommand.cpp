// tallyhand-cli equity: win and split chances of known hands, by random boards
// or by every possible board.
#include "cards/CardText.h"
#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/Report.h"
#include "preflop/SimulationInput.h"
#include "preflop/SimulationResults.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>

namespace tallyhand::cli {
namespace {

// Cards written as "AhKd", "Ah Kd", "AHerz,KPik" or "AHerz KPik".
std::optional<std::vector<Card>> parseCards(const std::string& text)
{
    std::vector<Card> cards;
    std::string token;
    auto flush = [&]() -> bool {
        if (token.empty())
            return true;
        if (const auto c = parseCardText(token)) {
            cards.push_back(*c);
        } else {
            if (token.size() % 2 != 0)
                return false;
            for (std::size_t i = 0; i < token.size(); i += 2) {
                const auto h = parseHistoryCard(std::string_view(token).substr(i, 2));
                if (!h)
                    return false;
                cards.push_back(*h);
            }
        }
        token.clear();
        return true;
    };
    for (char c : text) {
        if (c == ',' || c == ' ') {
            if (!flush())
                return std::nullopt;
        } else {
            token += c;
        }
    }
    if (!flush())
        return std::nullopt;
    return cards;
}

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

struct EquityOptions {
    std::optional<std::int64_t> deals;
    std::optional<std::string> board;
    bool exact = false;
    std::optional<std::uint64_t> seed;
    bool json = false;
    std::vector<std::string> hands;
};

int runEquity(const EquityOptions& o)
{
    const std::vector<std::string>& args = o.hands;
    const bool json = o.json;
    const bool exact = o.exact;
    const bool hasDeals = o.deals.has_value();
    const bool hasBoard = o.board.has_value();
    const std::string boardText = o.board.value_or("");

    SimulationOptions options;
    if (hasDeals)
        options.deals = static_cast<std::uint64_t>(*o.deals);
    options.seed = o.seed.value_or(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));

    // Rows in the hole-card list form, so that the checks and messages are the window's.
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto cards = parseCards(args[i]);
        if (!cards || cards->size() != 2) {
            std::cerr << "Hand " << i + 1 << ": \u201E" << args[i]
                      << "\u201C sind nicht zwei Karten (Beispiel: AhKd oder AHerz,KPik).\n";
            return 1;
        }
        rows.push_back("[" + historyCardText((*cards)[0]) + " " + historyCardText((*cards)[1]) + "]");
    }
    std::vector<std::string> board;
    if (hasBoard) {
        const auto cards = parseCards(boardText);
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

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<EquityOptions>();
    command.add_option("--deals", o->deals, "so viele zufällige Boards statt aller")
        ->type_name("N")
        ->check(wholeNumber(1, std::numeric_limits<std::int32_t>::max()));
    command.add_option("--board", o->board, "bekannte Boardkarten, z. B. 2h7s9d oder 2Herz,7Pik,9Karo")
        ->type_name("KARTEN");
    command.add_flag("--exact", o->exact, "zählt jedes mögliche Board");
    command.add_option("--seed", o->seed, "Startwert der Zufallsboards")->type_name("S")->check(unsignedNumber());
    command.add_flag("--json", o->json, "gibt ein JSON-Objekt aus");
    command.add_option("HAND", o->hands, "je zwei Karten, z. B. AhKd oder AHerz,KPik");
    return [o] { return runEquity(*o); };
}

const RegisterCommand registration("equity", "Gewinn- und Splitchancen bekannter Hände", declare);

} // namespace
} // namespace tallyhand::cli
