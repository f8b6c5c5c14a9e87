// Settings dialog, the first start asking for the screen name, the window
// remembering itself, and where an installed program keeps its home.
#include "AppTestSupport.h"

#include "app/settings/SettingsDialog.h"
#include "app/statistics/StatisticsPage.h"
#include "app/window/FileDialogs.h"
#include "app/window/HomeFolder.h"
#include "app/window/MainMenu.h"
#include "app/window/WindowMemory.h"
#include "history/UserConfig.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <unistd.h>

using namespace tallyhand;
using namespace tallyhand::app;
using namespace tallyhand::app::testing;

namespace {

class AnsweringDialogs : public FileDialogs {
public:
    QString chosenFolder;
    QString folder(QWidget*, const QString&) override { return chosenFolder; }
};

SettingsDialog* waitForSettings(QWidget& window)
{
    SettingsDialog* dialog = nullptr;
    const bool shown =
        QTest::qWaitFor([&] { return (dialog = window.findChild<SettingsDialog*>()) && dialog->isVisible(); }, 20000);
    return shown ? dialog : nullptr;
}

QPushButton* okButton(SettingsDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

QStringList rows(QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class SettingsAndMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void settingsEditNameAndFoldersInOrder();
    void unusableNamesAreRefusedAndCancelWritesNothing();
    void firstStartAsksForTheNameAndThenRuns();
    void windowRemembersSizePositionAndTabs();
    void installedProgramKeepsItsHomeInTheUserDataFolder();
};

void SettingsAndMemoryTest::settingsEditNameAndFoldersInOrder()
{
    QTemporaryDir home, rooms, extra;
    // A name in Windows-1252 bytes, as an old configuration file may hold it.
    const QString sessions = extra.filePath(QStringLiteral("old sessions"));
    QVERIFY(writeAll(home.filePath(QStringLiteral("Tallyhand.ini")),
                     "[HANDHISTORY]\r\nfolder=" + QFile::encodeName(sessions) + "\r\n[USER]\r\nusername=Caf\xe9\r\n"));
    const QString room = rooms.filePath(QStringLiteral("PokerStars.EU/HandHistory/Caf\u00e9"));
    QVERIFY(QDir().mkpath(room));
    const QString added = extra.filePath(QStringLiteral("added"));

    Tfrm_tallyhand window(home.path());
    auto dialogs = std::make_unique<AnsweringDialogs>();
    dialogs->chosenFolder = added;
    window.mainMenu()->setFileDialogs(std::move(dialogs));
    window.mainMenu()->setCardRoomRoots({std::filesystem::path(rooms.path().toStdString()), {}});
    window.findChild<QAction*>(QStringLiteral("act_settings"))->trigger();
    SettingsDialog* dialog = waitForSettings(window);
    QVERIFY(dialog);
    QCOMPARE(field(*dialog, QStringLiteral("ed_username"))->text(), QStringLiteral("Caf\u00e9"));
    auto* folders = field<QListWidget>(*dialog, QStringLiteral("lb_folders"));
    auto* offered = field<QListWidget>(*dialog, QStringLiteral("lb_card_room_folders"));
    QCOMPARE(rows(folders), QStringList{sessions});
    QCOMPARE(rows(offered), QStringList{room});
    // The configured folder does not exist (yet): listed, and marked so.
    QVERIFY(folders->item(0)->toolTip().endsWith(QStringLiteral("(Ordner nicht gefunden)")));

    offered->item(0)->setSelected(true);
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_take"))->click();
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_take"))->click(); // taken once only
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_add"))->click();
    QCOMPARE(rows(folders), (QStringList{sessions, room, added}));
    QCOMPARE(folders->item(1)->toolTip(), room);
    // The added folder goes first, the old one last.
    folders->setCurrentRow(2);
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_up"))->click();
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_up"))->click();
    QVERIFY(!field<QPushButton>(*dialog, QStringLiteral("btn_folder_up"))->isEnabled());
    folders->setCurrentRow(1);
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_down"))->click();
    QVERIFY(!field<QPushButton>(*dialog, QStringLiteral("btn_folder_down"))->isEnabled());
    QCOMPARE(rows(folders), (QStringList{added, room, sessions}));
    folders->setCurrentRow(1);
    field<QPushButton>(*dialog, QStringLiteral("btn_folder_remove"))->click();
    QCOMPARE(rows(folders), (QStringList{added, sessions}));

    okButton(*dialog)->click();
    const QByteArray ini = readAll(home.filePath(QStringLiteral("Tallyhand.ini")));
    // The untouched name keeps its bytes; the user section stays last.
    QCOMPARE(ini, "[HANDHISTORY]\r\nfolder=" + QFile::encodeName(added) + "\r\nfolder=" + QFile::encodeName(sessions)
                      + "\r\n[USER]\r\nusername=Caf\xe9\r\n");
    QCOMPARE(userNameFromIni(ini.toStdString()), std::string("Caf\xe9"));

    // The default folder alone writes no folder section, so that a moved home keeps its own Hands.
    const UserSettings onlyDefault{true, "Hero", {QFile::encodeName(QDir(home.path()).filePath(QStringLiteral("Hands")))}};
    QVERIFY(writeUserSettings(home.path(), onlyDefault).isEmpty());
    QCOMPARE(readAll(home.filePath(QStringLiteral("Tallyhand.ini"))), QByteArray("[USER]\r\nusername=Hero\r\n"));
}

void SettingsAndMemoryTest::unusableNamesAreRefusedAndCancelWritesNothing()
{
    QTemporaryDir home;
    const QByteArray before = "[USER]\r\nusername=Hero\r\n";
    QVERIFY(writeAll(home.filePath(QStringLiteral("Tallyhand.ini")), before));
    FileDialogs dialogs;
    SettingsDialog dialog(home.path(), {}, dialogs);
    // No offer without the card room's folders.
    QVERIFY(!field<QListWidget>(dialog, QStringLiteral("lb_card_room_folders"))->isVisibleTo(&dialog));
    struct Case {
        QString name;
        bool usable;
    };
    const Case cases[] = {{QStringLiteral("Hero"), true},       {QString(), false},
                          {QStringLiteral("DUMMY"), false},     {QStringLiteral("dummy"), true},
                          {QStringLiteral(" Hero"), false},     {QStringLiteral("Hero "), false},
                          {QStringLiteral("Jo Jo"), true},      {QStringLiteral("a=b"), true}};
    for (const Case& c : cases) {
        field(dialog, QStringLiteral("ed_username"))->setText(c.name);
        QVERIFY2(okButton(dialog)->isEnabled() == c.usable, qPrintable(c.name));
        QVERIFY(field<QWidget>(dialog, QStringLiteral("lbl_username_hint"))->isVisibleTo(&dialog) == !c.usable);
    }
    dialog.reject();
    QCOMPARE(readAll(home.filePath(QStringLiteral("Tallyhand.ini"))), before);
}

void SettingsAndMemoryTest::firstStartAsksForTheNameAndThenRuns()
{
    struct Case {
        const char* what;
        QByteArray ini; // empty: no file
    };
    const Case cases[] = {{"no configuration file", {}}, {"placeholder", "[USER]\r\nusername=DUMMY\r\n"}};
    for (const Case& c : cases) {
        QTemporaryDir home;
        if (!c.ini.isEmpty())
            QVERIFY(writeAll(home.filePath(QStringLiteral("Tallyhand.ini")), c.ini));
        Tfrm_tallyhand window(home.path());
        QStringList boxes;
        window.startup()->setPrompt([&boxes](const QString& text, bool, std::function<void(bool)> answer) {
            boxes << text;
            answer(true);
        });
        window.show();
        SettingsDialog* dialog = waitForSettings(window);
        QVERIFY2(dialog, c.what);
        // Nothing loads while the question is open.
        QVERIFY(!window.startup()->done());
        QVERIFY(window.startup()->startupPending());
        QVERIFY(field(*dialog, QStringLiteral("ed_username"))->text().isEmpty());
        QVERIFY(!okButton(*dialog)->isEnabled());
        field(*dialog, QStringLiteral("ed_username"))->setText(QStringLiteral("Hero"));
        okButton(*dialog)->click();
        QVERIFY(waitForStartup(window));
        QCOMPARE(window.startup()->outcome(), StartupOutcome::Loaded);
        QVERIFY(!window.startup()->startupPending());
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('|'))));
        QCOMPARE(field(window, QStringLiteral("inp_player"))->text(), QStringLiteral("Hero"));
        QCOMPARE(readAll(home.filePath(QStringLiteral("Tallyhand.ini"))), QByteArray("[USER]\r\nusername=Hero\r\n"));
        QVERIFY(window.calculator()->calculationReady());
    }
}

