#pragma once

#include "preflop/HandRange.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

namespace tallyhand::app {

// The 13 x 13 starting-hand classes, ace first; suited above the diagonal.
// Editable: a click toggles a class and a drag carries that choice over the
// cells it passes. As a heat map it shows an equity per class instead.
class RangeGrid : public QWidget {
    Q_OBJECT
public:
    explicit RangeGrid(const QString& name, QWidget* parent = nullptr);

    void setEditable(bool editable) { m_editable = editable; }
    std::vector<int> selected() const;
    void setSelected(const std::vector<int>& classes);

    // Equity 0..1 per class; classes without a value stay blank.
    void setHeat(const std::array<std::optional<double>, kStartingClassCount>& heat);
    const std::array<std::optional<double>, kStartingClassCount>& heat() const { return m_heat; }

    int classAt(QPoint pos) const; // -1 outside the cells
    QRect cellRect(int startingClass) const;
    QSize sizeHint() const override { return {13 * 38 + 1, 13 * 24 + 1}; }
    QSize minimumSizeHint() const override { return {13 * 20 + 1, 13 * 16 + 1}; }

signals:
    void selectionChanged();

protected:
    bool event(QEvent* event) override; // a class's equity as its tooltip
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void apply(int startingClass);

    bool m_editable = true;
    bool m_dragSelects = true;
    std::array<bool, kStartingClassCount> m_selected{};
    std::array<std::optional<double>, kStartingClassCount> m_heat{};
};

} // namespace tallyhand::app
