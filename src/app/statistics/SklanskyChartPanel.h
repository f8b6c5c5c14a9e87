#pragma once

#include <QWidget>

class QChartView;
class QPushButton;
class QRadioButton;

namespace tallyhand::app {

// "Sklanskychart": the hole cards of a tournament by Sklansky group.
class SklanskyChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit SklanskyChartPanel(QWidget* parent = nullptr);

    QChartView* chart() const { return m_chart; } // Chart_2

private:
    QChartView* m_chart = nullptr;
    QRadioButton* m_pie = nullptr;
    QRadioButton* m_bars = nullptr;
    QPushButton* m_show = nullptr;
};

} // namespace tallyhand::app
