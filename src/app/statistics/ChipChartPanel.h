#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tallyhand::app {

class StatChart;

// "Chipchart": the user's stack over the games of a tournament.
class ChipChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChipChartPanel(QWidget* parent = nullptr);

    StatChart* chart() const { return m_chart; }          // Chart_1
    QLineEdit* player() const { return m_player; }        // inp_player
    QRadioButton* overall() const { return m_overall; }   // rb_overall "Chipcount"
    QRadioButton* perGame() const { return m_perGame; }   // rb_pergame
    QPushButton* showButton() const { return m_show; }    // Button85

private:
    StatChart* m_chart = nullptr;
    QLineEdit* m_player = nullptr;
    QRadioButton* m_overall = nullptr;
    QRadioButton* m_perGame = nullptr;
    QPushButton* m_show = nullptr;
};

} // namespace tallyhand::app
