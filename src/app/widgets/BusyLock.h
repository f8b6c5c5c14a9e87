#pragma once

#include <functional>

class QString;

namespace tallyhand::app {

// Marks a long operation of the statistics page (a replay, a tournament
// selection) so that a click arriving while it runs is ignored rather than
// started inside it. Holding it shows the hourglass cursor.
class BusyLock {
public:
    class Hold {
    public:
        explicit Hold(BusyLock& lock);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        BusyLock& m_lock;
    };

    bool busy() const { return m_busy; }

private:
    bool m_busy = false;
};

// Shows a status text and lets the window paint it; clicks and keys wait
// until the running operation is over.
using StatusFn = std::function<void(const QString&)>;
void processPaintEvents();

} // namespace tallyhand::app
