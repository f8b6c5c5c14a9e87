#include "app/window/MainMenu.h"

#include "app/help/AboutDialog.h"
#include "app/help/QuickGuideDialog.h"
#include "app/settings/SettingsDialog.h"
#include "app/statistics/ChipChartPanel.h"
#include "app/statistics/StatisticsPage.h"
#include "app/table/TablePanelPage.h"
#include "app/window/DatabaseActions.h"
#include "app/window/FileDialogs.h"
#include "app/window/MainWindow.h"
#include "app/window/StartupSequence.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace tallyhand::app {

MainMenu::MainMenu(Tfrm_tallyhand* window)
    : QObject(window), m_window(window), m_dialogs(std::make_unique<FileDialogs>()),
      m_roots{std::filesystem::path(qEnvironmentVariable("LOCALAPPDATA").toStdString()),
              std::filesystem::path(QDir::homePath().toStdString())}
{
    setObjectName(QStringLiteral("main_menu"));
    connect(&m_export, &QFutureWatcher<QString>::finished, this, &MainMenu::exportFinished);
    buildFileMenu();
    buildViewMenu();
    buildHelpMenu();
    // A first start without a screen name asks for it before anything loads.
    window->startup()->setUserNamePrompt([this](std::function<void(bool)> answer) { openSettings(answer); });
}

MainMenu::~MainMenu() = default;

void MainMenu::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

QAction* MainMenu::addAction(QMenu* menu, const QString& text, const QString& name, const QString& tip)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setStatusTip(tip);
    action->setToolTip(tip);
    return action;
}

void MainMenu::buildFileMenu()
{
    m_file = m_window->menuBar()->addMenu(QStringLiteral("&Datei"));
    m_file->setObjectName(QStringLiteral("menu_file"));
    m_file->setToolTipsVisible(true);
    QAction* importFiles = addAction(m_file, QStringLiteral("Hand-Histories importieren…"),
                                     QStringLiteral("act_import_files"),
                                     QStringLiteral("Hand-History-Dateien am Ort importieren, ohne sie zu kopieren"));
    QAction* importFolder = addAction(m_file, QStringLiteral("Hand-History-Ordner importieren…"),
                                      QStringLiteral("act_import_folder"),
                                      QStringLiteral("Einen Ordner mit Hand-Histories importieren und künftig "
                                                     "mit einlesen"));
    QAction* rebuild = addAction(m_file, QStringLiteral("Datenbank neu erzeugen"), QStringLiteral("act_rebuild"),
                                 QStringLiteral("Alle Hand-Histories neu einlesen und die Datenbank neu erzeugen"));
    QAction* exportFiles = addAction(m_file, QStringLiteral("Exportieren…"), QStringLiteral("act_export"),
                                     QStringLiteral("Die fünf Datenbankdateien in einen Ordner schreiben"));
    m_file->addSeparator();
    QAction* settings = addAction(m_file, QStringLiteral("Einstellungen…"), QStringLiteral("act_settings"),
                                  QStringLiteral("Screen Name und Ordner der Hand-Histories"));
    m_file->addSeparator();
    m_quit = addAction(m_file, QStringLiteral("Beenden"), QStringLiteral("act_quit"),
                       QStringLiteral("Tallyhand beenden"));
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quit->setMenuRole(QAction::QuitRole);

    connect(importFiles, &QAction::triggered, this, [this] {
        const QStringList files = m_dialogs->handHistoryFiles(m_window);
        if (!files.isEmpty())
            importHandHistories(files);
    });
    connect(importFolder, &QAction::triggered, this, [this] {
        const QString folder = m_dialogs->folder(m_window, QStringLiteral("Ordner mit Hand-Histories importieren"));
        if (!folder.isEmpty())
            importHandHistories({folder});
    });
    connect(rebuild, &QAction::triggered, this, [this] {
        if (!importRunning())
            m_window->startup()->rebuild();
    });
    connect(exportFiles, &QAction::triggered, this, [this] {
        const QString folder = m_dialogs->folder(m_window, QStringLiteral("Datenbank exportieren nach"));
        if (!folder.isEmpty())
            exportDatabase(folder);
    });
    connect(settings, &QAction::triggered, this, [this] { openSettings(); });
    connect(m_quit, &QAction::triggered, m_window, &QWidget::close);
}

void MainMenu::addLiveImportSwitch(QAction* action)
{
    m_file->insertAction(m_quit, action);
    m_file->insertSeparator(m_quit);
}

