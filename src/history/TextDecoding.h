#pragma once

#include <string>
#include <string_view>

namespace tallyhand {

// Text for display: the bytes unchanged when they are valid UTF-8, otherwise
// read as Windows-1252 and converted to UTF-8.
std::string decodeForDisplay(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);

} // namespace tallyhand
