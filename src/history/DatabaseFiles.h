#pragma once

#include "history/AtomicFile.h"
#include "history/Records.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyhand {

// The database files in the data folder.
inline constexpr const char* kHoleCardsFile = "Hole_Cards.kar";
inline constexpr const char* kBoardsFile = "Board_Cards.kar";
inline constexpr const char* kSummariesFile = "Summeries.kar";
inline constexpr const char* kGamesFile = "games.kar";
inline constexpr const char* kLoadedFile = "loaded.kar";
// Beside "loaded.kar" in data folders of the text-file import: size and
// modification time of every imported file, read when such a folder is taken over.
inline constexpr const char* kLoadedStampsFile = "loaded_stamps.kar";
inline constexpr const char* kHoleCardsVersion = "VERSION2";

// Size and modification time of one imported hand-history file.
struct FileStamp {
    std::string name; // bare file name, raw bytes
    std::uintmax_t size = 0;
    std::int64_t mtime = 0; // nanoseconds of the file clock

    bool operator==(const FileStamp&) const = default;
};

// Writers: each replaces its file through `saver` (temporary file, checked
// writes, rename), lines ended by CR LF. Throw DatabaseError.
void saveHoleCards(const std::filesystem::path& file, const ACardcount& table, FileSaver& saver = defaultFileSaver());
void saveBoards(const std::filesystem::path& file, const ABoard& table, FileSaver& saver = defaultFileSaver());
// Summeries.kar and games.kar share one layout.
void saveGameBlocks(const std::filesystem::path& file, const AGame& table, FileSaver& saver = defaultFileSaver());
void saveFileNames(const std::filesystem::path& file, const std::vector<std::string>& names,
                   FileSaver& saver = defaultFileSaver());

// One record in the layout of its file, for writers that stream the rows.
void writeHoleEntry(BufferedFileWriter& out, const Tcardcount& entry);
void writeBoard(BufferedFileWriter& out, const TBoard& board);
void writeGameBlock(BufferedFileWriter& out, const Tgame& game);

// Readers: throw DatabaseError for a missing file, a wrong version line, a
// line that is not a number where one is expected, or a file ending early.
ACardcount loadHoleCards(const std::filesystem::path& file);
ABoard loadBoards(const std::filesystem::path& file);
AGame loadGameBlocks(const std::filesystem::path& file);
// A missing file gives an empty list (nothing imported yet).
std::vector<std::string> loadFileNames(const std::filesystem::path& file);
std::vector<FileStamp> loadFileStamps(const std::filesystem::path& file);

} // namespace tallyhand
