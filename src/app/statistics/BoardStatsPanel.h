#pragma once

#include "stats/BoardStatistics.h"

#include <QWidget>

class QPlainTextEdit;

namespace tallyhand::app {

class StatChart;

// "Boards/Cards": patterns of the flops ("Flop") and of the boards ("Board").
class BoardStatsPanel : public QWidget {
    Q_OBJECT
public:
    explicit BoardStatsPanel(QWidget* parent = nullptr);

    void showFlop(const FlopStats& stats);
    void showBoard(const BoardStats& stats);

private:
    struct MemoChart {
        QPlainTextEdit* memo = nullptr;
        StatChart* chart = nullptr;
    };

    MemoChart m_flopPairs, m_flopTrips, m_flopStraights;
    QPlainTextEdit* m_flopCards = nullptr;
    StatChart* m_flopTwoSuits = nullptr;
    StatChart* m_flopThreeSuits = nullptr;

    QPlainTextEdit* m_boardCards = nullptr;
    MemoChart m_pairs, m_twoPairs, m_trips, m_quads, m_threeRuns, m_fourRuns, m_fullHouses;
    StatChart* m_flush3 = nullptr;
    StatChart* m_flush4 = nullptr;
    StatChart* m_flush5 = nullptr;
};

} // namespace tallyhand::app
