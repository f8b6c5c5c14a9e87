// The simulation's two front ends driven through the window: "Simulate Board"
// and the showdown cards of the statistics page with its detail grids.
#include "AppTestSupport.h"

#include "app/simulation/ShowdownPanel.h"
#include "app/simulation/SimulatePage.h"
#include "app/simulation/SimulationFrontEnd.h"
#include "app/statistics/StatisticsPage.h"
#include "cards/CardText.h"
#include "preflop/SimulationInput.h"
#include "preflop/SimulationResults.h"

#include <QCheckBox>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class SimulationPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void simulateBoardDealsTheTypedHands();
    void percentAndAbsoluteShowTheSameRunOnBothPages();
    void invalidHandsAreNamedAndNothingRuns();
    void badDealCountFallsBackToOneMillion();
    void flopFromTheCalculatorIsFixedAndExactCountsBoards();
    void missingTurnIsReported();
    void noSecondRunWhileOneIsGoing();
    void doubleClickAndClearWriteFromStoredCounters();

private:
    template <class T = QWidget>
    T* w(const char* name) const { return field<T>(*m_window, QString::fromLatin1(name)); }
    QListWidget* list(const char* name) const { return w<QListWidget>(name); }
    QTableWidget* grid(const char* name) const { return w<QTableWidget>(name); }
    QStringList lines(const char* name) const;
    bool runAndWait(SimulationFrontEnd* frontEnd, const std::function<void()>& click);
    SimulatePage* simulate() const { return m_window->simulatePage(); }
    ShowdownPanel* showdown() const { return m_window->statisticsPage()->showdown(); }
    void fillShowdownRows(const QStringList& rows);

    QTemporaryDir m_home;
    std::unique_ptr<Tfrm_tallyhand> m_window;
};

void SimulationPagesTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_home.isValid());
    // The window is not shown: the start-up sequence is not needed here.
    QVERIFY(writeIniFile(m_home.path()));
    m_window = std::make_unique<Tfrm_tallyhand>(m_home.path());
}

void SimulationPagesTest::init()
{
    for (int seat = 0; seat < 10; ++seat)
        for (int k = 0; k < 2; ++k)
            simulate()->seatField(seat, k)->clear();
    w<QLineEdit>("Edit98")->setText(QStringLiteral("20000"));
    w<QCheckBox>("cb_exakt")->setChecked(false);
    for (const char* name : {"flop1", "flop2", "flop3", "turn"})
        w<QLineEdit>(name)->clear();
}

QStringList SimulationPagesTest::lines(const char* name) const
{
    QStringList out;
    for (int i = 0; i < list(name)->count(); ++i)
        out << list(name)->item(i)->text();
    return out;
}

bool SimulationPagesTest::runAndWait(SimulationFrontEnd* frontEnd, const std::function<void()>& click)
{
    QSignalSpy done(frontEnd, &SimulationFrontEnd::finished);
    click();
    if (!frontEnd->running())
        return false;
    return done.wait(60000);
}

void SimulationPagesTest::fillShowdownRows(const QStringList& rows)
{
    list("lb_hc")->clear();
    list("lb_hc")->addItems(rows);
}

void SimulationPagesTest::simulateBoardDealsTheTypedHands()
{
    simulate()->seatField(0, 0)->setText(QStringLiteral("Ah"));
    simulate()->seatField(0, 1)->setText(QStringLiteral("KKaro"));
    simulate()->seatField(3, 0)->setText(QStringLiteral("qs")); // an empty seat leaves no gap
    simulate()->seatField(3, 1)->setText(QStringLiteral("Qc"));
    QVERIFY(runAndWait(simulate()->simulation(), [&] { w<QPushButton>("Button146")->click(); }));

    QCOMPARE(lines("lb"), (QStringList{QStringLiteral("[Ah Kd]"), QStringLiteral("[qs Qc]")}));
    const SimulationCounters& c = simulate()->simulation()->counters();
    QCOMPARE(c.deals, 20000u);
    QCOMPARE(c.wins[0] + c.wins[1] + c.splits[0], 20000u);
    const QStringList results = lines("lb_wahrs_wahr");
    QCOMPARE(results.size(), 2);
    QCOMPARE(results[0], QString::fromStdString(simulationPercent(c.wins[0], c.deals, '.') + "/" +
                                                simulationPercent(c.splits[0], c.deals, '.')));
    // Queens are favourites against ace-king.
    QVERIFY(c.wins[1] > c.wins[0]);
    QCOMPARE(grid("stg_win_wahr")->rowCount(), 3);
    QCOMPARE(grid("stg_win_wahr")->item(0, 1)->text(), QStringLiteral("RF"));
    QCOMPARE(grid("stg_split_wahr")->item(0, 11)->text(), QStringLiteral("Total"));
    QCOMPARE(grid("stg_win_wahr")->item(2, 0)->text(), QStringLiteral("qs Qc"));
    QCOMPARE(w<QProgressBar>("pg_hands")->value(), w<QProgressBar>("pg_hands")->maximum());
    QVERIFY(w<QPushButton>("Button146")->isEnabled());
}

