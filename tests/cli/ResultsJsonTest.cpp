#include "cli/ResultsJson.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::cli;

TEST(ResultsJson, RatiosRoundHalfAwayFromZeroExactly)
{
    struct Case {
        std::int64_t count, base;
        const char* text;
    };
    const Case cases[] = {
        {1, 3, "0.33"},      {2, 3, "0.67"},     {1, 8, "0.13"},     {-1, 8, "-0.13"},  {107, 40, "2.68"},
        {-107, 40, "-2.68"}, {1, 200, "0.01"},   {1, 201, "0.00"},   {-1, 201, "0.00"}, {5, 1, "5.00"},
        {0, 7, "0.00"},      {1, 0, "null"},     {0, 0, "null"},     {12345, 100, "123.45"}, {1, -8, "-0.13"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hundredthsText(c.count, c.base), c.text) << c.count << "/" << c.base;
    EXPECT_EQ(twoDecimalsText(std::nullopt), "null");
    EXPECT_EQ(twoDecimalsText(0.125), "0.13");
    EXPECT_EQ(twoDecimalsText(-0.125), "-0.13");
    EXPECT_EQ(twoDecimalsText(-0.004), "0.00");
}

TEST(ResultsJson, GameObjectsAndNulls)
{
    GameResult cash;
    cash.game = 5;
    cash.unit = MoneyUnit::EUR;
    cash.time = civilSeconds(2021, 2, 3, 4, 5, 6);
    cash.allinStreet = BettingStreet::Turn;
    GameResult tourney = cash;
    tourney.game = 6;
    tourney.tournament = 9;
    tourney.unit = MoneyUnit::Chips;
    tourney.position = Position::UTG1;
    tourney.allinStreet = BettingStreet::None;
    const std::vector<GameResult> games{cash, tourney};
    const std::string json = resultsJson(buildResultsReport(games, {}), {}, games, true);
    EXPECT_NE(json.find("\"game\": 5, \"tournament\": null, \"time\": \"2021-02-03 04:05:06\", \"currency\": \"EUR\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"position\": null"), std::string::npos);
    EXPECT_NE(json.find("\"allin_street\": \"turn\""), std::string::npos);
    EXPECT_NE(json.find("\"game\": 6, \"tournament\": 9"), std::string::npos);
    EXPECT_NE(json.find("\"position\": \"UTG+1\""), std::string::npos);
    EXPECT_NE(json.find("\"allin_street\": null"), std::string::npos);
    EXPECT_EQ(resultsJson(buildResultsReport(games, {}), {}, games, false).find("\"games\": ["), std::string::npos);
}
