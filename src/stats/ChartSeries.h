#pragma once

#include "cards/Colour.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyhand {

// One bar or pie slice as a chart shows it, in the order it was added. A slice
// without a colour takes the chart's own.
struct ChartPoint {
    std::string label;
    double value = 0;
    std::optional<Rgb> colour;

    bool operator==(const ChartPoint&) const = default;
};
using ChartSeries = std::vector<ChartPoint>;

} // namespace tallyhand
