#pragma once

#include <QObject>
#include <QString>

class QMainWindow;

namespace tallyhand::app {

// The window's size, position and the tab last open on every page control,
// kept in a settings file of the home (beside Tallyhand.ini, which keeps its
// own format) and written when the window closes.
class WindowMemory : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kFileName = "Tallyhand-Fenster.ini";

    WindowMemory(QMainWindow* window, const QString& homeDir);

    // True when a saved size and position were applied.
    bool restore();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* m_window;
    QString m_file;
};

} // namespace tallyhand::app
