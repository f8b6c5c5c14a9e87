#pragma once

#include "app/widgets/BusyLock.h"
#include "stats/TournamentStats.h"

#include <QObject>
#include <string>
#include <vector>

namespace tallyhand::app {

class GameData;
class StatisticsPage;

// Choosing a tournament in lb_tour: lb_game and every statistic view of the
// page are rebuilt for its games; the chart modes and the class list act on
// the games listed.
class TournamentSelection : public QObject {
    Q_OBJECT
public:
    TournamentSelection(StatisticsPage* page, GameData* data, BusyLock* lock, StatusFn status,
                        QObject* parent = nullptr);

    // The status texts of the last selection, in order.
    const QStringList& statusTexts() const { return m_statusTexts; }

public slots:
    // A click in lb_tour; ignored while a replay or selection runs.
    void lb_tourClick();
    // The same from inside a replay, which already holds the page.
    void lb_tourDblClick();
    void Button86Click(); // Sklansky chart, pie or bars
    void Button85Click(); // chip chart, either mode
    void BuildHoleClassStats();
    void lb_stat_holeClick();
    void lb_stat_gamesClick();
    void chartBarClicked(const QString& label);
    // After new games came in: the chosen tournament chosen again, with its new games.
    void refreshChosen();

signals:
    // A game of lb_game was selected to be replayed.
    void gameChosen();

private:
    void status(const QString& text);
    void chooseGame(const QString& row);
    bool idle() const { return !m_lock->busy(); }
    // The chosen games read for the name in the chip chart's player field.
    const TournamentGames& chosenGames();

    StatisticsPage* m_page;
    GameData* m_data;
    BusyLock* m_lock;
    StatusFn m_status;
    std::vector<std::string> m_games; // lb_game
    HoleClassStats m_classes;         // tour_hole_classes
    int m_chipsLeftOut = 0;           // games of the chip chart without a readable stack
    QStringList m_statusTexts;
};

} // namespace tallyhand::app
