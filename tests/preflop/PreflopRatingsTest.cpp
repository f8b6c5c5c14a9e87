#include "cards/CardText.h"
#include "preflop/HandCalculation.h"
#include "preflop/PreflopChart.h"
#include "preflop/Sklansky.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace tallyhand;

namespace {

// The groups as listed hand by hand, independent of the table's own layout.
const std::map<int, std::string> kGroups{
    {1, "AA AKs KK QQ JJ"},
    {2, "AKo AQs AJs KQs TT"},
    {3, "AQo ATs KJs QJs JTs 99"},
    {4, "AJo KQo KTs J9s T9s 98s 88"},
    {5, "A9s A8s A7s A6s A5s A4s A3s A2s KJo K9s QJo JTo T8s 97s 87s 77 76s 65s"},
    {6, "ATo KTo QTo J8s 86s 75s 66 55 54s"},
    {7, "K8s K7s K6s K5s K4s K3s K2s Q8s J9o T9o T7s 98o 64s 53s 44 43s 33 22"},
    {8, "A9o K9o Q9o J8o J7s T8o 96s 87o 85s 76o 74s 65o 54o 43o 42s 32s"},
};

// Two card texts for a hand name like "AKs", "72o" or "99", first card first.
std::pair<std::string, std::string> cardsOf(const std::string& hand, bool swap = false)
{
    std::string a = std::string(1, hand[0]) + "Herz";
    std::string b = std::string(1, hand[1]) + (hand.size() == 3 && hand[2] == 's' ? "Herz" : "Pik");
    return swap ? std::pair{b, a} : std::pair{a, b};
}

std::vector<std::string> cells(const PreflopChart& chart, std::size_t row)
{
    return {chart.cells[row].begin(), chart.cells[row].end()};
}

} // namespace

TEST(Sklansky, GroupsMatchTheHandLists)
{
    std::map<std::tuple<int, int, int>, int> expected;
    for (const auto& [group, hands] : kGroups) {
        std::istringstream words(hands);
        std::string hand;
        while (words >> hand) {
            const int r1 = rankValueOfChar(hand[0]), r2 = rankValueOfChar(hand[1]);
            const int kind = hand.size() == 3 && hand[2] == 's' ? kSuited : kOffsuit;
            expected[{r1, r2, kind}] = group;
            expected[{r2, r1, kind}] = group;
        }
    }
    for (int a = 2; a <= 14; ++a)
        for (int b = 2; b <= 14; ++b)
            for (int kind : {kSuited, kOffsuit}) {
                const auto it = expected.find({a, b, kind});
                const SklanskyEntry& e = sklanskyTable().at(a, b, kind);
                EXPECT_EQ(e.num, it == expected.end() ? 0 : it->second) << a << ' ' << b << ' ' << kind;
                const SklanskyEntry& mirror = sklanskyTable().at(b, a, kind);
                EXPECT_EQ(e.num, mirror.num);
                EXPECT_EQ(e.wahrHundredths, mirror.wahrHundredths);
                EXPECT_EQ(e.loose, mirror.loose);
                EXPECT_EQ(e.tight, mirror.tight);
                if (!e.loose.empty()) {
                    EXPECT_EQ(e.loose.size(), 32u);
                    EXPECT_EQ(e.tight.size(), 30u);
                }
            }
    for (int r = 2; r <= 14; ++r) {
        const SklanskyEntry& suitedPair = sklanskyTable().at(r, r, kSuited);
        EXPECT_EQ(suitedPair.num, 0);
        EXPECT_TRUE(suitedPair.loose.empty());
    }
}

TEST(Sklansky, StoredRowsAndGroupOfCardTexts)
{
    const SklanskyEntry& ako = sklanskyTable().at(14, 13, kOffsuit);
    EXPECT_EQ(ako.loose, "R R C R R C R R R C4R R   R R   ");
    EXPECT_EQ(ako.tight, "R R   R R   R R   R R   R R   ");
    EXPECT_EQ(sklanskyGroupOf("QHerz", "TPik"), 6);
    EXPECT_EQ(sklanskyGroupOf("TPik", "QHerz"), 6);
    EXPECT_EQ(sklanskyGroupOf("QHerz", "THerz"), 0);
    EXPECT_EQ(sklanskyGroupOf("JHerz", "8Pik"), 8);
    EXPECT_EQ(sklanskyGroupOf("AHerz", "AHerz"), 0);
    EXPECT_EQ(sklanskyGroupOf("AH", "AKreuz"), 0);
}

TEST(PreflopRating, GroupAndPercentageTexts)
{
    auto rating = [](const char* a, const char* b, char sep = '.') {
        return preflopRating(parseCardText(a), parseCardText(b), sep);
    };
    EXPECT_EQ(rating("AHerz", "AKreuz")->group, "1");
    EXPECT_EQ(rating("AHerz", "AKreuz")->percent, "31%");
    EXPECT_EQ(rating("AHerz", "KHerz")->percent, "20.19%");
    EXPECT_EQ(rating("KHerz", "AHerz", ',')->percent, "20,19%");
    EXPECT_EQ(rating("KPik", "AHerz")->percent, "16.67%");
    EXPECT_EQ(rating("7Herz", "2Pik")->group, "0");
    EXPECT_EQ(rating("7Herz", "2Pik")->percent, "0%");
    EXPECT_EQ(rating("JHerz", "8Pik")->group, "8");
    EXPECT_EQ(rating("JHerz", "8Pik")->percent, "0%");
    EXPECT_FALSE(rating("AHerz", "").has_value());
    EXPECT_FALSE(rating("AHerz", "AHerz").has_value());
}

