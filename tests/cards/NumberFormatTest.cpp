#include "cards/NumberFormat.h"

#include <gtest/gtest.h>

using namespace tallyhand;

TEST(NumberFormat, TwoDecimalsWithTheGivenSeparator)
{
    EXPECT_EQ(formatFixed2(9.0 / 47 * 100, '.'), "19.15");
    EXPECT_EQ(formatFixed2(9.0 / 46 * 100, ','), "19,57");
    EXPECT_EQ(formatFixed2(0, '.'), "0.00");
    EXPECT_EQ(formatFixed2(-20 * (9.0 / 47), '.'), "-3.83");
    EXPECT_EQ(formatFixed2(1234567.0, ','), "1234567,00");
}

TEST(NumberFormat, GeneralFormatUsesOnlyTheDecimalsNeeded)
{
    EXPECT_EQ(formatGeneral(31.00, '.'), "31");
    EXPECT_EQ(formatGeneral(20.19, '.'), "20.19");
    EXPECT_EQ(formatGeneral(20.19, ','), "20,19");
    EXPECT_EQ(formatGeneral(0, '.'), "0");
    EXPECT_EQ(formatGeneral(1210 / 100.0, '.'), "12.1");
    EXPECT_EQ(formatGeneral(997 / 100.0, '.'), "9.97");
}

TEST(NumberFormat, WholeNumbersOnly)
{
    EXPECT_EQ(parseWholeNumber("100"), 100);
    EXPECT_EQ(parseWholeNumber(" 7 "), 7);
    EXPECT_EQ(parseWholeNumber("-20"), -20);
    EXPECT_EQ(parseWholeNumber("+5"), 5);
    EXPECT_EQ(parseWholeNumber("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "12.5", "12,5", "abc", "1e3", "+-5", "--5", "5x", "2147483648", "0x10"})
        EXPECT_FALSE(parseWholeNumber(bad).has_value()) << bad;
}
