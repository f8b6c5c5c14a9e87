#include "stats/WinLossStats.h"

#include "cards/NumberFormat.h"
#include "stats/TournamentStats.h"

#include <array>

namespace tallyhand {

namespace {

constexpr std::array<const char*, WinLossTally::kCategories> kCategoryLabels{
    "High Card       : ", "One Pair        : ", "Two Pair        : ", "Trips           : ",
    "Straight        : ", "Flush           : ", "Full House      : ", "Quads           : ",
    "Straight Flush  : ", "Royal Flush     : "};

} // namespace

std::string percentText(double count, double base, char decimalSeparator)
{
    // Only an empty game list has a zero base; it shows 0 rather than "nan".
    return formatFixed2(base == 0 ? 0.0 : count / base * 100.0, decimalSeparator);
}

WinLossStats buildWinLossStats(const TournamentGames& games, const std::vector<std::string>& gameRows,
                               char decimalSeparator)
{
    using enum WinLossTally::Street;
    constexpr int kCategories = WinLossTally::kCategories;
    WinLossTally c;
    const auto played = static_cast<std::int64_t>(gameRows.size());
    for (const std::string& row : gameRows)
        if (const auto game = gameOfRow(row))
            games.addTally(*game, c);

    const std::int64_t won = c.wonShowdown + c.wonNoShowdown;
    const std::int64_t lost = c.lostShowdown + c.mucked;
    const std::int64_t folds = c.folds[Preflop] + c.folds[Flop] + c.folds[Turn] + c.folds[River];
    const std::int64_t allInTotal = c.allInWon + c.allInLost;
    auto counted = [&](const char* label, std::int64_t count, std::int64_t base) {
        return label + std::to_string(count) + " (" +
               percentText(static_cast<double>(count), static_cast<double>(base), decimalSeparator) + "%)";
    };
    auto slice = [](ChartSeries& pie, const char* label, std::int64_t value, Rgb colour) {
        if (value > 0)
            pie.push_back({label, static_cast<double>(value), colour});
    };

    WinLossStats s;
    s.total.push_back("Hände gespielt  : " + std::to_string(played));
    s.total.push_back(counted("davon gewonnen  : ", won, played));
    s.total.push_back(counted("davon verloren  : ", lost, played));
    s.total.push_back(counted("Folds insgesamt : ", folds, played));
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

    if (played != folds) {
        const std::int64_t n = played - folds;
        s.wonLost = {"Hände gespielt  : " + std::to_string(played),
                     counted("gewonnene Hände : ", won, played),
                     counted("ohne Showdown   : ", c.wonNoShowdown, n),
                     counted("mit Showdown    : ", c.wonShowdown, n),
                     "  ",
                     counted("verlorene Hände : ", lost, played),
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
        s.allIns = {counted("All-ins gesamt  : ", allInTotal, played),
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
            const std::int64_t wonOn = c.allInsWon[st];
            const std::int64_t lostOn = c.allIns[st] - wonOn;
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
