#pragma once

#include "history/LineList.h"

#include <string>
#include <string_view>

namespace tallyhand {

// A block's lines as stored: joined by LF (no line holds a line break) and
// compressed with zstd. The line count is kept beside it, so that a block of
// one empty line and a block of none differ.
std::string packLines(const LineList& lines);
// Throws DatabaseError when the bytes do not unpack to `count` lines.
LineList unpackLines(std::string_view packed, std::size_t count);

} // namespace tallyhand
