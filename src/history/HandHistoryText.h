#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhand {

// Splits raw file bytes into lines: a line ends at LF, CR LF or a lone CR
// (old Mac files), a final line end adds no empty line, and a UTF-8
// byte-order mark at the very start is not part of the first line. The
// views point into `bytes`.
std::vector<std::string_view> splitLines(std::string_view bytes);

// Blanks and control characters (every byte up to 0x20) removed at both ends.
std::string_view trimControl(std::string_view text);
// Only blanks removed at both ends.
std::string_view trimBlanks(std::string_view text);

// Strict decimal integers: optional sign, digits, nothing else; out-of-range fails.
std::optional<std::int64_t> parseInt64(std::string_view text);
std::optional<std::int32_t> parseInt32(std::string_view text);

// The four header forms, in the order they are looked for.
inline constexpr std::string_view kHeaderMarkers[] = {
    "PokerStars Game #", "PokerStars Hand #", "PokerStars Zoom Hand #", "PokerStars Home Game Hand #"};

// Where the text after the first header marker of the line starts, or npos.
std::size_t headerTextStart(std::string_view line);
inline bool isHeaderLine(std::string_view line) { return headerTextStart(line) != std::string_view::npos; }

struct HeaderInfo {
    std::int64_t game_no = 0;
    std::int64_t tour_no = 0;
    std::string header;
};

struct HeaderResult {
    std::optional<HeaderInfo> info; // nullopt when a number cannot be read
    std::string error;              // German reason when info is empty
};

// Parses a header line (one that isHeaderLine()).
HeaderResult parseHeaderLine(std::string_view line);

// Table name of the line after a header: between the first single quote
// (blanks after it skipped) and the next one; empty without quotes.
std::string parseTableName(std::string_view tableLine);

} // namespace tallyhand
