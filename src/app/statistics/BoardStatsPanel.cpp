#include "app/statistics/BoardStatsPanel.h"

#include "app/widgets/PageTabs.h"
#include "app/widgets/RowLists.h"
#include "app/widgets/StatChart.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace tallyhand::app {

namespace {

QTabWidget* innerTabs(QTabWidget* tabs, const QString& caption, const QString& name)
{
    QWidget* page = addPage(tabs, caption);
    QTabWidget* inner = makePageControl(name, page);
    page->layout()->addWidget(inner);
    return inner;
}

QPlainTextEdit* memoPage(QTabWidget* tabs, const QString& caption, const QString& memoName)
{
    QWidget* page = addPage(tabs, caption);
    QPlainTextEdit* memo = makeMemo(memoName, page);
    page->layout()->addWidget(memo);
    return memo;
}

StatChart* chartPage(QTabWidget* tabs, const QString& caption, const QString& chartName, const QString& title)
{
    QWidget* page = addPage(tabs, caption);
    auto* chart = new StatChart(chartName, title, page);
    page->layout()->addWidget(chart);
    return chart;
}

} // namespace

BoardStatsPanel::BoardStatsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("board_stats"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QTabWidget* pages = makePageControl(QStringLiteral("pc_boards"), this);
    layout->addWidget(pages);

    // A memo just wide enough for its rows beside a chart that takes the rest.
    auto memoAndChart = [](QTabWidget* tabs, const QString& caption, const QString& memoName,
                           const QString& chartName, const QString& title, const QString& axis) {
        QWidget* page = addPage(tabs, caption);
        auto* row = new QHBoxLayout;
        MemoChart mc;
        mc.memo = makeMemo(memoName, page);
        mc.memo->setFixedWidth(QFontMetrics(mc.memo->font()).horizontalAdvance(QStringLiteral("KKK55 99999")) + 30);
        mc.chart = new StatChart(chartName, title, page);
        mc.chart->setAxisTitles(axis, QStringLiteral("Anzahl"));
        row->addWidget(mc.memo);
        row->addWidget(mc.chart, 1);
        static_cast<QBoxLayout*>(page->layout())->addLayout(row);
        return mc;
    };
    const QString rank = QStringLiteral("Rang");
    const QString run = QStringLiteral("Folge");

    QTabWidget* flop = innerTabs(pages, QStringLiteral("Flop"), QStringLiteral("pc_flop"));
    m_flopCards = memoPage(flop, QStringLiteral("Karten"), QStringLiteral("Memo20"));
    m_flopPairs = memoAndChart(flop, QStringLiteral("Paare"), QStringLiteral("Memo22"),
                               QStringLiteral("chart_flop_pair"), QStringLiteral("Paare im Flop"), rank);
    m_flopTrips = memoAndChart(flop, QStringLiteral("Drillinge"), QStringLiteral("Memo23"),
                               QStringLiteral("chart_flop_trips"), QStringLiteral("Drillinge im Flop"), rank);
    m_flopStraights = memoAndChart(flop, QStringLiteral("Straightdraws"), QStringLiteral("Memo24"),
                                   QStringLiteral("ch_flop_st"),
                                   QStringLiteral("Straightdraws im Flop, nur einfach Draws"), run);
    QTabWidget* flopFlush = innerTabs(flop, QStringLiteral("Flushdraws"), QStringLiteral("pc_flop_flush"));
    m_flopTwoSuits = chartPage(flopFlush, QStringLiteral("2x Farbe"), QStringLiteral("chart_flop_fd2"),
                               QStringLiteral("Flushdraws, zwei Karten von einer Farbe im Flop"));
    m_flopThreeSuits = chartPage(flopFlush, QStringLiteral("3x Farbe"), QStringLiteral("ch_flop_fd3"),
                                 QStringLiteral("Dreimal gleiche Farbe im Flop"));

    QTabWidget* board = innerTabs(pages, QStringLiteral("Board"), QStringLiteral("pc_board"));
    m_boardCards = memoPage(board, QStringLiteral("Karten"), QStringLiteral("Memo21"));
    m_pairs = memoAndChart(board, QStringLiteral("Paare"), QStringLiteral("Memo25"), QStringLiteral("Chart1"),
                           QStringLiteral("Paare auf dem Tisch"), rank);
    m_twoPairs = memoAndChart(board, QStringLiteral("Zwei Paar"), QStringLiteral("Memo31"), QStringLiteral("Chart10"),
                              QStringLiteral("Zwei Paare auf dem Tisch"), QStringLiteral("Paare"));
    m_trips = memoAndChart(board, QStringLiteral("Drillinge"), QStringLiteral("Memo26"), QStringLiteral("Chart2"),
                           QStringLiteral("Drillinge auf dem Tisch"), rank);
    m_quads = memoAndChart(board, QStringLiteral("Vierlinge"), QStringLiteral("Memo27"), QStringLiteral("Chart3"),
                           QStringLiteral("Vierlinge auf dem Tisch"), rank);
    QTabWidget* straights = innerTabs(board, QStringLiteral("Straightdraws"), QStringLiteral("pc_board_straight"));
    const QString straightTitle = QStringLiteral("Straightdraws auf dem Tisch, nur einfach Draws");
    m_threeRuns = memoAndChart(straights, QStringLiteral("einfache 3er"), QStringLiteral("Memo28"),
                               QStringLiteral("Chart7"), straightTitle, run);
    m_fourRuns = memoAndChart(straights, QStringLiteral("einfache 4er"), QStringLiteral("Memo29"),
                              QStringLiteral("Chart8"), straightTitle, run);
    QTabWidget* flush = innerTabs(board, QStringLiteral("Flushdraws"), QStringLiteral("pc_board_flush"));
    m_flush3 = chartPage(flush, QStringLiteral("3x Farbe"), QStringLiteral("Chart4"),
                         QStringLiteral("Flushdraws, drei Karten von einer Farbe auf dem Tisch"));
    m_flush4 = chartPage(flush, QStringLiteral("4x Farbe"), QStringLiteral("Chart5"),
                         QStringLiteral("Flushdraws, vier Karten von einer Farbe auf dem Tisch"));
    m_flush5 = chartPage(flush, QStringLiteral("5x Farbe"), QStringLiteral("Chart6"),
                         QStringLiteral("Flushdraws, fünf Karten von einer Farbe auf dem Tisch"));
    m_fullHouses = memoAndChart(board, QStringLiteral("Full Houses"), QStringLiteral("Memo30"), QStringLiteral("Chart9"),
                                QStringLiteral("Full Houses auf dem Tisch"), QStringLiteral("Drilling und Paar"));
}

