// The database part of the start-up driven in the window: import form,
// status messages, hidden pages, the browser lists, the early stops.
#include "AppTestSupport.h"

#include "app/database/GameBrowserPanel.h"
#include "app/database/GameData.h"
#include "app/database/ImportForm.h"
#include "app/database/RebuildPage.h"
#include "app/statistics/StatisticsPage.h"
#include "cards/RankTableFiles.h"
#include "history/DatabaseFiles.h"
#include "store/DatabaseStartup.h"
#include "store/StoreExport.h"
#include "history/HandHistoryGenerator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

const QStringList kLoadSteps = {text(startup_text::kLoadHole), text(startup_text::kLoadBoards),
                                text(startup_text::kLoadSummaries), text(startup_text::kLoadGames)};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList rows(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// One window start with everything it showed.
struct StartRecord {
    QStringList messages;
    QStringList prompts;
    QStringList formStages;
    int formsOpened = 0;
    bool formModal = false;
    bool rebuildBlocked = false;
    qint64 formLingerMs = -1; // from the end of the import to the form's closing
    int ticks = 0;
};

void watch(Tfrm_tallyhand& window, StartRecord& record, QObject* context)
{
    QObject::connect(&window, &Tfrm_tallyhand::statusShown, context,
                     [&record](const QString& t) { record.messages << t; });
    window.startup()->setPrompt([&record](const QString& t, bool, std::function<void(bool)> answer) {
        record.prompts << t;
        answer(true);
    });
    // The screen-name question is cancelled: the sequence then stops as it always did.
    window.startup()->setUserNamePrompt([](std::function<void(bool)> answer) { answer(false); });
    QObject::connect(window.startup(), &StartupSequence::importFormOpened, context, [&record, &window](Tfrm_main_2* form) {
        ++record.formsOpened;
        record.formModal = form->windowModality() == Qt::ApplicationModal && form->isVisible();
        record.rebuildBlocked = !window.rebuildPage()->rebuildButton()->isEnabled();
        auto clock = std::make_shared<QElapsedTimer>();
        QObject::connect(form, &Tfrm_main_2::stageChanged, form, [&record, form, clock](const QString& stage) {
            record.formStages << stage;
            if (form->finished())
                clock->start();
        });
        QObject::connect(form, &QDialog::finished, form, [&record, clock] {
            record.formLingerMs = clock->isValid() ? clock->elapsed() : -1;
        });
    });
}

bool run(Tfrm_tallyhand& window, StartRecord& record, QObject* context)
{
    watch(window, record, context);
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, context, [&record] { ++record.ticks; });
    ticker.start(20);
    window.show();
    return waitForStartup(window, 25000);
}

} // namespace

class HandDatabaseStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartImportsThroughTheFormToOk();
    void classAndTournamentListsFollowTheDatabase();
    void secondStartFindsNothingNewAndShowsOnlyOk();
    void grownFolderImportsTheNewFile();
    void rebuildButtonWritesAndReloadsTheDatabase();
    void failingImportAsksAndGivesUpAfterThreeTries();
    void missingIniAndPlaceholderStopEarly();
    void rawNamesAreShownDecodedAndKeptAsBytes();
    void closingTheWindowMidwayEndsTheWorker();

private:
    QTemporaryDir m_home;
    int m_games = 0;
    QStringList m_classRows;
};

void HandDatabaseStartupTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(writeFile(m_home.filePath(QStringLiteral("Tallyhand.ini")), "[USER]\r\nusername=Hero\r\n"));
    QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("data")));
    m_games = generateHands(m_home.filePath(QStringLiteral("Hands")), 400, 11);
    QVERIFY(m_games >= 400);
}

