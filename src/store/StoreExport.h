#pragma once

#include <filesystem>

namespace tallyhand {

class GameStore;

// Writes Hole_Cards.kar, Board_Cards.kar, Summeries.kar, games.kar and
// loaded.kar into `outDir` exactly as the import of the same games into the
// text files writes them. Streams the rows; throws DatabaseError.
void exportDatabaseFiles(GameStore& store, const std::filesystem::path& outDir);

} // namespace tallyhand
