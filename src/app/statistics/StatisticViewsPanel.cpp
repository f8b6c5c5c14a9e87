#include "app/statistics/StatisticViewsPanel.h"

#include "app/widgets/PageTabs.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTabWidget>

namespace tallyhand::app {

namespace {

struct PageOutline {
    const char* caption;
    std::initializer_list<PageOutline> children;
};

void addPages(QTabWidget* tabs, std::initializer_list<PageOutline> pages)
{
    for (const PageOutline& outline : pages) {
        QWidget* page = addPage(tabs, QString::fromUtf8(outline.caption));
        if (outline.children.size() == 0)
            continue;
        QTabWidget* inner = makePageControl(QString(), page);
        page->layout()->addWidget(inner);
        addPages(inner, outline.children);
    }
}

} // namespace

StatisticViewsPanel::StatisticViewsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statistic_views"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = makePageControl(QStringLiteral("pc_statistik"), this);
    layout->addWidget(m_pages);

    QWidget* hole = addPage(m_pages, QStringLiteral("Hole Cards"));
    auto* holeRow = new QHBoxLayout;
    m_lbStatHole = new QListWidget(hole);
    m_lbStatHole->setObjectName(QStringLiteral("lb_stat_hole"));
    m_lbStatHole->setFixedWidth(110);
    holeRow->addWidget(m_lbStatHole);
    QTabWidget* holeTabs = makePageControl(QString(), hole);
    addPages(holeTabs, {{"Games", {}}, {"Total", {}}, {"gewonnen/verloren", {}}, {"All-Ins", {}}, {"Karten g/v", {}}});
    holeRow->addWidget(holeTabs, 1);
    static_cast<QBoxLayout*>(hole->layout())->addLayout(holeRow);

    addPages(m_pages, {
        {"Won/Lost", {{"Total", {}}, {"gewonnen/verloren", {}}, {"All-Ins", {}}, {"Karten gewonnen/verloren", {}}}},
        {"Boards/Cards",
         {{"Flop",
           {{"Karten", {}}, {"Paare", {}}, {"Drillinge", {}}, {"Straightdraws", {}},
            {"Flushdraws", {{"2x Farbe", {}}, {"3x Farbe", {}}}}}},
          {"Board",
           {{"Karten", {}}, {"Paare", {}}, {"Zwei Paar", {}}, {"Drillinge", {}}, {"Vierlinge", {}},
            {"Straightdraws", {{"einfache 3er", {}}, {"einfache 4er", {}}}},
            {"Flushdraws", {{"3x Farbe", {}}, {"4x Farbe", {}}, {"5x Farbe", {}}}},
            {"Full Houses", {}}}}}},
    });
}

QWidget* StatisticViewsPanel::page(const QStringList& captions) const
{
    QTabWidget* tabs = m_pages;
    QWidget* found = nullptr;
    for (const QString& caption : captions) {
        if (!tabs)
            return nullptr;
        found = nullptr;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption) {
                found = tabs->widget(i);
                break;
            }
        }
        if (!found)
            return nullptr;
        tabs = found->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    return found;
}

} // namespace tallyhand::app
