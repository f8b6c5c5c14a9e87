#include "app/GameBrowserPanel.h"

#include "app/PageTabs.h"

#include <QHBoxLayout>
#include <QListWidget>

namespace tallyhand::app {

namespace {
QListWidget* makeList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}
} // namespace

GameBrowserPanel::GameBrowserPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("game_browser"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_pages = makePageControl(QStringLiteral("PageControl2"), this);
    QWidget* holeCards = addPage(m_pages, QStringLiteral("Hole Cards"));
    m_lb4 = makeList(QStringLiteral("lb4"), holeCards);
    holeCards->layout()->addWidget(m_lb4);
    QWidget* tournaments = addPage(m_pages, QStringLiteral("Tournaments"));
    m_lbTour = makeList(QStringLiteral("lb_tour"), tournaments);
    m_lbGame = makeList(QStringLiteral("lb_game"), tournaments);
    tournaments->layout()->addWidget(m_lbTour);
    tournaments->layout()->addWidget(m_lbGame);
    layout->addWidget(m_pages, 5);

    m_lb3 = makeList(QStringLiteral("lb3"), this);
    layout->addWidget(m_lb3, 3);
}

} // namespace tallyhand::app