TEST(PreflopChart, QueenTenSuitedHasNoGroupButAFullChart)
{
    const PreflopChart chart = fillPreflopChart("QPik", "TPik");
    EXPECT_EQ(cells(chart, 0), (std::vector<std::string>{"C ", "  ", "  ", "C ", "  ", "  ", "C ", "C ", "  ", "  ",
                                                         "C ", "  ", "  ", "x ", "C ", "  "}));
    EXPECT_EQ(cells(chart, 1), (std::vector<std::string>{"C ", "  ", "  ", "C ", "  ", "  ", "C ", "", "  ", "  ",
                                                         "C ", "C ", "  ", "x ", "C ", "  "}));
    EXPECT_EQ(chart.colours[0][0], kYellow);
    EXPECT_EQ(chart.colours[0][1], kBlue); // two blanks are no empty cell
    EXPECT_EQ(chart.colours[0][13], kBlue);
    EXPECT_EQ(chart.colours[1][7], kWhite);
}

TEST(PreflopChart, ColoursByFirstLetterAndTheTightGap)
{
    const PreflopChart pair = fillPreflopChart("9Herz", "9Pik");
    EXPECT_EQ(pair.cells[0][8], "C3");
    EXPECT_EQ(pair.colours[0][8], kYellow);
    EXPECT_EQ(pair.cells[1][11], "C2");
    EXPECT_EQ(pair.colours[1][11], kYellow);
    EXPECT_EQ(pair.cells[0][0], "R ");
    EXPECT_EQ(pair.colours[0][0], kRed);
    EXPECT_EQ(pair.cells[1][15], "  "); // the fifteenth tight token lands in column 16
    EXPECT_EQ(pair.cells[1][14], "C ");

    for (const auto& [a, b] : {std::pair{"AHerz", "AKreuz"}, {"AHerz", "KPik"}, {"5Karo", "4Karo"}, {"TPik", "8Pik"}}) {
        const PreflopChart chart = fillPreflopChart(a, b);
        EXPECT_EQ(chart.cells[1][7], "") << a << b;
        EXPECT_EQ(chart.colours[1][7], kWhite) << a << b;
        EXPECT_NE(chart.cells[1][6], "") << a << b;
    }

    for (const auto& [a, b] : {std::pair{"7Herz", "2Pik"}, {"AHerz", ""}, {"AH", "KPik"}, {"AHerz", "AHerz"}}) {
        const PreflopChart chart = fillPreflopChart(a, b);
        for (std::size_t r = 0; r < 2; ++r)
            for (std::size_t c = 0; c < 16; ++c) {
                EXPECT_EQ(chart.cells[r][c], "") << a << b;
                EXPECT_EQ(chart.colours[r][c], kWhite) << a << b;
            }
    }
}

TEST(PreflopChart, BothOrdersOfTheHoleCardsAgree)
{
    for (const auto& [group, hands] : kGroups) {
        std::istringstream words(hands + " QTs Q9s 72o");
        std::string hand;
        while (words >> hand) {
            const auto [a, b] = cardsOf(hand);
            const auto [c, d] = cardsOf(hand, true);
            const PreflopChart x = fillPreflopChart(a, b), y = fillPreflopChart(c, d);
            EXPECT_EQ(x.cells, y.cells) << hand;
            EXPECT_EQ(hutchinsonPoints(a, b)->points, hutchinsonPoints(c, d)->points) << hand;
            EXPECT_EQ(sklanskyGroupOf(a, b), sklanskyGroupOf(c, d)) << hand;
        }
    }
}

TEST(Hutchinson, WorkedValuesAndShapes)
{
    const std::map<std::string, int> worked{{"AA", 42}, {"AKs", 37}, {"AKo", 33}, {"KK", 38}, {"QQ", 36},
                                            {"JJ", 34}, {"TT", 32},  {"A2s", 25}, {"A5s", 25}, {"72o", 9},
                                            {"32o", 8}, {"JTs", 30}, {"A3o", 21}, {"A4o", 21}};
    for (const auto& [hand, points] : worked) {
        const auto [a, b] = cardsOf(hand);
        const auto h = hutchinsonPoints(a, b);
        ASSERT_TRUE(h.has_value()) << hand;
        EXPECT_EQ(h->points, points) << hand;
    }

    const auto aces = hutchinsonPoints("AHerz", "AKreuz");
    for (const Rgb& c : aces->shapes)
        EXPECT_EQ(c, kGreen);

    const auto a2s = hutchinsonPoints("AHerz", "2Herz");
    for (std::size_t i = 0; i < 15; ++i)
        EXPECT_EQ(a2s->shapes[i], i == 12 ? kGreen : kRed) << i; // only shp_hu51

    // Thresholds are reached, not exceeded: 30 points light the R shapes of late position and the blinds.
    const auto jts = hutchinsonPoints("JHerz", "THerz");
    EXPECT_EQ(jts->shapes[7], kGreen);  // shp_hu32 >= 30
    EXPECT_EQ(jts->shapes[4], kRed);    // shp_hu22 >= 32
    EXPECT_EQ(jts->shapes[6], kGreen);  // shp_hu31 >= 26

    EXPECT_FALSE(hutchinsonPoints("AHerz", "").has_value());
    EXPECT_FALSE(hutchinsonPoints("A", "KPik").has_value());
}
