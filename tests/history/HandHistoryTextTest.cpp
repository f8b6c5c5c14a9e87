#include "history/HandHistoryText.h"
#include "history/TextDecoding.h"

#include <gtest/gtest.h>

using namespace tallyhand;

namespace {
std::vector<std::string> lines(std::string_view bytes)
{
    std::vector<std::string> out;
    for (auto line : splitLines(bytes))
        out.emplace_back(line);
    return out;
}
} // namespace

TEST(HandHistoryText, LineEndsNeverStayInALine)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(lines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(lines("a\nb\r\n\r\nc"), (V{"a", "b", "", "c"}));
    EXPECT_EQ(lines("Hero\r"), (V{"Hero"}));
    EXPECT_EQ(lines(""), V{});
    EXPECT_EQ(lines("\r\n\r\n"), (V{"", ""}));
    // Old Mac files end lines with a lone CR; a blank line is two of them.
    EXPECT_EQ(lines("a\rb\r\rc\r"), (V{"a", "b", "", "c"}));
    EXPECT_EQ(lines("a\r\r\nb"), (V{"a", "b"})); // CR CR LF of a file converted twice
    // A byte-order mark is not part of the first line.
    EXPECT_EQ(lines("\xEF\xBB\xBFPokerStars Hand #1: x\r\n"), (V{"PokerStars Hand #1: x"}));
    // Only at the very start.
    EXPECT_EQ(lines("a\n\xEF\xBB\xBF" "b"), (V{"a", "\xEF\xBB\xBF" "b"}));
}

TEST(HandHistoryText, AllFourHeaderForms)
{
    for (std::string marker : {"PokerStars Game #", "PokerStars Hand #", "PokerStars Zoom Hand #",
                               "PokerStars Home Game Hand #"}) {
        const auto parsed = parseHeaderLine(marker + "157346128518:  Hold'em No Limit ($0.05/$0.10 USD) - 2016/08/24 ET ");
        ASSERT_TRUE(parsed.info) << marker;
        EXPECT_EQ(parsed.info->game_no, 157346128518);
        EXPECT_EQ(parsed.info->tour_no, 0);
        EXPECT_EQ(parsed.info->header, "Hold'em No Limit ($0.05/$0.10 USD) - 2016/08/24 ET");
    }
    EXPECT_FALSE(isHeaderLine("PokerStarsCollection Hand #1: x"));
    EXPECT_TRUE(isHeaderLine("*** RIVER *** [4d Kh JPokerStars Hand #2: x")); // cut-off line followed by a header
}

TEST(HandHistoryText, TournamentHeaders)
{
    auto parsed = parseHeaderLine("PokerStars Hand #192956262923: Tournament #2447908112, $24.02+$1.96 USD Hold'em "
                                  "No Limit - Level I (10/20) - 2018/11/04 22:16:40 MSK");
    ASSERT_TRUE(parsed.info);
    EXPECT_EQ(parsed.info->game_no, 192956262923);
    EXPECT_EQ(parsed.info->tour_no, 2447908112);
    EXPECT_EQ(parsed.info->header, "$24.02+$1.96 USD Hold'em No Limit - Level I (10/20) - 2018/11/04 22:16:40 MSK");

    parsed = parseHeaderLine("PokerStars Hand #116532436718: Zoom Tournament #932545562, $3+$0.30 Hold'em");
    ASSERT_TRUE(parsed.info);
    EXPECT_EQ(parsed.info->tour_no, 932545562);

    parsed = parseHeaderLine("PokerStars Home Game Hand #165478: {Poker LF} Tournament #1808966073, 17000+3000 Hold'em");
    ASSERT_TRUE(parsed.info);
    EXPECT_EQ(parsed.info->game_no, 165478);
    EXPECT_EQ(parsed.info->tour_no, 1808966073);
    EXPECT_EQ(parsed.info->header, "17000+3000 Hold'em");
}

TEST(HandHistoryText, UnreadableNumbersAreReported)
{
    EXPECT_FALSE(parseHeaderLine("PokerStars Hand #12a4: Hold'em").info);
    EXPECT_FALSE(parseHeaderLine("PokerStars Hand #1234 Hold'em").info); // no colon
    EXPECT_FALSE(parseHeaderLine("PokerStars Hand #99999999999999999999: Hold'em").info);
    EXPECT_FALSE(parseHeaderLine("PokerStars Hand #12: Tournament #x1, Hold'em").info);
    EXPECT_FALSE(parseHeaderLine("PokerStars Hand #12: Tournament #15 Hold'em").info); // no comma
    EXPECT_FALSE(parseHeaderLine("PokerStars Hand #12: Tournament #15 Hold'em").error.empty());
}

TEST(HandHistoryText, Numbers)
{
    EXPECT_EQ(parseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(parseInt64("9223372036854775807"), INT64_MAX);
    EXPECT_FALSE(parseInt64("9223372036854775808"));
    EXPECT_FALSE(parseInt64(""));
    EXPECT_FALSE(parseInt64("-"));
    EXPECT_FALSE(parseInt64("1 "));
    EXPECT_FALSE(parseInt64("0x10"));
    EXPECT_EQ(parseInt32("2147483647"), 2147483647);
    EXPECT_FALSE(parseInt32("2147483648"));
}

TEST(HandHistoryText, TableNames)
{
    EXPECT_EQ(parseTableName("Table 'Pallas' 6-max Seat #2 is the button"), "Pallas");
    EXPECT_EQ(parseTableName("Table ' 2447908112 1 ' 6-max"), "2447908112 1 ");
    EXPECT_EQ(parseTableName("Table without quotes"), "");
    EXPECT_EQ(parseTableName("Table 'unterminated"), "unterminated");
}

TEST(TextDecoding, Utf8KeptWindows1252Converted)
{
    EXPECT_EQ(decodeForDisplay("Bl\xC3\xA5veis"), "Bl\xC3\xA5veis");
    EXPECT_EQ(decodeForDisplay("Ass'e bast\xF2"), "Ass'e bast\xC3\xB2");
    EXPECT_EQ(decodeForDisplay("\x80 5"), "\xE2\x82\xAC 5");
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
}
