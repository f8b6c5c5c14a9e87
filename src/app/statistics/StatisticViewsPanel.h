#pragma once

#include "app/statistics/WinLossViews.h"

#include <QWidget>

class QListWidget;
class QTabWidget;

namespace tallyhand::app {

class BoardStatsPanel;

// "Statistik" of the right-hand pages: hole-card classes, won/lost and board statistics.
class StatisticViewsPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatisticViewsPanel(QWidget* parent = nullptr);

    QTabWidget* pageControl() const { return m_pages; }
    QListWidget* lbStatHole() const { return m_lbStatHole; }
    QListWidget* lbStatGames() const { return m_lbStatGames; }
    // lb_stat_wonlost … of the chosen class, and lb_wl_all … of the tournament.
    const WinLossViews& classViews() const { return m_classViews; }
    const WinLossViews& tournamentViews() const { return m_tournamentViews; }
    BoardStatsPanel* boards() const { return m_boards; }

private:
    QTabWidget* m_pages = nullptr;
    QListWidget* m_lbStatHole = nullptr;
    QListWidget* m_lbStatGames = nullptr;
    WinLossViews m_classViews;
    WinLossViews m_tournamentViews;
    BoardStatsPanel* m_boards = nullptr;
};

} // namespace tallyhand::app
