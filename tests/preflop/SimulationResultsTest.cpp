#include "cards/CardText.h"
#include "preflop/FastRandom.h"
#include "preflop/SimulationResults.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tallyhand;

namespace {

SimulationCounters sampleCounters()
{
    SimulationCounters c;
    c.deals = 1000000;
    c.players = 2;
    c.wins = {452300, 535700};
    c.splits = {12000, 12000};
    c.winsByCategory[0] = {0, 10, 200, 3000, 40000, 9090, 100000, 200000, 100000, 0};
    c.winsByCategory[1] = {1, 0, 0, 0, 0, 0, 0, 0, 535699, 0};
    c.splitsByCategory[0][9] = 12000;
    c.splitsByCategory[1][9] = 12000;
    return c;
}

} // namespace

TEST(SimulationResults, ResultLinesUsePercentagesWithTheLocaleSeparator)
{
    const auto view = showSimulationResults(sampleCounters(), {"Anna [Ah Kd] won", "[Qs Qc]"}, NumberChoice::Percent, ',');
    EXPECT_EQ(view.resultLines, (std::vector<std::string>{"45,23/1,20", "53,57/1,20"}));
    const auto dot = showSimulationResults(sampleCounters(), {"[Ah Kd]", "[Qs Qc]"}, NumberChoice::Percent, '.');
    EXPECT_EQ(dot.resultLines[0], "45.23/1.20");
}

TEST(SimulationResults, GridsShowTheSameRunAsPercentOrAbsolute)
{
    const std::vector<std::string> rows{"Anna [Ah Kd] won", "[Qs Qc]"};
    const auto percent = showSimulationResults(sampleCounters(), rows, NumberChoice::Percent, '.');
    const auto absolute = showSimulationResults(sampleCounters(), rows, NumberChoice::Absolute, '.');
    for (const auto* view : {&percent, &absolute}) {
        ASSERT_EQ(view->winGrid.size(), 3u);
        ASSERT_EQ(view->splitGrid.size(), 3u);
        EXPECT_EQ(view->winGrid[0], (std::vector<std::string>{"", "RF", "SF", "Q", "FH", "FL", "ST", "TR", "Two", "One",
                                                               "HC", "Total"}));
        EXPECT_EQ(view->splitGrid[0], view->winGrid[0]);
        EXPECT_EQ(view->winGrid[1][0], "Ah Kd");
        EXPECT_EQ(view->splitGrid[2][0], "Qs Qc");
    }
    EXPECT_EQ(absolute.winGrid[1][5], "40000");
    EXPECT_EQ(absolute.winGrid[1][11], "452300");
    EXPECT_EQ(absolute.winGrid[2][1], "1");
    EXPECT_EQ(absolute.splitGrid[1][10], "12000");
    EXPECT_EQ(absolute.splitGrid[1][9], "0");
    EXPECT_EQ(percent.winGrid[1][5], "4.00");
    EXPECT_EQ(percent.winGrid[1][11], "45.23");
    EXPECT_EQ(percent.winGrid[2][1], "0.00");
    EXPECT_EQ(percent.splitGrid[2][11], "1.20");
}

TEST(SimulationResults, NoDealsShowZeroInsteadOfFailing)
{
    SimulationCounters none;
    const auto view = showSimulationResults(none, {"[Ah Kd]"}, NumberChoice::Percent, '.');
    EXPECT_EQ(view.resultLines, (std::vector<std::string>{"0.00/0.00"}));
    // Rows beyond the counted players read as zero, and no rows keep only the headings.
    const auto more = showSimulationResults(sampleCounters(), {"[Ah Kd]", "[Qs Qc]", "[7h 7d]"}, NumberChoice::Absolute, '.');
    EXPECT_EQ(more.winGrid[3][11], "0");
    EXPECT_EQ(showSimulationResults(none, {}, NumberChoice::Percent, '.').winGrid.size(), 1u);
}

TEST(SimulationResults, DrawTestCountsEveryDrawOncePerRankAndSuit)
{
    FastRandom random(3);
    const std::string text = drawTestText([&](std::uint32_t bound) { return random.below(bound); });
    std::istringstream lines(text);
    std::string line;
    std::uint64_t total = 0;
    int rank = 0;
    while (std::getline(lines, line, '\n')) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        std::istringstream numbers(line);
        std::uint64_t count = 0;
        for (int suit = 1; suit <= 5; ++suit) {
            ASSERT_TRUE(numbers >> count);
            total += count;
            const bool possible = rank >= 2 && rank <= 14 && suit <= 4;
            if (!possible)
                EXPECT_EQ(count, 0u) << rank << " " << suit;
            else
                EXPECT_NEAR(static_cast<double>(count), 5000000.0 / 52.0, 2000.0) << rank << " " << suit;
        }
        ++rank;
    }
    EXPECT_EQ(rank, 16);
    EXPECT_EQ(total, 5000000u);
    EXPECT_EQ(text.substr(0, 12), " 0 0 0 0 0\r\n");
}
