#include "cli/Command.h"
#include "store/DatabaseStartup.h"

#include <iostream>

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

int import(const Args& input)
{
    Args args = input;
    const std::string home = takeOption(args, "--home");
    const bool noWait = takeFlag(args, "--no-wait");
    if (!args.empty() || home.empty()) {
        std::cerr << "Aufruf: tallyhand-cli import --home ORDNER [--no-wait]\n";
        return 2;
    }
    ConsoleView view;
    DatabaseStartup startup(HomeFolders{home}, view);
    startup.setWaitForOtherImports(!noWait);
    return startup.run() == StartupOutcome::Loaded ? 0 : 1;
}

const RegisterCommand registration("import", "import --home ORDNER [--no-wait]", import);

} // namespace
} // namespace tallyhand::cli
