#pragma once

#include "app/widgets/BackgroundJobs.h"
#include "cards/RankTables.h"

#include <QObject>
#include <filesystem>
#include <functional>

namespace tallyhand::app {

class CalculatorPanel;
class CardsPage;
class TableStore;

// The combination tables of the running program: "Load" (rank lists from their
// files, regenerated where needed), "Kombis" (pattern lists), "Save", "All_Kombi".
// Each runs in the background and reports through `status`.
class TableController : public QObject {
    Q_OBJECT
public:
    using Status = std::function<void(const QString&)>;
    using Done = std::function<void(bool ok)>;

    TableController(std::filesystem::path dataDir, TableStore* store, BackgroundJobs* jobs, Status status,
                    QObject* parent = nullptr);

    // Where the pattern lists and the "Mgl." counts are shown.
    void setViews(CardsPage* cards, CalculatorPanel* calculator);

    void loadRankTables(Done done = {});     // Button12Click
    void buildPatternLists(Done done = {});  // Button17Click
    void saveRankTables(Done done = {});     // Button11Click
    void generateRankTables(Done done = {}); // All_KombiClick
    bool busy() const { return m_busy; }

signals:
    void busyChanged(bool busy);

private:
    void begin();
    void end(const QString& error, const Done& done);
    void showRankCounts();
    // Builds rank tables in the background and installs them.
    void runRankJob(std::function<RankTables(const BackgroundJobs::Report&)> make, Done done);

    std::filesystem::path m_dataDir;
    TableStore* m_store;
    BackgroundJobs* m_jobs;
    Status m_status;
    CardsPage* m_cards = nullptr;
    CalculatorPanel* m_calculator = nullptr;
    bool m_busy = false;
};

} // namespace tallyhand::app
