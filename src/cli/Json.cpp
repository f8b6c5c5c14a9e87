#include "cli/Json.h"

#include "history/TextDecoding.h"

#include <cstdio>

namespace tallyhand::cli {

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : decodeForDisplay(text)) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

} // namespace tallyhand::cli
