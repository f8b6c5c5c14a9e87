#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;

namespace tallyhand::app {

class RangeGrid;

// Picks a range on the 13 x 13 grid (click and drag) or as the top share of
// all hands (slider), and hands its text to a seat's range field.
class RangeEditor : public QWidget {
    Q_OBJECT
public:
    explicit RangeEditor(const QStringList& seats, QWidget* parent = nullptr);

    RangeGrid* grid() const { return m_grid; }
    QSlider* topShare() const { return m_slider; }
    QComboBox* seatChoice() const { return m_seat; }
    // The grid's classes as range text ("AA,AKs,AKo").
    QString rangeText() const;
    // Shows the classes a range text names; an unreadable text clears the grid.
    void showRange(const QString& text);

signals:
    void fillRequested(int seat, const QString& text);
    void seatChosen(int seat);

private:
    RangeGrid* m_grid = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_share = nullptr;
    QComboBox* m_seat = nullptr;
    bool m_fromSlider = false;
};

} // namespace tallyhand::app
