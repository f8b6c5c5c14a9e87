#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tallyhand::app {

// The file and folder choices the menus and the settings ask for. Tests put
// an answering subclass in place of the toolkit's dialogs.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Hand-history files to import; empty when cancelled.
    virtual QStringList handHistoryFiles(QWidget* parent);
    // One folder; empty when cancelled.
    virtual QString folder(QWidget* parent, const QString& caption);
};

} // namespace tallyhand::app
