// Choosing a tournament and replaying a game in the real window (offscreen):
// the core's statistics plus filling every list, memo and chart.
#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardEdit.h"
#include "app/database/GameBrowserPanel.h"
#include "app/database/GameReplay.h"
#include "app/statistics/StatisticsPage.h"
#include "app/statistics/TournamentSelection.h"
#include "app/window/MainWindow.h"
#include "app/window/StartupSequence.h"
#include "history/DatabaseFiles.h"
#include "history/GameTableBuilder.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThreadPool>
#include <fstream>

using namespace tallyhand;
using namespace tallyhand::app;

namespace {

// A home whose games form tournament 1 (5000 games) and tournament 2 (200),
// left as the five text files that the window takes over into its database.
void writeHome(const std::filesystem::path& home)
{
    std::filesystem::create_directories(home / "data");
    GameTableBuilder builder;
    std::vector<std::string> names;
    generateHandHistories({5200, 9, "Hero"}, [&](GeneratedFile&& file) {
        builder.addFile(file.name, splitLines(file.bytes), "Hero");
        names.push_back(file.name);
    });
    std::ofstream(home / "Tallyhand.ini", std::ios::binary) << "[USER]\r\nusername=Hero\r\n";
    GameTables t = builder.takeTables();
    std::map<std::int64_t, std::int64_t> tourOf;
    for (Tcardcount& cards : t.hole_cards)
        for (Tgame& g : cards.game_refs)
            g.tour_no = tourOf.emplace(g.game_no, tourOf.size() < 5000 ? 1 : 2).first->second;
    for (TBoard& b : t.boards)
        b.game.tour_no = tourOf[b.game.game_no];
    for (Tgame& g : t.summaries)
        g.tour_no = tourOf[g.game_no];
    saveHoleCards(home / "data" / kHoleCardsFile, t.hole_cards);
    saveBoards(home / "data" / kBoardsFile, t.boards);
    saveGameBlocks(home / "data" / kSummariesFile, t.summaries);
    saveGameBlocks(home / "data" / kGamesFile, t.game_records);
    saveFileNames(home / "data" / kLoadedFile, {});
}

Tfrm_tallyhand* g_window = nullptr;

int rowOf(const QListWidget* list, const QString& first)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().section(QLatin1Char(' '), 0, 0) == first)
            return i;
    return -1;
}

void chooseTournament(benchmark::State& state, std::int64_t tour)
{
    QListWidget* tours = g_window->statisticsPage()->browser()->lbTour();
    const int row = rowOf(tours, QString::number(tour));
    if (row < 0)
        state.SkipWithError("no such tournament");
    for (auto _ : state) {
        tours->setCurrentRow(row);
        g_window->tournamentSelection()->lb_tourClick();
    }
    state.counters["games"] = g_window->statisticsPage()->browser()->lbGame()->count();
}

void BM_ChooseTournament(benchmark::State& state)
{
    chooseTournament(state, state.range(0));
}
BENCHMARK(BM_ChooseTournament)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// A replay from lb_game, with the calculator's own work, and the calculator alone.
void BM_ReplayGame(benchmark::State& state)
{
    QListWidget* tours = g_window->statisticsPage()->browser()->lbTour();
    tours->setCurrentRow(rowOf(tours, QStringLiteral("2")));
    g_window->tournamentSelection()->lb_tourClick();
    QListWidget* games = g_window->statisticsPage()->browser()->lbGame();
    if (games->count() == 0) {
        state.SkipWithError("no tournament 2");
        return;
    }
    int next = 0;
    for (auto _ : state) {
        games->setCurrentRow(next++ % games->count());
        g_window->gameReplay()->lb_gameDblClick();
    }
}
BENCHMARK(BM_ReplayGame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CalculatorAfterRiver(benchmark::State& state)
{
    CalculatorPanel* calc = g_window->calculator();
    const char* cards[] = {"Ah", "Kd", "Qh", "Jh", "2c", "7d", "9s"};
    for (auto _ : state) {
        calc->Button20Click();
        for (int i = 0; i < CalculatorPanel::CardSlotCount; ++i)
            calc->cardEdit(i)->setText(QString::fromLatin1(cards[i]));
        calc->hole2Exit();
        calc->riverExit();
    }
}
BENCHMARK(BM_CalculatorAfterRiver)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// TALLYHAND_BENCH_HOME names a home of one's own (a large generated
// history, say) whose cash games are chosen as well.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir generated;
    QString home = qEnvironmentVariable("TALLYHAND_BENCH_HOME");
    if (home.isEmpty()) {
        home = generated.path();
        writeHome(home.toStdString());
    } else {
        benchmark::RegisterBenchmark("BM_ChooseCashGames", [](benchmark::State& state) { chooseTournament(state, 0); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
    }
    Tfrm_tallyhand window(home);
    window.show();
    QEventLoop wait;
    QObject::connect(window.startup(), &StartupSequence::finished, &wait, &QEventLoop::quit);
    if (!window.startup()->done())
        wait.exec();
    // What the start-up left running (the results page's load) is not timed.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    // As the user sees it: the statistics page with its chip chart of every game in front.
    window.pageControl()->setCurrentWidget(window.statisticsPage());
    window.statisticsPage()->pageControl()->setCurrentIndex(2);
    g_window = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
