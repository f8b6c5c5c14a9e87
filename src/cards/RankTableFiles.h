#pragma once

#include "cards/RankTables.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tallyhand {

// "<dataDir>/N_file.txt" for rank list N = 1..9.
std::filesystem::path rankListFilePath(const std::filesystem::path& dataDir, ListId id);
// Number of lines a complete file of this list holds.
std::size_t expectedLineCount(ListId id);

// The file content: one "<rank> <card>,<card>,<card>,<card>,<card>" line per
// line of the list, each ended by CR LF.
std::string rankListFileText(const RankList& list);

// Writes the list through a temporary file that replaces the target only when
// every byte has been written; false when that failed (the target is unchanged).
bool writeRankListFile(const std::filesystem::path& file, const RankList& list);

// The list stored in the file; nullopt when the file is missing, unreadable,
// holds a line that is not a rank number and five different card texts, or
// does not hold exactly `expectedLineCount(id)` lines.
std::optional<RankList> readRankListFile(const std::filesystem::path& file, ListId id);
std::optional<RankList> parseRankListText(std::string_view text, ListId id);

// Status texts of loading.
std::string missingFileMessage(ListId id);
std::string writeFailedMessage(ListId id);

using StatusFn = std::function<void(const std::string&)>;

// "Load": every list from its file; a missing or damaged file is announced,
// regenerated and written anew. A file that cannot be written is reported and
// its list is kept in memory only. The data folder is created when missing.
RankTables loadOrGenerateRankTables(const std::filesystem::path& dataDir, const StatusFn& status);
// The same, also telling how many files could not be written.
RankTables loadOrGenerateRankTables(const std::filesystem::path& dataDir, const StatusFn& status,
                                    int& writeFailures);

// "Save": writes all nine lists; returns the number of files that could not be written.
int writeRankListFiles(const std::filesystem::path& dataDir, const RankLists& lists, const StatusFn& status);

} // namespace tallyhand
