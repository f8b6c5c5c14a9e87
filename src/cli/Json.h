#pragma once

#include <string>
#include <string_view>

namespace tallyhand::cli {

// A JSON string literal: valid UTF-8 passes through, other bytes are read as
// Windows-1252, so the output is always valid JSON.
std::string jsonString(std::string_view text);

} // namespace tallyhand::cli
