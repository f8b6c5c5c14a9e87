#include "cli/Json.h"

#include <gtest/gtest.h>

using tallyhand::cli::jsonString;

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters)
{
    EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(jsonString("x\r\ny\t"), "\"x\\r\\ny\\t\"");
    EXPECT_EQ(jsonString(std::string("\x01", 1)), "\"\\u0001\"");
}

TEST(JsonString, KeepsUtf8AndReadsOtherBytesAsWindows1252)
{
    EXPECT_EQ(jsonString("Spielabl\xC3\xA4ufe"), "\"Spielabl\xC3\xA4ufe\"");
    // A lone 0xE9 is no UTF-8: it is the Windows-1252 e acute.
    EXPECT_EQ(jsonString("Caf\xE9"), "\"Caf\xC3\xA9\"");
}

TEST(JsonSeries, WritesPointsInOrderWithColoursWhereSet)
{
    using namespace tallyhand;
    const ChartSeries series{{"0", 3, std::nullopt}, {"1234", -2.5, kGreen}, {"7", 1e6, Rgb{255, 0, 170}}};
    EXPECT_EQ(cli::jsonSeries(series),
              "[{\"label\": \"0\", \"value\": 3}, {\"label\": \"1234\", \"value\": -2.5, \"color\": \"#008000\"}, "
              "{\"label\": \"7\", \"value\": 1000000, \"color\": \"#ff00aa\"}]");
    EXPECT_EQ(cli::jsonRows({"a", "b\"c"}), "[\"a\", \"b\\\"c\"]");
    EXPECT_EQ(cli::jsonRows({}), "[]");
}
