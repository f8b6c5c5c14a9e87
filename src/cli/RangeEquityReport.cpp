#include "cli/RangeEquityReport.h"

#include "cards/CardText.h"
#include "cli/Json.h"
#include "preflop/SimulationResults.h"

#include <cstdio>
#include <iostream>

namespace tallyhand::cli {

namespace {

bool isRange(const HandRange& range) { return !(range.single && range.hands.size() == 1); }

std::string percentOf(const EquityCounts& c, std::uint64_t part, char separator)
{
    return simulationPercent(part, c.deals, separator);
}

std::string equityPercent(const EquityCounts& c, char separator)
{
    return simulationPercent(c.shares, c.deals * kShareUnit, separator);
}

std::string withSeparator(std::string text, char separator)
{
    for (char& ch : text)
        if (ch == '.')
            ch = separator;
    return text;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string jsonCounts(const EquityCounts& c)
{
    return "\"deals\": " + std::to_string(c.deals) + ", \"wins\": " + std::to_string(c.wins) +
           ", \"ties\": " + std::to_string(c.ties) + ", \"equity\": " + number(c.equity());
}

void printJson(const RangeSetup& setup, const std::vector<std::string>& written, const RangeEquityResult& result)
{
    std::cout << "{\"deals\": " << result.deals << ", \"exact\": " << (result.exact ? "true" : "false")
              << ", \"players\": [";
    for (std::size_t p = 0; p < setup.players.size(); ++p) {
        const PlayerEquity& pe = result.players[p];
        std::cout << (p ? ", " : "") << "{";
        if (isRange(setup.players[p])) {
            std::cout << "\"range\": " << jsonString(written[p])
                      << ", \"hands\": " << setup.players[p].hands.size() << ", ";
        } else {
            const auto& h = setup.players[p].hands[0].cards;
            std::cout << "\"hand\": " << jsonString(historyCardText(h[0]) + historyCardText(h[1])) << ", ";
        }
        std::cout << jsonCounts(pe.total);
        if (!result.exact)
            std::cout << ", \"standard_error\": " << number(pe.standardError);
        if (isRange(setup.players[p])) {
            std::cout << ", \"classes\": [";
            bool first = true;
            for (int cls = 0; cls < kStartingClassCount; ++cls) {
                const EquityCounts& c = pe.byClass[static_cast<std::size_t>(cls)];
                if (c.deals == 0)
                    continue;
                std::cout << (first ? "" : ", ") << "{\"class\": " << jsonString(startingClassName(cls)) << ", "
                          << jsonCounts(c) << "}";
                first = false;
            }
            std::cout << "]";
        }
        std::cout << "}";
    }
    std::cout << "]}\n";
}

void printText(const RangeSetup& setup, const std::vector<std::string>& written, const RangeEquityResult& result,
               char separator)
{
    if (result.exact)
        std::cout << "Exakt: jede Verteilung der Hände und jedes Board gezählt (" << result.deals
                  << " gewichtete Deals)\n";
    else
        std::cout << "Zufällige Deals: " << result.deals << " (Equity \u00B1 Standardfehler)\n";
    std::cout << "Spieler  Equity %  Gewinn %   Split %  Hände\n";
    for (std::size_t p = 0; p < setup.players.size(); ++p) {
        const EquityCounts& c = result.players[p].total;
        char line[160];
        std::snprintf(line, sizeof line, "%-7zu %9s %9s %9s  %s", p + 1, equityPercent(c, separator).c_str(),
                      percentOf(c, c.wins, separator).c_str(), percentOf(c, c.ties, separator).c_str(),
                      written[p].c_str());
        std::cout << line;
        if (!result.exact) {
            char se[32];
            std::snprintf(se, sizeof se, "  \u00B1%.2f", 100 * result.players[p].standardError);
            std::cout << withSeparator(se, separator);
        }
        std::cout << '\n';
    }
    for (std::size_t p = 0; p < setup.players.size(); ++p) {
        if (!isRange(setup.players[p]))
            continue;
        std::cout << "\nSpieler " << p + 1 << " nach Klassen (Equity %, Anteil der Deals %)\n";
        for (int cls = 0; cls < kStartingClassCount; ++cls) {
            const EquityCounts& c = result.players[p].byClass[static_cast<std::size_t>(cls)];
            if (c.deals == 0)
                continue;
            char line[96];
            std::snprintf(line, sizeof line, "  %-4s %9s %9s", startingClassName(cls).c_str(),
                          equityPercent(c, separator).c_str(),
                          simulationPercent(c.deals, result.players[p].total.deals, separator).c_str());
            std::cout << line << '\n';
        }
    }
}

} // namespace

void printRangeEquity(const RangeSetup& setup, const std::vector<std::string>& written,
                      const RangeEquityResult& result, bool json, char decimalSeparator)
{
    if (json)
        printJson(setup, written, result);
    else
        printText(setup, written, result, decimalSeparator);
}

} // namespace tallyhand::cli