void HandDatabaseStartupTest::firstStartImportsThroughTheFormToOk()
{
    Tfrm_tallyhand window(m_home.path());
    StartRecord record;
    QVERIFY(run(window, record, this));

    QStringList expected = {text(startup_text::kLoadCombinations)};
    for (int i = 0; i < kListCount; ++i)
        expected << QString::fromStdString(missingFileMessage(static_cast<ListId>(i)));
    expected << text(startup_text::kBuildPatterns) << text(startup_text::kLoadHole) << text(startup_text::kRepair);
    expected << kLoadSteps << text(startup_text::kSearch) << kLoadSteps << text(startup_text::kOk);
    QCOMPARE(record.messages, expected);
    QCOMPARE(window.statusText(), QStringLiteral("Ok"));
    QVERIFY2(record.prompts.isEmpty(), qPrintable(record.prompts.join(QLatin1Char('|'))));
    QVERIFY(record.ticks > 5);

    // The form showed its work, kept everything else out, and closed itself about a second after the end.
    QCOMPARE(record.formsOpened, 1);
    QVERIFY(record.formModal);
    QVERIFY(record.rebuildBlocked);
    QVERIFY2(record.formStages.contains(QStringLiteral("Handfiles werden gelesen")),
             qPrintable(record.formStages.join(QLatin1Char('|'))));
    QCOMPARE(record.formStages.last(), QStringLiteral("Import beendet"));
    QVERIFY2(record.formLingerMs >= 900 && record.formLingerMs < 5000, qPrintable(QString::number(record.formLingerMs)));
    QVERIFY(window.findChildren<Tfrm_main_2*>().isEmpty() || !window.findChild<Tfrm_main_2*>()->isVisible());
    QVERIFY(window.rebuildPage()->rebuildButton()->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("data/") + QLatin1String(kStoreFile))));

    // The user name is taken; the developer, table and rebuild pages are gone.
    QVERIFY(!window.startup()->startupPending());
    QCOMPARE(field(window, QStringLiteral("inp_player"))->text(), QStringLiteral("Hero"));
    QTabWidget* pages = window.pageControl();
    for (int i = 0; i < pages->count(); ++i) {
        const QString name = pages->widget(i)->objectName();
        const bool hidden = name == QLatin1String("TabSheet1") || name == QLatin1String("TabSheet2")
                            || name == QLatin1String("TabSheet13");
        QVERIFY2(pages->isTabVisible(i) != hidden, qPrintable(name));
    }
    QVERIFY(field<QPlainTextEdit>(window, QStringLiteral("mem_outs"))->toPlainText().isEmpty());

    // Every generated game reached both browser lists.
    GameBrowserPanel* browser = window.statisticsPage()->browser();
    QVERIFY(browser->lb3()->count() > 10);
    QCOMPARE(countSum(browser->lb3()), m_games);
    QCOMPARE(countSum(browser->lbTour()), m_games);
    m_classRows = rows(browser->lb3());
    QCOMPARE(static_cast<int>(window.gameData()->store()->rowCount("summaries")), m_games);
}

