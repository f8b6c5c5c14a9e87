#pragma once

#include <QWidget>

class QTabWidget;

namespace tallyhand::app {

class CardButtonPanel;

// TabSheet53 "Simulate Board": seats with hole cards and the simulation results.
class SimulatePage : public QWidget {
    Q_OBJECT
public:
    explicit SimulatePage(QWidget* parent = nullptr);

    QWidget* seatArea() const { return m_seats; }
    QTabWidget* resultPages() const { return m_results; }
    QWidget* probabilitiesPage() const { return m_probabilities; } // "Wahrscheinlichkeiten"
    QWidget* winsPage() const { return m_wins; }                   // "Gewinne"
    QWidget* splitsPage() const { return m_splits; }               // "Splits"
    CardButtonPanel* cardPanel() const { return m_panel; }         // Panel18 on TabSheet56

private:
    QWidget* m_seats = nullptr;
    QTabWidget* m_results = nullptr;
    QWidget* m_probabilities = nullptr;
    QWidget* m_wins = nullptr;
    QWidget* m_splits = nullptr;
    CardButtonPanel* m_panel = nullptr;
};

} // namespace tallyhand::app
