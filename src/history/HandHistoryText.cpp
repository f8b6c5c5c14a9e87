#include "history/HandHistoryText.h"

#include <charconv>
#include <limits>

namespace tallyhand {

std::vector<std::string_view> splitLines(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::vector<std::string_view> lines;
    lines.reserve(bytes.size() / 40 + 1);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // By hand: find_first_of looks each byte up in the set with a call of its own.
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        if (end == bytes.size()) {
            lines.push_back(bytes.substr(pos));
            break;
        }
        lines.push_back(bytes.substr(pos, end - pos));
        // CRs right before an LF belong to that line end (CR LF, and CR CR LF
        // of files converted twice); any other CR ends a line of its own.
        std::size_t next = end;
        while (next < bytes.size() && bytes[next] == '\r')
            ++next;
        pos = next < bytes.size() && bytes[next] == '\n' ? next + 1 : end + 1;
    }
    return lines;
}

std::string_view trimControl(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.remove_suffix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<std::int64_t> parseInt64(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    constexpr auto maxPositive = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (value > maxPositive + 1)
            return std::nullopt;
        return value == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min()
                                        : -static_cast<std::int64_t>(value);
    }
    if (value > maxPositive)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::optional<std::int32_t> parseInt32(std::string_view text)
{
    const auto value = parseInt64(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min()
        || *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::size_t headerTextStart(std::string_view line)
{
    // Cheap pre-test: every marker starts with "PokerStars ".
    std::size_t best = std::string_view::npos;
    std::size_t bestEnd = 0;
    if (line.find("PokerStars ") == std::string_view::npos)
        return best;
    for (std::string_view marker : kHeaderMarkers) {
        const std::size_t at = line.find(marker);
        if (at < best) {
            best = at;
            bestEnd = at + marker.size();
        }
    }
    return best == std::string_view::npos ? best : bestEnd;
}

HeaderResult parseHeaderLine(std::string_view line)
{
    HeaderResult result;
    const std::size_t start = headerTextStart(line);
    if (start == std::string_view::npos) {
        result.error = "keine Kopfzeile";
        return result;
    }
    const std::string_view s = line.substr(start);
    const std::size_t colon = s.find(':');
    const auto gameNo = colon == std::string_view::npos ? std::nullopt : parseInt64(trimBlanks(s.substr(0, colon)));
    if (!gameNo) {
        result.error = "Spielnummer nicht lesbar";
        return result;
    }
    HeaderInfo info;
    info.game_no = *gameNo;
    constexpr std::string_view tourMarker = "Tournament #";
    const std::size_t tour = s.find(tourMarker);
    if (tour != std::string_view::npos) {
        const std::string_view t = s.substr(tour + tourMarker.size());
        const std::size_t comma = t.find(',');
        const auto tourNo = comma == std::string_view::npos ? std::nullopt : parseInt64(trimBlanks(t.substr(0, comma)));
        if (!tourNo) {
            result.error = "Turniernummer nicht lesbar";
            return result;
        }
        info.tour_no = *tourNo;
        info.header = std::string(trimControl(t.substr(comma + 1)));
    } else {
        info.tour_no = 0;
        info.header = std::string(trimControl(s.substr(colon + 1)));
    }
    result.info = std::move(info);
    return result;
}

std::string parseTableName(std::string_view tableLine)
{
    const std::size_t quote = tableLine.find('\'');
    if (quote == std::string_view::npos)
        return {};
    const std::string_view rest = trimControl(tableLine.substr(quote + 1));
    return std::string(rest.substr(0, rest.find('\'')));
}

} // namespace tallyhand