void SimulationPagesTest::percentAndAbsoluteShowTheSameRunOnBothPages()
{
    simulate()->seatField(0, 0)->setText(QStringLiteral("7h"));
    simulate()->seatField(0, 1)->setText(QStringLiteral("7d"));
    simulate()->seatField(1, 0)->setText(QStringLiteral("Ac"));
    simulate()->seatField(1, 1)->setText(QStringLiteral("Kc"));
    QVERIFY(runAndWait(simulate()->simulation(), [&] { w<QPushButton>("Button146")->click(); }));
    const SimulationCounters before = simulate()->simulation()->counters();

    w<QRadioButton>("rb_sp_wahr_24")->click(); // "Absolute Zahlen" on "Gewinne"
    QVERIFY(w<QRadioButton>("rb_sp_wahr_2")->isChecked());
    QVERIFY(!w<QRadioButton>("rb_sp_wahr")->isChecked());
    QVERIFY(!w<QRadioButton>("rb_wahr_23")->isChecked());
    QCOMPARE(simulate()->simulation()->counters().wins, before.wins); // nothing dealt again
    for (int row = 1; row <= 2; ++row) {
        std::uint64_t sum = 0;
        for (int col = 1; col <= 10; ++col)
            sum += grid("stg_win_wahr")->item(row, col)->text().toULongLong();
        QCOMPARE(QString::number(sum), grid("stg_win_wahr")->item(row, 11)->text());
        QCOMPARE(grid("stg_win_wahr")->item(row, 11)->text(), QString::number(before.wins[row - 1]));
    }

    w<QRadioButton>("rb_sp_wahr")->click(); // "Prozentzahlen" on "Splits"
    QVERIFY(w<QRadioButton>("rb_wahr_23")->isChecked());
    QVERIFY(!w<QRadioButton>("rb_sp_wahr_24")->isChecked());
    QCOMPARE(grid("stg_split_wahr")->item(1, 11)->text(),
             QString::fromStdString(simulationPercent(before.splits[0], before.deals, '.')));
}

void SimulationPagesTest::invalidHandsAreNamedAndNothingRuns()
{
    list("lb_wahrs_wahr")->clear();
    simulate()->seatField(0, 0)->setText(QStringLiteral("Ah"));
    simulate()->seatField(0, 1)->setText(QStringLiteral("Kd"));
    simulate()->seatField(2, 0)->setText(QStringLiteral("AHerz"));
    simulate()->seatField(2, 1)->setText(QStringLiteral("2c"));
    w<QPushButton>("Button146")->click();
    QVERIFY(!simulate()->simulation()->running());
    QCOMPARE(simulate()->simulation()->lastMessage(),
             QStringLiteral("Die Karte AHerz kommt doppelt vor (Hand 1 und Hand 2)."));
    QCOMPARE(m_window->statusText(), simulate()->simulation()->lastMessage());
    QVERIFY(lines("lb_wahrs_wahr").isEmpty());

    init();
    w<QPushButton>("Button146")->click();
    QVERIFY(simulate()->simulation()->lastMessage().startsWith(QStringLiteral("Keine Hand angegeben")));
}

void SimulationPagesTest::badDealCountFallsBackToOneMillion()
{
    simulate()->seatField(0, 0)->setText(QStringLiteral("2h"));
    simulate()->seatField(0, 1)->setText(QStringLiteral("3h"));
    w<QLineEdit>("Edit98")->setText(QStringLiteral("viele"));
    QVERIFY(runAndWait(simulate()->simulation(), [&] { w<QPushButton>("Button146")->click(); }));
    QCOMPARE(w<QLineEdit>("Edit98")->text(), QStringLiteral("1000000"));
    QCOMPARE(simulate()->simulation()->counters().deals, 1000000u);
    QCOMPARE(lines("lb_wahrs_wahr"), QStringList{QStringLiteral("100.00/0.00")});
}

