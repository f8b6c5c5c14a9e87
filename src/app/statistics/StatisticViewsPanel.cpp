#include "app/statistics/StatisticViewsPanel.h"

#include "app/statistics/BoardStatsPanel.h"
#include "app/widgets/PageTabs.h"
#include "app/widgets/RowLists.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTabWidget>

namespace tallyhand::app {

StatisticViewsPanel::StatisticViewsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statistic_views"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Up to eight pages side by side: tighter tabs keep them in view.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 6px; }"));
    m_pages = makePageControl(QStringLiteral("pc_statistik"), this);
    layout->addWidget(m_pages);

    QWidget* hole = addPage(m_pages, QStringLiteral("Hole Cards"));
    auto* holeRow = new QHBoxLayout;
    m_lbStatHole = makeRowList(QStringLiteral("lb_stat_hole"), hole);
    m_lbStatHole->setFixedWidth(QFontMetrics(m_lbStatHole->font()).horizontalAdvance(QStringLiteral("A K s 9999")) + 28);
    holeRow->addWidget(m_lbStatHole);
    QTabWidget* holeTabs = makePageControl(QStringLiteral("pc_stat_hole"), hole);
    QWidget* games = addPage(holeTabs, QStringLiteral("Games"));
    m_lbStatGames = makeRowList(QStringLiteral("lb_stat_games"), games);
    games->layout()->addWidget(m_lbStatGames);
    m_classViews = WinLossViews::build(
        holeTabs, {QStringLiteral("Total"), QStringLiteral("gewonnen/verloren"), QStringLiteral("All-Ins"), QStringLiteral("Karten g/v")},
        {QStringLiteral("lb_stat_wonlost"), QStringLiteral("lb_stat_wl"), QStringLiteral("lb_stat_ai"), QStringLiteral("lb_stat_gv")});
    holeRow->addWidget(holeTabs, 1);
    static_cast<QBoxLayout*>(hole->layout())->addLayout(holeRow);

    QWidget* wonLost = addPage(m_pages, QStringLiteral("Won/Lost"));
    QTabWidget* wlTabs = makePageControl(QStringLiteral("pc_wonlost"), wonLost);
    wonLost->layout()->addWidget(wlTabs);
    m_tournamentViews = WinLossViews::build(
        wlTabs,
        {QStringLiteral("Total"), QStringLiteral("gewonnen/verloren"), QStringLiteral("All-Ins"),
         QStringLiteral("Karten gewonnen/verloren")},
        {QStringLiteral("lb_wl_all"), QStringLiteral("lb_wl_gw"), QStringLiteral("lb_wl_ai"), QStringLiteral("lb_wl_gv")});

    QWidget* boards = addPage(m_pages, QStringLiteral("Boards/Cards"));
    m_boards = new BoardStatsPanel(boards);
    boards->layout()->addWidget(m_boards);
}

} // namespace tallyhand::app