void BoardStatsPanel::showFlop(const FlopStats& s)
{
    fillMemo(m_flopCards, s.cards);
    fillMemo(m_flopPairs.memo, s.pairs);
    m_flopPairs.chart->showBars(s.pairChart);
    fillMemo(m_flopTrips.memo, s.trips);
    m_flopTrips.chart->showBars(s.tripsChart);
    fillMemo(m_flopStraights.memo, s.straights);
    m_flopStraights.chart->showBars(s.straightChart);
    m_flopTwoSuits->showPie(s.twoSuitPie);
    m_flopThreeSuits->showPie(s.threeSuitPie);
}

void BoardStatsPanel::showBoard(const BoardStats& s)
{
    fillMemo(m_boardCards, s.cards);
    const std::pair<MemoChart*, std::pair<const std::vector<std::string>*, const ChartSeries*>> views[] = {
        {&m_pairs, {&s.pairs, &s.pairChart}},           {&m_twoPairs, {&s.twoPairs, &s.twoPairChart}},
        {&m_trips, {&s.trips, &s.tripsChart}},          {&m_quads, {&s.quads, &s.quadsChart}},
        {&m_threeRuns, {&s.threeRuns, &s.threeRunChart}}, {&m_fourRuns, {&s.fourRuns, &s.fourRunChart}},
        {&m_fullHouses, {&s.fullHouses, &s.fullHouseChart}},
    };
    for (const auto& [view, content] : views) {
        fillMemo(view->memo, *content.first);
        view->chart->showBars(*content.second);
    }
    m_flush3->showPie(s.flush3Pie);
    m_flush4->showPie(s.flush4Pie);
    m_flush5->showPie(s.flush5Pie);
}

} // namespace tallyhand::app
