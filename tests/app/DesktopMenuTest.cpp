// The window as a desktop program: menus and shortcuts, import and export
// through the file-dialog seam, the guide and the about box, tooltips.
#include "AppTestSupport.h"

#include "app/help/AboutDialog.h"
#include "app/help/QuickGuideDialog.h"
#include "app/window/DatabaseActions.h"
#include "app/window/FileDialogs.h"
#include "app/window/MainMenu.h"
#include "app/window/StartupSequence.h"
#include "history/HandHistoryGenerator.h"
#include "history/UserConfig.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QMessageBox>
#include <QTextBrowser>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

namespace {

// Answers the file dialogs with what the test prepared.
class AnsweringDialogs : public FileDialogs {
public:
    QStringList files;
    QString chosenFolder;
    QStringList captions;

    QStringList handHistoryFiles(QWidget*) override { return files; }
    QString folder(QWidget*, const QString& caption) override
    {
        captions << caption;
        return chosenFolder;
    }
};

// Lets a test reach the connection count of a list's click signals.
struct SignalPeek : QObject {
    static bool connected(QObject* object, const char* signal)
    {
        return static_cast<SignalPeek*>(object)->receivers(signal) > 0;
    }
};

} // namespace

class DesktopMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void importReadsChosenFoldersInPlaceOnce();
    void exportWritesTheFiveFilesOrNamesTheFailure();
    void shortcutsEmptyTheHandOpenTheGuideAndQuit();
    void aboutNamesVersionLicenceAndLibraries();
    void everyClickableButtonAndListHasATooltip();
    void liveImportSwitchJoinsTheFileMenuAboveQuit();

private:
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }

    QTemporaryDir m_home;
    std::unique_ptr<Tfrm_tallyhand> m_window;
    AnsweringDialogs* m_dialogs = nullptr;
};

void DesktopMenuTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(writeIniFile(m_home.path()));
    m_window = std::make_unique<Tfrm_tallyhand>(m_home.path());
    auto dialogs = std::make_unique<AnsweringDialogs>();
    m_dialogs = dialogs.get();
    m_window->mainMenu()->setFileDialogs(std::move(dialogs));
    m_window->show();
    QVERIFY(waitForStartup(*m_window));
}

void DesktopMenuTest::importReadsChosenFoldersInPlaceOnce()
{
    QTemporaryDir elsewhere;
    const QString folder = elsewhere.filePath(QStringLiteral("Sessions 2026"));
    const int games = generateHands(folder, 60, 4);
    QVERIFY(games > 0);
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 1);

    QSignalSpy imported(m_window->startup(), &StartupSequence::importFinished);
    m_dialogs->chosenFolder = folder;
    action("act_import_folder")->trigger();
    QVERIFY(imported.wait(60000));
    auto* tours = field<QListWidget>(*m_window, QStringLiteral("lb_tour"));
    QCOMPARE(countSum(tours), games);
    // Read where they stand: nothing copied into the home.
    QVERIFY(QDir(m_home.filePath(QStringLiteral("Hands"))).entryList(QDir::Files).isEmpty());

    // The files of the same folder, and the folder again: still one entry, no game twice.
    for (const QString& name : files)
        m_dialogs->files << QDir(folder).filePath(name);
    action("act_import_files")->trigger();
    QVERIFY(imported.wait(60000));
    QCOMPARE(countSum(tours), games);

    const std::string ini = readAll(m_home.filePath(QStringLiteral("Tallyhand.ini"))).toStdString();
    const std::vector<std::string> expected = {QDir(m_home.path()).filePath(QStringLiteral("Hands")).toStdString(),
                                               QDir::cleanPath(folder).toStdString()};
    QCOMPARE(handFoldersFromIni(ini), expected);
    QCOMPARE(userNameFromIni(ini), std::string("Hero"));
    QVERIFY(QString::fromStdString(ini).endsWith(QStringLiteral("[USER]\r\nusername=Hero\r\n")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Ok"));

    // A home without a configuration file keeps asking for the name instead of taking an empty one.
    QTemporaryDir bare;
    QString error;
    QCOMPARE(addImportSources(bare.path(), {folder}, &error), QStringList{QDir::cleanPath(folder)});
    QVERIFY(error.isEmpty());
    const std::string bareIni = readAll(bare.filePath(QStringLiteral("Tallyhand.ini"))).toStdString();
    QCOMPARE(userNameFromIni(bareIni), std::string(kUserNamePlaceholder));
    QCOMPARE(handFoldersFromIni(bareIni).size(), std::size_t(2));
}

void DesktopMenuTest::exportWritesTheFiveFilesOrNamesTheFailure()
{
    QSignalSpy exported(m_window->mainMenu(), &MainMenu::exported);
    QTemporaryDir target;
    QVERIFY(writeAll(target.filePath(QStringLiteral("games.kar")), QByteArray(100000, 'x'))); // replaced
    m_dialogs->chosenFolder = target.path();
    action("act_export")->trigger();
    QVERIFY(exported.wait(60000));
    QVERIFY(m_window->statusText().contains(target.path()));
    // The games imported before, one game block each (the file starts with their count).
    const QByteArray games = readAll(target.filePath(QStringLiteral("games.kar")));
    QCOMPARE(games.left(games.indexOf('\r')).toInt(), countSum(field<QListWidget>(*m_window, QStringLiteral("lb_tour"))));
    QCOMPARE(games.count("\r\nTable '"), games.left(games.indexOf('\r')).toInt());
    QVERIFY(readAll(target.filePath(QStringLiteral("Hole_Cards.kar"))).startsWith("VERSION2\r\n"));
    for (const char* name : {"Board_Cards.kar", "Summeries.kar", "loaded.kar"})
        QVERIFY2(QFile::exists(target.filePath(QString::fromLatin1(name))), name);

    // Nothing chosen: nothing happens.
    m_dialogs->chosenFolder.clear();
    action("act_export")->trigger();
    QVERIFY(!exported.wait(300));

    // A folder that cannot be made is named, and the success message is not shown.
    QVERIFY(writeAll(target.filePath(QStringLiteral("plain")), "x"));
    m_dialogs->chosenFolder = target.filePath(QStringLiteral("plain/inner"));
    action("act_export")->trigger();
    QVERIFY(exported.wait(60000));
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = m_window->findChild<QMessageBox*>(QStringLiteral("msg_export_failed"))) && box->isVisible());
    QVERIFY(box->text().contains(QStringLiteral("plain")));
    QVERIFY(m_window->statusText().isEmpty());
    box->close();
}

