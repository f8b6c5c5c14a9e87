#include "preflop/PreflopChart.h"

#include "cards/CardText.h"
#include "preflop/HandCalculation.h"
#include "preflop/Sklansky.h"

namespace tallyhand {

Rgb preflopCellColour(std::string_view cellText)
{
    if (cellText.empty())
        return kWhite;
    // "C2", "C3" and "C4" count as calls like "C".
    if (cellText.front() == 'R')
        return kRed;
    if (cellText.front() == 'C')
        return kYellow;
    return kBlue;
}

PreflopChart fillPreflopChart(const std::string& hole1, const std::string& hole2)
{
    PreflopChart chart;
    const auto a = parseCardText(hole1);
    const auto b = parseCardText(hole2);
    if (a && b && *a != *b) {
        const SklanskyEntry& e = sklanskyEntry(*a, *b);
        std::size_t tightToken = 0;
        for (std::size_t c = 0; c < 16; ++c) {
            if (!e.loose.empty())
                chart.cells[0][c] = e.loose.substr(2 * c, 2);
            if (c != 7 && !e.tight.empty())
                chart.cells[1][c] = e.tight.substr(2 * tightToken++, 2);
        }
    }
    for (std::size_t r = 0; r < 2; ++r)
        for (std::size_t c = 0; c < 16; ++c)
            chart.colours[r][c] = preflopCellColour(chart.cells[r][c]);
    return chart;
}

} // namespace tallyhand
