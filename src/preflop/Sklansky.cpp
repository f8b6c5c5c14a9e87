#include "preflop/Sklansky.h"

#include "cards/CardText.h"
#include "cards/NumberFormat.h"

#include <algorithm>
#include <cassert>
#include <sstream>
#include <stdexcept>

namespace tallyhand {
namespace {

// Row and column run A, K, ..., 2. Above the diagonal the suited hand, below it
// the offsuit hand, on it the pair; "group/percentage", "-" for neither.
constexpr std::array<std::string_view, 13> kGroupRows{
    "1/31.00 1/20.19 2/18.66 2/17.47 3/16.63 5/14.60 5/13.89 5/13.35 5/12.97 5/13.43 5/13.17 5/13.07 5/12.69", // A
    "2/16.67 1/26.02 2/18.08 3/17.05 4/15.84 5/13.82 7/12.77 7/12.23 7/11.84 7/11.57 7/11.40 7/11.26 7/11.27", // K
    "3/14.87 4/14.43 1/22.03 3/16.58 - - 7/12.42 - - - - - -",                                                 // Q
    "4/13.45 5/13.18 5/12.89 1/19.09 3/15.78 4/13.80 6/12.47 8/11.12 - - - - -",                               // J
    "6/12.43 6/12.23 6/11.99 5/12.13 2/16.83 4/14.07 5/12.73 7/11.47 - - - - -",                               // T
    "8/10.20 8/9.93 8/9.81 7/9.99 7/10.38 3/15.29 4/12.63 5/11.74 8/10.65 - - - -",                            // 9
    "- - - 8/0.00 8/0.00 7/8.97 4/14.16 5/12.02 6/11.16 8/10.12 - - -",                                        // 8
    "- - - - - - 8/0.00 5/13.36 5/11.47 6/10.69 8/9.74 - -",                                                   // 7
    "- - - - - - - 8/0.00 6/12.77 5/11.13 7/10.44 - -",                                                        // 6
    "- - - - - - - - 8/0.00 6/12.15 6/10.90 7/10.18 -",                                                        // 5
    "- - - - - - - - - 8/0.00 7/11.94 7/9.81 8/0.00",                                                          // 4
    "- - - - - - - - - - 8/0.00 7/11.93 8/0.00",                                                               // 3
    "- - - - - - - - - - - - 7/11.86",                                                                         // 2
};

struct ChartRows {
    std::string_view hands;
    std::string_view loose; // 16 cells separated by "|"
    std::string_view tight; // 16 cells, "-" in column 8 which has no token
};

constexpr std::array<ChartRows, 29> kChartRows{{
    {"AA, AKs, KK, QQ", "R|R|R|R|R|R|R|R|R|R|R|R|R|R|R|R", "R|R|R|R|R|R|R|-|R|R|R|R|R|R|R|R"},
    {"AKo, JJ, TT", "R|R|C|R|R|C|R|R|R|C4|R|R||R|R|", "R|R||R|R||R|-|R||R|R||R|R|"},
    {"AQs", "R|R|C|R|R|C|R|R|C|C4|R|R||R|R|", "R|C||R|C||R|-|C||R|C||R|C|"},
    {"AQo", "R|R||R|R||R|C|||R|C||R|C|", "R|||R|||R|-|||R|||R|C|"},
    {"AJs", "R|C|C|R|C|C|R|R|C|C4|R|R||R|R|", "R|C||R|C||R|-|C||R|C||R|C|"},
    {"AJo", "C|||C|||R||||C|||x|C|", "C|||R|||R|-|||C|||x|C|"},
    {"ATs, KJs", "R|C||R|C||R|C|||R|C||R|C|", "C|||R|||R|-|||R|||R|C|"},
    {"ATo", "C|||C|||C||||C|||x||", "|||C|||R|-|||C|||x|C|"},
    {"A9s, A8s", "C|||C|||R|C|||C|||x|C|", "|||C|||R|-|||C|||x|C|"},
    {"A7s, A6s, A5s, A4s, A3s, A2s, 98s", "C|||C|||C|C|||C|||x|C|", "|||C|||C|-|||C|||x|C|"},
    {"KQs", "R|C|C|R|C|C|R|R|C|C4|R|R||R|R|", "C|C||R|C||R|-|C||R|C||R|C|"},
    {"KQo", "R|||R|||R||||C|||x|C|", "C|||R|||R|-|||C|C||x|C|"},
    {"KJo", "C|||C|||C||||C|||x||", "|||C|||C|-|||C|||x|C|"},
    {"KTs", "C|C||C|C||R|C|||C|C||x|C|", "C|||C|||R|-|||R|||R|C|"},
    {"KTo, QJo, QTo, JTo", "||||||C||||C|||x||", "||||||C|-|||C|||x|C|"},
    {"K9s", "C|||C|||R||||C|||x|C|", "|||C|||C|-|||C|||x|C|"},
    {"K8s, K7s, K6s, K5s, K4s, K3s, K2s, Q8s, J8s, J7s", "||||||C||||C|||x|C|", "|||||||-||||||x||"},
    {"QJs", "C|C||C|C||R|C|C3||C|C||x|C|", "C|||C|||R|-|C3||C|C||x|C|"},
    {"QTs", "C|||C|||C|C|||C|||x|C|", "C|||C|||C|-|||C|C||x|C|"},
    {"Q9s, J9s", "C|||C|||C||||C|||x|C|", "|||C|||C|-|||C|||x|C|"},
    {"JTs", "C|C||C|C||C|C|C3||C|C||x|C|", "C|||C|||C|-|C3||C|C||x|C|"},
    {"T9s", "C|||C|||C|C|C3||C|||x|C|", "|||C|||C|-|C3||C|||x|C|"},
    {"T8s, 97s, 86s, 75s, 64s, 53s, 43s", "||||||C||||C|||x|C|", "|||||||-|||C|||x||"},
    {"99", "R|R||R|R||R|C|C3||R|C||R|C|", "C|||R|||R|-|C3||R|C2||R|C|"},
    {"88", "C|C||C|C||R|C|C3||C|C||x|C|", "C|||C|||C|-|C3||C|C2||x|C|"},
    {"87s, 76s", "||||||C|C|||C|||x|C|", "||||||C|-|||C|||x|C|"},
    {"77", "C|C||C|C||C|C|C3||C|C||x|C|", "C|||C|||C|-|C3||C|C2||x|C|"},
    {"66, 55, 44, 33, 22", "C|C||C|C||C|C|C3||C|C||x|C|", "|||C|||C|-|C3||C|C2||x|C|"},
    {"65s, 54s", "||||||C||||C|||x|C|", "||||||C|-|||C|||x|C|"},
}};

constexpr std::string_view kRowRanks{"AKQJT98765432"};

// Each cell becomes a two-character token; the tight row's column 8 has none.
std::string tokenText(std::string_view cells, bool tight)
{
    std::string text;
    int column = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = cells.find('|', start);
        const std::string_view cell = cells.substr(start, bar == std::string_view::npos ? bar : bar - start);
        ++column;
        if (!(tight && column == 8)) {
            assert(cell.size() <= 2);
            text += cell;
            text.append(2 - cell.size(), ' ');
        }
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    assert(column == 16);
    return text;
}

int parseHundredths(std::string_view text)
{
    int value = 0;
    for (char c : text)
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    return value;
}

} // namespace

SklanskyTable::SklanskyTable()
{
    for (std::size_t row = 0; row < kGroupRows.size(); ++row) {
        std::istringstream cells{std::string(kGroupRows[row])};
        std::string cell;
        const int rowRank = rankValueOfChar(kRowRanks[row]);
        for (std::size_t col = 0; col < kRowRanks.size() && cells >> cell; ++col) {
            if (cell == "-")
                continue;
            const int colRank = rankValueOfChar(kRowRanks[col]);
            const auto slash = cell.find('/');
            const int kind = col > row ? kSuited : kOffsuit;
            SklanskyEntry& e = slot(std::max(rowRank, colRank), std::min(rowRank, colRank), kind);
            e.num = std::stoi(cell.substr(0, slash));
            e.wahrHundredths = parseHundredths(std::string_view(cell).substr(slash + 1));
        }
    }
    for (const ChartRows& rows : kChartRows) {
        std::string_view hands = rows.hands;
        while (!hands.empty()) {
            const std::size_t comma = hands.find(',');
            const std::string_view hand = hands.substr(0, comma);
            hands = comma == std::string_view::npos ? std::string_view{} : hands.substr(comma + 2);
            const int r1 = rankValueOfChar(hand[0]);
            const int r2 = rankValueOfChar(hand[1]);
            const int kind = hand.size() == 3 && hand[2] == 's' ? kSuited : kOffsuit;
            SklanskyEntry& e = slot(r1, r2, kind);
            e.loose = tokenText(rows.loose, false);
            e.tight = tokenText(rows.tight, true);
        }
    }
    // The table answers both orders of the two ranks alike.
    for (int a = kMaxRank; a >= 3; --a)
        for (int b = a - 1; b >= kMinRank; --b)
            for (int kind : {kSuited, kOffsuit})
                slot(b, a, kind) = slot(a, b, kind);
}

SklanskyEntry& SklanskyTable::slot(int rank1, int rank2, int kind)
{
    return m_entries[static_cast<std::size_t>(rank1 - kMinRank)][static_cast<std::size_t>(rank2 - kMinRank)]
                    [static_cast<std::size_t>(kind - 1)];
}

const SklanskyEntry& SklanskyTable::at(int rank1, int rank2, int kind) const
{
    if (rank1 < kMinRank || rank1 > kMaxRank || rank2 < kMinRank || rank2 > kMaxRank ||
        (kind != kSuited && kind != kOffsuit))
        throw std::out_of_range("Sklansky table index");
    return m_entries[static_cast<std::size_t>(rank1 - kMinRank)][static_cast<std::size_t>(rank2 - kMinRank)]
                    [static_cast<std::size_t>(kind - 1)];
}

const SklanskyTable& sklanskyTable()
{
    static const SklanskyTable table;
    return table;
}

int sklanskyKind(Card a, Card b)
{
    if (rankOf(a) == rankOf(b))
        return kOffsuit;
    return suitOf(a) == suitOf(b) ? kSuited : kOffsuit;
}

const SklanskyEntry& sklanskyEntry(Card a, Card b)
{
    return sklanskyTable().at(rankOf(a), rankOf(b), sklanskyKind(a, b));
}

int sklanskyGroupOf(std::string_view card1, std::string_view card2)
{
    const auto a = parseCardText(card1);
    const auto b = parseCardText(card2);
    if (!a || !b || *a == *b)
        return 0;
    return sklanskyEntry(*a, *b).num;
}

std::optional<PreflopRating> preflopRating(std::optional<Card> hole1, std::optional<Card> hole2,
                                           char decimalSeparator)
{
    if (!hole1 || !hole2 || *hole1 == *hole2)
        return std::nullopt;
    const SklanskyEntry& e = sklanskyEntry(*hole1, *hole2);
    return PreflopRating{std::to_string(e.num), formatGeneral(e.wahr(), decimalSeparator) + "%"};
}

} // namespace tallyhand
