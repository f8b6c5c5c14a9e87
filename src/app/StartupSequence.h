#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

namespace tallyhand::app {

class Tfrm_tallyhand;

// What runs once the main window is on the screen. Each step is one method that
// calls next() when it is done (at once, or when its background work has ended).
class StartupSequence : public QObject {
    Q_OBJECT
public:
    explicit StartupSequence(Tfrm_tallyhand* window);

    // FormShow: fires the sequence 100 ms later (timer_start).
    void arm();
    bool running() const { return m_running; }
    bool done() const { return m_done; }

signals:
    void finished();

private:
    using Step = void (StartupSequence::*)();

    void run(); // timer_startTimer
    void next();
    void fail();

    void stepLoadRankTables();    // "Load"
    void stepBuildPatternLists(); // "Kombis"
    void stepFinish();            // "Ok"

    Tfrm_tallyhand* m_window;
    QTimer m_timer;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    bool m_pending = true;
    bool m_running = false;
    bool m_failed = false;
    bool m_done = false;
};

} // namespace tallyhand::app
