// The practice table driven in the window: the page is shown from the menu,
// "Start" deals, "play" performs one action per click, a whole hand is
// played and written as a hand history.
#include "AppTestSupport.h"

#include "app/table/TablePanelPage.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class PracticeTableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aWholeHandThroughTheWindow();
    void blindsAndAmountsAtTheirBounds();
};

void PracticeTableWindowTest::aWholeHandThroughTheWindow()
{
    QTemporaryDir home;
    QVERIFY(writeIniFile(home.path()));
    Tfrm_tallyhand window(home.path());
    window.show();
    QVERIFY(waitForStartup(window));
    QTabWidget* pages = window.pageControl();
    const int page = pages->indexOf(window.tablePanelPage());
    QVERIFY(!pages->isTabVisible(page));
    window.findChild<QAction*>(QStringLiteral("act_practice_table"))->trigger();
    QVERIFY(pages->isTabVisible(page));
    QCOMPARE(pages->currentIndex(), page);

    // Blinds that are no whole numbers start nothing.
    field(window, QStringLiteral("ed_smallblind"))->setText(QStringLiteral("fünf"));
    field<QPushButton>(window, QStringLiteral("Button74"))->click();
    QVERIFY(window.statusText().contains(QStringLiteral("ganze Zahlen")));
    QVERIFY(field(window, QStringLiteral("ed_hand"))->text().isEmpty());
    field(window, QStringLiteral("ed_smallblind"))->setText(QStringLiteral("5"));

    field<QPushButton>(window, QStringLiteral("Button74"))->click();
    QCOMPARE(field(window, QStringLiteral("ed_hand"))->text(), QStringLiteral("1"));
    QCOMPARE(field(window, QStringLiteral("ed_pot"))->text(), QStringLiteral("15"));
    QCOMPARE(field(window, QStringLiteral("inp_pot"))->text(), QStringLiteral("15")); // ed_potChange
    QVERIFY(!field(window, QStringLiteral("Edit52"))->text().isEmpty());
    QCOMPARE(field(window, QStringLiteral("hole1"))->text(), field(window, QStringLiteral("Edit52"))->text());

    // Play the hand out, calling whenever it is the user's turn.
    const auto chips = [&] {
        int total = field(window, QStringLiteral("ed_pot"))->text().toInt();
        for (int e = 87; e <= 96; ++e)
            total += field(window, QStringLiteral("Edit%1").arg(e))->text().toInt();
        return total;
    };
    auto* play = field<QPushButton>(window, QStringLiteral("weiter"));
    auto* box = field<QComboBox>(window, QStringLiteral("ComboBox1"));
    int clicks = 0;
    while (field(window, QStringLiteral("ed_hand"))->text() == QLatin1String("1") && clicks < 500) {
        if (window.tablePanelPage()->table()->wait() == TableWait::User)
            box->setCurrentIndex(static_cast<int>(Action::Call));
        play->click();
        ++clicks;
        if (window.tablePanelPage()->table()->wait() != TableWait::HandOver)
            QCOMPARE(chips(), 15000);
    }
    QCOMPARE(field(window, QStringLiteral("ed_hand"))->text(), QStringLiteral("2"));
    QVERIFY(clicks > 3);

    // The finished hand is in the Hands folder, in the format the import reads.
    const QStringList files = QDir(home.filePath(QStringLiteral("Hands"))).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile history(home.filePath(QStringLiteral("Hands/")) + files.first());
    QVERIFY(history.open(QIODevice::ReadOnly));
    const QByteArray text = history.readAll();
    QVERIFY(text.startsWith("PokerStars Game #"));
    QVERIFY(text.contains("Dealt to Hero ["));
    QVERIFY(text.contains("*** SUMMARY ***"));

    // Heads-up: on the user's turn only the choices that fit are offered.
    field<QPushButton>(window, QStringLiteral("Button76"))->click();
    while (window.tablePanelPage()->table()->wait() != TableWait::User)
        play->click();
    const PracticeTable& table = *window.tablePanelPage()->table();
    const bool facing = table.level() > table.seats()[1].bet;
    QCOMPARE(field<QRadioButton>(window, QStringLiteral("rb_2"))->isEnabled(), facing);  // Call
    QCOMPARE(field<QRadioButton>(window, QStringLiteral("rb_3"))->isEnabled(), !facing); // Check
    QCOMPARE(field<QRadioButton>(window, QStringLiteral("rb_1"))->isEnabled(), !facing); // Bet
    QVERIFY(field<QRadioButton>(window, QStringLiteral("rb_5"))->isEnabled());           // Fold

    // "Start" during a game begins a fresh one.
    field<QPushButton>(window, QStringLiteral("Button74"))->click();
    QCOMPARE(field(window, QStringLiteral("ed_hand"))->text(), QStringLiteral("1"));
    QCOMPARE(chips(), 15000);
}

