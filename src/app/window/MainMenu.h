#pragma once

#include "history/CardRoomFolders.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace tallyhand::app {

class FileDialogs;
class SettingsDialog;
class Tfrm_tallyhand;

// The window's menu bar: "Datei" (import, rebuild, export, settings, quit),
// "Ansicht" (the practice table) and "Hilfe" (guide, about).
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(Tfrm_tallyhand* window);
    ~MainMenu() override;

    // Tests answer the file dialogs through their own subclass.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // Where the card room's folders are looked for (default: this machine's).
    void setCardRoomRoots(CardRoomRoots roots) { m_roots = std::move(roots); }

    // The live import switch goes into "Datei" above "Beenden".
    void addLiveImportSwitch(QAction* action);

    // "Einstellungen…": opens the dialog over the window; `done(accepted)` runs when it closes.
    SettingsDialog* openSettings(std::function<void(bool)> done = {});
    // "Hand-Histories importieren…" with the chosen files or folders.
    void importHandHistories(const QStringList& paths);
    // "Exportieren…" into the chosen folder, in a worker.
    void exportDatabase(const QString& folder);

signals:
    // An export ended, written or reported as failed.
    void exported();

private:
    void buildFileMenu();
    void buildViewMenu();
    void buildHelpMenu();
    QAction* addAction(QMenu* menu, const QString& text, const QString& name, const QString& tip);
    bool importRunning();
    void showGuide();
    void showAbout();
    void exportFinished();

    Tfrm_tallyhand* m_window;
    std::unique_ptr<FileDialogs> m_dialogs;
    CardRoomRoots m_roots;
    QMenu* m_file = nullptr;
    QAction* m_quit = nullptr;
    QFutureWatcher<QString> m_export;
    QString m_exportFolder;
};

} // namespace tallyhand::app
