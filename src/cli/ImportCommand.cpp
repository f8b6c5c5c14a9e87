#include "cli/Command.h"
#include "store/DatabaseStartup.h"

#include <iostream>
#include <memory>

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
};

int import(const ImportOptions& o)
{
    ConsoleView view;
    DatabaseStartup startup(HomeFolders{o.home}, view);
    startup.setWaitForOtherImports(!o.noWait);
    return startup.run() == StartupOutcome::Loaded ? 0 : 1;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<ImportOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini, Hands und data")
        ->type_name("ORDNER")
        ->required();
    command.add_flag("--no-wait", o->noWait, "endet, statt auf einen anderen Import zu warten");
    return [o] { return import(*o); };
}

const RegisterCommand registration("import", "importiert neue Hand-Histories ohne Fenster", declare);

} // namespace
} // namespace tallyhand::cli
