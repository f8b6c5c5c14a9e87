#pragma once

#include <QWidget>

class QChartView;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallyhand::app {

// "Chipchart": the chip count of a player over a tournament.
class ChipChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChipChartPanel(QWidget* parent = nullptr);

    QChartView* chart() const { return m_chart; } // Chart_1
    QLineEdit* player() const { return m_player; } // inp_player

private:
    QChartView* m_chart = nullptr;
    QLineEdit* m_player = nullptr;
    QRadioButton* m_chipcount = nullptr;
    QRadioButton* m_perGame = nullptr;
    QPushButton* m_show = nullptr;
};

} // namespace tallyhand::app
