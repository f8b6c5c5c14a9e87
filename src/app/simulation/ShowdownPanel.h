#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tallyhand::app {

class SimulationFrontEnd;

// "Hole Cards" of the right-hand statistics pages: the hands shown down in the
// replayed game and their win expectations.
class ShowdownPanel : public QWidget {
    Q_OBJECT
public:
    explicit ShowdownPanel(QWidget* parent = nullptr);

    QListWidget* lbHc() const { return m_lbHc; }
    QListWidget* lbWahrs() const { return m_lbWahrs; }
    QLineEdit* hands() const { return m_edit98; }
    QCheckBox* exact() const { return m_exact; }
    QProgressBar* progress() const { return m_pgHands; }
    QTableWidget* winGrid() const { return m_stgWin; }
    QTableWidget* splitGrid() const { return m_stgSplit; }
    SimulationFrontEnd* simulation() const { return m_simulation; }

public slots:
    void Button89Click(); // "Gewinnerwartungen": whole board
    void Button91Click(); // "mit Flop": the calculator's flop fixed
    void Button92Click(); // "mit Turn": flop and turn fixed
    void lb_wahrsDblClick();
    void rb_ge_prClick();
    void rb_sp_prClick();
    void rb_ge_abClick();
    void rb_sp_abClick();

private:
    void run(int fixedBoardCards);

    QListWidget* m_lbHc = nullptr;
    QListWidget* m_lbWahrs = nullptr;
    QLineEdit* m_edit98 = nullptr;
    QCheckBox* m_exact = nullptr;
    QProgressBar* m_pgHands = nullptr;
    QTableWidget* m_stgWin = nullptr;
    QTableWidget* m_stgSplit = nullptr;
    QRadioButton* m_rbGePr = nullptr;
    QRadioButton* m_rbGeAb = nullptr;
    QRadioButton* m_rbSpPr = nullptr;
    QRadioButton* m_rbSpAb = nullptr;
    QList<QPushButton*> m_runButtons;
    SimulationFrontEnd* m_simulation = nullptr;
};

} // namespace tallyhand::app
