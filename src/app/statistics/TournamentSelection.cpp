#include "app/statistics/TournamentSelection.h"

#include "app/database/GameBrowserPanel.h"
#include "app/database/GameData.h"
#include "app/statistics/BoardStatsPanel.h"
#include "app/statistics/ChipChartPanel.h"
#include "app/statistics/SklanskyChartPanel.h"
#include "app/statistics/StatisticViewsPanel.h"
#include "app/statistics/StatisticsPage.h"
#include "app/widgets/DecimalSeparator.h"
#include "app/widgets/RowLists.h"
#include "app/widgets/StatChart.h"
#include "stats/BoardStatistics.h"
#include "stats/WinLossStats.h"

#include <QFuture>
#include <QLineEdit>
#include <QtConcurrent/QtConcurrentRun>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tallyhand::app {

TournamentSelection::TournamentSelection(StatisticsPage* page, GameData* data, BusyLock* lock, StatusFn status,
                                         QObject* parent)
    : QObject(parent), m_page(page), m_data(data), m_lock(lock), m_status(std::move(status))
{
    GameBrowserPanel* browser = page->browser();
    connect(browser->lbTour(), &QListWidget::itemClicked, this, &TournamentSelection::lb_tourClick);
    connect(browser->lbTour(), &QListWidget::itemDoubleClicked, this, &TournamentSelection::lb_tourClick);

    SklanskyChartPanel* sklansky = page->sklanskyChart();
    for (QRadioButton* mode : {sklansky->pie(), sklansky->bars()})
        connect(mode, &QRadioButton::clicked, this, [this] {
            if (idle())
                Button86Click();
        });
    connect(sklansky->chart(), &StatChart::barClicked, this, &TournamentSelection::chartBarClicked);

    ChipChartPanel* chips = page->chipChart();
    for (QAbstractButton* trigger : std::initializer_list<QAbstractButton*>{chips->overall(), chips->perGame(), chips->showButton()})
        connect(trigger, &QAbstractButton::clicked, this, [this] {
            if (idle())
                Button85Click();
        });
    connect(chips->chart(), &StatChart::barClicked, this, &TournamentSelection::chartBarClicked);

    StatisticViewsPanel* views = page->statistics();
    connect(views->lbStatHole(), &QListWidget::itemClicked, this, &TournamentSelection::lb_stat_holeClick);
    connect(views->lbStatGames(), &QListWidget::itemClicked, this, &TournamentSelection::lb_stat_gamesClick);
}

void TournamentSelection::status(const QString& text)
{
    m_statusTexts << text;
    m_status(text);
}

void TournamentSelection::lb_tourClick()
{
    if (!idle())
        return;
    BusyLock::Hold hold(*m_lock);
    lb_tourDblClick();
}

void TournamentSelection::lb_tourDblClick()
{
    const QListWidgetItem* item = m_page->browser()->lbTour()->currentItem();
    if (!item || !m_data->loaded())
        return;
    m_statusTexts.clear();
    status(QString::fromUtf8(selection_text::kGames));
    const auto tour = tournamentOfRow(item->text().toStdString());
    const std::string user = m_page->chipChart()->player()->text().toStdString();
    m_data->chooseTournament(tour.value_or(0), user);
    m_games = tour ? gamesOfTournament(m_data->chosenTournament(), *tour) : std::vector<std::string>{};
    // The lists that need no widget are counted on other threads while the
    // charts are built here; nothing below reads the games for another name.
    const TournamentGames& games = m_data->gamesFor(user);
    const char separator = localeDecimalSeparator();
    QFuture<WinLossStats> winLoss =
        QtConcurrent::run([&games, this, separator] { return buildWinLossStats(games, m_games, separator); });
    QFuture<FlopStats> flop = QtConcurrent::run([&games, this] { return buildFlopStats(games.boards(), m_games); });
    QFuture<BoardStats> board = QtConcurrent::run([&games, this] { return buildBoardStats(games.boards(), m_games); });
    fillRows(m_page->browser()->lbGame(), m_games);

    status(QString::fromUtf8(selection_text::kSklansky));
    Button86Click();
    status(QString::fromUtf8(selection_text::kChips));
    Button85Click();
    status(QString::fromUtf8(selection_text::kHoleClasses));
    BuildHoleClassStats();
    status(QString::fromUtf8(selection_text::kWinLoss));
    m_page->statistics()->tournamentViews().show(winLoss.result());
    status(QString::fromUtf8(selection_text::kFlop));
    m_page->statistics()->boards()->showFlop(flop.result());
    status(QString::fromUtf8(selection_text::kBoard));
    m_page->statistics()->boards()->showBoard(board.result());
    status(QString::fromUtf8(selection_text::kOk));
    if (m_chipsLeftOut > 0)
        status(QString::fromStdString(selection_text::chipsLeftOut(m_chipsLeftOut)));
}

