#include "app/statistics/SklanskyChartPanel.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyhand::app {

SklanskyChartPanel::SklanskyChartPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab_sklansky"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_chart = new QChartView(new QChart, this);
    m_chart->setObjectName(QStringLiteral("Chart_2"));
    layout->addWidget(m_chart, 1);

    auto* side = new QVBoxLayout;
    m_pie = new QRadioButton(QStringLiteral("Tortendiagramm"), this);
    m_pie->setObjectName(QStringLiteral("rb_torte"));
    m_pie->setChecked(true);
    m_bars = new QRadioButton(QStringLiteral("Balkendiagramm"), this);
    m_bars->setObjectName(QStringLiteral("rb_balken"));
    side->addWidget(m_pie);
    side->addWidget(m_bars);
    m_show = new QPushButton(QStringLiteral("show"), this);
    m_show->setObjectName(QStringLiteral("btn_sklansky_show"));
    side->addWidget(m_show);
    side->addStretch(1);
    layout->addLayout(side);
}

} // namespace tallyhand::app
