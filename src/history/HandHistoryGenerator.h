#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tallyhand {

struct GeneratorOptions {
    std::size_t games = 1000;
    std::uint64_t seed = 1;
    std::string hero = "Hero";
};

struct GeneratedFile {
    std::string name;  // file name as the card-room client forms it
    std::string bytes; // file content
    std::size_t games = 0;
};

// Writes PokerStars-style hand-history files of our own making: tournament
// and cash tables of 2 to 10 seats, the hero dealt in every game. The same
// options always give the same files. Each finished file goes to `sink`.
void generateHandHistories(const GeneratorOptions& options, const std::function<void(GeneratedFile&&)>& sink);

} // namespace tallyhand
