// The calculator driven through the window: card entry, card buttons, "New Hand",
// and the core's results as the window shows them.
#include "AppTestSupport.h"

#include "app/widgets/ColourShape.h"
#include "app/widgets/FieldColour.h"
#include "app/calculator/PreflopGrid.h"
#include "app/calculator/TableStore.h"
#include "cards/CardText.h"
#include "cards/HandRank.h"
#include "preflop/HandCalculation.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace tallyhand;
using namespace Qt::Literals::StringLiterals;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void leavingAnEditConvertsTwoCharacterInput();
    void enterActsLikeLeavingAndKeepsFocus();
    void doubleClicksEmptyAndRecalculateOnlyWhereTheyShould();
    void cardButtonsFillTheNextEmptyEdit();
    void newHandEmptiesTheHandAndKeepsRankAndBetterColumn();
    void flushDrawIsShownAsTheCoreComputesIt();
    void duplicateCardIsFlaggedAndIgnored();
    void doubleClickOnBetterCellListsThoseHands();
    void potThatIsNotAWholeNumberIsReported();

private:
    QLineEdit* f(const char* name) const { return field(*m_window, QString::fromLatin1(name)); }
    CardEdit* card(int slot) const { return m_window->calculator()->cardEdit(slot); }
    void typeAndLeave(int slot, const QString& text);
    void fill(const QStringList& cards); // texts only, no handler runs
    CalcOutput coreOutput() const;

    QTemporaryDir m_home;
    std::unique_ptr<Tfrm_tallyhand> m_window;
    QWidget* m_elsewhere = nullptr;
};

void CalculatorWindowTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_home.isValid());
    QFile ini(m_home.filePath(QStringLiteral("Tallyhand.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("[USER]\r\nusername=Hero\r\n") > 0);
    ini.close();
    m_window = std::make_unique<Tfrm_tallyhand>(m_home.path());
    m_window->show();
    QVERIFY(waitForStartup(*m_window));
    QVERIFY(m_window->calculator()->calculationReady());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_elsewhere = f("inp_pot");
}

void CalculatorWindowTest::init()
{
    m_window->calculator()->Button20Click();
}

void CalculatorWindowTest::typeAndLeave(int slot, const QString& text)
{
    card(slot)->setFocus(Qt::TabFocusReason);
    QVERIFY(card(slot)->hasFocus());
    card(slot)->selectAll();
    QTest::keyClicks(card(slot), text);
    m_elsewhere->setFocus(Qt::TabFocusReason);
}

void CalculatorWindowTest::fill(const QStringList& cards)
{
    for (int i = 0; i < cards.size(); ++i)
        card(i)->setText(cards[i]);
}

CalcOutput CalculatorWindowTest::coreOutput() const
{
    CalcInput in;
    for (int i = 0; i < 7; ++i)
        in.edits[i] = card(i)->text().toStdString();
    in.pot = f("inp_pot")->text().toStdString();
    in.previousRank = "-1";
    const TableStore* store = m_window->tableStore();
    return calculate(CalcTables{*store->patternLists(), *store->rankTables()}, in);
}

void CalculatorWindowTest::leavingAnEditConvertsTwoCharacterInput()
{
    typeAndLeave(CalculatorPanel::Hole1, QStringLiteral("ah"));
    QCOMPARE(card(0)->text(), QStringLiteral("AHerz"));
    typeAndLeave(CalculatorPanel::Flop1, QStringLiteral("dk"));
    QCOMPARE(card(2)->text(), QStringLiteral("QKreuz"));
    // Not a two-character card: left exactly as typed.
    typeAndLeave(CalculatorPanel::Flop2, QStringLiteral("AH"));
    QCOMPARE(card(3)->text(), QStringLiteral("AH"));
    typeAndLeave(CalculatorPanel::Flop2, QStringLiteral("ax"));
    QCOMPARE(card(3)->text(), QStringLiteral("ax"));
    typeAndLeave(CalculatorPanel::Flop2, QStringLiteral("9Pik"));
    QCOMPARE(card(3)->text(), QStringLiteral("9Pik"));
    // Leaving hole1 or flop1 does not calculate.
    QVERIFY(f("inp_akt")->text().isEmpty());

    // Leaving hole2 calculates, then fills the chart and the Hutchinson points.
    typeAndLeave(CalculatorPanel::Hole2, QStringLiteral("ks"));
    QCOMPARE(card(1)->text(), QStringLiteral("KPik"));
    QVERIFY(f("inp_akt")->text().startsWith(QStringLiteral("High Card : ")));
    const PreflopChart chart = fillPreflopChart("AHerz", "KPik");
    auto* grid = m_window->calculator()->preflopGrid();
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(grid->cellText(r + 1, c + 1), QString::fromStdString(chart.cells[r][c]));
            QCOMPARE(grid->cellColour(r + 1, c + 1), toQColor(chart.colours[r][c]));
        }
    const auto hu = hutchinsonPoints("AHerz", "KPik");
    QVERIFY(hu);
    QCOMPARE(f("inP_hu")->text(), QString::number(hu->points));
    const char* shapes[3] = {"shp_hu11", "shp_hu33", "shp_hu53"};
    const int index[3] = {0, 8, 14};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(field<ColourShape>(*m_window, QString::fromLatin1(shapes[i]))->colour(),
                 toQColor(hu->shapes[index[i]]));
}

void CalculatorWindowTest::enterActsLikeLeavingAndKeepsFocus()
{
    fill({QStringLiteral("AHerz"), QStringLiteral("KHerz"), QStringLiteral("7Herz"), QStringLiteral("2Herz"),
          QStringLiteral("9Pik")});
    card(CalculatorPanel::Turn)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(card(CalculatorPanel::Turn), QStringLiteral("kd"));
    QVERIFY(f("inp_akt")->text().isEmpty());
    QTest::keyClick(card(CalculatorPanel::Turn), Qt::Key_Return);
    QCOMPARE(card(CalculatorPanel::Turn)->text(), QStringLiteral("KKaro"));
    QVERIFY(card(CalculatorPanel::Turn)->hasFocus());
    QCOMPARE(f("inp_akt")->text(), QString::fromStdString(coreOutput().akt));
    QVERIFY(!f("inp_akt")->text().isEmpty());

    // Enter in flop2 converts only.
    card(CalculatorPanel::Flop2)->clear();
    card(CalculatorPanel::Flop2)->setFocus(Qt::TabFocusReason);
    f("inp_akt")->setText(QStringLiteral("unverändert"));
    QTest::keyClicks(card(CalculatorPanel::Flop2), QStringLiteral("2h"));
    QTest::keyClick(card(CalculatorPanel::Flop2), Qt::Key_Enter);
    QCOMPARE(card(CalculatorPanel::Flop2)->text(), QStringLiteral("2Herz"));
    QCOMPARE(f("inp_akt")->text(), QStringLiteral("unverändert"));
}

void CalculatorWindowTest::doubleClicksEmptyAndRecalculateOnlyWhereTheyShould()
{
    const QStringList board = {QStringLiteral("AHerz"), QStringLiteral("KHerz"), QStringLiteral("7Herz"),
                               QStringLiteral("2Herz"), QStringLiteral("9Pik"), QStringLiteral("3Karo"),
                               QStringLiteral("TKreuz")};
    const QString marker = QStringLiteral("unverändert");
    const bool recalculates[7] = {false, false, true, false, false, true, true};
    for (int slot = 0; slot < 7; ++slot) {
        fill(board);
        f("inp_akt")->setText(marker);
        QTest::mouseDClick(card(slot), Qt::LeftButton);
        QVERIFY2(card(slot)->text().isEmpty(), qPrintable(card(slot)->objectName()));
        if (recalculates[slot])
            QCOMPARE(f("inp_akt")->text(), QString::fromStdString(coreOutput().akt));
        else
            QCOMPARE(f("inp_akt")->text(), marker);
    }
}

void CalculatorWindowTest::cardButtonsFillTheNextEmptyEdit()
{
    auto click = [this](const char* panel, const char* cardText) {
        auto* b = field<QPushButton>(*m_window, QStringLiteral("%1_%2").arg(QString::fromLatin1(panel),
                                                                          QString::fromLatin1(cardText)));
        QVERIFY(b);
        b->click();
    };
    // A previous hand's ratings, left by hand, must not survive the next hand.
    typeAndLeave(CalculatorPanel::Hole1, QStringLiteral("2c"));
    typeAndLeave(CalculatorPanel::Hole2, QStringLiteral("7d"));
    m_window->calculator()->Button20Click();

    click("Panel1", "AHerz");
    QCOMPARE(card(0)->text(), QStringLiteral("AHerz"));
    QVERIFY(f("inp_akt")->text().isEmpty());
    // hole2 filled by a button rates the hand exactly as leaving the field does.
    click("Panel18", "KPik");
    QCOMPARE(card(1)->text(), QStringLiteral("KPik"));
    QCOMPARE(f("inp_akt")->text(), QString::fromStdString(coreOutput().akt));
    auto* grid = m_window->calculator()->preflopGrid();
    const PreflopChart chart = fillPreflopChart("AHerz", "KPik");
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(grid->cellText(r + 1, c + 1), QString::fromStdString(chart.cells[r][c]));
            QCOMPARE(grid->cellColour(r + 1, c + 1), toQColor(chart.colours[r][c]));
        }
    const auto hu = hutchinsonPoints("AHerz", "KPik");
    QVERIFY(hu);
    QCOMPARE(f("inP_hu")->text(), QString::number(hu->points));
    for (int i = 0; i < 15; ++i) {
        const QString shape = QStringLiteral("shp_hu%1%2").arg(i / 3 + 1).arg(i % 3 + 1);
        QCOMPARE(field<ColourShape>(*m_window, shape)->colour(), toQColor(hu->shapes[i]));
    }

    const char* rest[5] = {"7Herz", "2Herz", "9Pik", "3Karo", "TKreuz"};
    for (const char* c : rest)
        click("Panel1", c);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(card(i + 2)->text(), QString::fromLatin1(rest[i]));
    QCOMPARE(f("inp_akt")->text(), QString::fromStdString(coreOutput().akt));

    QStringList before;
    for (int i = 0; i < 7; ++i)
        before << card(i)->text();
    const QString akt = f("inp_akt")->text();
    click("Panel1", "QKaro");
    for (int i = 0; i < 7; ++i)
        QCOMPARE(card(i)->text(), before[i]);
    QCOMPARE(f("inp_akt")->text(), akt);
}

