#pragma once

#include <QTableWidget>

namespace tallyhand::app {

// stg_preflop: heading row and label column fixed, 2 x 16 action cells drawn in their colours.
class PreflopGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 32;
    static constexpr int kLabelWidth = 72;
    static constexpr int kCellHeight = 16;

    explicit PreflopGrid(QWidget* parent = nullptr);

    void setDataCell(int row, int column, const QString& text, QColor colour);
    void clearDataCells();
    QString cellText(int row, int column) const;
    QColor cellColour(int row, int column) const;
};

} // namespace tallyhand::app
