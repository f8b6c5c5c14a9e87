#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QPlainTextEdit;
class QTabWidget;
class QTextEdit;

namespace tallyhand::app {

// "Spielablauf": how the replayed game was played.
class GamePlayPanel : public QWidget {
    Q_OBJECT
public:
    explicit GamePlayPanel(QWidget* parent = nullptr);

    QTextEdit* seatsAndBlinds() const { return m_richEdit1; } // RichEdit1
    QTextEdit* betAction() const { return m_richEdit2; }      // RichEdit2
    QTextEdit* showdown() const { return m_richEdit3; }       // RichEdit3
    QPlainTextEdit* summary() const { return m_memo17; }      // Memo17

    // The street buttons (preflop .. showdown) over the panes: which a game
    // reached, and which is on show. None is enabled before a replay.
    void setStreets(const std::array<bool, 5>& reached, int current);
    QButtonGroup* streetButtons() const { return m_streets; }

signals:
    void streetChosen(int street);

private:
    QTextEdit* m_richEdit1 = nullptr;
    QTextEdit* m_richEdit2 = nullptr;
    QTextEdit* m_richEdit3 = nullptr;
    QPlainTextEdit* m_memo17 = nullptr;
    QButtonGroup* m_streets = nullptr;
};

} // namespace tallyhand::app
