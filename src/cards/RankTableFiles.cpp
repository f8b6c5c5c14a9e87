#include "cards/RankTableFiles.h"

#include "cards/CardText.h"

#include <array>
#include <charconv>
#include <cstring>
#include <vector>
#include <fstream>
#include <system_error>

namespace tallyhand {
namespace {

constexpr std::array<std::size_t, kListCount> kLineCounts{4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240};

int fileNumber(ListId id) { return static_cast<int>(id) + 1; }

constexpr std::size_t kChunk = std::size_t{1} << 20;
constexpr std::size_t kMaxLineLength = 64;

const std::array<std::string, kCardCount>& cardTexts()
{
    static const std::array<std::string, kCardCount> texts = [] {
        std::array<std::string, kCardCount> t;
        for (int c = 0; c < kCardCount; ++c)
            t[static_cast<std::size_t>(c)] = cardText(static_cast<Card>(c));
        return t;
    }();
    return texts;
}

// Writes one file line at out (at most kMaxLineLength bytes), returns its end.
char* formatLine(char* out, const RankLine& line)
{
    const auto& texts = cardTexts();
    out = std::to_chars(out, out + 8, line.rank).ptr;
    *out++ = ' ';
    for (std::size_t i = 0; i < 5; ++i) {
        if (i > 0)
            *out++ = ',';
        const std::string& text = texts[line.cards[i] < kCardCount ? line.cards[i] : 0];
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    }
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

// Rank value of a rank character, 0 for any other character.
const std::array<std::uint8_t, 256>& rankValues()
{
    static const std::array<std::uint8_t, 256> values = [] {
        std::array<std::uint8_t, 256> v{};
        for (int c = 0; c < 256; ++c)
            v[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(rankValueOfChar(static_cast<char>(c)));
        return v;
    }();
    return values;
}

// Reads one card text at p, advancing p; nullopt when there is none.
std::optional<Card> parseCard(const char*& p, const char* end)
{
    if (p == end)
        return std::nullopt;
    const int rank = rankValues()[static_cast<unsigned char>(*p)];
    if (rank == 0)
        return std::nullopt;
    ++p;
    const std::string_view tail(p, static_cast<std::size_t>(end - p));
    int suit = 0;
    if (tail.starts_with("Herz"))
        suit = 1;
    else if (tail.starts_with("Kreuz"))
        suit = 2;
    else if (tail.starts_with("Pik"))
        suit = 3;
    else if (tail.starts_with("Karo"))
        suit = 4;
    else
        return std::nullopt;
    p += kSuitNames[static_cast<std::size_t>(suit)].size();
    return makeCard(rank, suit);
}

bool parseLine(const char*& p, const char* end, RankLine& line)
{
    unsigned value = 0;
    const auto [after, ec] = std::from_chars(p, end, value);
    if (ec != std::errc{} || after == p || value == 0 || value > 0xFFFF)
        return false;
    p = after;
    if (p == end || *p != ' ')
        return false;
    ++p;
    line.rank = static_cast<std::uint16_t>(value);
    CardMask seen = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        if (i > 0) {
            if (p == end || *p != ',')
                return false;
            ++p;
        }
        const auto card = parseCard(p, end);
        if (!card || contains(seen, *card))
            return false;
        seen |= maskOf(*card);
        line.cards[i] = *card;
    }
    // CR LF ends a line; a bare LF and a missing end after the last line are accepted.
    if (p != end && *p == '\r')
        ++p;
    if (p != end) {
        if (*p != '\n')
            return false;
        ++p;
    }
    return true;
}

// Appends the lines between p and end to list; false when one does not parse
// or the list would grow beyond `expected` lines.
bool parseLines(const char* p, const char* end, RankList& list, std::size_t expected)
{
    while (p != end) {
        if (list.size() == expected)
            return false;
        RankLine line{};
        if (!parseLine(p, end, line))
            return false;
        list.push_back(line);
    }
    return true;
}

} // namespace

std::filesystem::path rankListFilePath(const std::filesystem::path& dataDir, ListId id)
{
    return dataDir / (std::to_string(fileNumber(id)) + "_file.txt");
}

std::size_t expectedLineCount(ListId id)
{
    return kLineCounts[static_cast<std::size_t>(id)];
}

std::string rankListFileText(const RankList& list)
{
    std::string out(list.size() * kMaxLineLength, '\0');
    char* end = out.data();
    for (const RankLine& line : list)
        end = formatLine(end, line);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

bool writeRankListFile(const std::filesystem::path& file, const RankList& list)
{
    std::filesystem::path temp = file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        std::vector<char> buffer(kChunk + kMaxLineLength);
        char* end = buffer.data();
        for (std::size_t i = 0; i < list.size() && out; ++i) {
            end = formatLine(end, list[i]);
            if (static_cast<std::size_t>(end - buffer.data()) >= kChunk) {
                out.write(buffer.data(), end - buffer.data());
                end = buffer.data();
            }
        }
        if (out)
            out.write(buffer.data(), end - buffer.data());
        if (out)
            out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

std::optional<RankList> parseRankListText(std::string_view text, ListId id)
{
    const std::size_t expected = expectedLineCount(id);
    RankList list;
    list.reserve(expected);
    if (!parseLines(text.data(), text.data() + text.size(), list, expected) || list.size() != expected)
        return std::nullopt;
    return list;
}

std::optional<RankList> readRankListFile(const std::filesystem::path& file, ListId id)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::size_t expected = expectedLineCount(id);
    RankList list;
    list.reserve(expected);
    // Read in pieces; a line cut by the end of a piece waits for the next one.
    std::vector<char> buffer(kChunk);
    std::size_t kept = 0;
    for (;;) {
        in.read(buffer.data() + kept, static_cast<std::streamsize>(kChunk - kept));
        if (in.bad())
            return std::nullopt;
        const std::size_t have = kept + static_cast<std::size_t>(in.gcount());
        const bool last = have < kChunk;
        const char* begin = buffer.data();
        const char* stop = begin + have;
        if (!last) {
            const auto newline = std::string_view(begin, have).rfind('\n');
            if (newline == std::string_view::npos)
                return std::nullopt; // no line is that long
            stop = begin + newline + 1;
        }
        if (!parseLines(begin, stop, list, expected))
            return std::nullopt;
        if (last)
            break;
        kept = have - static_cast<std::size_t>(stop - begin);
        std::memmove(buffer.data(), stop, kept);
    }
    if (list.size() != expected)
        return std::nullopt;
    return list;
}

std::string missingFileMessage(ListId id)
{
    std::string text = "Das Datenfile " + std::to_string(fileNumber(id))
        + "_file.txt konnte nicht gefunden werden. Es wird neu angelegt.";
    if (id == ListId::OnePair)
        text += " Diese Aktion dauert eine kleine Weile, es müssen über eine Million Datensätze erzeugt werden.";
    return text;
}

std::string writeFailedMessage(ListId id)
{
    return "Das Datenfile " + std::to_string(fileNumber(id))
        + "_file.txt konnte nicht geschrieben werden. Die Kombinationsdaten werden nur im Speicher gehalten.";
}

RankTables loadOrGenerateRankTables(const std::filesystem::path& dataDir, const StatusFn& status,
                                    int& writeFailures)
{
    writeFailures = 0;
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec); // a failure shows up when writing
    RankLists lists;
    for (int n = 0; n < kListCount; ++n) {
        const auto id = static_cast<ListId>(n);
        const auto file = rankListFilePath(dataDir, id);
        if (auto loaded = readRankListFile(file, id)) {
            lists[static_cast<std::size_t>(n)] = std::move(*loaded);
            continue;
        }
        // A damaged file is treated like a missing one.
        if (status)
            status(missingFileMessage(id));
        lists[static_cast<std::size_t>(n)] = generateRankList(id);
        if (!writeRankListFile(file, lists[static_cast<std::size_t>(n)])) {
            ++writeFailures;
            if (status)
                status(writeFailedMessage(id));
        }
    }
    return RankTables::fromLists(std::move(lists));
}

RankTables loadOrGenerateRankTables(const std::filesystem::path& dataDir, const StatusFn& status)
{
    int writeFailures = 0;
    return loadOrGenerateRankTables(dataDir, status, writeFailures);
}

int writeRankListFiles(const std::filesystem::path& dataDir, const RankLists& lists, const StatusFn& status)
{
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec);
    int failures = 0;
    for (int n = 0; n < kListCount; ++n) {
        const auto id = static_cast<ListId>(n);
        if (!writeRankListFile(rankListFilePath(dataDir, id), lists[static_cast<std::size_t>(n)])) {
            ++failures;
            if (status)
                status(writeFailedMessage(id));
        }
    }
    return failures;
}

} // namespace tallyhand
