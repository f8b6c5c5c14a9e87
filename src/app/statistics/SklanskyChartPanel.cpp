#include "app/statistics/SklanskyChartPanel.h"

#include "app/widgets/StatChart.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyhand::app {

SklanskyChartPanel::SklanskyChartPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab_sklansky"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_chart = new StatChart(QStringLiteral("Chart_2"), QStringLiteral("Sklanskyverteilung"), this);
    m_chart->setAxisTitles(QStringLiteral("Spiel"), QStringLiteral("Sklansky-Gruppe"));
    layout->addWidget(m_chart, 1);

    // The chart follows the choice at once; a "show" button would add nothing.
    auto* side = new QVBoxLayout;
    m_pie = new QRadioButton(QStringLiteral("Tortendiagramm"), this);
    m_pie->setObjectName(QStringLiteral("rb_torte"));
    m_pie->setChecked(true);
    m_bars = new QRadioButton(QStringLiteral("Balkendiagramm"), this);
    m_bars->setObjectName(QStringLiteral("rb_balken"));
    side->addWidget(m_pie);
    side->addWidget(m_bars);
    side->addStretch(1);
    layout->addLayout(side);
}

} // namespace tallyhand::app
