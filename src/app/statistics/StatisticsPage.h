#pragma once

#include <QWidget>

class QTabWidget;

namespace tallyhand::app {

class ChipChartPanel;
class GameBrowserPanel;
class GamePlayPanel;
class ShowdownPanel;
class SklanskyChartPanel;
class StatisticViewsPanel;

// TabSheet4 "Statistik": the game browser on the left, PageControl3 on the right.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(QWidget* parent = nullptr);

    GameBrowserPanel* browser() const { return m_browser; }
    QTabWidget* pageControl() const { return m_pages; } // PageControl3
    GamePlayPanel* gamePlay() const { return m_gamePlay; }
    ShowdownPanel* showdown() const { return m_showdown; }
    ChipChartPanel* chipChart() const { return m_chipChart; }
    SklanskyChartPanel* sklanskyChart() const { return m_sklanskyChart; }
    StatisticViewsPanel* statistics() const { return m_statistics; }

private:
    GameBrowserPanel* m_browser = nullptr;
    QTabWidget* m_pages = nullptr;
    GamePlayPanel* m_gamePlay = nullptr;
    ShowdownPanel* m_showdown = nullptr;
    ChipChartPanel* m_chipChart = nullptr;
    SklanskyChartPanel* m_sklanskyChart = nullptr;
    StatisticViewsPanel* m_statistics = nullptr;
};

} // namespace tallyhand::app
