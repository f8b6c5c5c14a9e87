#pragma once

#include "preflop/RangeEquity.h"

#include <QFuture>
#include <QWidget>

#include <atomic>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tallyhand::app {

class RangeGrid;

// The "Equity" result page: runs the equity of hands and ranges on a worker
// thread with progress and a cancel button, then shows each player's equity
// and, for a range player, his equity per class as a heat map.
class RangeEquityPanel : public QWidget {
    Q_OBJECT
public:
    explicit RangeEquityPanel(QWidget* parent = nullptr);
    ~RangeEquityPanel() override;

    // Starts a run for a prepared setup; `names` is what each player typed.
    void start(const RangeSetup& setup, const QStringList& names, std::uint64_t deals);
    void cancel();
    bool running() const { return m_running; }
    const RangeEquityResult& result() const { return m_result; }
    RangeGrid* heatMap() const { return m_heat; }
    QTableWidget* table() const { return m_table; }

signals:
    void started();
    void finished(const QString& message);

private:
    void onDone(const RangeEquityResult& result);
    void showHeat(int player);

    QLabel* m_mode = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_stop = nullptr;
    QTableWidget* m_table = nullptr;
    QComboBox* m_heatPlayer = nullptr;
    RangeGrid* m_heat = nullptr;
    RangeSetup m_setup;
    QStringList m_names;
    RangeEquityResult m_result;
    QFuture<void> m_future;
    std::shared_ptr<std::atomic<bool>> m_stopFlag = std::make_shared<std::atomic<bool>>(false);
    bool m_running = false;
};

} // namespace tallyhand::app
