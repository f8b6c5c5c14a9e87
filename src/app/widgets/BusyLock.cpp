#include "app/widgets/BusyLock.h"

#include <QApplication>
#include <QCursor>

namespace tallyhand::app {

BusyLock::Hold::Hold(BusyLock& lock) : m_lock(lock)
{
    m_lock.m_busy = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyLock::Hold::~Hold()
{
    QApplication::restoreOverrideCursor();
    m_lock.m_busy = false;
}

void processPaintEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tallyhand::app
