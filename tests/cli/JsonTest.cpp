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
