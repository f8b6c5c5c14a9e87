#include "app/settings/UserSettings.h"

#include "history/TextDecoding.h"
#include "history/UserConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tallyhand::app {

namespace {

std::filesystem::path iniPath(const QString& homeDir)
{
    return std::filesystem::path(QFile::encodeName(QDir(homeDir).filePath(QString::fromLatin1(kIniFile))).toStdString());
}

QByteArray defaultFolder(const QString& homeDir)
{
    return QFile::encodeName(QDir(homeDir).absoluteFilePath(QStringLiteral("Hands")));
}

} // namespace

UserSettings readUserSettings(const QString& homeDir)
{
    UserSettings settings;
    const auto ini = iniPath(homeDir);
    std::error_code ec;
    if (!std::filesystem::exists(ini, ec))
        return settings;
    settings.iniExists = true;
    try {
        const std::string text = readWholeFile(ini);
        settings.userName = QByteArray::fromStdString(userNameFromIni(text));
        for (const std::string& folder : handFoldersFromIni(text))
            settings.folders.append(QByteArray::fromStdString(folder));
    } catch (const DatabaseError&) {
        // An unreadable file reads as an empty one; the start-up reports it.
    }
    return settings;
}

bool hasUsableUserName(const QString& homeDir)
{
    const UserSettings settings = readUserSettings(homeDir);
    return settings.iniExists && settings.userName != kUserNamePlaceholder;
}

QList<QByteArray> shownFolders(const QString& homeDir, const UserSettings& settings)
{
    return settings.folders.isEmpty() ? QList<QByteArray>{defaultFolder(homeDir)} : settings.folders;
}

QString writeUserSettings(const QString& homeDir, const UserSettings& settings)
{
    std::vector<std::string> folders;
    if (settings.folders != QList<QByteArray>{defaultFolder(homeDir)})
        for (const QByteArray& folder : settings.folders)
            folders.push_back(folder.toStdString());
    try {
        writeIni(iniPath(homeDir), settings.userName.toStdString(), folders);
    } catch (const std::exception& e) {
        return QString::fromStdString(decodeForDisplay(e.what()));
    }
    return {};
}

bool isUsableUserName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(kUserNamePlaceholder) && !name.contains(QLatin1Char('\n'))
           && !name.contains(QLatin1Char('\r')) && name.trimmed() == name;
}

} // namespace tallyhand::app
