#pragma once

#include <string>
#include <string_view>

namespace tallyhand::cli {

// A JSON string literal; the bytes are passed through unchanged, control characters escaped.
std::string jsonString(std::string_view text);

} // namespace tallyhand::cli
