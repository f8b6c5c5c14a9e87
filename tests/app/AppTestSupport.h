#pragma once

#include "app/CalculatorPanel.h"
#include "app/CardEdit.h"
#include "app/MainWindow.h"
#include "app/StartupSequence.h"

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

template <class T = QLineEdit>
T* field(const QWidget& window, const QString& name)
{
    T* w = window.findChild<T*>(name);
    if (!w)
        qWarning("no widget %s", qPrintable(name));
    return w;
}

} // namespace tallyhand::app::testing
