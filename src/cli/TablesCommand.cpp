#include "cli/Command.h"

#include "cards/RankTableFiles.h"

#include <iostream>
#include <memory>

namespace tallyhand::cli {
namespace {

int runTables(const std::string& home)
{
    const std::filesystem::path data = std::filesystem::path(home) / "data";
    int writeFailures = 0;
    loadOrGenerateRankTables(
        data, [](const std::string& message) { std::cout << message << '\n' << std::flush; }, writeFailures);
    if (writeFailures > 0)
        return 1;
    std::cout << "Ok\n";
    return 0;
}

CommandRun declare(CLI::App& command)
{
    auto home = std::make_shared<std::string>();
    command.add_option("--home", *home, "Programmordner")->type_name("ORDNER")->required();
    return [home] { return runTables(*home); };
}

const RegisterCommand registration("tables", "legt die neun Kombinationsdateien in ORDNER/data an", declare);

} // namespace
} // namespace tallyhand::cli
