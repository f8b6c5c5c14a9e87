#include "app/statistics/StatisticsPage.h"

#include "app/statistics/ChipChartPanel.h"
#include "app/database/GameBrowserPanel.h"
#include "app/database/GamePlayPanel.h"
#include "app/widgets/PageTabs.h"
#include "app/simulation/ShowdownPanel.h"
#include "app/statistics/SklanskyChartPanel.h"
#include "app/statistics/StatisticViewsPanel.h"

#include <QHBoxLayout>

namespace tallyhand::app {

StatisticsPage::StatisticsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    m_browser = new GameBrowserPanel(this);
    layout->addWidget(m_browser, 4);

    m_pages = makePageControl(QStringLiteral("PageControl3"), this);
    m_gamePlay = new GamePlayPanel(m_pages);
    m_showdown = new ShowdownPanel(m_pages);
    m_chipChart = new ChipChartPanel(m_pages);
    m_sklanskyChart = new SklanskyChartPanel(m_pages);
    m_statistics = new StatisticViewsPanel(m_pages);
    m_pages->addTab(m_gamePlay, QStringLiteral("Spielablauf"));
    m_pages->addTab(m_showdown, QStringLiteral("Hole Cards"));
    m_pages->addTab(m_chipChart, QStringLiteral("Chipchart"));
    m_pages->addTab(m_sklanskyChart, QStringLiteral("Sklanskychart"));
    m_pages->addTab(m_statistics, QStringLiteral("Statistik"));
    layout->addWidget(m_pages, 5);
}

} // namespace tallyhand::app
