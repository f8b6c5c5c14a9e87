// The window follows the hand-history folder while it runs.
#include "AppTestSupport.h"

#include "app/database/GameBrowserPanel.h"
#include "app/database/LiveImport.h"
#include "app/statistics/StatisticsPage.h"
#include "app/statistics/TournamentSelection.h"
#include "history/HandHistoryGenerator.h"
#include "store/DatabaseStartup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

namespace {

int cashGames(const QListWidget* tours)
{
    for (int i = 0; i < tours->count(); ++i)
        if (tours->item(i)->text().startsWith(QStringLiteral("0 ")))
            return tours->item(i)->text().section(QLatin1Char(' '), 1).toInt();
    return 0;
}

} // namespace

class LiveImportTest : public QObject {
    Q_OBJECT

private slots:
    void newFilesAppearAndTheSwitchStopsIt();
};

void LiveImportTest::newFilesAppearAndTheSwitchStopsIt()
{
    QTemporaryDir home;
    QVERIFY(writeIniFile(home.path()));
    const QString hands = home.filePath(QStringLiteral("Hands"));
    const int first = generateHands(hands, 120, 3);
    Tfrm_tallyhand window(home.path());
    window.show();
    QVERIFY(waitForStartup(window));
    GameBrowserPanel* browser = window.statisticsPage()->browser();
    QCOMPARE(countSum(browser->lbTour()), first);

    // The switch is in the menu, on by default.
    QAction* toggle = window.menuBar()->findChild<QAction*>(QStringLiteral("act_live_import"));
    if (!toggle)
        for (QAction* menu : window.menuBar()->actions())
            if (menu->menu())
                for (QAction* a : menu->menu()->actions())
                    if (a->objectName() == QLatin1String("act_live_import"))
                        toggle = a;
    QVERIFY(toggle);
    QVERIFY(toggle->isCheckable() && toggle->isChecked());

    // The cash games are open: their list follows the import.
    QListWidget* tours = browser->lbTour();
    for (int i = 0; i < tours->count(); ++i)
        if (tours->item(i)->text().startsWith(QStringLiteral("0 ")))
            tours->setCurrentRow(i);
    window.tournamentSelection()->lb_tourClick();
    const int cashBefore = browser->lbGame()->count();
    QVERIFY(cashBefore > 0);

    QStringList shown;
    connect(&window, &Tfrm_tallyhand::statusShown, this, [&](const QString& t) { shown << t; });
    const int more = generateHands(hands, 60, 4, QStringLiteral("zz "));
    QTRY_COMPARE_WITH_TIMEOUT(countSum(browser->lbTour()), first + more, 5000);
    int announced = 0;
    for (const QString& t : shown)
        if (t.endsWith(QStringLiteral(" neue Spiele importiert")) || t.endsWith(QStringLiteral(" neues Spiel importiert")))
            announced += t.section(QLatin1Char(' '), 0, 0).toInt();
    QCOMPARE(announced, more);
    QTRY_COMPARE_WITH_TIMEOUT(browser->lbGame()->count(), cashGames(tours), 2000);
    QVERIFY(browser->lbGame()->count() >= cashBefore);

    // Switched off, nothing comes in; switched on again, everything does.
    toggle->setChecked(false);
    const int later = generateHands(hands, 30, 5, QStringLiteral("zzz "));
    QTest::qWait(2500);
    QCOMPARE(countSum(browser->lbTour()), first + more);
    toggle->setChecked(true);
    QTRY_COMPARE_WITH_TIMEOUT(countSum(browser->lbTour()), first + more + later, 5000);
}

QTEST_MAIN(LiveImportTest)
#include "LiveImportTest.moc"