void SettingsAndMemoryTest::windowRemembersSizePositionAndTabs()
{
    QTemporaryDir home;
    QVERIFY(writeIniFile(home.path()));
    QRect geometry;
    {
        Tfrm_tallyhand window(home.path());
        QVERIFY(!window.geometryRestored());
        window.show();
        QVERIFY(waitForStartup(window));
        window.setGeometry(60, 70, 1010, 740);
        window.pageControl()->setCurrentWidget(window.statisticsPage());
        field<QTabWidget>(window, QStringLiteral("PageControl2"))->setCurrentIndex(1);
        field<QTabWidget>(window, QStringLiteral("PageControl3"))->setCurrentIndex(2);
        QTRY_COMPARE(window.geometry().size(), QSize(1010, 740));
        geometry = window.geometry();
        window.close();
    }
    Tfrm_tallyhand again(home.path());
    QVERIFY(again.geometryRestored());
    again.show();
    QVERIFY(waitForStartup(again));
    QCOMPARE(again.geometry(), geometry);
    QCOMPARE(again.pageControl()->currentWidget(), again.statisticsPage());
    QCOMPARE(field<QTabWidget>(again, QStringLiteral("PageControl2"))->currentIndex(), 1);
    QCOMPARE(field<QTabWidget>(again, QStringLiteral("PageControl3"))->currentIndex(), 2);

    // A damaged memory file gives the default window, not a failure.
    QVERIFY(writeAll(home.filePath(QString::fromLatin1(WindowMemory::kFileName)), "[Fenster]\nGeometrie=@ByteArray(xyz)\n"));
    Tfrm_tallyhand fresh(home.path());
    QVERIFY(!fresh.geometryRestored());
    QCOMPARE(fresh.size(), QSize(926, 667));
}

