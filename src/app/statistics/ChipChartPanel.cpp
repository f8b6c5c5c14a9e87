#include "app/statistics/ChipChartPanel.h"

#include "app/widgets/StatChart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyhand::app {

ChipChartPanel::ChipChartPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chip_chart_panel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_chart = new StatChart(QStringLiteral("Chart_1"), QStringLiteral("Chipcount"), this);
    m_chart->setAxisTitles(QStringLiteral("Spiel"), QStringLiteral("Chips"));
    layout->addWidget(m_chart, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Player"), this));
    m_player = new QLineEdit(this);
    m_player->setObjectName(QStringLiteral("inp_player"));
    m_player->setFixedWidth(110);
    side->addWidget(m_player);
    m_overall = new QRadioButton(QStringLiteral("Chipcount"), this);
    m_overall->setObjectName(QStringLiteral("rb_overall"));
    m_overall->setChecked(true);
    m_perGame = new QRadioButton(QStringLiteral("per Game"), this);
    m_perGame->setObjectName(QStringLiteral("rb_pergame"));
    side->addWidget(m_overall);
    side->addWidget(m_perGame);
    m_show = new QPushButton(QStringLiteral("show"), this);
    m_show->setObjectName(QStringLiteral("Button85"));
    side->addWidget(m_show);
    side->addStretch(1);
    layout->addLayout(side);
}

} // namespace tallyhand::app
