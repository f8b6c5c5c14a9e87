#include "cli/Command.h"
#include "history/AtomicFile.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"

#include <filesystem>
#include <iostream>

namespace tallyhand::cli {
namespace {

int genHands(const Args& input)
{
    Args args = input;
    const std::string games = takeOption(args, "--games");
    const std::string seed = takeOption(args, "--seed");
    const std::string hero = takeOption(args, "--hero");
    const std::string out = takeOption(args, "--out");
    const auto gameCount = parseInt64(games.empty() ? "1000" : games);
    const auto seedValue = parseInt64(seed.empty() ? "1" : seed);
    if (!args.empty() || out.empty() || !gameCount || *gameCount < 0 || !seedValue) {
        std::cerr << "Aufruf: tallyhand-cli gen-hands --games N --seed S --hero NAME --out ORDNER\n";
        return 2;
    }
    GeneratorOptions options;
    options.games = static_cast<std::size_t>(*gameCount);
    options.seed = static_cast<std::uint64_t>(*seedValue);
    options.hero = hero.empty() ? "Hero" : hero;
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    std::size_t files = 0;
    std::size_t bytes = 0;
    try {
        generateHandHistories(options, [&](GeneratedFile&& file) {
            // The content carries its own line ends; write it as one piece.
            auto sink = defaultFileSaver().open(std::filesystem::path(out) / file.name);
            if (!sink->write(file.bytes) || !sink->commit())
                throw DatabaseError("Die Datei " + file.name + " konnte nicht geschrieben werden: " + sink->lastError());
            ++files;
            bytes += file.bytes.size();
        });
    } catch (const DatabaseError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::cout << options.games << " Spiele in " << files << " Dateien (" << bytes << " Bytes) nach " << out
              << " geschrieben\n";
    return 0;
}

const RegisterCommand registration("gen-hands", "gen-hands --games N --seed S --hero NAME --out ORDNER", genHands);

} // namespace
} // namespace tallyhand::cli
