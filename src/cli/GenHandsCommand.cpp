#include "cli/Command.h"
#include "history/AtomicFile.h"
#include "history/HandHistoryGenerator.h"
#include "history/HandHistoryText.h"

#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>

namespace tallyhand::cli {
namespace {

struct GenHandsOptions {
    std::int64_t games = 1000;
    std::int64_t seed = 1;
    std::string hero = "Hero";
    std::string out;
};

int genHands(const GenHandsOptions& o)
{
    const std::string& out = o.out;
    GeneratorOptions options;
    options.games = static_cast<std::size_t>(o.games);
    options.seed = static_cast<std::uint64_t>(o.seed);
    options.hero = o.hero.empty() ? "Hero" : o.hero;
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

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<GenHandsOptions>();
    command.add_option("--games", o->games, "so viele Spiele (1000)")
        ->type_name("N")
        ->check(wholeNumber(0, std::numeric_limits<std::int64_t>::max()));
    command.add_option("--seed", o->seed, "Startwert (1); derselbe gibt dieselben Dateien")
        ->type_name("S")
        ->check(wholeNumber(std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()));
    command.add_option("--hero", o->hero, "Name des eigenen Spielers (Hero)")->type_name("NAME");
    command.add_option("--out", o->out, "Zielordner, wird angelegt")->type_name("ORDNER")->required();
    return [o] { return genHands(*o); };
}

const RegisterCommand registration("gen-hands", "schreibt erzeugte PokerStars-Hand-Histories", declare);

} // namespace
} // namespace tallyhand::cli