void CalculatorWindowTest::newHandEmptiesTheHandAndKeepsRankAndBetterColumn()
{
    fill({QStringLiteral("AHerz"), QStringLiteral("KHerz"), QStringLiteral("7Herz"), QStringLiteral("2Herz"),
          QStringLiteral("9Herz")});
    f("inp_pot")->setText(QStringLiteral("100"));
    m_window->calculator()->hole2Exit();
    m_window->calculator()->flop3Exit();
    QCOMPARE(f("Edit26")->text(), QStringLiteral("Aktuell"));
    QCOMPARE(fieldColour(f("Edit26")), toQColor(kGreen));
    QVERIFY(!m_window->calculator()->preflopGrid()->cellText(1, 1).isEmpty());

    QStringList kept;
    const QStringList keptNames = {u"inp_kartenrang"_s, u"inp_co"_s, u"inp_split"_s, u"inP_hu"_s, u"Edit12"_s, u"Edit16"_s,
                                   u"Edit20"_s, u"Edit21"_s, u"Edit31"_s, u"Edit41"_s, u"Edit51"_s};
    for (const QString& name : keptNames)
        kept << field(*m_window, name)->text();
    const QColor flushColour = fieldColour(f("inp_flush"));
    QVERIFY(kept[0] != QStringLiteral("-1"));

    field<QPushButton>(*m_window, QStringLiteral("Button20"))->click();

    for (int i = 0; i < 7; ++i)
        QVERIFY(card(i)->text().isEmpty());
    for (int r = 0; r < 9; ++r) {
        QVERIFY(field(*m_window, QStringLiteral("Edit%1").arg(22 + r))->text().isEmpty());
        QVERIFY(field(*m_window, QStringLiteral("Edit%1").arg(32 + r))->text().isEmpty());
        QVERIFY(field(*m_window, QStringLiteral("Edit%1").arg(42 + r))->text().isEmpty());
    }
    QCOMPARE(fieldColour(f("Edit26")), fieldColour(f("Edit27")));
    QVERIFY(fieldColour(f("Edit26")) != toQColor(kGreen));
    for (const char* name : {"inp_akt", "inp_sk_num", "inp_sk_wahr", "inp_total_outs", "inp_kicker", "inp_pot"})
        QVERIFY2(f(name)->text().isEmpty(), name);
    QVERIFY(field<QPlainTextEdit>(*m_window, QStringLiteral("mem_outs"))->toPlainText().isEmpty());
    auto* grid = m_window->calculator()->preflopGrid();
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 16; ++c) {
            QVERIFY(grid->cellText(r, c).isEmpty());
            QCOMPARE(grid->cellColour(r, c), QColor(Qt::white));
        }
    QCOMPARE(grid->cellText(0, 1), QStringLiteral("NR"));
    for (int i = 0; i < keptNames.size(); ++i)
        QCOMPARE(field(*m_window, keptNames[i])->text(), kept[i]);
    QCOMPARE(fieldColour(f("inp_flush")), flushColour);
}