void TournamentSelection::refreshChosen()
{
    const auto& chosen = m_data->chosenTournament().tournaments;
    if (chosen.empty() || !idle())
        return;
    QListWidget* tours = m_page->browser()->lbTour();
    for (int i = 0; i < tours->count(); ++i)
        if (tournamentOfRow(tours->item(i)->text().toStdString()) == chosen.front().tour_no) {
            tours->setCurrentRow(i);
            lb_tourClick();
            return;
        }
}

void TournamentSelection::Button86Click()
{
    SklanskyChartPanel* panel = m_page->sklanskyChart();
    if (panel->pie()->isChecked())
        panel->chart()->showPie(sklanskyPie(chosenGames(), m_games), QStringLiteral("Series2"));
    else
        panel->chart()->showBars(sklanskyBars(chosenGames(), m_games), QStringLiteral("Series3"));
    processPaintEvents();
}

void TournamentSelection::Button85Click()
{
    ChipChartPanel* panel = m_page->chipChart();
    const QString user = panel->player()->text();
    const ChipMode mode = panel->overall()->isChecked() ? ChipMode::Chipcount : ChipMode::PerGame;
    // Another player name reads the games anew for it.
    const ChipChart chart = buildChipChart(m_data->gamesFor(user.toStdString()), m_games, mode);
    panel->chart()->setTitle(user);
    panel->chart()->showBars(chart.bars, QStringLiteral("Series1"), std::pair{chart.minimum, chart.maximum});
    m_chipsLeftOut = chart.leftOut;
}

void TournamentSelection::BuildHoleClassStats()
{
    m_classes = buildHoleClassStats(chosenGames(), m_games);
    fillRows(m_page->statistics()->lbStatHole(), m_classes.rows);
}

void TournamentSelection::lb_stat_holeClick()
{
    if (!idle())
        return;
    StatisticViewsPanel* views = m_page->statistics();
    const QListWidgetItem* item = views->lbStatHole()->currentItem();
    if (!item)
        return;
    const auto games = gamesOfHoleClass(m_classes, item->text().toStdString());
    fillRows(views->lbStatGames(), games);
    views->classViews().show(buildWinLossStats(chosenGames(), games, localeDecimalSeparator()));
}

const TournamentGames& TournamentSelection::chosenGames()
{
    return m_data->gamesFor(m_page->chipChart()->player()->text().toStdString());
}

void TournamentSelection::lb_stat_gamesClick()
{
    if (const QListWidgetItem* item = m_page->statistics()->lbStatGames()->currentItem())
        chooseGame(item->text());
}

void TournamentSelection::chartBarClicked(const QString& label)
{
    // Pie slices of the Sklansky chart replay nothing.
    if (sender() == m_page->sklanskyChart()->chart() && !m_page->sklanskyChart()->bars()->isChecked())
        return;
    chooseGame(label);
}

void TournamentSelection::chooseGame(const QString& row)
{
    if (!idle())
        return;
    QListWidget* games = m_page->browser()->lbGame();
    bool found = false;
    for (int i = 0; i < games->count(); ++i)
        if (games->item(i)->text() == row) {
            games->setCurrentRow(i);
            found = true;
        }
    if (found)
        emit gameChosen();
}

} // namespace tallyhand::app
