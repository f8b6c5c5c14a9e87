// The "Ergebnisse" page in the window: the graph in money and in big blinds,
// a filter followed by every view, and a click that replays a game.
#include "AppTestSupport.h"

#include "app/database/GameData.h"
#include "app/results/ResultsGraphView.h"
#include "app/results/ResultsPage.h"
#include "app/statistics/StatisticsPage.h"
#include "history/HandHistoryGenerator.h"
#include "stats/ResultsGraph.h"
#include "stats/ResultsReport.h"

#include <QComboBox>
#include <QLineSeries>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class ResultsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void graphSwitchesUnitAndFollowsFilters();

private:
    QTemporaryDir m_home;
};

void ResultsPageTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(writeIniFile(m_home.path()));
    const QString hands = m_home.filePath(QStringLiteral("Hands"));
    QVERIFY(QDir().mkpath(hands) && QDir().mkpath(m_home.filePath(QStringLiteral("data"))));
    generateHandHistories({600, 8, "Hero"}, [&](GeneratedFile&& file) {
        QFile out(hands + QLatin1Char('/') + QString::fromStdString(file.name));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(file.bytes));
    });
}

void ResultsPageTest::graphSwitchesUnitAndFollowsFilters()
{
    Tfrm_tallyhand window(m_home.path());
    window.show();
    QVERIFY(waitForStartup(window));
    ResultsPage* page = window.resultsPage();
    QTRY_VERIFY_WITH_TIMEOUT(!page->loading() && !page->results().games.empty(), 60000);
    window.pageControl()->setCurrentWidget(page);
    const std::vector<GameResult>& games = page->results().games;
    ResultsGraphView* graph = field<ResultsGraphView>(window, QStringLiteral("ch_results"));

    // By default the unit of the most games, in money: the last point of the
    // total line is that unit's net, in whole units for a currency.
    const MoneyUnit unit = *mostPlayedUnit(games, {});
    QCOMPARE(graph->graph().unit, unit);
    std::int64_t net = 0, count = 0;
    double netBb = 0;
    for (const GameResult& g : games)
        if (g.unit == unit) {
            net += g.net;
            netBb += static_cast<double>(g.net) / static_cast<double>(g.bigBlind);
            ++count;
        }
    QLineSeries* total = graph->totalLine();
    QVERIFY(total->count() > 1);
    const double divisor = unit == MoneyUnit::Chips || unit == MoneyUnit::Play ? 1.0 : 100.0;
    QCOMPARE(total->at(total->count() - 1).x(), static_cast<double>(count));
    QVERIFY(qAbs(total->at(total->count() - 1).y() - static_cast<double>(net) / divisor) < 1e-6);

    // Big blinds: the same games, each net over its big blind.
    field<QRadioButton>(window, QStringLiteral("rb_result_bb"))->click();
    QVERIFY(graph->graph().inBigBlinds);
    QVERIFY(qAbs(total->at(total->count() - 1).y() - netBb) < 1e-6);
    QCOMPARE(graph->showdownLine()->count(), total->count());
    field<QRadioButton>(window, QStringLiteral("rb_result_money"))->click();
    QVERIFY(qAbs(total->at(total->count() - 1).y() - static_cast<double>(net) / divisor) < 1e-6);

    // A position filter: the graph and every table hold only those games.
    QComboBox* position = field<QComboBox>(window, QStringLiteral("cb_result_position"));
    position->setCurrentIndex(position->findText(QStringLiteral("BTN")));
    std::int64_t buttonGames = 0;
    for (const GameResult& g : games)
        buttonGames += g.unit == unit && g.position == Position::BTN;
    QVERIFY(buttonGames > 0);
    QCOMPARE(static_cast<std::int64_t>(graph->graph().games.size()), buttonGames);
    QTableWidget* positions = field<QTableWidget>(window, QStringLiteral("tbl_result_positions"));
    for (int r = 0; r < positions->rowCount(); ++r)
        QCOMPARE(positions->item(r, 1)->text(), QStringLiteral("BTN"));
    std::int64_t sessionGames = 0;
    QTableWidget* sessions = field<QTableWidget>(window, QStringLiteral("tbl_result_sessions"));
    for (int r = 0; r < sessions->rowCount(); ++r)
        sessionGames += sessions->item(r, 2)->text().toLongLong();
    std::int64_t allButton = 0;
    for (const GameResult& g : games)
        allButton += g.position == Position::BTN;
    QCOMPARE(sessionGames, allButton);

    // Cash games only, in one currency: the tournaments table empties.
    field<QComboBox>(window, QStringLiteral("cb_result_kind"))->setCurrentIndex(1);
    QCOMPARE(field<QTableWidget>(window, QStringLiteral("tbl_result_tournaments"))->rowCount(), 0);
    position->setCurrentIndex(0);
    field<QComboBox>(window, QStringLiteral("cb_result_kind"))->setCurrentIndex(0);

    // A click on the graph replays its game where replays are shown.
    const qint64 game = graph->gameAt(1);
    QCOMPARE(game, graph->graph().games.front());
    QStringList shown;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) { shown << t; });
    emit graph->gameClicked(game);
    QCOMPARE(window.pageControl()->currentWidget(), window.statisticsPage());
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last(), QStringLiteral("Ok"));
}

QTEST_MAIN(ResultsPageTest)
#include "ResultsPageTest.moc"
