#include "app/SimulatePage.h"

#include "app/CardButtonPanel.h"
#include "app/PageTabs.h"

#include <QHBoxLayout>

namespace tallyhand::app {

SimulatePage::SimulatePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet53"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    m_seats = new QWidget(this);
    m_seats->setObjectName(QStringLiteral("simulate_seats"));
    layout->addWidget(m_seats, 2);

    m_results = makePageControl(QStringLiteral("pc_simulate"), this);
    m_probabilities = addPage(m_results, QStringLiteral("Wahrscheinlichkeiten"));
    m_wins = addPage(m_results, QStringLiteral("Gewinne"));
    m_splits = addPage(m_results, QStringLiteral("Splits"));
    QWidget* cards = addPage(m_results, QStringLiteral("Karten"), QStringLiteral("TabSheet56"));
    m_panel = new CardButtonPanel(QStringLiteral("Panel18"), cards);
    cards->layout()->addWidget(m_panel);
    m_results->setTabVisible(m_results->indexOf(cards), false);
    layout->addWidget(m_results, 3);
}

} // namespace tallyhand::app
