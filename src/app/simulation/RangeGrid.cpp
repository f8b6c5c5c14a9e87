#include "app/simulation/RangeGrid.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace tallyhand::app {

namespace {

// Red for 0, yellow for one half, green for 1.
QColor heatColour(double equity)
{
    const double e = std::clamp(equity, 0.0, 1.0);
    if (e < 0.5)
        return QColor(230, static_cast<int>(80 + 300 * e), 80);
    return QColor(static_cast<int>(230 - 300 * (e - 0.5)), 220, 80);
}

} // namespace

RangeGrid::RangeGrid(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(false);
}

QRect RangeGrid::cellRect(int startingClass) const
{
    const int w = (width() - 1) / 13, h = (height() - 1) / 13;
    return {(startingClass % 13) * w, (startingClass / 13) * h, w, h};
}

int RangeGrid::classAt(QPoint pos) const
{
    const int w = (width() - 1) / 13, h = (height() - 1) / 13;
    if (w <= 0 || h <= 0 || pos.x() < 0 || pos.y() < 0)
        return -1;
    const int column = pos.x() / w, row = pos.y() / h;
    return column < 13 && row < 13 ? 13 * row + column : -1;
}

std::vector<int> RangeGrid::selected() const
{
    std::vector<int> out;
    for (int cls = 0; cls < kStartingClassCount; ++cls)
        if (m_selected[static_cast<std::size_t>(cls)])
            out.push_back(cls);
    return out;
}

void RangeGrid::setSelected(const std::vector<int>& classes)
{
    m_selected.fill(false);
    for (int cls : classes)
        m_selected[static_cast<std::size_t>(cls)] = true;
    update();
    emit selectionChanged();
}

void RangeGrid::setHeat(const std::array<std::optional<double>, kStartingClassCount>& heat)
{
    m_heat = heat;
    update();
}

void RangeGrid::apply(int startingClass)
{
    if (startingClass < 0 || m_selected[static_cast<std::size_t>(startingClass)] == m_dragSelects)
        return;
    m_selected[static_cast<std::size_t>(startingClass)] = m_dragSelects;
    update(cellRect(startingClass));
    emit selectionChanged();
}

void RangeGrid::mousePressEvent(QMouseEvent* event)
{
    const int cls = classAt(event->position().toPoint());
    if (!m_editable || cls < 0 || event->button() != Qt::LeftButton)
        return;
    m_dragSelects = !m_selected[static_cast<std::size_t>(cls)];
    apply(cls);
}

void RangeGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (m_editable && (event->buttons() & Qt::LeftButton))
        apply(classAt(event->position().toPoint()));
}

bool RangeGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cls = classAt(help->pos());
        if (cls >= 0 && m_heat[static_cast<std::size_t>(cls)]) {
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("%1: Equity %2 %")
                                   .arg(QString::fromStdString(startingClassName(cls)))
                                   .arg(QLocale().toString(100 * *m_heat[static_cast<std::size_t>(cls)], 'f', 2)),
                               this, cellRect(cls));
            return true;
        }
    }
    return QWidget::event(event);
}

void RangeGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont small = font();
    for (int cls = 0; cls < kStartingClassCount; ++cls) {
        const QRect r = cellRect(cls);
        const int row = cls / 13, column = cls % 13;
        const auto i = static_cast<std::size_t>(cls);
        QColor fill = row == column ? QColor(232, 232, 240) : row < column ? QColor(244, 244, 250) : Qt::white;
        if (m_heat[i])
            fill = heatColour(*m_heat[i]);
        else if (m_selected[i])
            fill = QColor(70, 130, 200);
        painter.fillRect(r, fill);
        painter.setPen(QColor(190, 190, 200));
        painter.drawRect(r);
        painter.setPen(m_selected[i] && !m_heat[i] ? Qt::white : Qt::black);
        const QString name = QString::fromStdString(startingClassName(cls));
        if (m_heat[i] && r.height() >= 2 * QFontMetrics(small).height()) {
            painter.drawText(r.adjusted(0, 1, 0, -r.height() / 2), Qt::AlignCenter, name);
            painter.drawText(r.adjusted(0, r.height() / 2, 0, -1), Qt::AlignCenter,
                             QString::number(100 * *m_heat[i], 'f', 1));
        } else {
            painter.drawText(r, Qt::AlignCenter, name);
        }
    }
}

} // namespace tallyhand::app
