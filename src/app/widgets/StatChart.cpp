#include "app/widgets/StatChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
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
    m_points.clear();
    m_range = {0, 0};
    m_kind = Kind::None;
}

void StatChart::clear() { removeSeries(); }

void StatChart::showBars(const ChartSeries& points, const QString& seriesName,
                         std::optional<std::pair<double, double>> valueRange)
{
    removeSeries();
    m_points = points;
    m_kind = Kind::Bars;
    // Axes around nothing only show dots; the title alone says what is missing.
    if (points.empty())
        return;

    // One stacked set per colour: every bar keeps its own colour, and the
    // other sets hold 0 at its place.
    auto* series = new QStackedBarSeries;
    series->setObjectName(seriesName);
    series->setBarWidth(0.8);
    std::vector<std::pair<QColor, QBarSet*>> sets;
    const qsizetype n = static_cast<qsizetype>(points.size());
    QStringList categories;
    categories.reserve(n);
    double low = 0, high = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const ChartPoint& p = points[static_cast<std::size_t>(i)];
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
        low = std::min(low, p.value);
        high = std::max(high, p.value);
        // Categories must differ, or the axis folds equal captions into one.
        QString caption = QString::fromStdString(p.label);
        while (n <= kMaxCategoryLabels && categories.contains(caption))
            caption += QChar(0x200B);
        categories << (n <= kMaxCategoryLabels ? caption : QString::number(i));
    }
    for (auto& [colour, set] : sets)
        series->append(set);
    chart()->addSeries(series);

    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(categories);
    // Hidden captions keep their place, or the axis title drifts off the axis.
    if (n > kMaxCategoryLabels)
        xAxis->setLabelsColor(Qt::transparent);
    xAxis->setTitleText(m_categoryTitle);
    chart()->addAxis(xAxis, Qt::AlignBottom);
    series->attachAxis(xAxis);

    auto* yAxis = new QValueAxis;
    m_range = valueRange ? *valueRange : std::pair{low, high};
    if (m_range.first == m_range.second)
        m_range.second = m_range.first + 1;
    yAxis->setRange(m_range.first, m_range.second);
    yAxis->applyNiceNumbers();
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    yAxis->setTitleText(m_valueTitle);
    chart()->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(yAxis);
    m_series = series;

    connect(series, &QStackedBarSeries::hovered, this, [this](bool on, int index, QBarSet*) {
        if (on)
            showTip(index);
        else
            QToolTip::hideText();
    });
    connect(series, &QStackedBarSeries::clicked, this, [this](int index, QBarSet*) {
        if (index >= 0 && static_cast<std::size_t>(index) < m_points.size())
            emit barClicked(QString::fromStdString(m_points[static_cast<std::size_t>(index)].label));
    });
}

void StatChart::showPie(const ChartSeries& points, const QString& seriesName)
{
    removeSeries();
    m_points = points;
    m_kind = Kind::Pie;
    auto* series = new QPieSeries;
    series->setObjectName(seriesName);
    series->setPieSize(0.75);
    for (const ChartPoint& p : points) {
        QPieSlice* slice = series->append(QString::fromStdString(p.label), p.value);
        if (p.colour) {
            slice->setColor(toColor(*p.colour));
            slice->setBorderColor(Qt::white);
        }
        slice->setLabelVisible(true);
    }
    chart()->addSeries(series);
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
