#include "app/window/HomeFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tallyhand::app {

QString chooseHomeDir(const QString& homeOption, const QString& executableDir, const QString& userDataDir)
{
    if (!homeOption.isEmpty())
        return QDir(homeOption).absolutePath();
    const QDir exe(executableDir);
    // Root may write into /usr/bin, so writability alone does not tell an installation.
    const bool installed =
        QFileInfo::exists(exe.filePath(QStringLiteral("../share/applications/io.github.tallyhand.Tallyhand.desktop")));
    if (!installed && QFileInfo(exe.absolutePath()).isWritable())
        return exe.absolutePath();
    return QDir(userDataDir).absolutePath();
}

} // namespace tallyhand::app
