#include "app/widgets/StatChart.h"

#include <QBarCategoryAxis>
#include <QAreaSeries>
#include <QBarSet>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFileDialog>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tallyhand::app {

namespace {

// Above this many bars the category captions would overlap.
constexpr int kMaxCategoryLabels = 40;
// Above this many slices the slice labels would overlap: a legend names them instead.
constexpr int kMaxPieLabels = 6;

QColor toColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QString valueText(double v)
{
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QLocale().toString(static_cast<qlonglong>(v));
    return QLocale().toString(v, 'f', 2);
}

} // namespace

StatChart::StatChart(const QString& objectName, const QString& title, QWidget* parent)
    : QChartView(new QChart, parent)
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(160, 120);
    chart()->setTitle(title);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
    chart()->setBackgroundRoundness(0);
    QFont titleFont = chart()->titleFont();
    titleFont.setBold(true);
    chart()->setTitleFont(titleFont);
}

void StatChart::setTitle(const QString& title) { chart()->setTitle(title); }

QString StatChart::title() const { return chart()->title(); }

void StatChart::setAxisTitles(const QString& categories, const QString& values)
{
    m_categoryTitle = categories;
    m_valueTitle = values;
}

void StatChart::removeSeries()
{
    QToolTip::hideText();
    for (QAbstractAxis* axis : chart()->axes())
        chart()->removeAxis(axis), delete axis;
    chart()->removeAllSeries();
    m_series = nullptr;
}

void StatChart::clear()
{
    m_pending.reset();
    removeSeries();
    m_points.clear();
    m_range = {0, 0};
    m_kind = Kind::None;
}

void StatChart::showBars(const ChartSeries& points, const QString& seriesName,
                         std::optional<std::pair<double, double>> valueRange)
{
    double low = 0, high = 0;
    for (const ChartPoint& p : points) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    m_range = valueRange ? *valueRange : std::pair{low, high};
    if (m_range.first == m_range.second)
        m_range.second = m_range.first + 1;
    present(Kind::Bars, points, seriesName);
}

void StatChart::showPie(const ChartSeries& points, const QString& seriesName)
{
    m_range = {0, 0};
    present(Kind::Pie, points, seriesName);
}

// Building a chart costs far more than its numbers: a hidden chart is built
// when it is first shown.
void StatChart::present(Kind kind, const ChartSeries& points, const QString& seriesName)
{
    m_kind = kind;
    m_points = points;
    m_pending = seriesName;
    if (isVisible())
        build();
}

void StatChart::build()
{
    if (!m_pending)
        return;
    const QString name = *m_pending;
    m_pending.reset();
    removeSeries();
    chart()->legend()->hide();
    if (m_kind == Kind::Bars)
        buildBars(name);
    else
        buildPie(name);
}

QAbstractSeries* StatChart::series()
{
    build();
    return m_series;
}

void StatChart::showEvent(QShowEvent* event)
{
    build();
    QChartView::showEvent(event);
}

QValueAxis* StatChart::addValueAxis()
{
    auto* yAxis = new QValueAxis;
    yAxis->setRange(m_range.first, m_range.second);
    yAxis->applyNiceNumbers();
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    yAxis->setTitleText(m_valueTitle);
    chart()->addAxis(yAxis, Qt::AlignLeft);
    return yAxis;
}

void StatChart::reportBar(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < m_points.size())
        emit barClicked(QString::fromStdString(m_points[static_cast<std::size_t>(index)].label));
}

void StatChart::buildBars(const QString& seriesName)
{
    // Axes around nothing only show dots; the title alone says what is missing.
    if (m_points.empty())
        return;
    if (m_points.size() > static_cast<std::size_t>(kMaxCategoryLabels)) {
        buildManyBars(seriesName);
        return;
    }

    // One stacked set per colour: every bar keeps its own colour, and the
    // other sets hold 0 at its place.
    auto* series = new QStackedBarSeries;
    series->setObjectName(seriesName);
    series->setBarWidth(0.8);
    std::vector<std::pair<QColor, QBarSet*>> sets;
    const qsizetype n = static_cast<qsizetype>(m_points.size());
    QStringList categories;
    for (qsizetype i = 0; i < n; ++i) {
        const ChartPoint& p = m_points[static_cast<std::size_t>(i)];
        const QColor colour = p.colour ? toColor(*p.colour) : QColor(Qt::red);
        auto it = std::find_if(sets.begin(), sets.end(), [&](const auto& s) { return s.first == colour; });
        if (it == sets.end()) {
            auto* set = new QBarSet(colour.name());
            set->setColor(colour);
            set->setBorderColor(colour.darker(130));
            for (qsizetype k = 0; k < n; ++k)
                set->append(0);
            sets.emplace_back(colour, set);
            it = sets.end() - 1;
        }
        it->second->replace(static_cast<int>(i), p.value);
        // Categories must differ, or the axis folds equal captions into one.
        QString caption = QString::fromStdString(p.label);
        while (categories.contains(caption))
            caption += QChar(0x200B);
        categories << caption;
    }
    for (auto& [colour, set] : sets)
        series->append(set);
    chart()->addSeries(series);

    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(categories);
    xAxis->setTitleText(m_categoryTitle);
    chart()->addAxis(xAxis, Qt::AlignBottom);
    series->attachAxis(xAxis);
    series->attachAxis(addValueAxis());
    m_series = series;

    connect(series, &QStackedBarSeries::hovered, this, [this](bool on, int index, QBarSet*) {
        if (on)
            showTip(index);
        else
            QToolTip::hideText();
    });
    connect(series, &QStackedBarSeries::clicked, this, [this](int index, QBarSet*) { reportBar(index); });
}

