#pragma once

#include "table/PracticeHistory.h"
#include "table/PracticeTable.h"

#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallyhand::app {

class ColourShape;
class TableStore;

// TabSheet2: the practice table. Every click on "play" performs one action of
// the hand (a program seat's decision, or the user's choice from the action
// box or, heads-up, the radio buttons); nothing waits inside a handler.
class TablePanelPage : public QWidget {
    Q_OBJECT
public:
    explicit TablePanelPage(QWidget* parent = nullptr);

    // Program seats decide with the calculator's pattern lists; finished hands
    // are written to `handsDir` as hand histories of `userName`.
    void setTableStore(TableStore* store) { m_store = store; }
    void setHistory(std::filesystem::path handsDir, std::function<QString()> userName);

    const PracticeTable* table() const { return m_table.get(); }

public slots:
    void Button74Click(); // "Start"
    void Button75Click(); // "Geben": the next hand
    void Button76Click(); // "Heads Up"
    void weiterClick();   // "play"

signals:
    void statusMessage(const QString& text);
    // The pot as ed_pot shows it, for the calculator's inp_pot.
    void potChanged(const QString& text);
    // The user's cards and the board, for the calculator (empty texts clear a field).
    void userCardsChanged(const QStringList& cards);

private:
    struct SeatWidgets {
        QLineEdit* card1;
        QLineEdit* card2;
        QComboBox* box;
        QLineEdit* bet;
        QLineEdit* fifth;
        ColourShape* marker;
    };

    void begin(bool headsUp);
    void refresh();
    void writeFinishedHand();
    // The user's choice, or nullopt with the reason it cannot be taken.
    std::optional<UserChoice> userChoice(QString& problem) const;

    TableStore* m_store = nullptr;
    std::shared_ptr<const PatternLists> m_patterns;
    std::unique_ptr<PracticeTable> m_table;
    std::array<SeatWidgets, kTableSeats + 1> m_seats{};
    QLineEdit* m_smallBlind = nullptr;
    QLineEdit* m_bigBlind = nullptr;
    QLineEdit* m_hand = nullptr;
    QLineEdit* m_pot = nullptr;
    std::array<QLineEdit*, 5> m_board{};
    QLineEdit* m_stake = nullptr; // ed_einsatz
    QButtonGroup* m_choices = nullptr;
    QListWidget* m_log = nullptr;
    QPushButton* m_play = nullptr;
    std::size_t m_logged = 0;
    int m_written = 0; // hands of this game written to the history
    std::filesystem::path m_handsDir;
    std::function<QString()> m_userName;
    std::optional<PracticeSession> m_session;
};

} // namespace tallyhand::app
