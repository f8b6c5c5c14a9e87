#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tallyhand::app {

// "Hole Cards" of the right-hand statistics pages: the hands shown down in the
// replayed game and their win expectations.
class ShowdownPanel : public QWidget {
    Q_OBJECT
public:
    explicit ShowdownPanel(QWidget* parent = nullptr);

    QListWidget* lbHc() const { return m_lbHc; }
    QListWidget* lbWahrs() const { return m_lbWahrs; }
    QLineEdit* hands() const { return m_edit98; }
    QProgressBar* progress() const { return m_pgHands; }
    QTableWidget* winGrid() const { return m_stgWin; }
    QTableWidget* splitGrid() const { return m_stgSplit; }

private:
    QListWidget* m_lbHc = nullptr;
    QListWidget* m_lbWahrs = nullptr;
    QLineEdit* m_edit98 = nullptr;
    QProgressBar* m_pgHands = nullptr;
    QTableWidget* m_stgWin = nullptr;
    QTableWidget* m_stgSplit = nullptr;
};

} // namespace tallyhand::app
