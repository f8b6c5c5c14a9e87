#pragma once

#include "history/LineList.h"
#include "history/Records.h"

#include <string>
#include <string_view>

namespace tallyhand {

// A block's lines as stored: joined by LF (no line holds a line break) and
// compressed with zstd. The line count is kept beside it, so that a block of
// one empty line and a block of none differ.
std::string packLines(const LineList& lines);
// Throws DatabaseError when the bytes do not unpack to `count` lines.
LineList unpackLines(std::string_view packed, std::size_t count);

// The summary and game blocks of one file's tables packed, in table order:
// packing is most of the work of storing a file and may run on the thread
// that read it.
struct PackedBlocks {
    std::vector<std::string> summaries;
    std::vector<std::string> gameRecords;
};
PackedBlocks packBlocks(const GameTables& tables);

} // namespace tallyhand
