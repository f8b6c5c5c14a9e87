// Ranges on "Simulate Board": range fields, the range grid with its slider,
// the equity run with progress, cancel and heat map.
#include "AppTestSupport.h"

#include "app/simulation/RangeEditor.h"
#include "app/simulation/RangeEquityPanel.h"
#include "app/simulation/RangeGrid.h"
#include "app/simulation/SimulatePage.h"
#include "cards/CardText.h"
#include "preflop/RangeEquity.h"
#include "preflop/SimulationResults.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QProgressBar>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class RangeEquityPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void handAgainstRangeShowsEquityAndHeatMap();
    void dragOnTheGridSelectsAndFillsASeat();
    void sliderTakesTheTopShare();
    void aLongRunCanBeCancelled();
    void badInputIsNamedAndNothingRuns();

private:
    template <class T = QWidget>
    T* w(const char* name) const { return field<T>(*m_window, QString::fromLatin1(name)); }
    SimulatePage* page() const { return m_window->simulatePage(); }
    bool runAndWait();

    QTemporaryDir m_home;
    std::unique_ptr<Tfrm_tallyhand> m_window;
};

void RangeEquityPageTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_home.isValid());
    QVERIFY(writeIniFile(m_home.path()));
    m_window = std::make_unique<Tfrm_tallyhand>(m_home.path());
    m_window->resize(1000, 760);
}

void RangeEquityPageTest::init()
{
    for (int seat = 0; seat < 10; ++seat) {
        page()->seatField(seat, 0)->clear();
        page()->seatField(seat, 1)->clear();
        page()->rangeField(seat)->clear();
    }
    w<QLineEdit>("ed_range_board")->clear();
    w<QLineEdit>("ed_range_dead")->clear();
    w<QLineEdit>("Edit98")->setText(QStringLiteral("20000"));
}

bool RangeEquityPageTest::runAndWait()
{
    QSignalSpy done(page()->equityPanel(), &RangeEquityPanel::finished);
    w<QPushButton>("Button146")->click();
    if (!page()->equityPanel()->running())
        return false;
    return done.wait(60000);
}

void RangeEquityPageTest::handAgainstRangeShowsEquityAndHeatMap()
{
    page()->seatField(0, 0)->setText(QStringLiteral("as"));
    page()->seatField(0, 1)->setText(QStringLiteral("ks"));
    page()->rangeField(1)->setText(QStringLiteral("QQ+,AKo"));
    w<QLineEdit>("ed_range_dead")->setText(QStringLiteral("2c"));
    QVERIFY(runAndWait());
    QCOMPARE(page()->resultPages()->currentWidget(), page()->equityPage());

    RangeSetup setup;
    setup.players = {parseHandOrRange("AsKs").range, parseRange("QQ+,AKo").range};
    setup.dead = {*parseHistoryCard("2c")};
    const RangeEquityResult expected = runRangeEquity(setup, {});
    QVERIFY(page()->equityPanel()->result().exact);
    auto* table = w<QTableWidget>("stg_equity");
    QCOMPARE(table->rowCount(), 2);
    for (int p = 0; p < 2; ++p) {
        const EquityCounts& c = expected.players[static_cast<std::size_t>(p)].total;
        QCOMPARE(table->item(p, 2)->text().toStdString(), simulationPercent(c.shares, c.deals * kShareUnit, '.'));
        QCOMPARE(table->item(p, 3)->text().toStdString(), simulationPercent(c.wins, c.deals, '.'));
    }
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("AsKs"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("QQ+,AKo"));

    // Only the range player has a heat map, with a value for each of his classes.
    auto* who = w<QComboBox>("cb_heat_player");
    QCOMPARE(who->count(), 1);
    const auto& heat = page()->equityPanel()->heatMap()->heat();
    for (int cls = 0; cls < kStartingClassCount; ++cls) {
        const EquityCounts& c = expected.players[1].byClass[static_cast<std::size_t>(cls)];
        QCOMPARE(heat[static_cast<std::size_t>(cls)].has_value(), c.deals != 0);
        if (c.deals != 0)
            QCOMPARE(*heat[static_cast<std::size_t>(cls)], c.equity());
    }
}

