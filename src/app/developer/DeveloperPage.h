#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace tallyhand::app {

// TabSheet1: the developer page with the combination-table buttons and its memos.
class DeveloperPage : public QWidget {
    Q_OBJECT
public:
    explicit DeveloperPage(QWidget* parent = nullptr);

    QPlainTextEdit* memo2() const { return m_memo2; }
    QPlainTextEdit* memo16() const { return m_memo16; }
    void showLines(const QStringList& lines); // Memo2
    void setTableButtonsEnabled(bool enabled);

signals:
    void allKombiClicked();
    void saveClicked();
    void loadClicked();
    void kombisClicked();
    void berechneClicked(); // Button83: showdown calculation over the shown-down hands
    void testClicked();     // Button90: check of the card draw

private:
    QPushButton* m_allKombi = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_kombis = nullptr;
    QPushButton* m_berechne = nullptr;
    QPushButton* m_test = nullptr;
    QPlainTextEdit* m_memo2 = nullptr;
    QPlainTextEdit* m_memo16 = nullptr;
};

} // namespace tallyhand::app
