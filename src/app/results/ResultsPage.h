#pragma once

#include "history/TournamentSummary.h"
#include "stats/HomeResults.h"
#include "stats/ResultsFilter.h"
#include "stats/ResultsReport.h"

#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace tallyhand::app {

class GameData;
class ResultsGraphView;

// "Ergebnisse": what the user won, where and how. Filters on the left, the
// results graph, sessions, positions, stakes and tournaments on the right;
// every view follows the filters. The results are read off the window's
// thread whenever the database is loaded anew.
class ResultsPage : public QWidget {
    Q_OBJECT
public:
    struct Loaded {
        HomeResults results;
        std::vector<TournamentSummary> summaries;
    };
    using UserFn = std::function<std::string()>;
    using FoldersFn = std::function<std::vector<std::filesystem::path>()>;

    explicit ResultsPage(QWidget* parent = nullptr);
    ~ResultsPage() override;

    // Follows `data`; the user and the hand-history folders are asked for at each load.
    void setGameData(GameData* gameData, UserFn user, FoldersFn folders);

    bool loading() const { return m_watcher.isRunning(); }
    const HomeResults& results() const { return m_loaded.results; }
    ResultsFilter filter() const;
    const ResultsReport& report() const { return m_report; }
    ResultsGraphView* graphView() const { return m_graph; }

public slots:
    // Shows the views for the filters as they are set.
    void rebuild();

signals:
    // The results of a new load are on show.
    void loaded();
    // A game of the graph was clicked, to be replayed.
    void gameChosen(qint64 game);

private:
    void startLoad();
    void stopLoad();
    void finishLoad();
    void fillChoices();
    void fillStakes();
    QWidget* makeFilters();

    GameData* m_data = nullptr;
    UserFn m_user;
    FoldersFn m_folders;
    std::shared_ptr<std::atomic<bool>> m_stop;
    QFutureWatcher<Loaded> m_watcher;
    Loaded m_loaded;
    ResultsReport m_report;
    bool m_filling = false; // choices being refilled: no rebuild per change

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_currency = nullptr;
    QComboBox* m_stakes = nullptr;
    QComboBox* m_players = nullptr;
    QComboBox* m_position = nullptr;
    QRadioButton* m_money = nullptr;
    QRadioButton* m_bigBlinds = nullptr;
    QLabel* m_summary = nullptr;
    QTabWidget* m_pages = nullptr;
    ResultsGraphView* m_graph = nullptr;
    QTableWidget* m_sessions = nullptr;
    QTableWidget* m_positions = nullptr;
    QTableWidget* m_stakesTable = nullptr;
    QTableWidget* m_tournaments = nullptr;
    QLabel* m_tournamentTotals = nullptr;
};

} // namespace tallyhand::app
