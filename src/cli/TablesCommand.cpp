#include "cli/Command.h"

#include "cards/RankTableFiles.h"

#include <iostream>

namespace tallyhand::cli {
namespace {

int runTables(const Args& words)
{
    Args args = words;
    const std::string home = takeOption(args, "--home");
    if (home.empty() || !args.empty()) {
        std::cerr << "Aufruf: tallyhand-cli tables --home ORDNER\n";
        return 2;
    }
    const std::filesystem::path data = std::filesystem::path(home) / "data";
    int writeFailures = 0;
    loadOrGenerateRankTables(
        data, [](const std::string& message) { std::cout << message << '\n' << std::flush; }, writeFailures);
    if (writeFailures > 0)
        return 1;
    std::cout << "Ok\n";
    return 0;
}

const RegisterCommand registration("tables", "tables --home ORDNER   legt die neun Kombinationsdateien in ORDNER/data an",
                                   runTables);

} // namespace
} // namespace tallyhand::cli
