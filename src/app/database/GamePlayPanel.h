#pragma once

#include <QWidget>

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

private:
    QTextEdit* m_richEdit1 = nullptr;
    QTextEdit* m_richEdit2 = nullptr;
    QTextEdit* m_richEdit3 = nullptr;
    QPlainTextEdit* m_memo17 = nullptr;
};

} // namespace tallyhand::app
