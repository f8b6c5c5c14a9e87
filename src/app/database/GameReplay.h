#pragma once

#include "app/widgets/BusyLock.h"
#include "stats/Replay.h"

#include <QObject>

namespace tallyhand::app {

class CalculatorPanel;
class GameData;
class StatisticsPage;
class TournamentSelection;

// Replays a stored game into the calculator, the play panes and lb_hc, step
// by step with a status text for each.
class GameReplay : public QObject {
    Q_OBJECT
public:
    GameReplay(CalculatorPanel* calculator, StatisticsPage* page, GameData* data, TournamentSelection* selection,
               BusyLock* lock, StatusFn status, QObject* parent = nullptr);

    // The status texts of the last replay, in order.
    const QStringList& statusTexts() const { return m_statusTexts; }

public slots:
    // The chosen row of lb4; afterwards its tournament and game are selected.
    void lb4DblClick();
    // The chosen game of lb_game.
    void lb_gameDblClick();
    // Any stored game, by its number (from the result views).
    void replayGame(qint64 game);
    // The last replayed game as it stood on a street (0 preflop .. 4 showdown).
    void showStreet(int street);

private:
    void run(const Replay& replay);
    // Reads the game's rows; false when there is no store.
    bool loadGame(std::int64_t game);
    void perform(const Replay& replay, const ReplayStep& step);
    void enterCard(const ReplayStep& step);
    void status(const QString& text);
    void showPlay(const GamePlay& play);
    void showShownDown(const std::vector<std::string>& rows);

    CalculatorPanel* m_calculator;
    StatisticsPage* m_page;
    GameData* m_data;
    TournamentSelection* m_selection;
    BusyLock* m_lock;
    StatusFn m_status;
    QStringList m_statusTexts;
    std::optional<Replay> m_last;
    // The replayed game's rows, read from the store for the replay.
    GameTables m_tables;
    GameIndex m_index;
};

} // namespace tallyhand::app
