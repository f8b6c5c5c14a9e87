#pragma once

#include "cards/Colour.h"

#include <array>
#include <string_view>

namespace tallyhand {

// Fixed cells of stg_preflop: row labels in column 0, headings in row 0 (columns 1..16).
inline constexpr std::array<std::string_view, 2> kPreflopRowLabels{"loose", "tight"};
inline constexpr std::array<std::string_view, 16> kPreflopHeadings{
    "NR", "R", "RR", "NR", "R", "RR", "NR", "R4", "R", "RR", "NR", "R", "RR", "NR", "R", "RR"};
// Table position of each chart column (1 Early .. 5 Big Blind).
inline constexpr std::array<int, 16> kPreflopColumnPosition{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 5, 5, 5};
inline constexpr std::array<std::string_view, 5> kPositionNames{
    "Early Position", "Middle Position", "Late Position", "Small Blind", "Big Blind"};

// Colour a chart cell is drawn in: "R..." red, "C..." yellow, empty white, anything else blue.
Rgb preflopCellColour(std::string_view cellText);

// Hutchinson thresholds of shp_hu11..shp_hu53 (position-major, situations NR, R, RR); 0 = always green.
inline constexpr std::array<int, 15> kHutchinsonThresholds{31, 35, 39, 28, 32, 39, 26, 30, 39, 26, 30, 39, 0, 30, 39};
// Chart column each shape stands above.
inline constexpr std::array<int, 15> kHutchinsonShapeColumn{1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16};

} // namespace tallyhand