void DesktopMenuTest::shortcutsEmptyTheHandOpenTheGuideAndQuit()
{
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    CalculatorPanel* calc = m_window->calculator();
    calc->cardEdit(CalculatorPanel::Hole1)->setText(QStringLiteral("AHerz"));
    calc->cardEdit(CalculatorPanel::Hole2)->setText(QStringLiteral("KHerz"));
    calc->hole2Exit();
    QVERIFY(!field(*m_window, QStringLiteral("inp_akt"))->text().isEmpty());
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    // A button's shortcut clicks it with a short animation.
    QTRY_VERIFY(calc->cardEdit(CalculatorPanel::Hole1)->text().isEmpty());
    QVERIFY(field(*m_window, QStringLiteral("inp_akt"))->text().isEmpty());

    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QuickGuideDialog* guide = nullptr;
    QTRY_VERIFY((guide = m_window->findChild<QuickGuideDialog*>()) && guide->isVisible());
    // The guide and every picture it shows come with the program.
    QVERIFY(guide->browser()->document()->toPlainText().contains(QStringLiteral("Kurzanleitung")));
    const QString html = QString::fromUtf8(readAll(QStringLiteral(":/help/kurzanleitung.html")));
    int pictures = 0;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("src=\"([^\"]+)\"")).globalMatch(html)) {
        QVERIFY2(!QImage(QStringLiteral(":/help/") + m.captured(1)).isNull(), qPrintable(m.captured(1)));
        ++pictures;
    }
    QVERIFY(pictures >= 3);
    guide->close();

    // Ctrl+Q closes a second window, leaving the test's own open.
    QTemporaryDir home;
    QVERIFY(writeIniFile(home.path()));
    Tfrm_tallyhand other(home.path());
    other.show();
    QVERIFY(waitForStartup(other));
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!other.isVisible());
}

void DesktopMenuTest::aboutNamesVersionLicenceAndLibraries()
{
    const QString text = AboutDialog::aboutText();
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+")).match(AboutDialog::version()).hasMatch());
    QVERIFY(text.contains(QStringLiteral("Tallyhand ") + AboutDialog::version()));
    QVERIFY(text.contains(QStringLiteral("Lizenz: ")));
    QVERIFY(text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    action("act_about")->trigger();
    QDialog* about = nullptr;
    QTRY_VERIFY((about = m_window->findChild<QDialog*>(QStringLiteral("dlg_about"))) && about->isVisible());
    // The icon comes with the program, in the box and on the window.
    QVERIFY(!field<QLabel>(*about, QStringLiteral("lbl_about_icon"))->pixmap().isNull());
    QVERIFY(!m_window->windowIcon().isNull());
    about->close();
}

void DesktopMenuTest::everyClickableButtonAndListHasATooltip()
{
    QStringList missing;
    for (QAbstractButton* button : m_window->findChildren<QAbstractButton*>()) {
        const QString name = button->objectName();
        // The toolkit's own scroll and corner buttons carry no name of ours.
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || name.startsWith(QStringLiteral("Scroll")))
            continue;
        if (button->isEnabled() && button->toolTip().isEmpty())
            missing << name;
    }
    for (QListWidget* list : m_window->findChildren<QListWidget*>()) {
        const bool acts = SignalPeek::connected(list, SIGNAL(itemClicked(QListWidgetItem*)))
                          || SignalPeek::connected(list, SIGNAL(itemDoubleClicked(QListWidgetItem*)))
                          || SignalPeek::connected(list, SIGNAL(currentRowChanged(int)));
        if (acts && list->toolTip().isEmpty())
            missing << list->objectName();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    // Disabled caption buttons do nothing on a click and need none.
    QVERIFY(field<QAbstractButton>(*m_window, QStringLiteral("Button1"))->toolTip().isEmpty());
}

void DesktopMenuTest::liveImportSwitchJoinsTheFileMenuAboveQuit()
{
    auto* liveImport = new QAction(QStringLiteral("Live-Import"), m_window.get());
    liveImport->setObjectName(QStringLiteral("act_live_import"));
    m_window->mainMenu()->addLiveImportSwitch(liveImport);
    auto* file = m_window->findChild<QMenu*>(QStringLiteral("menu_file"));
    QVERIFY(file);
    QList<QAction*> actions = file->actions();
    const qsizetype live = actions.indexOf(liveImport);
    const qsizetype quit = actions.indexOf(action("act_quit"));
    QVERIFY(live > actions.indexOf(action("act_settings")));
    QVERIFY(live < quit);
    QVERIFY(actions.at(quit - 1)->isSeparator());
}

QTEST_MAIN(DesktopMenuTest)
#include "DesktopMenuTest.moc"