void SettingsAndMemoryTest::installedProgramKeepsItsHomeInTheUserDataFolder()
{
    QTemporaryDir root;
    const QString build = root.filePath(QStringLiteral("build/src/app"));
    const QString installed = root.filePath(QStringLiteral("usr/bin"));
    const QString readOnly = root.filePath(QStringLiteral("opt/tallyhand"));
    const QString userData = root.filePath(QStringLiteral("home/.local/share/Tallyhand"));
    for (const QString& dir : {build, installed, readOnly})
        QVERIFY(QDir().mkpath(dir));
    QVERIFY(writeAll(root.filePath(QStringLiteral("usr/share/applications/io.github.tallyhand.Tallyhand.desktop")),
                     "[Desktop Entry]\n"));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    struct Case {
        QString option, executable, expected;
    };
    std::vector<Case> cases = {
        {QString(), build, build},                         // run from the build folder: as always
        {QString(), installed, userData},                  // installed beside its desktop entry
        {root.filePath(QStringLiteral("mine")), installed, root.filePath(QStringLiteral("mine"))}, // --home wins
        {root.filePath(QStringLiteral("rel/../mine")), build, root.filePath(QStringLiteral("mine"))},
    };
    // Root writes everywhere; the permission case needs an ordinary user.
    if (::geteuid() != 0)
        cases.push_back({QString(), readOnly, userData});
    for (const Case& c : cases)
        QCOMPARE(chooseHomeDir(c.option, c.executable, userData), QDir(c.expected).absolutePath());
}

QTEST_MAIN(SettingsAndMemoryTest)
#include "SettingsAndMemoryTest.moc"