void HandDatabaseStartupTest::classAndTournamentListsFollowTheDatabase()
{
    Tfrm_tallyhand window(m_home.path());
    StartRecord record;
    QVERIFY(run(window, record, this));
    GameBrowserPanel* browser = window.statisticsPage()->browser();
    QListWidget* lb3 = browser->lb3();
    QCOMPARE(rows(lb3), m_classRows);

    // By count: the counts never rise down the list; every row has the fixed columns.
    int previous = std::numeric_limits<int>::max();
    for (const QString& row : rows(lb3)) {
        QVERIFY2(row.size() >= 7 && row[1] == QLatin1Char(' ') && row[3] == QLatin1Char(' ')
                     && (row[4] == QLatin1Char('s') || row[4] == QLatin1Char(' ')),
                 qPrintable(row));
        const int count = row.section(QLatin1Char(' '), -1).toInt();
        QVERIFY(count <= previous);
        previous = count;
    }

    // By rank: the same rows, aces first, pairs never suited.
    browser->rankButton()->click();
    QStringList byRank = rows(lb3);
    QVERIFY(byRank.first().startsWith(QLatin1Char('A')));
    for (const QString& row : byRank)
        if (row[0] == row[2])
            QCOMPARE(row[4], QLatin1Char(' '));
    // "Rank" writes the higher rank first, "Count" the class's first cards: compare ranks as a pair.
    const auto normalised = [](QStringList list) {
        for (QString& row : list)
            if (row[0] < row[2])
                std::swap(row[0], row[2]);
        list.sort();
        return list;
    };
    QCOMPARE(normalised(byRank), normalised(m_classRows));
    browser->countButton()->click();
    QCOMPARE(rows(lb3), m_classRows);

    // A click on a class lists its games with table and type as tool tips.
    browser->pageControl()->setCurrentIndex(1);
    lb3->setCurrentRow(0);
    emit lb3->itemClicked(lb3->item(0));
    const QString classRow = lb3->item(0)->text();
    QListWidget* lb4 = browser->lb4();
    QCOMPARE(lb4->count(), classRow.section(QLatin1Char(' '), -1).toInt());
    QCOMPARE(browser->pageControl()->currentWidget(), lb4->parentWidget());
    for (int i = 0; i < lb4->count(); ++i) {
        const QString row = lb4->item(i)->text();
        QVERIFY2(row.contains(QLatin1String(" game#")) && row.contains(QLatin1String(" tourney#")), qPrintable(row));
        const QChar r1 = row[0], r2 = row[3];
        QVERIFY((r1 == classRow[0] && r2 == classRow[2]) || (r1 == classRow[2] && r2 == classRow[0]));
        QCOMPARE(row[1] == row[4], classRow[4] == QLatin1Char('s'));
        QVERIFY(lb4->item(i)->toolTip().startsWith(QLatin1String("Table: ")));
        QVERIFY(lb4->item(i)->toolTip().contains(QLatin1String(" Type: ")));
    }

    // Each tournament row carries its type line, the numbers matching.
    QListWidget* tours = browser->lbTour();
    QVERIFY(tours->count() > 1);
    for (int i = 0; i < tours->count(); ++i) {
        const QString number = tours->item(i)->text().section(QLatin1Char(' '), 0, 0);
        QVERIFY2(tours->item(i)->toolTip().startsWith(number + QLatin1String(" Type: ")),
                 qPrintable(tours->item(i)->toolTip()));
    }
}

void HandDatabaseStartupTest::secondStartFindsNothingNewAndShowsOnlyOk()
{
    Tfrm_tallyhand window(m_home.path());
    StartRecord record;
    QVERIFY(run(window, record, this));
    QStringList expected = {text(startup_text::kLoadCombinations), text(startup_text::kBuildPatterns)};
    expected << kLoadSteps << text(startup_text::kSearch) << kLoadSteps << text(startup_text::kOk);
    QCOMPARE(record.messages, expected);
    QCOMPARE(record.formsOpened, 0);
    QVERIFY(record.prompts.isEmpty());

    // Shown again: the start-up has run, only its last step is left.
    record.messages.clear();
    window.hide();
    QSignalSpy again(window.startup(), &StartupSequence::finished);
    window.show();
    QVERIFY(again.wait(5000));
    QCOMPARE(record.messages, QStringList{text(startup_text::kOk)});
    QCOMPARE(rows(window.statisticsPage()->browser()->lb3()), m_classRows);
}

void HandDatabaseStartupTest::grownFolderImportsTheNewFile()
{
    const QString extra = m_home.filePath(QStringLiteral("extra"));
    const int added = generateHands(extra, 30, 99);
    QVERIFY(added > 0);
    const QStringList files = QDir(extra).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(QFile::rename(extra + QLatin1Char('/') + files.first(),
                          m_home.filePath(QStringLiteral("Hands/zz_") + files.first())));

    Tfrm_tallyhand window(m_home.path());
    StartRecord record;
    QVERIFY(run(window, record, this));
    QStringList expected = {text(startup_text::kLoadCombinations), text(startup_text::kBuildPatterns)};
    expected << kLoadSteps << text(startup_text::kSearch)
             << QStringLiteral("Es wurden 1 neue Files gefunden. Diese werden nun importiert") << kLoadSteps
             << text(startup_text::kOk);
    QCOMPARE(record.messages, expected);
    QCOMPARE(record.formsOpened, 1);
    m_games += added;
    QCOMPARE(countSum(window.statisticsPage()->browser()->lb3()), m_games);
    QCOMPARE(countSum(window.statisticsPage()->browser()->lbTour()), m_games);
}

