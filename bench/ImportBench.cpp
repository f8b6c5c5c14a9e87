// Import into the store and start-up over 100,000 generated games (about
// 150 MB of hand-history text). Set TALLYHAND_BENCH_GAMES to use another number.
#include "history/HandHistoryGenerator.h"
#include "store/DatabaseStartup.h"
#include "store/HomeStore.h"
#include "store/StoreImport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace tallyhand;

namespace {

class SilentView : public StartupView {
public:
    void showStatus(const std::string&) override {}
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askContinue(const std::string&) override { return false; }
    ImportResult runImport(StoreImport& job) override { return job.run(); }
    std::vector<std::string> messages;
};

struct BenchHome {
    std::filesystem::path home;
    std::uintmax_t handBytes = 0;

    BenchHome()
    {
        home = std::filesystem::temp_directory_path() / ("tallyhand-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home / "Hands");
        std::size_t games = 100000;
        if (const char* env = std::getenv("TALLYHAND_BENCH_GAMES"))
            games = static_cast<std::size_t>(std::strtoull(env, nullptr, 10));
        generateHandHistories({games, 1, "Hero"}, [&](GeneratedFile&& file) {
            std::ofstream(home / "Hands" / file.name, std::ios::binary) << file.bytes;
            handBytes += file.bytes.size();
        });
        std::ofstream(home / "Tallyhand.ini", std::ios::binary) << "[USER]\r\nusername=Hero\r\n";
    }
    ~BenchHome() { std::filesystem::remove_all(home); }

    std::uintmax_t databaseBytes() const
    {
        std::uintmax_t total = 0;
        for (const auto& entry : std::filesystem::directory_iterator(home / "data"))
            total += entry.file_size();
        return total;
    }
};

BenchHome& benchHome()
{
    static BenchHome home;
    return home;
}

double peakMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void runStartup(benchmark::State& state)
{
    SilentView view;
    DatabaseStartup startup(HomeFolders{benchHome().home}, view);
    if (startup.run() != StartupOutcome::Loaded || !view.messages.empty())
        state.SkipWithError("start-up did not reach Ok cleanly");
    benchmark::DoNotOptimize(startup.database().tournaments.listRows.size());
}

void setCounters(benchmark::State& state)
{
    const double db = static_cast<double>(benchHome().databaseBytes()) / (1024.0 * 1024.0);
    const double hands = static_cast<double>(benchHome().handBytes) / (1024.0 * 1024.0);
    state.counters["hand_histories_MB"] = hands;
    state.counters["database_MB"] = db;
    state.counters["database_per_hand_histories"] = db / hands;
    state.counters["peak_rss_MB"] = peakMegabytes();
}

// Start-up with every file new: empty data folder, import, lists, "Ok".
void BM_FullImport(benchmark::State& state)
{
    benchHome();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(benchHome().home / "data");
        state.ResumeTiming();
        runStartup(state);
    }
    setCounters(state);
}
BENCHMARK(BM_FullImport)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);

// Start-up when nothing is new: open the store, read the lists, look at the folder.
void BM_StartupNothingNew(benchmark::State& state)
{
    if (!std::filesystem::exists(storeFileOf(HomeFolders{benchHome().home})))
        runStartup(state);
    for (auto _ : state)
        runStartup(state);
    setCounters(state);
}
BENCHMARK(BM_StartupNothingNew)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// One new file of 100 games into the full store.
void BM_ImportOneNewFile(benchmark::State& state)
{
    const HomeFolders folders{benchHome().home};
    if (!std::filesystem::exists(storeFileOf(folders)))
        runStartup(state);
    GameStore store(storeFileOf(folders));
    std::uint64_t seed = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        generateHandHistories({100, ++seed, "Hero"}, [&](GeneratedFile&& file) {
            std::ofstream(folders.hands() / ("new " + std::to_string(seed) + " " + file.name), std::ios::binary)
                << file.bytes;
        });
        state.ResumeTiming();
        StoreImport job(store, {{"Hands", folders.hands()}}, "Hero");
        if (!job.run().ok)
            state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportOneNewFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