// Thousands of bars as one filled outline per colour: a bar item each would
// take the window most of a second to build. Beyond what a screen can show,
// neighbouring bars share one column drawn as their union, from the lowest
// to the highest of each colour's bars in it.
void StatChart::buildManyBars(const QString& seriesName)
{
    struct Outline {
        QColor colour;
        QLineSeries* upper;
        QLineSeries* lower;
    };
    std::vector<Outline> outlines;
    constexpr double kHalfWidth = 0.4;
    constexpr std::size_t kMaxColumns = 4096;
    const std::size_t perColumn = (m_points.size() + kMaxColumns - 1) / kMaxColumns;
    struct Extent {
        double low = 0, high = 0;
        bool any = false;
    };
    std::vector<std::pair<QColor, Extent>> column;
    for (std::size_t first = 0; first < m_points.size(); first += perColumn) {
        const std::size_t last = std::min(first + perColumn, m_points.size()) - 1;
        column.clear();
        for (std::size_t i = first; i <= last; ++i) {
            const ChartPoint& p = m_points[i];
            const QColor colour = p.colour ? toColor(*p.colour) : QColor(Qt::red);
            auto it = std::find_if(column.begin(), column.end(), [&](const auto& c) { return c.first == colour; });
            if (it == column.end())
                it = column.insert(column.end(), {colour, Extent{}});
            it->second.low = std::min(it->second.low, p.value);
            it->second.high = std::max(it->second.high, p.value);
        }
        const double left = static_cast<double>(first) - kHalfWidth;
        const double right = static_cast<double>(last) + kHalfWidth;
        for (const auto& [colour, extent] : column) {
            auto it = std::find_if(outlines.begin(), outlines.end(), [&](const Outline& o) { return o.colour == colour; });
            if (it == outlines.end())
                it = outlines.insert(outlines.end(), {colour, new QLineSeries, new QLineSeries});
            it->upper->append({{left, 0}, {left, extent.high}, {right, extent.high}, {right, 0}});
            it->lower->append({{left, 0}, {left, extent.low}, {right, extent.low}, {right, 0}});
        }
    }

    auto* xAxis = new QValueAxis;
    xAxis->setRange(-0.5, static_cast<double>(m_points.size()) - 0.5);
    // Hidden labels would squeeze the axis title to "…"; transparent ones keep its room.
    xAxis->setLabelsColor(Qt::transparent);
    xAxis->setGridLineVisible(false);
    xAxis->setTickCount(2);
    xAxis->setTitleText(m_categoryTitle);
    chart()->addAxis(xAxis, Qt::AlignBottom);
    QValueAxis* yAxis = addValueAxis();
    for (const Outline& o : outlines) {
        auto* area = new QAreaSeries(o.upper, o.lower);
        area->setObjectName(seriesName);
        area->setColor(o.colour);
        area->setBorderColor(o.colour.darker(130));
        chart()->addSeries(area);
        area->attachAxis(xAxis);
        area->attachAxis(yAxis);
        if (!m_series)
            m_series = area;
        const auto indexAt = [](const QPointF& at) { return static_cast<int>(std::lround(at.x())); };
        connect(area, &QAreaSeries::hovered, this, [this, indexAt](const QPointF& at, bool on) {
            if (on)
                showTip(indexAt(at));
            else
                QToolTip::hideText();
        });
        connect(area, &QAreaSeries::clicked, this, [this, indexAt](const QPointF& at) { reportBar(indexAt(at)); });
    }
}

void StatChart::buildPie(const QString& seriesName)
{
    const ChartSeries& points = m_points;
    auto* series = new QPieSeries;
    series->setObjectName(seriesName);
    series->setPieSize(0.75);
    const bool labelled = points.size() <= static_cast<std::size_t>(kMaxPieLabels);
    for (const ChartPoint& p : points) {
        QPieSlice* slice = series->append(QString::fromStdString(p.label), p.value);
        if (p.colour) {
            slice->setColor(toColor(*p.colour));
            slice->setBorderColor(Qt::white);
        }
        slice->setLabelVisible(labelled);
    }
    chart()->addSeries(series);
    if (!labelled) {
        // Under the pie the names sit in one row and keep the pie large.
        QLegend* legend = chart()->legend();
        legend->setAlignment(Qt::AlignBottom);
        legend->setMarkerShape(QLegend::MarkerShapeCircle);
        QFont small = legend->font();
        small.setPointSize(7);
        legend->setFont(small);
        legend->show();
    }
    m_series = series;
    connect(series, &QPieSeries::hovered, this, [this, series](QPieSlice* slice, bool on) {
        slice->setExploded(on);
        if (on)
            showTip(static_cast<int>(series->slices().indexOf(slice)));
        else
            QToolTip::hideText();
    });
}

void StatChart::showTip(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_points.size())
        return;
    const ChartPoint& p = m_points[static_cast<std::size_t>(index)];
    QToolTip::showText(QCursor::pos(), QString::fromStdString(p.label) + QStringLiteral(": ") + valueText(p.value),
                       this);
}

bool StatChart::saveImage(const QString& path)
{
    build();
    return grab().save(path, "PNG");
}

void StatChart::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* save = menu.addAction(QStringLiteral("Als Bild speichern…"));
    if (menu.exec(event->globalPos()) != save)
        return;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Diagramm als Bild speichern"),
                                                objectName() + QStringLiteral(".png"),
                                                QStringLiteral("PNG-Bilder (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    if (!saveImage(path))
        QMessageBox::warning(this, QStringLiteral("Tallyhand"),
                             QStringLiteral("Das Bild konnte nicht gespeichert werden: ") + path);
}

} // namespace tallyhand::app
