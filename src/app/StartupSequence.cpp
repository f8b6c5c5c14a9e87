#include "app/StartupSequence.h"

#include "app/MainWindow.h"
#include "app/TableController.h"

#include <QApplication>

namespace tallyhand::app {

StartupSequence::StartupSequence(Tfrm_tallyhand* window) : QObject(window), m_window(window)
{
    m_timer.setObjectName(QStringLiteral("timer_start"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &StartupSequence::run);
}

void StartupSequence::arm()
{
    if (!m_running)
        m_timer.start();
}

void StartupSequence::run()
{
    m_timer.stop();
    m_running = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // Once everything has been loaded a later run only reports "Ok".
    if (m_pending)
        m_steps = {&StartupSequence::stepLoadRankTables, &StartupSequence::stepBuildPatternLists,
                   &StartupSequence::stepFinish};
    else
        m_steps = {&StartupSequence::stepFinish};
    m_next = 0;
    m_failed = false;
    next();
}

void StartupSequence::next()
{
    if (m_next >= m_steps.size())
        return;
    const Step step = m_steps[m_next++];
    (this->*step)();
}

void StartupSequence::stepLoadRankTables()
{
    m_window->showStatus(QStringLiteral(
        "Bitte einen Moment Geduld, die Programmdaten werden initialisiert! Kombinationsdaten werden geladen"));
    m_window->tableController()->loadRankTables([this](bool ok) {
        if (ok)
            next();
        else
            fail();
    });
}

void StartupSequence::stepBuildPatternLists()
{
    m_window->showStatus(QStringLiteral("Kombinationsdaten werden erzeugt"));
    m_window->tableController()->buildPatternLists([this](bool ok) {
        if (ok) {
            m_pending = false;
            next();
        } else {
            fail();
        }
    });
}

void StartupSequence::fail()
{
    m_failed = true;
    stepFinish();
}

void StartupSequence::stepFinish()
{
    // After a failure the status bar keeps the failure's message.
    if (!m_failed)
        m_window->showStatus(QStringLiteral("Ok"));
    m_steps.clear();
    m_running = false;
    m_done = true;
    QApplication::restoreOverrideCursor();
    emit finished();
}

} // namespace tallyhand::app