void HandDatabaseStartupTest::rebuildButtonWritesAndReloadsTheDatabase()
{
    Tfrm_tallyhand window(m_home.path());
    StartRecord record;
    QVERIFY(run(window, record, this));
    GameBrowserPanel* browser = window.statisticsPage()->browser();
    const QStringList before = rows(browser->lb3());
    const QStringList toursBefore = rows(browser->lbTour());
    // A stray game must not survive the rebuild.
    {
        GameStore store(m_home.filePath(QStringLiteral("data/") + QLatin1String(kStoreFile)).toStdString());
        Transaction adding(store.db());
        store.appendTables({{{"2c", "2d", false, 1, {{1, 0, "t", "h", {}}}}}, {}, {}, {}});
        adding.commit();
    }
    browser->lb3()->clear();

    record.messages.clear();
    QSignalSpy done(window.startup(), &StartupSequence::rebuildFinished);
    window.rebuildPage()->rebuildButton()->click();
    QVERIFY(done.wait(25000));
    QCOMPARE(record.formsOpened, 1);
    QVERIFY(record.rebuildBlocked);
    QStringList expected = kLoadSteps;
    expected << text(startup_text::kOk);
    QCOMPARE(record.messages, expected);
    QCOMPARE(rows(browser->lb3()), before);
    QCOMPARE(rows(browser->lbTour()), toursBefore);
    QCOMPARE(countSum(browser->lb3()), m_games);
    QCOMPARE(static_cast<int>(window.gameData()->store()->rowCount("summaries")), m_games);
    QVERIFY(window.rebuildPage()->rebuildButton()->isEnabled());
}

