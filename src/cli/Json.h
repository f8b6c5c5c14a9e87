#pragma once

#include "stats/ChartSeries.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallyhand::cli {

// A JSON string literal: valid UTF-8 passes through, other bytes are read as
// Windows-1252, so the output is always valid JSON.
std::string jsonString(std::string_view text);

// An array of the rows of a list or memo, each a JSON string.
std::string jsonRows(const std::vector<std::string>& rows);

// A chart series: [{"label": …, "value": …, "color": "#rrggbb"}, …]; a point
// without a colour has no "color". Whole values are written without a fraction.
std::string jsonSeries(const ChartSeries& series);

} // namespace tallyhand::cli
