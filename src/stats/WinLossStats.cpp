#include "stats/WinLossStats.h"

#include "cards/NumberFormat.h"
#include "stats/TournamentStats.h"

#include <array>

namespace tallyhand {

namespace {

bool has(std::string_view line, std::string_view what)
{
    return line.find(what) != std::string_view::npos;
}

enum Street { Preflop, Flop, Turn, River, StreetCount };

// Hand categories as the summary line names them, high card to royal flush.
constexpr int kCategories = 10;
constexpr std::array<const char*, kCategories> kCategoryLabels{
    "High Card       : ", "One Pair        : ", "Two Pair        : ", "Trips           : ",
    "Straight        : ", "Flush           : ", "Full House      : ", "Quads           : ",
    "Straight Flush  : ", "Royal Flush     : "};

// Each test stands on its own: a line may count in several categories.
std::array<bool, kCategories> categoriesOf(std::string_view l)
{
    return {has(l, "high card"),
            has(l, "a pair"),
            has(l, "two pair"),
            has(l, "three of a kind"),
            has(l, "straight") && !has(l, "flush"),
            has(l, "flush") && !has(l, "straight") && !has(l, "royal"),
            has(l, "full house"),
            has(l, "four of a kind"),
            has(l, "straight flush") || has(l, "Straight Flush") || has(l, "Straight flush"),
            has(l, "Royal Flush")};
}

struct Counters {
    int played = 0;
    int wonShowdown = 0, wonNoShowdown = 0, lostShowdown = 0, mucked = 0;
    std::array<int, StreetCount> folds{}, allIns{}, allInsWon{};
    int allInWon = 0, allInLost = 0;
    std::array<int, kCategories> winCat{}, lostCat{};
};

void countGame(const Tgame& record, std::string_view user, Counters& c)
{
    bool afterHoleCards = false, inSummary = false;
    bool flopSeen = false, turnSeen = false, riverSeen = false, allIn = false;
    std::array<bool, StreetCount> allInOn{};
    auto countAllInWin = [&] {
        if (allIn)
            ++c.allInWon;
        for (int s = 0; s < StreetCount; ++s)
            if (allInOn[s])
                ++c.allInsWon[s];
    };
    for (std::string_view line : record.lines) {
        if (has(line, "*** SUMMARY ***"))
            inSummary = true;
        if (inSummary) {
            if (!has(line, user))
                continue;
            if (has(line, "folded before Flop"))
                ++c.folds[Preflop];
            if (has(line, "folded on the Turn"))
                ++c.folds[Turn];
            if (has(line, "folded on the Flop"))
                ++c.folds[Flop];
            if (has(line, "folded on the River"))
                ++c.folds[River];
            if (has(line, "mucked"))
                ++c.mucked;
            if (has(line, "collected")) {
                ++c.wonNoShowdown;
                countAllInWin();
            }
            if (has(line, "won")) {
                ++c.wonShowdown;
                countAllInWin();
                const auto cats = categoriesOf(line);
                for (int k = 0; k < kCategories; ++k)
                    c.winCat[k] += cats[k];
            }
            if (has(line, "lost")) {
                ++c.lostShowdown;
                if (allIn)
                    ++c.allInLost;
                const auto cats = categoriesOf(line);
                for (int k = 0; k < kCategories; ++k)
                    c.lostCat[k] += cats[k];
            }
            continue;
        }
        if (has(line, "*** HOLE CARDS ***"))
            afterHoleCards = true;
        if (!afterHoleCards)
            continue;
        if (has(line, "*** FLOP ***"))
            flopSeen = true;
        if (has(line, "*** TURN ***"))
            turnSeen = true;
        if (has(line, "*** RIVER ***"))
            riverSeen = true;
        if (has(line, user) && has(line, "all-in")) {
            allIn = true;
            const Street s = riverSeen ? River : turnSeen ? Turn : flopSeen ? Flop : Preflop;
            ++c.allIns[s];
            allInOn[s] = true;
        }
    }
}

} // namespace

std::string percentText(double count, double base, char decimalSeparator)
{
    // Only an empty game list has a zero base; it shows 0 rather than "nan".
    return formatFixed2(base == 0 ? 0.0 : count / base * 100.0, decimalSeparator);
}

WinLossStats buildWinLossStats(const GameIndex& index, const std::vector<std::string>& gameRows,
                               std::string_view user, char decimalSeparator)
{
    Counters c;
    for (const std::string& row : gameRows) {
        ++c.played;
        const auto game = gameOfRow(row);
        if (const Tgame* record = game ? index.gameRecord(*game) : nullptr)
            countGame(*record, user, c);
    }

    const int won = c.wonShowdown + c.wonNoShowdown;
    const int lost = c.lostShowdown + c.mucked;
    const int folds = c.folds[Preflop] + c.folds[Flop] + c.folds[Turn] + c.folds[River];
    const int allInTotal = c.allInWon + c.allInLost;
    auto counted = [&](const char* label, int count, int base) {
        return label + std::to_string(count) + " (" + percentText(count, base, decimalSeparator) + "%)";
    };
    auto slice = [](ChartSeries& pie, const char* label, int value, Rgb colour) {
        if (value > 0)
            pie.push_back({label, static_cast<double>(value), colour});
    };

    WinLossStats s;
    s.total.push_back("Hände gespielt  : " + std::to_string(c.played));
    s.total.push_back(counted("davon gewonnen  : ", won, c.played));
    s.total.push_back(counted("davon verloren  : ", lost, c.played));
    s.total.push_back(counted("Folds insgesamt : ", folds, c.played));
    slice(s.totalPie, "wins", won, {0, 128, 0});
    slice(s.totalPie, "lost", lost, {255, 0, 0});
    if (folds > 0) {
        s.total.push_back(counted("davon Preflop   : ", c.folds[Preflop], folds));
        s.total.push_back(counted("Postflop        : ", c.folds[Flop], folds));
        s.total.push_back(counted("Turn            : ", c.folds[Turn], folds));
        s.total.push_back(counted("River           : ", c.folds[River], folds));
        slice(s.totalPie, "fpf", c.folds[Preflop], {255, 255, 0});
        slice(s.totalPie, "fof", c.folds[Flop], {255, 180, 4});
        slice(s.totalPie, "fot", c.folds[Turn], {255, 123, 4});
        slice(s.totalPie, "for", c.folds[River], {255, 70, 23});
    }

    if (c.played != folds) {
        const int n = c.played - folds;
        s.wonLost = {"Hände gespielt  : " + std::to_string(c.played),
                     counted("gewonnene Hände : ", won, c.played),
                     counted("ohne Showdown   : ", c.wonNoShowdown, n),
                     counted("mit Showdown    : ", c.wonShowdown, n),
                     "  ",
                     counted("verlorene Hände : ", lost, c.played),
                     counted("Mucked Hands    : ", c.mucked, n),
                     counted("lost on showdown: ", c.lostShowdown, n)};
        slice(s.wonLostPie, "goS", c.wonNoShowdown, {0, 128, 128});
        slice(s.wonLostPie, "gmS", c.wonShowdown, {0, 128, 0});
        slice(s.wonLostPie, "muked", c.mucked, {255, 255, 0});
        slice(s.wonLostPie, "vmS", c.lostShowdown, {255, 0, 0});
    } else {
        s.wonLost = {"Nur Folds"};
    }

    if (allInTotal != 0) {
        s.allIns = {counted("All-ins gesamt  : ", allInTotal, c.played),
                    counted("gewonnen        : ", c.allInWon, allInTotal),
                    counted("verloren        : ", c.allInLost, allInTotal), "  "};
        struct StreetRow {
            const char* label;
            const char* wonLabel;
            Rgb wonColour;
            const char* lostLabel;
            Rgb lostColour;
        };
        constexpr std::array<StreetRow, StreetCount> streets{{
            {"All-ins preflop : ", "gpf", {0, 128, 0}, "vpf", {255, 0, 0}},
            {"All-ins on flop : ", "gof", {111, 255, 62}, "vof", {255, 255, 0}},
            {"All-ins on turn : ", "got", {50, 138, 40}, "vot", {141, 37, 37}},
            {"All-ins on river: ", "gor", {20, 158, 45}, "vor", {255, 128, 128}},
        }};
        for (int st = 0; st < StreetCount; ++st) {
            const int wonOn = c.allInsWon[st];
            const int lostOn = c.allIns[st] - wonOn;
            s.allIns.push_back(counted(streets[st].label, c.allIns[st], allInTotal));
            s.allIns.push_back("win/loss        : " + std::to_string(wonOn) + "/" + std::to_string(lostOn));
            slice(s.allInPie, streets[st].wonLabel, wonOn, streets[st].wonColour);
            slice(s.allInPie, streets[st].lostLabel, lostOn, streets[st].lostColour);
        }
    } else {
        s.allIns = {"Keine All-Ins"};
    }

    s.cards.push_back("win/lost with   : ");
    for (int k = 0; k < kCategories; ++k)
        s.cards.push_back(kCategoryLabels[k] + std::to_string(c.winCat[k]) + "/" + std::to_string(c.lostCat[k]));
    return s;
}

} // namespace tallyhand