void RangeEquityPageTest::dragOnTheGridSelectsAndFillsASeat()
{
    RangeEditor* editor = page()->rangeEditor();
    RangeGrid* grid = editor->grid();
    page()->resultPages()->setCurrentWidget(editor->parentWidget());
    grid->resize(13 * 30 + 1, 13 * 20 + 1);
    editor->seatChoice()->setCurrentIndex(2);
    w<QPushButton>("btn_range_clear")->click();
    // Along the top row from AA to AQs, then down the ace column to AJo.
    const auto centre = [&](int cls) { return grid->cellRect(cls).center(); };
    QTest::mousePress(grid, Qt::LeftButton, {}, centre(0));
    for (int cls : {1, 2}) {
        QMouseEvent move(QEvent::MouseMove, centre(cls), grid->mapToGlobal(centre(cls)), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(grid, &move);
    }
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centre(2));
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre(13 * 3)); // AJo
    w<QPushButton>("btn_range_fill")->click();
    const RangeParse filled = parseRange(page()->rangeField(2)->text().toStdString());
    QVERIFY(filled.ok());
    QCOMPARE(classesOf(filled.range), (std::vector<int>{0, 1, 2, 39}));

    // A press on a chosen class drags "off": AKs and AQs go again.
    QTest::mousePress(grid, Qt::LeftButton, {}, centre(1));
    QMouseEvent move(QEvent::MouseMove, centre(2), grid->mapToGlobal(centre(2)), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(grid, &move);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centre(2));
    QCOMPARE(grid->selected(), (std::vector<int>{0, 39}));

    // Choosing the seat again shows what its field holds.
    editor->seatChoice()->setCurrentIndex(0);
    editor->seatChoice()->setCurrentIndex(2);
    QCOMPARE(grid->selected(), (std::vector<int>{0, 1, 2, 39}));
}

void RangeEquityPageTest::sliderTakesTheTopShare()
{
    auto* slider = w<QSlider>("sl_range_top");
    for (int percent : {5, 20, 100}) {
        slider->setValue(percent);
        std::vector<int> expected = topClasses(percent);
        std::sort(expected.begin(), expected.end());
        QCOMPARE(page()->rangeEditor()->grid()->selected(), expected);
        QCOMPARE(w<QLabel>("lbl_range_top")->text(), QStringLiteral("Top %1 %").arg(percent));
    }
}

void RangeEquityPageTest::aLongRunCanBeCancelled()
{
    for (int seat = 0; seat < 6; ++seat)
        page()->rangeField(seat)->setText(QStringLiteral("random"));
    w<QLineEdit>("Edit98")->setText(QStringLiteral("2000000000"));
    QSignalSpy done(page()->equityPanel(), &RangeEquityPanel::finished);
    w<QPushButton>("Button146")->click();
    QVERIFY(page()->equityPanel()->running());
    QVERIFY(!w<QPushButton>("Button146")->isEnabled());
    QTRY_VERIFY(w<QProgressBar>("pg_range")->value() > 0);
    w<QPushButton>("btn_range_stop")->click();
    QVERIFY(done.wait(20000));
    QCOMPARE(done.first().first().toString(), QStringLiteral("Equity-Berechnung abgebrochen"));
    QVERIFY(w<QPushButton>("Button146")->isEnabled());
}

void RangeEquityPageTest::badInputIsNamedAndNothingRuns()
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("QQ+,ZZ"), QStringLiteral("\u201EZZ\u201C")},
        {QStringLiteral("AhKd"), QStringLiteral("Ah kommt mehrfach")},
    };
    page()->seatField(0, 0)->setText(QStringLiteral("Ah"));
    page()->seatField(0, 1)->setText(QStringLiteral("Ks"));
    for (const auto& [range, expected] : cases) {
        page()->rangeField(1)->setText(range);
        w<QPushButton>("Button146")->click();
        QVERIFY(!page()->equityPanel()->running());
        QVERIFY2(m_window->statusText().contains(expected), qPrintable(m_window->statusText()));
    }
}

QTEST_MAIN(RangeEquityPageTest)
#include "RangeEquityPageTest.moc"
