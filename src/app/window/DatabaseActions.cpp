#include "app/window/DatabaseActions.h"

#include "app/settings/UserSettings.h"
#include "history/TextDecoding.h"
#include "history/UserConfig.h"
#include "store/HomeStore.h"
#include "store/StoreExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tallyhand::app {

QStringList addImportSources(const QString& homeDir, const QStringList& paths, QString* error)
{
    UserSettings settings = readUserSettings(homeDir);
    // Without a configuration file the name stays to be asked for, not empty.
    if (!settings.iniExists)
        settings.userName = kUserNamePlaceholder;
    settings.folders = shownFolders(homeDir, settings);
    QStringList added;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
        const QByteArray raw = QFile::encodeName(QDir::cleanPath(folder));
        if (settings.folders.contains(raw))
            continue;
        settings.folders.append(raw);
        added << QDir::cleanPath(folder);
    }
    if (!added.isEmpty()) {
        const QString failure = writeUserSettings(homeDir, settings);
        if (!failure.isEmpty()) {
            if (error)
                *error = failure;
            return {};
        }
    }
    return added;
}

QString exportHomeDatabase(const QString& homeDir, const QString& targetDir)
{
    const OpenedStore opened = openHomeStore(HomeFolders{QFile::encodeName(homeDir).toStdString()}, false);
    if (!opened.store)
        return QString::fromStdString(decodeForDisplay(opened.error));
    try {
        exportDatabaseFiles(*opened.store, QFile::encodeName(targetDir).toStdString());
    } catch (const std::exception& e) {
        return QString::fromStdString(decodeForDisplay(e.what()));
    }
    return {};
}

} // namespace tallyhand::app
