// Start-up of the window on a fresh and on a prepared program folder.
#include "AppTestSupport.h"

#include "app/calculator/PreflopGrid.h"
#include "cards/RankTableFiles.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace tallyhand;
using namespace Qt::Literals::StringLiterals;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void freshFolderGeneratesTablesWithMessagesAndStaysResponsive();
    void secondStartLoadsWithoutRegenerating();
    void windowHasEveryNamedControlAndPage();

private:
    QTemporaryDir m_home;
};

void StartupTest::freshFolderGeneratesTablesWithMessagesAndStaysResponsive()
{
    QVERIFY(m_home.isValid());
    QDir(m_home.path()).mkpath(QStringLiteral("data"));
    QFile ini(m_home.filePath(QStringLiteral("Tallyhand.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[USER]\r\nusername=Hero\r\n");
    ini.close();
    Tfrm_tallyhand window(m_home.path());
    QStringList messages;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) { messages << t; });
    auto* outs = field<QPushButton>(window, QStringLiteral("Button18"));
    QVERIFY(outs);
    QVERIFY(!outs->isEnabled());

    // The window keeps handling events while the tables are generated.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(20);

    window.show();
    QVERIFY(waitForStartup(window));
    ticker.stop();

    QVERIFY(messages.size() >= 12);
    QCOMPARE(messages.first(),
             QStringLiteral("Bitte einen Moment Geduld, die Programmdaten werden initialisiert! Kombinationsdaten werden geladen"));
    for (int i = 0; i < kListCount; ++i)
        QCOMPARE(messages.at(1 + i), QString::fromStdString(missingFileMessage(static_cast<ListId>(i))));
    QCOMPARE(messages.at(1 + kListCount), QStringLiteral("Kombinationsdaten werden erzeugt"));
    QCOMPARE(messages.last(), QStringLiteral("Ok"));
    QCOMPARE(window.statusText(), QStringLiteral("Ok"));
    QVERIFY2(ticks > 5, qPrintable(QStringLiteral("timer ticks while generating: %1").arg(ticks)));

    QVERIFY(outs->isEnabled());
    const char* mgl[9] = {"4", "36", "13", "3744", "5108", "10200", "52", "2808", "78"};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(field(window, QStringLiteral("Edit%1").arg(i + 1))->text(), QString::fromLatin1(mgl[i]));
    const char* memos[9] = {"Memo1", "Memo3", "Memo4", "Memo5", "Memo6", "Memo7", "Memo8", "Memo9", "Memo10"};
    for (int i = 0; i < 9; ++i) {
        auto* memo = field<QPlainTextEdit>(window, QString::fromLatin1(memos[i]));
        QVERIFY(memo);
        QCOMPARE(QString::number(memo->document()->blockCount()), QString::fromLatin1(mgl[i]));
    }
    QCOMPARE(field<QPlainTextEdit>(window, QStringLiteral("Memo1"))->toPlainText().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("AKreuz,KKreuz,QKreuz,JKreuz,TKreuz"));
    for (int n = 1; n <= 9; ++n)
        QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("data/%1_file.txt").arg(n))));
}

void StartupTest::secondStartLoadsWithoutRegenerating()
{
    QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("data/9_file.txt"))));
    Tfrm_tallyhand window(m_home.path());
    QStringList messages;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) { messages << t; });
    window.show();
    QVERIFY(waitForStartup(window));
    QCOMPARE(messages.mid(0, 2),
             QStringList({QStringLiteral("Bitte einen Moment Geduld, die Programmdaten werden initialisiert! "
                                         "Kombinationsdaten werden geladen"),
                          QStringLiteral("Kombinationsdaten werden erzeugt")}));
    QCOMPARE(messages.last(), QStringLiteral("Ok"));
    QCOMPARE(field(window, QStringLiteral("Edit4"))->text(), QStringLiteral("3744"));
}

void StartupTest::windowHasEveryNamedControlAndPage()
{
    QTemporaryDir home;
    Tfrm_tallyhand window(home.path());
    QCOMPARE(window.objectName(), QStringLiteral("frm_tallyhand"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tallyhand"));

    QStringList names = {u"Button18"_s, u"Button20"_s, u"hole1"_s, u"hole2"_s, u"flop1"_s, u"flop2"_s, u"flop3"_s, u"turn"_s, u"river"_s,
                         u"inp_akt"_s, u"inp_kicker"_s, u"inp_pot"_s, u"inp_total_outs"_s, u"mem_outs"_s, u"inp_flush"_s,
                         u"inp_straight"_s, u"inp_kartenrang"_s, u"inp_co"_s, u"inp_split"_s, u"inp_sk_wahr"_s, u"inp_sk_num"_s,
                         u"inP_hu"_s, u"stg_preflop"_s, u"stb_main"_s, u"PageControl1"_s, u"PageControl2"_s, u"PageControl3"_s,
                         u"lb3"_s, u"lb4"_s, u"lb_tour"_s, u"lb_game"_s, u"Memo2"_s, u"Memo16"_s, u"Panel1"_s, u"Panel18"_s, u"TabSheet56"_s,
                         u"All_Kombi"_s, u"Button11"_s, u"Button12"_s, u"Button17"_s, u"Button87"_s};
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("Button%1").arg(i) << QStringLiteral("Edit%1").arg(i);
    for (int i = 12; i <= 51; ++i)
        names << QStringLiteral("Edit%1").arg(i);
    for (int p = 1; p <= 5; ++p)
        for (int s = 1; s <= 3; ++s)
            names << QStringLiteral("shp_hu%1%2").arg(p).arg(s) << QStringLiteral("shp_sk%1%2").arg(p).arg(s);
    for (const QString& name : names)
        QVERIFY2(window.findChild<QWidget*>(name), qPrintable(name));

    QCOMPARE(field(window, QStringLiteral("inp_kartenrang"))->text(), QStringLiteral("-1"));
    for (int i = 1; i <= 10; ++i)
        QVERIFY(!field<QPushButton>(window, QStringLiteral("Button%1").arg(i))->isEnabled());

    auto* pages = field<QTabWidget>(window, QStringLiteral("PageControl1"));
    const QStringList captions = {u"TabSheet1"_s, u"TabSheet2"_s, u"Karten"_s, u"Statistik"_s, u"Ergebnisse"_s, u"Erzeugen"_s, u"Simulate Board"_s};
    const QStringList sheets = {u"TabSheet1"_s, u"TabSheet2"_s, u"TabSheet3"_s, u"TabSheet4"_s, u"TabSheetResults"_s, u"TabSheet13"_s, u"TabSheet53"_s};
    QCOMPARE(pages->count(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(pages->tabText(i), captions[i]);
        QCOMPARE(pages->widget(i)->objectName(), sheets[i]);
        QVERIFY(pages->isTabVisible(i));
    }
    auto* grid = field<PreflopGrid>(window, QStringLiteral("stg_preflop"));
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->columnCount(), 17);
    QCOMPARE(grid->cellText(0, 8), QStringLiteral("R4"));
    QCOMPARE(grid->cellText(2, 0), QStringLiteral("tight"));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
