#include "cli/Command.h"
#include "store/DatabaseStartup.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <thread>

namespace tallyhand::cli {
namespace {

// Prints every status message on its own line; messages go to stderr.
class ConsoleView : public StartupView {
public:
    void showStatus(const std::string& text) override { std::cout << text << std::endl; }
    void showMessage(const std::string& text) override { std::cerr << text << std::endl; }
    bool askContinue(const std::string& text) override
    {
        std::cerr << text << std::endl;
        return true;
    }
    ImportResult runImport(StoreImport& job) override { return job.run(); }
};

struct ImportOptions {
    std::string home;
    bool noWait = false;
    bool watch = false;
};

// Set by SIGINT and SIGTERM; the watch ends between two files.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int)
{
    g_interrupted.store(true);
}

// How often the folders are looked at while watching.
constexpr auto kWatchInterval = std::chrono::milliseconds(1000);

// Imports what the card room writes until interrupted.
int watch(DatabaseStartup& startup)
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::cout << "Live-Import läuft, Ende mit Strg+C" << std::endl;
    while (!g_interrupted.load()) {
        ImportResult result;
        if (startup.importNew(result, &g_interrupted)) {
            for (const std::string& problem : result.folderProblems)
                std::cerr << problem << std::endl;
            if (!result.ok)
                std::cerr << result.error << std::endl;
            if (result.added > 0)
                std::cout << startup_text::liveImported(result.added) << std::endl;
        }
        const auto until = std::chrono::steady_clock::now() + kWatchInterval;
        while (!g_interrupted.load() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::cout << "Live-Import beendet" << std::endl;
    return 0;
}

int import(const ImportOptions& o)
{
    ConsoleView view;
    DatabaseStartup startup(HomeFolders{o.home}, view);
    startup.setWaitForOtherImports(!o.noWait);
    if (startup.run() != StartupOutcome::Loaded)
        return 1;
    if (o.watch)
        return watch(startup);
    // The other folders were imported, but a folder that could not be read is a failure to report.
    return startup.hadFolderProblems() ? 1 : 0;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<ImportOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini, Hands und data")
        ->type_name("ORDNER")
        ->required();
    command.add_flag("--no-wait", o->noWait, "endet, statt auf einen anderen Import zu warten");
    command.add_flag("--watch", o->watch, "importiert danach laufend, was neu geschrieben wird, bis Strg+C");
    return [o] { return import(*o); };
}

const RegisterCommand registration("import", "importiert neue Hand-Histories ohne Fenster", declare);

} // namespace
} // namespace tallyhand::cli
