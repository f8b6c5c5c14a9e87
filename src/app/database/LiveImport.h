#pragma once

#include "store/NewGames.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <optional>
#include <memory>

class QAction;

namespace tallyhand::app {

class BusyLock;
class GameData;

// While the window runs, imports what the card room writes into the
// hand-history folders: on a change the watcher reports and on a periodic
// look (watchers miss writes on some file systems). The import runs in a
// worker with its own connection; the browser lists and the open
// tournament's views follow, and the status bar says how many games came in.
class LiveImport : public QObject {
    Q_OBJECT
public:
    // `busy` marks a running replay or selection: new lists wait until it is over.
    LiveImport(std::filesystem::path home, GameData* data, const BusyLock* busy, QObject* parent = nullptr);
    ~LiveImport() override;

    // "Live-Import" (act_live_import), checked while it runs.
    QAction* action() const { return m_action; }
    // The user whose "Dealt to" lines are read; set once the start-up accepted it.
    void start(const std::string& userName);
    bool running() const { return m_future.isRunning(); }

public slots:
    // Looks for new games now (unless a round runs or the switch is off).
    void check();

signals:
    // Games came in; the lists of GameData are replaced already.
    void imported(int games);
    // A text for the status bar.
    void status(const QString& text);

private:
    void watchFolders();
    void finished();
    void apply();

    std::filesystem::path m_home;
    GameData* m_data;
    const BusyLock* m_busy;
    std::optional<NewGames> m_waiting; // a round's lists held back while the page is busy
    QAction* m_action;
    QFileSystemWatcher m_watcher;
    QTimer m_timer;
    QFutureWatcher<NewGames> m_future;
    std::string m_userName;
    bool m_started = false;
    bool m_again = false;
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    // The worker's connection, used by one round at a time.
    std::shared_ptr<std::unique_ptr<GameStore>> m_store = std::make_shared<std::unique_ptr<GameStore>>();
};

} // namespace tallyhand::app
