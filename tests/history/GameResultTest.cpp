#include "history/GameResultReader.h"
#include "history/HandHistoryText.h"
#include "history/MoneyAmount.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tallyhand;

namespace {

const std::string kCash = "PokerStars Hand #500:  Hold'em No Limit ($0.05/$0.10 USD) - 2016/08/24 19:39:16 CET [2016/08/24 13:39:16 ET]";
const std::string kTourney = "PokerStars Hand #600: Tournament #77, $1+$0.10 USD Hold'em No Limit - Level II (10/20) - 2018/07/10 1:22:47 ET";

GameResultRead readText(const std::string& text, std::string_view user = "Hero")
{
    static std::vector<std::string> keep; // the views point into the text
    keep.push_back(text);
    const std::vector<std::string_view> lines = splitLines(keep.back());
    return readGameResult(lines, user);
}

GameResult resultOf(const std::string& text, std::string_view user = "Hero")
{
    const GameResultRead read = readText(text, user);
    EXPECT_EQ(read.status, GameResultRead::Status::Ok) << read.line << ": " << read.reason;
    return read.result;
}

struct MoneyCase {
    const char* rule;
    std::string text;
    std::int64_t invested, collected, rake, bounty;
    bool balanced;
};

} // namespace

TEST(GameResult, MoneyRules)
{
    const MoneyCase cases[] = {
        {"uncalled bet returned", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($10 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Bb ($10 in chips)
Sb: posts small blind $0.05
Bb: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Hero: raises $0.20 to $0.30
Sb: folds
Bb: folds
Uncalled bet ($0.20) returned to Hero
Hero collected $0.25 from pot
*** SUMMARY ***
Total pot $0.25 | Rake $0
Seat 1: Hero (button) collected ($0.25)
)", 10, 25, 0, 0, true},
        {"no uncalled-bet line: the excess on the last street with money goes back", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($10 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Bb ($10 in chips)
Sb: posts small blind $0.05
Bb: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Hero: calls $0.10
Sb: calls $0.05
Bb: checks
*** FLOP *** [2c 7d 9h]
Sb: bets $0.30
Bb: raises $0.60 to $0.90
Hero: folds
Sb: folds
Bb collected $0.90 from pot
*** SUMMARY ***
Total pot $0.90 | Rake $0
)", 10, 0, 0, 0, true},
        {"three all-ins and two side pots", kTourney + R"(
Table '77 1' 9-max Seat #1 is the button
Seat 1: Hero (1000 in chips)
Seat 2: Ann (100 in chips)
Seat 3: Bob (300 in chips)
Seat 4: Cy (500 in chips)
Ann: posts small blind 10
Bob: posts big blind 20
*** HOLE CARDS ***
Dealt to Hero [Ah Ad]
Cy: raises 480 to 500 and is all-in
Hero: calls 500
Ann: calls 90 and is all-in
Bob: calls 280 and is all-in
*** FLOP *** [2c 7d 9h]
*** TURN *** [2c 7d 9h] [Ts]
*** RIVER *** [2c 7d 9h Ts] [3s]
*** SHOW DOWN ***
Cy: shows [Kh Kd] (a pair of Kings)
Hero: shows [Ah Ad] (a pair of Aces)
Cy collected 400 from side pot-2
Hero collected 600 from side pot-1
Hero collected 400 from main pot
*** SUMMARY ***
Total pot 1400 Main pot 400. Side pot-1 600. Side pot-2 400. | Rake 0
)", 500, 1000, 0, 0, true},
        {"split pot, the odd cent to one side, rake taken", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Btn ($10 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Hero ($10 in chips)
Sb: posts small blind $0.05
Hero: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Btn: calls $0.10
Sb: calls $0.05
Hero: checks
*** FLOP *** [2c 7d 9h]
*** TURN *** [2c 7d 9h] [Ts]
*** RIVER *** [2c 7d 9h Ts] [3s]
*** SHOW DOWN ***
Hero collected $0.15 from pot
Sb collected $0.14 from pot
*** SUMMARY ***
Total pot $0.30 | Rake $0.01
)", 10, 15, 1, 0, true},
        {"posts small & big blinds: only the big blind is live", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Btn ($10 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Bb ($10 in chips)
Seat 4: Hero ($10 in chips)
Sb: posts small blind $0.05
Bb: posts big blind $0.10
Hero: posts small & big blinds $0.15
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Hero: raises $0.20 to $0.30
Btn: folds
Sb: folds
Bb: calls $0.20
*** FLOP *** [2c 7d 9h]
Bb: checks
Hero: checks
*** TURN *** [2c 7d 9h] [Ts]
Bb: checks
Hero: checks
*** RIVER *** [2c 7d 9h Ts] [3s]
Bb: checks
Hero: checks
*** SHOW DOWN ***
Hero collected $0.70 from pot
*** SUMMARY ***
Total pot $0.70 | Rake $0
)", 35, 70, 0, 0, true},
        {"a second small blind is dead", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Btn ($10 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Bb ($10 in chips)
Seat 4: Hero ($10 in chips)
Sb: posts small blind $0.05
Bb: posts big blind $0.10
Hero: posts small blind $0.05
*** HOLE CARDS ***
Dealt to Hero [Ah Kd]
Hero: raises $0.20 to $0.30
Btn: folds
Sb: folds
Bb: folds
Uncalled bet ($0.20) returned to Hero
Hero collected $0.30 from pot
*** SUMMARY ***
Total pot $0.30 | Rake $0
)", 15, 30, 0, 0, true},
        {"antes are not live", kTourney + R"(
Table '77 1' 9-max Seat #3 is the button
Seat 1: Hero (500 in chips)
Seat 2: Bb (500 in chips)
Seat 3: Btn (500 in chips)
Hero: posts the ante 2
Bb: posts the ante 2
Btn: posts the ante 2
Hero: posts small blind 10
Bb: posts big blind 20
*** HOLE CARDS ***
Dealt to Hero [9h 6s]
Btn: calls 20
Hero: raises 80 to 100
Bb: folds
Btn: folds
Uncalled bet (80) returned to Hero
Hero collected 66 from pot
*** SUMMARY ***
Total pot 66 | Rake 0
)", 22, 66, 0, 0, true},
        {"a cash-out is collected but left out of the balance", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($1 in chips)
Seat 2: Sb ($10 in chips)
Seat 3: Bb ($10 in chips)
Sb: posts small blind $0.05
Bb: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Ad]
Hero: raises $0.90 to $1 and is all-in
Sb: folds
Bb: calls $0.90
Hero cashed out the hand for $0.83
*** FLOP *** [2c 7d 9h]
*** TURN *** [2c 7d 9h] [Ts]
*** RIVER *** [2c 7d 9h Ts] [Th]
*** SHOW DOWN ***
Bb collected $2 from pot
*** SUMMARY ***
Total pot $2.05 | Rake $0.05
)", 100, 83, 5, 0, true},
        {"bounties, the fixed and the progressive form, kept apart in cents", kTourney + R"(
Table '77 1' 9-max Seat #1 is the button
Seat 1: Hero (1000 in chips)
Seat 2: Ann (100 in chips)
Ann: posts small blind 10
Hero: posts big blind 20
*** HOLE CARDS ***
Dealt to Hero [Ah Ad]
Ann: raises 80 to 100 and is all-in
Hero: calls 80
*** FLOP *** [2c 7d 9h]
*** TURN *** [2c 7d 9h] [Ts]
*** RIVER *** [2c 7d 9h Ts] [3s]
*** SHOW DOWN ***
Hero collected 200 from pot
Hero wins the $4.79 bounty for eliminating Ann
Hero wins $1.21 for eliminating Ann and their own bounty increases by $1.20
Ann finished the tournament in 2nd place
*** SUMMARY ***
Total pot 200 | Rake 0
)", 100, 200, 0, 479 + 121, true},
        {"rake and jackpot both leave the pot", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($10 in chips)
Seat 2: Sb ($10 in chips)
Sb: posts small blind $0.05
Hero: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Ad]
Sb: raises $2.90 to $3
Hero: calls $2.90
*** FLOP *** [2c 7d 9h]
*** TURN *** [2c 7d 9h] [Ts]
*** RIVER *** [2c 7d 9h Ts] [3s]
*** SHOW DOWN ***
Hero collected $5.64 from pot
*** SUMMARY ***
Total pot $6 | Rake $0.30 | Jackpot $0.06
)", 300, 564, 30, 0, true},
        {"a pot paid out wrong does not balance", kCash + R"(
Table 'T' 6-max Seat #1 is the button
Seat 1: Hero ($10 in chips)
Seat 2: Sb ($10 in chips)
Sb: posts small blind $0.05
Hero: posts big blind $0.10
*** HOLE CARDS ***
Dealt to Hero [Ah Ad]
Sb: folds
Uncalled bet ($0.05) returned to Hero
Hero collected $0.25 from pot
*** SUMMARY ***
Total pot $0.10 | Rake $0
)", 5, 25, 0, 0, false},
    };
    for (const MoneyCase& c : cases) {
        SCOPED_TRACE(c.rule);
        const GameResult r = resultOf(c.text);
        EXPECT_EQ(r.invested, c.invested);
        EXPECT_EQ(r.collected, c.collected);
        EXPECT_EQ(r.net, c.collected - c.invested);
        EXPECT_EQ(r.rake, c.rake);
        EXPECT_EQ(r.bounty, c.bounty);
        EXPECT_EQ(r.balanced, c.balanced);
    }
}

TEST(GameResult, HeaderUnitStakesAndTime)
{
    struct Case {
        std::string header;
        MoneyUnit unit;
        std::int64_t bigBlind;
        std::string time;
        std::string sign; // how the seat and the blind amounts are written
    };
    const Case cases[] = {
        {kCash, MoneyUnit::USD, 10, "2016-08-24 13:39:16", "$"},
        {"PokerStars Game #500:  Hold'em No Limit (\xE2\x82\xAC" "0.05/\xE2\x82\xAC" "0.10 EUR) - 2009/11/20 7:12:10 ET",
         MoneyUnit::EUR, 10, "2009-11-20 07:12:10", "\xE2\x82\xAC"},
        {"PokerStars Hand #500:  Hold'em No Limit (\xC2\xA3" "1/\xC2\xA3" "2 GBP) - 2012/01/02 03:04:05 ET",
         MoneyUnit::GBP, 200, "2012-01-02 03:04:05", "\xC2\xA3"},
        {"PokerStars Hand #500:  Hold'em No Limit (Rs.\xC2\xA0" "25/Rs.\xC2\xA0" "50 INR) - 2019/02/18 18:36:50 IST [2019/02/18 8:06:50 ET]",
         MoneyUnit::INR, 5000, "2019-02-18 08:06:50", "Rs.\xC2\xA0"},
        {"PokerStars Hand #500:  Hold'em No Limit (100/200) - 2012/01/19 22:07:55 ET", MoneyUnit::Play, 200,
         "2012-01-19 22:07:55", ""},
        {"PokerStars Game #500: Tournament #16609627, $10+$1 USD Hold'em No Limit - Level IV (50/100) - 2005/12/16 - 21:02:28 (ET)",
         MoneyUnit::Chips, 100, "2005-12-16 21:02:28", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const std::string s = c.sign;
        const GameResult r = resultOf(c.header + "\nTable 'T' 6-max Seat #1 is the button\nSeat 1: Hero (" + s +
                                      "10 in chips)\nSeat 2: Vil (" + s + "10 in chips)\nVil: posts small blind " + s +
                                      "1\nHero: posts big blind " + s + "2\n*** HOLE CARDS ***\nDealt to Hero [Ah Kd]\n"
                                      "Vil: folds\nUncalled bet (" + s + "1) returned to Hero\nHero collected " + s +
                                      "2 from pot\n*** SUMMARY ***\nTotal pot " + s + "2 | Rake " + s + "0\n");
        EXPECT_EQ(r.unit, c.unit);
        EXPECT_EQ(r.bigBlind, c.bigBlind);
        EXPECT_EQ(formatCivilTime(r.time), c.time);
        const std::int64_t unitValue = (c.unit == MoneyUnit::Chips || c.unit == MoneyUnit::Play) ? 1 : 100;
        EXPECT_EQ(r.invested, unitValue);
        EXPECT_EQ(r.net, unitValue);
        EXPECT_TRUE(r.balanced);
    }
}

TEST(GameResult, AmountsThatDoNotReadAreErrorsWithTheirLine)
{
    struct Case {
        const char* what;
        std::string text;
        std::size_t line;
        std::string reason;
    };
    const std::string table = "\nTable 'T' 6-max Seat #1 is the button\nSeat 1: Hero ($10 in chips)\nSeat 2: Vil ($10 in chips)\n";
    const std::string tail = "*** HOLE CARDS ***\nDealt to Hero [Ah Kd]\nVil: folds\nHero collected $0.15 from pot\n*** SUMMARY ***\nTotal pot $0.15 | Rake $0\n";
    const Case cases[] = {
        {"unknown currency sign", kCash + table + "Vil: posts small blind \xD0\x82" "0.05\nHero: posts big blind $0.10\n" + tail, 5, "unbekanntes Währungszeichen"},
        {"three decimals", kCash + table + "Vil: posts small blind $0.055\nHero: posts big blind $0.10\n" + tail, 5, "mehr als zwei Nachkommastellen"},
        {"thousands separator", kCash + table + "Vil: posts small blind $1,000\nHero: posts big blind $0.10\n" + tail, 5, "Tausendertrennzeichen"},
        {"no number", kCash + table + "Vil: posts small blind $abc\nHero: posts big blind $0.10\n" + tail, 5, "keine Zahl"},
        {"cut short", kCash + table + "Vil: posts small blind $0.05\nHero: posts big blind $0.10\n*** HOLE CARDS ***\nDealt to Hero [Ah Kd]\nVil: folds\n", 9, "bricht"},
        {"dealt to without a seat", kCash + "\nTable 'T' 6-max Seat #1 is the button\nSeat 2: Vil ($10 in chips)\n" + tail, 5, "kein Sitz"},
        {"unknown currency code", "PokerStars Hand #500:  Hold'em No Limit ($0.05/$0.10 XYZ) - 2016/08/24 19:39:16 ET" + table + tail, 1, "unbekannte Währung"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameResultRead read = readText(c.text);
        EXPECT_EQ(read.status, GameResultRead::Status::Unreadable);
        EXPECT_EQ(read.line, c.line);
        EXPECT_NE(read.reason.find(c.reason), std::string::npos) << read.reason;
    }
    EXPECT_EQ(readText(kCash + table + tail, "Other").status, GameResultRead::Status::NotDealtIn);
    // A longer name that begins with the user's is someone else.
    EXPECT_EQ(readText(kCash + table + tail, "Her").status, GameResultRead::Status::NotDealtIn);
}

TEST(GameResult, AmountReading)
{
    struct Case {
        const char* text;
        MoneyUnit unit;
        std::int64_t value;
        std::size_t length;
    };
    const Case good[] = {{"$0.05 ", MoneyUnit::USD, 5, 5},   {"$12.5)", MoneyUnit::USD, 1250, 5},
                         {"$3", MoneyUnit::USD, 300, 2},      {"Rs. 25", MoneyUnit::INR, 2500, 6},
                         {"1500 in", MoneyUnit::Chips, 1500, 4}, {"40. Side", MoneyUnit::Chips, 40, 2}};
    for (const Case& c : good) {
        const AmountRead read = readAmount(c.text, c.unit);
        EXPECT_TRUE(read.ok()) << c.text << ": " << read.error;
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.length, c.length) << c.text;
    }
    for (const char* bad : {"$", "10", "\xE2\x82\xAC" "1", "$99999999999999999999"})
        EXPECT_FALSE(readAmount(bad, MoneyUnit::USD).ok()) << bad;
    for (const char* bad : {"$10", "10.5", "1,000", "x"})
        EXPECT_FALSE(readAmount(bad, MoneyUnit::Chips).ok()) << bad;
}