void CalculatorWindowTest::flushDrawIsShownAsTheCoreComputesIt()
{
    f("inp_pot")->setText(QStringLiteral("100"));
    typeAndLeave(CalculatorPanel::Hole1, QStringLiteral("ah"));
    typeAndLeave(CalculatorPanel::Hole2, QStringLiteral("kh"));
    typeAndLeave(CalculatorPanel::Flop1, QStringLiteral("7h"));
    typeAndLeave(CalculatorPanel::Flop2, QStringLiteral("2h"));
    typeAndLeave(CalculatorPanel::Flop3, QStringLiteral("9s"));

    QCOMPARE(f("Edit26")->text(), QStringLiteral("9"));
    QCOMPARE(f("Edit36")->text(), QStringLiteral("19.15"));
    QCOMPARE(f("Edit46")->text(), QStringLiteral("19.15"));
    const QString memo = field<QPlainTextEdit>(*m_window, QStringLiteral("mem_outs"))->toPlainText();
    QVERIFY(memo.split(QLatin1Char('\n')).contains(QStringLiteral("Flush Outs : 9")));
    // Two hearts on the board are no flush danger yet.
    QCOMPARE(fieldColour(f("inp_flush")), toQColor(kGreen));

    // Every field the calculation writes shows what the core computed.
    const CalcOutput out = coreOutput();
    QCOMPARE(f("inp_akt")->text(), QString::fromStdString(out.akt));
    QCOMPARE(f("inp_kicker")->text(), QString::fromStdString(out.kicker));
    QCOMPARE(f("inp_total_outs")->text(), QString::fromStdString(out.totalOuts));
    for (int r = 0; r < 9; ++r) {
        QCOMPARE(field(*m_window, QStringLiteral("Edit%1").arg(22 + r))->text(), QString::fromStdString(out.outs[r]));
        QCOMPARE(field(*m_window, QStringLiteral("Edit%1").arg(32 + r))->text(), QString::fromStdString(out.odds[r]));
        QCOMPARE(field(*m_window, QStringLiteral("Edit%1").arg(42 + r))->text(),
                 QString::fromStdString(out.potOdds[r]));
        QCOMPARE(field(*m_window, QStringLiteral("Edit%1").arg(12 + r))->text(),
                 QString::fromStdString(out.rank.better[r]));
    }
    QStringList lines;
    for (const auto& l : out.outsMemo)
        lines << QString::fromStdString(l);
    QCOMPARE(memo, lines.join(QLatin1Char('\n')));
    QCOMPARE(fieldColour(f("inp_straight")), toQColor(out.straightDanger));
    QCOMPARE(fieldColour(f("inp_flush")), toQColor(out.flushDanger));
    QCOMPARE(f("inp_kartenrang")->text(), QString::fromStdString(out.rank.rank));
    QCOMPARE(f("inp_co")->text(), QString::fromStdString(out.rank.betterTotal));
    QCOMPARE(f("inp_split")->text(), QString::fromStdString(out.rank.split));
    QCOMPARE(f("inp_sk_num")->text(), QStringLiteral("1"));
    QVERIFY(f("inp_sk_wahr")->text().endsWith(QLatin1Char('%')));
}