// Blinds typed into the fields start a game only from 1 to 1,000,000; an
// "Einsatz" past the stack is an all-in, and the chips add up at every click.
void PracticeTableWindowTest::blindsAndAmountsAtTheirBounds()
{
    QTemporaryDir home;
    QVERIFY(writeIniFile(home.path()));
    Tfrm_tallyhand window(home.path());
    window.show();
    QVERIFY(waitForStartup(window));
    auto* small = field(window, QStringLiteral("ed_smallblind"));
    auto* big = field(window, QStringLiteral("ed_bigblind"));
    auto* start = field<QPushButton>(window, QStringLiteral("Button74"));
    const struct {
        const char* small;
        const char* big;
        bool starts;
    } blinds[] = {
        {"1000001", "1000001", false}, {"2147483647", "2147483647", false}, {"-5", "10", false},
        {"5", "99999999999999999999", false}, {"10", "5", false}, {"1000000", "1000000", true}, {"1", "1000000", true},
    };
    for (const auto& b : blinds) {
        small->setText(QString::fromLatin1(b.small));
        big->setText(QString::fromLatin1(b.big));
        const PracticeTable* before = window.tablePanelPage()->table();
        start->click();
        const PracticeTable* after = window.tablePanelPage()->table();
        QCOMPARE(after != before, b.starts);
        if (!b.starts)
            QVERIFY2(window.statusText().contains(QStringLiteral("Blind")), b.small);
        else
            QCOMPARE(after->bigBlind(), big->text().toLongLong());
    }

    // At 5/10 the user raises by the largest 32-bit number whenever it is his turn.
    small->setText(QStringLiteral("5"));
    big->setText(QStringLiteral("10"));
    start->click();
    field(window, QStringLiteral("ed_einsatz"))->setText(QStringLiteral("2147483647"));
    auto* play = field<QPushButton>(window, QStringLiteral("weiter"));
    auto* box = field<QComboBox>(window, QStringLiteral("ComboBox1"));
    const PracticeTable& table = *window.tablePanelPage()->table();
    bool wentAllIn = false;
    for (int click = 0; click < 3000 && table.wait() != TableWait::GameOver && table.handNumber() <= 30; ++click) {
        const bool userTurn = table.wait() == TableWait::User;
        if (userTurn)
            box->setCurrentIndex(static_cast<int>(Action::Raise));
        const Chips level = table.level();
        const auto street = table.street();
        const int hand = table.handNumber();
        play->click();
        QCOMPARE(table.chipsInPlay(), Chips{15000});
        QVERIFY(table.level() >= 0 && table.pot() >= 0);
        if (table.handNumber() == hand && table.street() == street)
            QVERIFY(table.level() >= level);
        if (userTurn && table.seats()[1].allIn) {
            wentAllIn = true;
            QCOMPARE(field(window, QStringLiteral("Edit77"))->text(), QStringLiteral("All In"));
        }
    }
    QVERIFY(wentAllIn);
}

QTEST_MAIN(PracticeTableWindowTest)
#include "PracticeTableWindowTest.moc"
