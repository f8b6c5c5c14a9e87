#include "stats/ResultsReport.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace tallyhand {

namespace {

double netInBigBlinds(const GameResult& game)
{
    return game.bigBlind > 0 ? static_cast<double>(game.net) / static_cast<double>(game.bigBlind) : 0.0;
}

} // namespace

void ResultStats::add(const GameResult& game)
{
    ++games;
    net += game.net;
    (game.showdown ? netShowdown : netNonShowdown) += game.net;
    netBb += netInBigBlinds(game);
    vpip += game.vpip;
    pfr += game.pfr;
    threeBet += game.threeBet;
    threeBetChance += game.threeBetChance;
    sawFlop += game.sawFlop;
    showdown += game.showdown;
    wonShowdown += game.wonShowdown;
    betsRaises += game.betsRaises;
    calls += game.calls;
}

std::optional<double> TournamentResult::roiPercent() const
{
    if (!summary)
        return std::nullopt;
    return ResultStats::percent(summary->prize - summary->buyIn, summary->buyIn);
}

ResultsReport buildResultsReport(std::span<const GameResult> games, const ResultsFilter& filter,
                                 const std::vector<TournamentSummary>& summaries)
{
    std::array<ResultStats, kMoneyUnitCount> byUnit{};
    std::array<std::array<ResultStats, kPositionCount>, kMoneyUnitCount> byPosition{};
    std::map<std::pair<MoneyUnit, std::int64_t>, ResultStats> byStakes;
    std::pair<MoneyUnit, std::int64_t> lastStakes{MoneyUnit::Chips, -1};
    ResultStats* lastStakesStats = nullptr;
    std::array<std::optional<std::size_t>, kMoneyUnitCount> openSession{};
    std::unordered_map<std::int64_t, std::size_t> tournamentAt;
    ResultsReport report;

    for (const GameResult& game : games) {
        if (!filter.accepts(game))
            continue;
        const auto u = static_cast<std::size_t>(game.unit);
        byUnit[u].add(game);
        byPosition[u][static_cast<std::size_t>(game.position)].add(game);
        // Games come in runs of one stake; the map is searched only when it changes.
        if (!lastStakesStats || lastStakes.first != game.unit || lastStakes.second != game.bigBlind) {
            lastStakes = {game.unit, game.bigBlind};
            lastStakesStats = &byStakes[lastStakes];
        }
        lastStakesStats->add(game);

        auto& open = openSession[u];
        if (!open || game.time - report.sessions[*open].end > kSessionGap) {
            open = report.sessions.size();
            report.sessions.push_back({game.unit, game.time, game.time, 0, 0, 0.0});
        }
        Session& session = report.sessions[*open];
        session.end = std::max(session.end, game.time);
        ++session.games;
        session.net += game.net;
        session.netBb += netInBigBlinds(game);

        if (game.tournament != 0) {
            const auto [it, added] = tournamentAt.try_emplace(game.tournament, report.tournaments.size());
            if (added)
                report.tournaments.push_back({game.tournament, 0, 0, 0, std::nullopt});
            TournamentResult& t = report.tournaments[it->second];
            ++t.games;
            (game.net > 0 ? t.chipsWon : t.chipsLost) += game.net > 0 ? game.net : -game.net;
        }
    }

    for (std::size_t u = 0; u < byUnit.size(); ++u) {
        const auto unit = static_cast<MoneyUnit>(u);
        if (byUnit[u].games > 0)
            report.totals.push_back({unit, byUnit[u]});
        for (std::size_t p = 0; p < byPosition[u].size(); ++p)
            if (byPosition[u][p].games > 0)
                report.byPosition.push_back({unit, static_cast<Position>(p), byPosition[u][p]});
    }
    for (const auto& [key, stats] : byStakes)
        report.byStakes.push_back({key.first, key.second, stats});

    // Sessions of different units interleave in time; list them by start.
    std::stable_sort(report.sessions.begin(), report.sessions.end(),
                     [](const Session& a, const Session& b) { return a.start < b.start; });

    for (const TournamentSummary& summary : summaries) {
        const auto it = tournamentAt.find(summary.tournament);
        if (it == tournamentAt.end())
            continue;
        report.tournaments[it->second].summary = summary;
        auto totals = std::find_if(report.tournamentTotals.begin(), report.tournamentTotals.end(),
                                   [&](const TournamentTotals& t) { return t.unit == summary.unit; });
        if (totals == report.tournamentTotals.end())
            totals = report.tournamentTotals.insert(report.tournamentTotals.end(), TournamentTotals{summary.unit});
        ++totals->tournaments;
        totals->inTheMoney += summary.prize > 0;
        totals->buyIns += summary.buyIn;
        totals->prizes += summary.prize;
    }
    return report;
}

void orderResults(std::vector<GameResult>& games)
{
    std::unordered_set<std::int64_t> seen;
    seen.reserve(games.size());
    std::erase_if(games, [&](const GameResult& game) { return !seen.insert(game.game).second; });
    // After the duplicates are gone no two games share a game number, so the order is total.
    std::sort(games.begin(), games.end(), [](const GameResult& a, const GameResult& b) {
        return a.time != b.time ? a.time < b.time : a.game < b.game;
    });
}

} // namespace tallyhand
