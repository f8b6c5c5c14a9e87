#pragma once

#include "app/calculator/CalculatorPanel.h"
#include "app/calculator/CardEdit.h"
#include "app/window/MainWindow.h"
#include "app/window/StartupSequence.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace tallyhand::app::testing {

// Waits until the start-up sequence has run to its end.
inline bool waitForStartup(Tfrm_tallyhand& window, int timeoutMs = 120000)
{
    if (window.startup()->done())
        return true;
    QSignalSpy spy(window.startup(), &StartupSequence::finished);
    return spy.wait(timeoutMs) || window.startup()->done();
}

// A configuration file naming the user, so that the start-up runs through.
inline bool writeIniFile(const QString& homeDir, const QByteArray& userName = "Hero")
{
    QFile ini(QDir(homeDir).filePath(QStringLiteral("Tallyhand.ini")));
    const QByteArray text = "[USER]\r\nusername=" + userName + "\r\n";
    return ini.open(QIODevice::WriteOnly) && ini.write(text) == text.size();
}

template <class T = QLineEdit>
T* field(const QWidget& window, const QString& name)
{
    T* w = window.findChild<T*>(name);
    if (!w)
        qWarning("no widget %s", qPrintable(name));
    return w;
}

} // namespace tallyhand::app::testing
