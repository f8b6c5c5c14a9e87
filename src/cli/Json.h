#pragma once

#include <string>
#include <string_view>

namespace tallyhand::cli {

// A JSON string literal; bytes that are not valid UTF-8 are read as Windows-1252.
std::string jsonString(std::string_view text);

} // namespace tallyhand::cli
