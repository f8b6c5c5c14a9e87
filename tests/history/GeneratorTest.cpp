#include "cards/CardText.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"
#include "history/ShowdownHand.h"

#include <gtest/gtest.h>

#include <regex>

using namespace tallyhand;

namespace {

std::vector<Card> cardsOf(const std::string& text)
{
    std::vector<Card> cards;
    for (std::size_t i = 0; i + 1 < text.size(); i += 3)
        cards.push_back(*parseHistoryCard(text.substr(i, 2)));
    return cards;
}

} // namespace

TEST(ShowdownHand, Descriptions)
{
    const auto describe = [](const std::string& cards) {
        const auto c = cardsOf(cards);
        return evaluateShowdown(c).description;
    };
    EXPECT_EQ(describe("8s 8c 5h 8h Qc 9h 5d"), "a full house, Eights full of Fives");
    EXPECT_EQ(describe("Kh 7h 5h 8h Qc 9h 5d"), "a flush, King high");
    EXPECT_EQ(describe("Ah 2c 3d 4s 5h 9c Kd"), "a straight, Ace to Five");
    EXPECT_EQ(describe("Th Jh Qh Kh Ah 2c 2d"), "a Royal Flush");
    EXPECT_EQ(describe("7d 6d 5d 4d 3d Ad Kd"), "a straight flush, Three to Seven");
    EXPECT_EQ(describe("7h Ah As 6s 6c 2d 2c"), "two pair, Aces and Sixes");
    EXPECT_EQ(describe("Kh As Qc 6s 2h 7h 4d"), "high card Ace");
    EXPECT_EQ(describe("Jh Jd 8c 8d 8s Jc 2c"), "a full house, Jacks full of Eights");
    EXPECT_GT(evaluateShowdown(cardsOf("Ah Ad Kc 7s 2h")).value, evaluateShowdown(cardsOf("Ah Ad Qc 7s 2h")).value);
}

// Kicker text only where a kicker decided between two shown hands of the same kind.
TEST(ShowdownHand, KickerText)
{
    const auto hand = [](const std::string& cards) { return evaluateShowdown(cardsOf(cards)); };
    const ShowdownHand kqj = hand("Kh Kd Qc Js 2h 3d 5c"), kqt = hand("Kh Kd Qc Ts 2h 3d 5c"),
                       kq9 = hand("Kh Kd Qs 9c 2h 3d 5c"), aces = hand("Ah Ad Qc Js 2h 3d 5c"),
                       flush = hand("Kh 7h 5h 8h Qc 9h 5d");
    EXPECT_EQ(kickerText(kqj, {&kqj, &kqt, &kq9}), " - Queen+Jack kicker");
    EXPECT_EQ(kickerText(kqt, {&kqj, &kqt}), " - lower kicker");
    EXPECT_EQ(kickerText(kqj, {&kqj, &aces}), "");
    EXPECT_EQ(kickerText(kqj, {&kqj, &kqj}), "");
    EXPECT_EQ(kickerText(flush, {&flush}), "");
    const ShowdownHand aceHigh = hand("Ah Kd 9c 7s 2h 3d 4c"), aceQueen = hand("Ah Qd 9c 7s 2h 3d 5c");
    EXPECT_EQ(kickerText(aceHigh, {&aceHigh, &aceQueen}), " - King kicker");
}

// Every showdown description matches the cards, the pots add up, the hero is
// dealt in every game, and a seed always gives the same files.
TEST(HandHistoryGenerator, RealisticAndDeterministic)
{
    std::vector<GeneratedFile> files;
    generateHandHistories({3000, 42, "Hero"}, [&](GeneratedFile&& f) { files.push_back(std::move(f)); });
    std::vector<GeneratedFile> again;
    generateHandHistories({3000, 42, "Hero"}, [&](GeneratedFile&& f) { again.push_back(std::move(f)); });
    ASSERT_EQ(files.size(), again.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(files[i].bytes, again[i].bytes);

    const std::regex shows(R"(: shows \[(.. ..)\] \((.*)\)$)");
    const std::regex collected(R"( collected \$?([0-9.]+) from)");
    const std::regex totalPot(R"(^Total pot \$?([0-9.]+) .*\| Rake \$?([0-9.]+)$)");
    const auto amount = [](const std::string& text) { return static_cast<long long>(std::stod(text) * 100 + 0.5); };
    std::size_t games = 0, heroDealt = 0, showdowns = 0, preflopOnly = 0, rivers = 0, sidePots = 0, allIns = 0, kickers = 0;
    for (const auto& file : files) {
        std::string board;
        std::vector<std::pair<std::string, std::string>> shown;
        long long collectedSum = 0;
        bool sawFlop = false;
        for (std::string_view view : splitLines(file.bytes)) {
            const std::string line(view);
            std::smatch m;
            if (isHeaderLine(line)) {
                ++games;
                shown.clear();
                collectedSum = 0;
                sawFlop = false;
            } else if (line.rfind("Dealt to Hero [", 0) == 0) {
                ++heroDealt;
            } else if (line.rfind("*** FLOP ***", 0) == 0) {
                sawFlop = true;
            } else if (line.rfind("*** RIVER ***", 0) == 0) {
                ++rivers;
            } else if (line.find("and is all-in") != std::string::npos) {
                ++allIns;
            } else if (std::regex_search(line, m, shows)) {
                shown.emplace_back(m[1], m[2]);
            } else if (std::regex_search(line, m, collected)) {
                collectedSum += amount(m[1]);
                sidePots += line.find("side pot") != std::string::npos;
            } else if (std::regex_search(line, m, totalPot)) {
                EXPECT_EQ(collectedSum + amount(m[2]), amount(m[1])) << line;
                preflopOnly += !sawFlop;
            } else if (line.rfind("Board [", 0) == 0) {
                board = line.substr(7, line.size() - 8);
                showdowns += !shown.empty();
                for (const auto& [cards, description] : shown) {
                    auto all = cardsOf(board + " " + cards);
                    const std::size_t kicker = description.find(" - ");
                    kickers += kicker != std::string::npos;
                    EXPECT_EQ(evaluateShowdown(all).description, description.substr(0, kicker)) << cards << " on " << board;
                }
            }
        }
    }
    EXPECT_EQ(games, 3000u);
    EXPECT_EQ(heroDealt, games);
    // Hands end at every street, with showdowns, all-ins and side pots.
    EXPECT_GT(preflopOnly, games / 10);
    EXPECT_GT(rivers, games / 10);
    EXPECT_GT(showdowns, games / 20);
    EXPECT_GT(allIns, games / 20);
    EXPECT_GT(sidePots, 10u);
    EXPECT_GT(kickers, 10u);
}