void HandDatabaseStartupTest::failingImportAsksAndGivesUpAfterThreeTries()
{
    // A new file to import, and a store that refuses to take it.
    generateHands(m_home.filePath(QStringLiteral("Hands2")), 10, 5);
    const QString fresh = QDir(m_home.filePath(QStringLiteral("Hands2"))).entryList(QDir::Files).first();
    QVERIFY(QFile::rename(m_home.filePath(QStringLiteral("Hands2/")) + fresh,
                          m_home.filePath(QStringLiteral("Hands/zzz_")) + fresh));
    const std::string storeFile = m_home.filePath(QStringLiteral("data/") + QLatin1String(kStoreFile)).toStdString();
    SqliteDb(storeFile, false).exec("CREATE TRIGGER refuse BEFORE INSERT ON hand_files WHEN CAST(NEW.name AS TEXT) LIKE 'zzz%' "
                                    "BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END");

    Tfrm_tallyhand window(m_home.path());
    StartRecord record;
    QList<bool> questions;
    watch(window, record, this);
    window.startup()->setPrompt([&](const QString& t, bool question, std::function<void(bool)> answer) {
        record.prompts << t;
        questions << question;
        answer(true);
    });
    window.show();
    QVERIFY(waitForStartup(window, 25000));
    SqliteDb(storeFile, false).exec("DROP TRIGGER refuse");

    QCOMPARE(questions, (QList<bool>{true, true, false}));
    for (const QString& prompt : record.prompts)
        QVERIFY2(prompt.startsWith(text(startup_text::kImportFailed)), qPrintable(prompt));
    QVERIFY(record.prompts.last().contains(QLatin1String("3 Versuchen")));
    QCOMPARE(window.startup()->outcome(), StartupOutcome::ImportFailed);
    QCOMPARE(record.messages.count(text(startup_text::kSearch)), DatabaseStartup::kImportAttempts);
    QCOMPARE(record.messages.last(), text(startup_text::kOk));
    // The program goes on with the database it had.
    QCOMPARE(countSum(window.statisticsPage()->browser()->lb3()), m_games);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void HandDatabaseStartupTest::rawNamesAreShownDecodedAndKeptAsBytes()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QVERIFY(writeFile(home.filePath(QStringLiteral("Tallyhand.ini")), "[USER]\r\nusername=Hero\r\n"));
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Hands")));
    // Older clients wrote Windows-1252: "Café" with a single byte E9.
    GeneratorOptions options;
    options.games = 6;
    options.seed = 8;
    generateHandHistories(options, [&](GeneratedFile&& file) {
        QByteArray bytes = QByteArray::fromStdString(file.bytes);
        bytes.replace("Table '", "Table 'Caf\xe9 ");
        QVERIFY(writeFile(home.filePath(QStringLiteral("Hands/") + QString::fromStdString(file.name)), bytes));
    });

    Tfrm_tallyhand window(home.path());
    StartRecord record;
    QVERIFY(run(window, record, this));
    QListWidget* lb3 = window.statisticsPage()->browser()->lb3();
    QVERIFY(lb3->count() > 0);
    lb3->setCurrentRow(0);
    emit lb3->itemDoubleClicked(lb3->item(0));
    QListWidget* lb4 = window.statisticsPage()->browser()->lb4();
    QVERIFY(lb4->count() > 0);
    QVERIFY2(lb4->item(0)->toolTip().startsWith(QStringLiteral("Table: Caf\u00e9 ")), qPrintable(lb4->item(0)->toolTip()));

    exportDatabaseFiles(*window.gameData()->store(), home.filePath(QStringLiteral("export")).toStdString());
    QFile file(home.filePath(QStringLiteral("export/Hole_Cards.kar")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    QVERIFY(stored.contains("\r\nCaf\xe9 "));
    QVERIFY(!stored.contains("Caf\xc3\xa9"));
}

void HandDatabaseStartupTest::missingIniAndPlaceholderStopEarly()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    generateHands(home.filePath(QStringLiteral("Hands")), 20, 3);
    const QString ini = home.filePath(QStringLiteral("Tallyhand.ini"));
    for (const char* message : {startup_text::kNoIni, startup_text::kDummy}) {
        Tfrm_tallyhand window(home.path());
        StartRecord record;
        QVERIFY(run(window, record, this));
        QCOMPARE(record.prompts, QStringList{text(message)});
        QCOMPARE(record.messages, QStringList{text(startup_text::kOk)});
        QCOMPARE(record.formsOpened, 0);
        QVERIFY(window.startup()->startupPending());
        QTabWidget* pages = window.pageControl();
        for (int i = 0; i < pages->count(); ++i)
            QVERIFY(pages->isTabVisible(i));
        QVERIFY(field(window, QStringLiteral("inp_player"))->text().isEmpty());
        QCOMPARE(window.statisticsPage()->browser()->lb3()->count(), 0);
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("data/") + QLatin1String(kStoreFile))));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // The first stop leaves the placeholder file behind for the second.
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[USER]\r\nusername=DUMMY\r\n"));
    }
}

void HandDatabaseStartupTest::closingTheWindowMidwayEndsTheWorker()
{
    // While a message box waits for its answer.
    {
        QTemporaryDir home;
        auto window = std::make_unique<Tfrm_tallyhand>(home.path());
        bool asked = false;
        window->startup()->setPrompt([&](const QString&, bool, std::function<void(bool)>) { asked = true; });
        window->startup()->setUserNamePrompt([](std::function<void(bool)> answer) { answer(false); });
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(asked, 10000);
        QElapsedTimer clock;
        clock.start();
        window.reset();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
    // While the import form is on the screen.
    {
        QTemporaryDir home;
        QVERIFY(writeFile(home.filePath(QStringLiteral("Tallyhand.ini")), "[USER]\r\nusername=Hero\r\n"));
        generateHands(home.filePath(QStringLiteral("Hands")), 200, 4);
        auto window = std::make_unique<Tfrm_tallyhand>(home.path());
        StartRecord record;
        watch(*window, record, this);
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(record.formsOpened == 1, 20000);
        window.reset();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<Tfrm_main_2*>(w));
    }
}

QTEST_MAIN(HandDatabaseStartupTest)
#include "HandDatabaseStartupTest.moc"