void SimulationPagesTest::flopFromTheCalculatorIsFixedAndExactCountsBoards()
{
    const QStringList rows{QStringLiteral("Anna [Ah Kd] zeigte"), QStringLiteral("Bert [9c 9d] gewann (300)")};
    fillShowdownRows(rows);
    w<QLineEdit>("flop1")->setText(QStringLiteral("9Herz"));
    w<QLineEdit>("flop2")->setText(QStringLiteral("TKreuz"));
    w<QLineEdit>("flop3")->setText(QStringLiteral("AKaro"));
    w<QCheckBox>("cb_exakt")->setChecked(true);
    QVERIFY(runAndWait(showdown()->simulation(), [&] { w<QPushButton>("Button91")->click(); }));

    // The same counts as the engine gives for this board.
    const auto request = prepareSimulation({rows[0].toStdString(), rows[1].toStdString()}, {"9Herz", "TKreuz", "AKaro"});
    QVERIFY(request.ok());
    SimulationOptions options;
    options.exact = true;
    const SimulationCounters expected = runSimulation(request.setup, options);
    const SimulationCounters& got = showdown()->simulation()->counters();
    QCOMPARE(got.deals, 990u);
    QCOMPARE(got.wins, expected.wins);
    QCOMPARE(got.splitsByCategory, expected.splitsByCategory);
    const SimulationView view = showSimulationResults(
        expected, {rows[0].toStdString(), rows[1].toStdString()}, NumberChoice::Percent, '.');
    QCOMPARE(lines("lb_wahrs").size(), 2);
    QCOMPARE(lines("lb_wahrs")[1], QString::fromStdString(view.resultLines[1]));
    QCOMPARE(grid("stg_win")->item(1, 0)->text(), QStringLiteral("Ah Kd"));
    QCOMPARE(grid("stg_win")->item(2, 11)->text(), QString::fromStdString(view.winGrid[2][11]));

    w<QRadioButton>("rb_ge_ab")->click();
    QVERIFY(w<QRadioButton>("rb_sp_ab")->isChecked());
    QCOMPARE(grid("stg_split")->item(1, 11)->text(), QString::number(expected.splits[0]));
}

void SimulationPagesTest::missingTurnIsReported()
{
    fillShowdownRows({QStringLiteral("Anna [Ah Kd]"), QStringLiteral("Bert [9c 9d]")});
    w<QLineEdit>("flop1")->setText(QStringLiteral("9Herz"));
    w<QLineEdit>("flop2")->setText(QStringLiteral("TKreuz"));
    w<QLineEdit>("flop3")->setText(QStringLiteral("2Pik"));
    w<QPushButton>("Button92")->click();
    QVERIFY(!showdown()->simulation()->running());
    QCOMPARE(showdown()->simulation()->lastMessage(),
             QStringLiteral("Boardkarte Turn fehlt: Bitte die Karte im Rechner eingeben."));
    w<QLineEdit>("turn")->setText(QStringLiteral("KKaro"));
    w<QPushButton>("Button92")->click();
    QVERIFY(!showdown()->simulation()->running());
    QCOMPARE(showdown()->simulation()->lastMessage(),
             QStringLiteral("Die Boardkarte KKaro ist auch eine Karte von Hand 1."));
}

void SimulationPagesTest::noSecondRunWhileOneIsGoing()
{
    fillShowdownRows({QStringLiteral("Anna [Ah Kd]"), QStringLiteral("Bert [9c 9d]"), QStringLiteral("Cleo [5s 6s]")});
    w<QLineEdit>("Edit98")->setText(QStringLiteral("30000000"));
    w<QCheckBox>("cb_exakt")->setChecked(false);
    QSignalSpy done(showdown()->simulation(), &SimulationFrontEnd::finished);
    w<QPushButton>("Button89")->click();
    QVERIFY(showdown()->simulation()->running());
    QVERIFY(!w<QPushButton>("Button89")->isEnabled());
    simulate()->seatField(0, 0)->setText(QStringLiteral("2h"));
    simulate()->seatField(0, 1)->setText(QStringLiteral("3h"));
    w<QPushButton>("Button146")->click();
    QVERIFY(!simulate()->simulation()->running());
    QVERIFY(simulate()->simulation()->lastMessage().startsWith(QStringLiteral("Es läuft schon eine Simulation")));
    // The window keeps working while the deals run.
    QVERIFY(done.wait(120000));
    QCOMPARE(showdown()->simulation()->counters().deals, 30000000u);
    QVERIFY(w<QPushButton>("Button89")->isEnabled());
}

void SimulationPagesTest::doubleClickAndClearWriteFromStoredCounters()
{
    fillShowdownRows({QStringLiteral("Anna [Ah Kd]"), QStringLiteral("Bert [9c 9d]")});
    QVERIFY(runAndWait(showdown()->simulation(), [&] { w<QPushButton>("Button89")->click(); }));
    const QStringList before = lines("lb_wahrs");
    list("lb_wahrs")->clear();
    showdown()->lb_wahrsDblClick();
    QCOMPARE(lines("lb_wahrs"), before);

    grid("stg_win_wahr")->clear();
    w<QPushButton>("Button145")->click();
    QCOMPARE(grid("stg_win_wahr")->item(0, 4)->text(), QStringLiteral("FH"));
    QCOMPARE(grid("stg_split_wahr")->item(0, 9)->text(), QStringLiteral("One"));
}

QTEST_MAIN(SimulationPagesTest)
#include "SimulationPagesTest.moc"
