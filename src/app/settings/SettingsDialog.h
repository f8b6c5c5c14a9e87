#pragma once

#include "app/settings/UserSettings.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallyhand::app {

class FileDialogs;

// "Datei › Einstellungen…": the screen name and the hand-history folders in
// their order, with the card room's own folders offered for adding. OK
// writes the configuration file.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `suggestions`: the card room's folders found on this machine.
    SettingsDialog(const QString& homeDir, std::vector<std::filesystem::path> suggestions, FileDialogs& dialogs,
                   QWidget* parent = nullptr);

    // What OK writes.
    UserSettings settings() const;
    // The name as it reads in the window.
    QString userNameText() const;

public slots:
    void accept() override;

private:
    void addFolder(const QByteArray& raw);
    void addChosenFolder();
    void addSuggestions();
    void removeFolder();
    void moveFolder(int step);
    void updateButtons();

    QString m_homeDir;
    FileDialogs& m_dialogs;
    UserSettings m_loaded;
    QString m_loadedName;
    QLineEdit* m_name = nullptr;
    QLabel* m_nameHint = nullptr;
    QListWidget* m_folders = nullptr;
    QListWidget* m_suggestions = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_take = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace tallyhand::app
