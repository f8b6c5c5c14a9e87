#include "app/statistics/WinLossViews.h"

#include "app/widgets/PageTabs.h"
#include "app/widgets/RowLists.h"
#include "app/widgets/StatChart.h"

#include <QHBoxLayout>
#include <QListWidget>

namespace tallyhand::app {

namespace {

QListWidget* listPage(QTabWidget* tabs, const QString& caption, const QString& name, StatChart** chart,
                      const QString& title)
{
    QWidget* page = addPage(tabs, caption);
    auto* row = new QHBoxLayout;
    QListWidget* list = makeRowList(name, page);
    row->addWidget(list, 2);
    if (chart) {
        *chart = new StatChart(QStringLiteral("ch") + name.mid(2), title, page);
        row->addWidget(*chart, 3);
    }
    static_cast<QBoxLayout*>(page->layout())->addLayout(row);
    return list;
}

} // namespace

WinLossViews WinLossViews::build(QTabWidget* tabs, const QStringList& captions, const QStringList& names)
{
    WinLossViews v;
    v.total = listPage(tabs, captions[0], names[0], &v.totalPie, QStringLiteral("Statistik"));
    v.wonLost = listPage(tabs, captions[1], names[1], &v.wonLostPie, QStringLiteral("gewinne/verluste"));
    v.allIns = listPage(tabs, captions[2], names[2], &v.allInPie, QStringLiteral("All-In Statistik"));
    v.cards = listPage(tabs, captions[3], names[3], nullptr, {});
    return v;
}

void WinLossViews::show(const WinLossStats& stats) const
{
    fillRows(total, stats.total);
    fillRows(wonLost, stats.wonLost);
    fillRows(allIns, stats.allIns);
    fillRows(cards, stats.cards);
    totalPie->showPie(stats.totalPie);
    wonLostPie->showPie(stats.wonLostPie);
    allInPie->showPie(stats.allInPie);
}

} // namespace tallyhand::app
