#include "app/window/DatabaseActions.h"

#include "app/settings/UserSettings.h"
#include "history/DatabaseFiles.h"
#include "history/UserConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QStringList databaseFileNames()
{
    QStringList names;
    for (const char* name : {kHoleCardsFile, kBoardsFile, kSummariesFile, kGamesFile, kLoadedFile})
        names << QString::fromLatin1(name);
    return names;
}

QString exportDatabaseFiles(const QString& dataDir, const QString& targetDir)
{
    if (!QDir().mkpath(targetDir))
        return QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(targetDir);
    for (const QString& name : databaseFileNames()) {
        QFile source(QDir(dataDir).filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 kann nicht gelesen werden: %2").arg(source.fileName(), source.errorString());
        // Written under a temporary name first: a full disk leaves no half file.
        QSaveFile target(QDir(targetDir).filePath(name));
        if (!target.open(QIODevice::WriteOnly))
            return QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(target.fileName(), target.errorString());
        while (!source.atEnd()) {
            const QByteArray block = source.read(1 << 20);
            if (block.isEmpty() && source.error() != QFileDevice::NoError)
                return QStringLiteral("%1 kann nicht gelesen werden: %2").arg(source.fileName(), source.errorString());
            if (target.write(block) != block.size())
                return QStringLiteral("%1 kann nicht geschrieben werden: %2")
                    .arg(target.fileName(), target.errorString());
        }
        if (!target.commit())
            return QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(target.fileName(), target.errorString());
    }
    return {};
}

} // namespace tallyhand::app
