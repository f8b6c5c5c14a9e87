#pragma once

#include "preflop/Simulation.h"
#include "preflop/SimulationResults.h"

#include <QFuture>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QListWidget;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace tallyhand::app {

// The widgets one front end of the simulation writes its results to.
struct SimulationViews {
    QListWidget* results = nullptr;  // lb_wahrs / lb_wahrs_wahr
    QTableWidget* winGrid = nullptr; // stg_win / stg_win_wahr
    QTableWidget* splitGrid = nullptr;
    QRadioButton* percent = nullptr; // the "Prozentzahlen" button the front end reads
};

// Runs the simulation for one front end on worker threads, keeps its counters
// and writes the result list and grids. Reads the deal count from Edit98, the
// "exakt" box and moves pg_hands wherever they sit in the window. Only one run
// in the whole program at a time.
class SimulationFrontEnd : public QObject {
    Q_OBJECT
public:
    using Rows = std::function<std::vector<std::string>()>;

    SimulationFrontEnd(QWidget* owner, SimulationViews views, Rows rows);
    ~SimulationFrontEnd() override;

    // Checks the rows and board, then starts; false (with a message) when it cannot.
    bool start(const std::vector<std::string>& rows, const std::vector<std::string>& board);
    // ShowSimulationResults for the rows the hole-card list holds now.
    void showResults();
    // A percentage radio button was clicked: select it and its twin on the other
    // result page, clear the other pair, and show the stored counters again.
    void choose(QRadioButton* on, QRadioButton* alsoOn, QRadioButton* off1, QRadioButton* off2);

    bool running() const { return m_running; }
    static bool anyRunning();
    const SimulationCounters& counters() const { return m_counters; }
    QString lastMessage() const { return m_lastMessage; }

    // Fills a grid from cell texts, row 0 the headings.
    static void fillGrid(QTableWidget* grid, const std::vector<std::vector<std::string>>& cells);
    static void writeHeadings(QTableWidget* grid);
    // A result grid: 12 columns, row 0 and column 0 as drawn headings.
    static QTableWidget* makeGrid(const QString& name, QWidget* parent);

signals:
    void started();
    void finished();
    void message(const QString& text);

private:
    void report(const QString& text);
    void onProgress(quint64 done, quint64 total);
    void onDone(const SimulationCounters& counters);

    QWidget* m_owner;
    SimulationViews m_views;
    Rows m_rows;
    SimulationCounters m_counters;
    QFuture<void> m_future;
    std::shared_ptr<std::atomic<bool>> m_stop;
    bool m_running = false;
    QString m_lastMessage;
};

} // namespace tallyhand::app
