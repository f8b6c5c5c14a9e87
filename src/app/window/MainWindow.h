#pragma once

#include "app/widgets/BusyLock.h"

#include <QMainWindow>
#include <filesystem>

class QLabel;
class QTabWidget;

namespace tallyhand::app {

class BackgroundJobs;
class CalculatorPanel;
class CardsPage;
class DeveloperPage;
class GameData;
class GameReplay;
class MainMenu;
class LiveImport;
class TournamentSelection;
class RebuildPage;
class ResultsPage;
class SimulatePage;
class StartupSequence;
class StatisticsPage;
class TablePanelPage;
class TableController;
class TableStore;

// frm_tallyhand: the calculator on top, PageControl1 below, the status bar.
// It owns the program's tables and wires the pages together.
class Tfrm_tallyhand : public QMainWindow {
    Q_OBJECT
public:
    // `homeDir` is the program folder with "data" and "Hands".
    explicit Tfrm_tallyhand(const QString& homeDir, QWidget* parent = nullptr);
    ~Tfrm_tallyhand() override;

    QString homeDir() const { return m_homeDir; }
    std::filesystem::path dataDir() const;
    std::filesystem::path handsDir() const;

    CalculatorPanel* calculator() const { return m_calculator; }
    QTabWidget* pageControl() const { return m_pages; } // PageControl1
    DeveloperPage* developerPage() const { return m_developer; }
    TablePanelPage* tablePanelPage() const { return m_tablePanel; }
    CardsPage* cardsPage() const { return m_cards; }
    StatisticsPage* statisticsPage() const { return m_statistics; }
    RebuildPage* rebuildPage() const { return m_rebuild; }
    ResultsPage* resultsPage() const { return m_results; }
    SimulatePage* simulatePage() const { return m_simulate; }

    TableStore* tableStore() const { return m_store; }
    TableController* tableController() const { return m_tableController; }
    BackgroundJobs* jobs() const { return m_jobs; }
    StartupSequence* startup() const { return m_startup; }
    GameData* gameData() const { return m_gameData; }
    TournamentSelection* tournamentSelection() const { return m_selection; }
    GameReplay* gameReplay() const { return m_replay; }
    MainMenu* mainMenu() const { return m_menu; }
    // Whether the size and position of the last run were restored.
    bool geometryRestored() const { return m_geometryRestored; }
    LiveImport* liveImport() const { return m_liveImport; }

    QString statusText() const;

public slots:
    // Replaces the text of the status bar's only field.
    void showStatus(const QString& text);

signals:
    void statusShown(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void wirePracticeTable();


private:
    QString m_homeDir;
    TableStore* m_store = nullptr;
    BackgroundJobs* m_jobs = nullptr;
    TableController* m_tableController = nullptr;
    StartupSequence* m_startup = nullptr;
    GameData* m_gameData = nullptr;
    BusyLock m_statisticsBusy;
    TournamentSelection* m_selection = nullptr;
    GameReplay* m_replay = nullptr;
    LiveImport* m_liveImport = nullptr;
    CalculatorPanel* m_calculator = nullptr;
    QTabWidget* m_pages = nullptr;
    DeveloperPage* m_developer = nullptr;
    TablePanelPage* m_tablePanel = nullptr;
    CardsPage* m_cards = nullptr;
    StatisticsPage* m_statistics = nullptr;
    ResultsPage* m_results = nullptr;
    RebuildPage* m_rebuild = nullptr;
    SimulatePage* m_simulate = nullptr;
    QLabel* m_statusField = nullptr;
    MainMenu* m_menu = nullptr;
    bool m_geometryRestored = false;
};

} // namespace tallyhand::app
