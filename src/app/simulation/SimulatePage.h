#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace tallyhand::app {

class CardButtonPanel;
class RangeEditor;
class RangeEquityPanel;
class SimulationFrontEnd;

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

    // The two card fields of seat 0 ("My") .. 9.
    QLineEdit* seatField(int seat, int card) const { return m_fields[static_cast<std::size_t>(seat)][static_cast<std::size_t>(card)]; }
    SimulationFrontEnd* simulation() const { return m_simulation; }
    // The range field of seat 0 .. 9: a range, or a hand in any card notation.
    QLineEdit* rangeField(int seat) const { return m_ranges[static_cast<std::size_t>(seat)]; }
    RangeEditor* rangeEditor() const { return m_editor; }
    RangeEquityPanel* equityPanel() const { return m_equity; }
    QWidget* equityPage() const { return m_equityPage; } // "Equity"

public slots:
    void Button146Click(); // "berechnen"
    void Button145Click(); // "Alle löschen": the heading rows of both grids
    void rb_sp_wahrClick();
    void rb_sp_wahr_2Click();
    void rb_wahr_23Click();
    void rb_sp_wahr_24Click();

private:
    // With a range, a board or dead cards the equity of ranges is computed;
    // with known hands alone the simulation runs as before.
    bool rangesWanted() const;
    void startRanges();

    QWidget* m_seats = nullptr;
    QTabWidget* m_results = nullptr;
    QWidget* m_probabilities = nullptr;
    QWidget* m_wins = nullptr;
    QWidget* m_splits = nullptr;
    CardButtonPanel* m_panel = nullptr;
    std::array<std::array<QLineEdit*, 2>, 10> m_fields{};
    std::array<QLineEdit*, 10> m_ranges{};
    QLineEdit* m_board = nullptr;
    QLineEdit* m_dead = nullptr;
    RangeEditor* m_editor = nullptr;
    RangeEquityPanel* m_equity = nullptr;
    QWidget* m_equityPage = nullptr;
    QPushButton* m_calculate = nullptr;
    QListWidget* m_lb = nullptr;
    QListWidget* m_lbWahrsWahr = nullptr;
    QTableWidget* m_stgWinWahr = nullptr;
    QTableWidget* m_stgSplitWahr = nullptr;
    QRadioButton* m_rbSpWahr = nullptr;    // "Prozentzahlen" on "Splits"
    QRadioButton* m_rbSpWahr2 = nullptr;   // "Absolute Zahlen" on "Splits"
    QRadioButton* m_rbWahr23 = nullptr;    // "Prozentzahlen" on "Gewinne"
    QRadioButton* m_rbSpWahr24 = nullptr;  // "Absolute Zahlen" on "Gewinne"
    SimulationFrontEnd* m_simulation = nullptr;
};

} // namespace tallyhand::app