void MainMenu::buildViewMenu()
{
    // The start-up hides the practice table; the menu brings it back.
    QMenu* view = m_window->menuBar()->addMenu(QStringLiteral("&Ansicht"));
    view->setObjectName(QStringLiteral("menu_view"));
    QAction* show = addAction(view, QStringLiteral("Übungstisch"), QStringLiteral("act_practice_table"),
                              QStringLiteral("Die Seite des Übungstischs zeigen oder verbergen"));
    show->setCheckable(true);
    QTabWidget* pages = m_window->pageControl();
    TablePanelPage* table = m_window->tablePanelPage();
    connect(show, &QAction::toggled, this, [pages, table](bool on) {
        const int page = pages->indexOf(table);
        pages->setTabVisible(page, on);
        if (on)
            pages->setCurrentIndex(page);
    });
    // Only mirrors the tab: a page change must not open the practice table.
    connect(pages, &QTabWidget::currentChanged, show, [pages, table, show] {
        const QSignalBlocker quiet(show);
        show->setChecked(pages->isTabVisible(pages->indexOf(table)));
    });
}

void MainMenu::buildHelpMenu()
{
    QMenu* help = m_window->menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("menu_help"));
    QAction* guide = addAction(help, QStringLiteral("Kurzanleitung"), QStringLiteral("act_guide"),
                               QStringLiteral("Eine kurze bebilderte Anleitung zu den Seiten"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* about = addAction(help, QStringLiteral("Über Tallyhand"), QStringLiteral("act_about"),
                               QStringLiteral("Version, Lizenz und verwendete Bibliotheken"));
    about->setMenuRole(QAction::AboutRole);
    connect(guide, &QAction::triggered, this, &MainMenu::showGuide);
    connect(about, &QAction::triggered, this, &MainMenu::showAbout);
}

bool MainMenu::importRunning()
{
    if (!m_window->startup()->running())
        return false;
    m_window->showStatus(QStringLiteral("Bitte warten, bis der laufende Import fertig ist."));
    return true;
}

SettingsDialog* MainMenu::openSettings(std::function<void(bool)> done)
{
    auto* dialog = new SettingsDialog(m_window->homeDir(), cardRoomHandFolders(cardRoomRootFolders(m_roots)),
                                      *m_dialogs, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QByteArray before = readUserSettings(m_window->homeDir()).userName;
    connect(dialog, &QDialog::finished, this, [this, dialog, before, done](int result) {
        const bool accepted = result == QDialog::Accepted;
        // The running start-up has read the name already; a new one counts from the next start.
        if (accepted && !m_window->startup()->startupPending()
            && dialog->settings().userName != before)
            m_window->showStatus(QStringLiteral("Der neue Screen Name gilt ab dem nächsten Start von Tallyhand."));
        if (done)
            done(accepted);
    });
    dialog->open();
    return dialog;
}

void MainMenu::importHandHistories(const QStringList& paths)
{
    if (importRunning())
        return;
    QString error;
    const QStringList added = addImportSources(m_window->homeDir(), paths, &error);
    if (!error.isEmpty()) {
        QMessageBox::warning(m_window, QStringLiteral("Tallyhand"),
                             QStringLiteral("Die Ordnerliste konnte nicht gespeichert werden:\n") + error);
        return;
    }
    if (!added.isEmpty())
        m_window->showStatus(QStringLiteral("Neu in der Liste der Hand-History-Ordner: ")
                             + added.join(QStringLiteral(", ")));
    // Only what the database does not hold yet is read; the folders stay where they are.
    m_window->startup()->importNewFiles();
}

void MainMenu::exportDatabase(const QString& folder)
{
    if (importRunning())
        return;
    if (m_export.isRunning())
        return;
    m_window->showStatus(QStringLiteral("Die Datenbankdateien werden nach %1 exportiert …").arg(folder));
    m_exportFolder = folder;
    m_export.setFuture(QtConcurrent::run(exportHomeDatabase, m_window->homeDir(), folder));
}

void MainMenu::exportFinished()
{
    const QString error = m_export.result();
    if (error.isEmpty()) {
        m_window->showStatus(QStringLiteral("Die Datenbankdateien wurden nach %1 exportiert.").arg(m_exportFolder));
        emit exported();
        return;
    }
    m_window->showStatus(QString());
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tallyhand"),
                                QStringLiteral("Der Export ist fehlgeschlagen.\n") + error, QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("msg_export_failed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    emit exported();
}

void MainMenu::showGuide()
{
    auto* guide = m_window->findChild<QuickGuideDialog*>();
    if (!guide)
        guide = new QuickGuideDialog(m_window);
    guide->show();
    guide->raise();
    guide->activateWindow();
}

void MainMenu::showAbout()
{
    auto* about = new AboutDialog(m_window);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

} // namespace tallyhand::app
