#pragma once

#include "stats/ResultsGraph.h"

#include <QChartView>

class QLineSeries;
class QValueAxis;

namespace tallyhand::app {

// The results graph: cumulative net over the games in three lines, total
// (green), without showdown (red) and with showdown (blue). Hovering a line
// shows the game and its amount; a click reports the game.
class ResultsGraphView : public QChartView {
    Q_OBJECT
public:
    explicit ResultsGraphView(QWidget* parent = nullptr);

    // Replaces the lines. Long graphs are thinned to a few thousand points.
    void showGraph(const ResultsGraph& graph);

    const ResultsGraph& graph() const { return m_graph; }
    QLineSeries* totalLine() const { return m_total; }
    QLineSeries* nonShowdownLine() const { return m_nonShowdown; }
    QLineSeries* showdownLine() const { return m_showdown; }
    // The game nearest to the x position of a point of the lines (0 when empty).
    qint64 gameAt(double x) const;
    // A point's value as shown: money of the unit, or big blinds.
    static double shownValue(const ResultsGraph& graph, double value);

signals:
    void gameClicked(qint64 game);

private:
    void hover(const QPointF& point, bool state);

    ResultsGraph m_graph;
    QLineSeries* m_total = nullptr;
    QLineSeries* m_nonShowdown = nullptr;
    QLineSeries* m_showdown = nullptr;
    QValueAxis* m_xAxis = nullptr;
    QValueAxis* m_yAxis = nullptr;
};

// How the unit is named on the page: "USD", "Chips", "Spielgeld", or "bb".
QString graphUnitText(const ResultsGraph& graph);

} // namespace tallyhand::app
