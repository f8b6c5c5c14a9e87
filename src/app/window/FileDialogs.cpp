#include "app/window/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace tallyhand::app {

QStringList FileDialogs::handHistoryFiles(QWidget* parent)
{
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Hand-Histories importieren"), QDir::homePath(),
                                         QStringLiteral("Hand-Histories (*.txt);;Alle Dateien (*)"));
}

QString FileDialogs::folder(QWidget* parent, const QString& caption)
{
    return QFileDialog::getExistingDirectory(parent, caption, QDir::homePath());
}

} // namespace tallyhand::app