void CalculatorWindowTest::duplicateCardIsFlaggedAndIgnored()
{
    const QColor normal = fieldColour(card(0));
    fill({QStringLiteral("QPik"), QStringLiteral("QPik")});
    m_window->calculator()->hole2Exit();
    QVERIFY(fieldColour(card(1)) != normal);
    QCOMPARE(fieldColour(card(0)), normal);
    QVERIFY(m_window->statusText().startsWith(QStringLiteral("Doppelte Karte: QPik")));
    // The second queen is not counted: no pocket pair.
    QVERIFY(!f("inp_akt")->text().startsWith(QStringLiteral("Pair")));

    card(1)->setText(QStringLiteral("QHerz"));
    m_window->calculator()->hole2Exit();
    QCOMPARE(fieldColour(card(1)), normal);
    QVERIFY(f("inp_akt")->text().startsWith(QStringLiteral("Pair Aktuell :")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Ok"));
}

void CalculatorWindowTest::doubleClickOnBetterCellListsThoseHands()
{
    auto* memo2 = field<QPlainTextEdit>(*m_window, QStringLiteral("Memo2"));
    memo2->setPlainText(QStringLiteral("alt"));
    // Before the flop the list stays empty.
    fill({QStringLiteral("AHerz"), QStringLiteral("KHerz")});
    m_window->calculator()->hole2Exit();
    QTest::mouseDClick(f("Edit19"), Qt::LeftButton);
    QVERIFY(memo2->toPlainText().isEmpty());

    fill({QStringLiteral("AHerz"), QStringLiteral("KPik"), QStringLiteral("AKreuz"), QStringLiteral("7Karo"),
          QStringLiteral("2Herz")});
    m_window->calculator()->flop3Exit();
    const char* cells[3] = {"Edit19", "Edit18", "Edit17"};
    for (const char* cell : cells) {
        QTest::mouseDClick(f(cell), Qt::LeftButton);
        const QString text = memo2->toPlainText();
        const int lines = text.isEmpty() ? 0 : static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
        // The list holds exactly the hands the cell counts, each better than the made hand.
        QCOMPARE(QString::number(lines), f(cell)->text());
        const int mine = f("inp_kartenrang")->text().toInt();
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY(line.section(QLatin1Char(' '), 0, 0).toInt() < mine);
    }
    QVERIFY(f("Edit19")->text().toInt() > 0);
}

void CalculatorWindowTest::potThatIsNotAWholeNumberIsReported()
{
    fill({QStringLiteral("AHerz"), QStringLiteral("KPik"), QStringLiteral("7Herz"), QStringLiteral("2Herz"),
          QStringLiteral("9Herz")});
    f("inp_pot")->setText(QStringLiteral("12,5"));
    m_window->calculator()->flop3Exit();
    QCOMPARE(f("Edit26")->text(), QStringLiteral("9"));
    QVERIFY(f("Edit46")->text().isEmpty());
    QVERIFY(!f("Edit36")->text().isEmpty());
    QVERIFY(m_window->statusText().contains(QStringLiteral("ganze Zahl")));
    // The rest of the calculation still ran: three hearts on the flop.
    QCOMPARE(fieldColour(f("inp_flush")), toQColor(kYellow));
    QCOMPARE(f("inp_kartenrang")->text(), QString::fromStdString(coreOutput().rank.rank));
}

QTEST_MAIN(CalculatorWindowTest)
#include "CalculatorWindowTest.moc"
