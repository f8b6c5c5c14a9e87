#include "app/results/ResultsGraphView.h"

#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tallyhand::app {

namespace {

constexpr std::size_t kMostPoints = 4000;

QLineSeries* makeLine(QChart* chart, const QString& name, const QString& objectName, const QColor& colour)
{
    auto* line = new QLineSeries(chart);
    line->setName(name);
    line->setObjectName(objectName);
    QPen pen(colour);
    pen.setWidthF(1.5);
    line->setPen(pen);
    chart->addSeries(line);
    return line;
}

bool isCurrency(MoneyUnit unit) { return unit != MoneyUnit::Chips && unit != MoneyUnit::Play; }

} // namespace

QString graphUnitText(const ResultsGraph& graph)
{
    if (graph.inBigBlinds)
        return QStringLiteral("bb");
    switch (graph.unit) {
    case MoneyUnit::Chips:
        return QStringLiteral("Chips");
    case MoneyUnit::Play:
        return QStringLiteral("Spielgeld");
    default:
        return QString::fromLatin1(unitName(graph.unit).data(), static_cast<int>(unitName(graph.unit).size()));
    }
}

double ResultsGraphView::shownValue(const ResultsGraph& graph, double value)
{
    return !graph.inBigBlinds && isCurrency(graph.unit) ? value / 100.0 : value;
}

ResultsGraphView::ResultsGraphView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("ch_results"));
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignRight);
    setChart(chart);
    m_total = makeLine(chart, QStringLiteral("Gesamt"), QStringLiteral("line_total"), QColor(0, 128, 0));
    m_nonShowdown = makeLine(chart, QStringLiteral("ohne Showdown"), QStringLiteral("line_non_showdown"), QColor(255, 0, 0));
    m_showdown = makeLine(chart, QStringLiteral("mit Showdown"), QStringLiteral("line_showdown"), QColor(0, 0, 255));
    m_xAxis = new QValueAxis(chart);
    m_xAxis->setTitleText(QStringLiteral("Spiele"));
    m_xAxis->setLabelFormat(QStringLiteral("%d"));
    m_yAxis = new QValueAxis(chart);
    chart->addAxis(m_xAxis, Qt::AlignBottom);
    chart->addAxis(m_yAxis, Qt::AlignLeft);
    for (QLineSeries* line : {m_total, m_nonShowdown, m_showdown}) {
        line->attachAxis(m_xAxis);
        line->attachAxis(m_yAxis);
        connect(line, &QLineSeries::hovered, this, &ResultsGraphView::hover);
        connect(line, &QLineSeries::clicked, this, [this](const QPointF& point) {
            if (const qint64 game = gameAt(point.x()))
                emit gameClicked(game);
        });
    }
}

void ResultsGraphView::showGraph(const ResultsGraph& graph)
{
    m_graph = graph;
    const std::size_t n = graph.games.size();
    // One point per step of at most kMostPoints steps; the last game is always shown.
    const std::size_t step = std::max<std::size_t>(1, (n + kMostPoints - 1) / kMostPoints);
    QList<QPointF> total, nonShowdown, showdown;
    double low = 0, high = 0;
    const auto add = [&](std::size_t i) {
        const double x = static_cast<double>(i + 1);
        const double t = shownValue(graph, graph.total[i]);
        const double o = shownValue(graph, graph.nonShowdown[i]);
        const double s = shownValue(graph, graph.showdown[i]);
        total << QPointF(x, t);
        nonShowdown << QPointF(x, o);
        showdown << QPointF(x, s);
        low = std::min({low, t, o, s});
        high = std::max({high, t, o, s});
    };
    for (std::size_t i = 0; i < n; i += step)
        add(i);
    if (n > 0 && (n - 1) % step != 0)
        add(n - 1);
    m_total->replace(total);
    m_nonShowdown->replace(nonShowdown);
    m_showdown->replace(showdown);
    // Ticks at round game counts, the axis ending at the last game.
    const double games = std::max<double>(1, static_cast<double>(n));
    const double magnitude = std::pow(10.0, std::floor(std::log10(std::max(1.0, games / 4))));
    double interval = magnitude;
    for (double factor : {2.0, 5.0, 10.0})
        if (games / interval > 6)
            interval = magnitude * factor;
    m_xAxis->setRange(0, games);
    m_xAxis->setTickType(QValueAxis::TicksDynamic);
    m_xAxis->setTickAnchor(0);
    m_xAxis->setTickInterval(interval);
    const double margin = std::max(0.01, (high - low) * 0.05);
    m_yAxis->setRange(low - margin, high + margin);
    m_yAxis->applyNiceNumbers();
    // Whole numbers unless the whole graph spans only a few units.
    m_yAxis->setLabelFormat(high - low < 20 ? QStringLiteral("%.2f") : QStringLiteral("%.0f"));
    m_yAxis->setTitleText(graphUnitText(graph));
}

qint64 ResultsGraphView::gameAt(double x) const
{
    if (m_graph.games.empty())
        return 0;
    const double index = std::clamp(std::round(x) - 1, 0.0, static_cast<double>(m_graph.games.size() - 1));
    return m_graph.games[static_cast<std::size_t>(index)];
}

void ResultsGraphView::hover(const QPointF& point, bool state)
{
    if (!state || m_graph.games.empty()) {
        QToolTip::hideText();
        return;
    }
    const auto i = static_cast<std::size_t>(
        std::clamp(std::round(point.x()) - 1, 0.0, static_cast<double>(m_graph.games.size() - 1)));
    const QLocale locale;
    const int decimals = m_graph.inBigBlinds || isCurrency(m_graph.unit) ? 2 : 0;
    const QString text = QStringLiteral("Spiel %1\nGesamt: %2 %5\nohne Showdown: %3 %5\nmit Showdown: %4 %5")
                             .arg(m_graph.games[i])
                             .arg(locale.toString(shownValue(m_graph, m_graph.total[i]), 'f', decimals))
                             .arg(locale.toString(shownValue(m_graph, m_graph.nonShowdown[i]), 'f', decimals))
                             .arg(locale.toString(shownValue(m_graph, m_graph.showdown[i]), 'f', decimals))
                             .arg(graphUnitText(m_graph));
    QToolTip::showText(QCursor::pos(), text, this);
}

} // namespace tallyhand::app
