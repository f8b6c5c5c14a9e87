#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tallyhand::app {

// The screen name and the hand-history folders of a home's configuration
// file, as raw bytes: a name or path nobody edits is written back unchanged.
struct UserSettings {
    bool iniExists = false;
    QByteArray userName;
    // Empty: the home's "Hands" folder, the default.
    QList<QByteArray> folders;
};

UserSettings readUserSettings(const QString& homeDir);

// False without a configuration file or with the placeholder name: the
// window then asks for the name before the start-up runs.
bool hasUsableUserName(const QString& homeDir);

// The folders to show: the configured ones, or the default "Hands" folder.
QList<QByteArray> shownFolders(const QString& homeDir, const UserSettings& settings);

// Writes the configuration file; a folder list that is just the default
// is left out so that a moved home keeps finding its own "Hands".
// Returns an error text, empty on success.
QString writeUserSettings(const QString& homeDir, const UserSettings& settings);

// Whether a typed name can be the screen name.
bool isUsableUserName(const QString& name);

} // namespace tallyhand::app
