#pragma once

#include "stats/ChartSeries.h"

#include <QChartView>

class QAbstractSeries;
class QValueAxis;

namespace tallyhand::app {

// A statistics chart: bars or pie slices from a core series, each point with
// its label and colour. Hovering shows label and value; a click on a bar
// reports its label; the context menu saves the chart as a PNG.
class StatChart : public QChartView {
    Q_OBJECT
public:
    enum class Kind { None, Bars, Pie };

    StatChart(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    // Axis captions of the bar view (category axis, value axis).
    void setAxisTitles(const QString& categories, const QString& values);

    // Replaces what the chart shows. `seriesName` becomes the series' object name.
    // Bars: the value axis covers [min, max] when given, else the values and 0.
    void showBars(const ChartSeries& points, const QString& seriesName = {},
                  std::optional<std::pair<double, double>> valueRange = std::nullopt);
    void showPie(const ChartSeries& points, const QString& seriesName = {});
    void clear();

    Kind kind() const { return m_kind; }
    const ChartSeries& points() const { return m_points; }
    // The series on show (nullptr when empty), built now if it waits for the chart to be shown.
    QAbstractSeries* series();
    // The value axis of the bar view (nullptr otherwise).
    std::pair<double, double> valueRange() const { return m_range; }

    // Writes the chart as a PNG; false when the file cannot be written.
    bool saveImage(const QString& path);

signals:
    void barClicked(const QString& label);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void present(Kind kind, const ChartSeries& points, const QString& seriesName);
    void build();
    void buildBars(const QString& seriesName);
    void buildManyBars(const QString& seriesName);
    QValueAxis* addValueAxis();
    void reportBar(int index);
    void buildPie(const QString& seriesName);
    void removeSeries();
    void showTip(int index);

    Kind m_kind = Kind::None;
    ChartSeries m_points;
    QAbstractSeries* m_series = nullptr;
    std::optional<QString> m_pending; // series name of a chart not built yet
    QString m_categoryTitle;
    QString m_valueTitle;
    std::pair<double, double> m_range{0, 0};
};

} // namespace tallyhand::app
