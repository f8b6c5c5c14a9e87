#include "cli/Json.h"

#include "history/TextDecoding.h"

#include <cmath>
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

std::string jsonRows(const std::vector<std::string>& rows)
{
    std::string out = "[";
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += (i ? ", " : "") + jsonString(rows[i]);
    return out + "]";
}

std::string jsonSeries(const ChartSeries& series)
{
    std::string out = "[";
    char buf[64];
    for (std::size_t i = 0; i < series.size(); ++i) {
        const ChartPoint& p = series[i];
        out += i ? ", {" : "{";
        out += "\"label\": " + jsonString(p.label) + ", \"value\": ";
        if (std::isfinite(p.value) && p.value == std::trunc(p.value) && std::fabs(p.value) < 1e15)
            std::snprintf(buf, sizeof buf, "%.0f", p.value);
        else
            std::snprintf(buf, sizeof buf, "%.17g", p.value);
        out += buf;
        if (p.colour) {
            std::snprintf(buf, sizeof buf, ", \"color\": \"#%02x%02x%02x\"", p.colour->r, p.colour->g, p.colour->b);
            out += buf;
        }
        out += "}";
    }
    return out + "]";
}

} // namespace tallyhand::cli
