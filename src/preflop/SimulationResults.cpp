#include "preflop/SimulationResults.h"

#include <array>
#include <cstdio>

namespace tallyhand {

const std::vector<std::string>& simulationHeadings()
{
    static const std::vector<std::string> headings{"RF", "SF", "Q", "FH", "FL", "ST", "TR", "Two", "One", "HC", "Total"};
    return headings;
}

std::string simulationPercent(std::uint64_t value, std::uint64_t count, char decimalSeparator)
{
    const double percent = count == 0 ? 0.0 : 100.0 * static_cast<double>(value) / static_cast<double>(count);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", percent);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

SimulationView showSimulationResults(const SimulationCounters& counters, const std::vector<std::string>& rows,
                                     NumberChoice choice, char decimalSeparator)
{
    SimulationView view;
    const std::uint64_t count = counters.deals;
    auto number = [&](std::uint64_t value) {
        return choice == NumberChoice::Absolute ? std::to_string(value)
                                                : simulationPercent(value, count, decimalSeparator);
    };
    // Rows beyond the counted players read as zero.
    auto counter = [](const auto& array, std::size_t p) -> std::uint64_t { return p < array.size() ? array[p] : 0; };

    view.headings = simulationHeadings();
    const std::size_t n = rows.size();
    for (std::size_t p = 0; p < n; ++p)
        view.resultLines.push_back(simulationPercent(counter(counters.wins, p), count, decimalSeparator) + "/" +
                                   simulationPercent(counter(counters.splits, p), count, decimalSeparator));

    auto grid = [&](const auto& byCategory, const auto& totals) {
        std::vector<std::vector<std::string>> cells(n + 1, std::vector<std::string>(12));
        for (std::size_t c = 0; c < view.headings.size(); ++c)
            cells[0][c + 1] = view.headings[c];
        for (std::size_t p = 0; p < n; ++p) {
            const std::string& row = rows[p];
            const std::size_t open = row.find('[');
            cells[p + 1][0] = open == std::string::npos ? row.substr(0, 5) : row.substr(open + 1, 5);
            for (std::size_t c = 0; c < static_cast<std::size_t>(kSimulationCategories); ++c)
                cells[p + 1][c + 1] = number(p < byCategory.size() ? byCategory[p][c] : 0);
            cells[p + 1][11] = number(counter(totals, p));
        }
        return cells;
    };
    view.winGrid = grid(counters.winsByCategory, counters.wins);
    view.splitGrid = grid(counters.splitsByCategory, counters.splits);
    return view;
}

std::string drawTestText(const UniformBelow& below)
{
    std::array<std::array<std::uint64_t, 6>, 16> counts{};
    for (int i = 0; i < 1000000 * 5; ++i) {
        const std::uint32_t rank = 2 + below(13);
        const std::uint32_t suit = 1 + below(4);
        ++counts[rank][suit];
    }
    std::string text;
    for (std::size_t rank = 0; rank <= 15; ++rank) {
        for (std::size_t suit = 1; suit <= 5; ++suit)
            text += " " + std::to_string(counts[rank][suit]);
        text += "\r\n";
    }
    return text;
}

} // namespace tallyhand
