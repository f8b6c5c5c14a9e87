#pragma once

#include <QWidget>

class QRadioButton;

namespace tallyhand::app {

class StatChart;

// "Sklanskychart": the hole cards of a tournament by Sklansky group.
class SklanskyChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit SklanskyChartPanel(QWidget* parent = nullptr);

    StatChart* chart() const { return m_chart; }   // Chart_2
    QRadioButton* pie() const { return m_pie; }    // rb_torte
    QRadioButton* bars() const { return m_bars; }  // rb_balken

private:
    StatChart* m_chart = nullptr;
    QRadioButton* m_pie = nullptr;
    QRadioButton* m_bars = nullptr;
};

} // namespace tallyhand::app
