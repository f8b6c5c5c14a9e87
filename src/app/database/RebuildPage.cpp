#include "app/database/RebuildPage.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tallyhand::app {

RebuildPage::RebuildPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet13"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    m_rebuild = new QPushButton(QStringLiteral("Erzeuge Statistikfiles neu"), this);
    m_rebuild->setObjectName(QStringLiteral("Button87"));
    m_rebuild->setFixedWidth(200);
    layout->addWidget(m_rebuild, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
    connect(m_rebuild, &QPushButton::clicked, this, &RebuildPage::rebuildClicked);
}

} // namespace tallyhand::app
