#include "cards/RankTableFiles.h"

#include "cards/CardText.h"

#include <array>
#include <charconv>
#include <fstream>
#include <system_error>

namespace tallyhand {
namespace {

constexpr std::array<std::size_t, kListCount> kLineCounts{4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240};

int fileNumber(ListId id) { return static_cast<int>(id) + 1; }

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

// Reads one card text at p, advancing p; nullopt when there is none.
std::optional<Card> parseCard(const char*& p, const char* end)
{
    if (p == end)
        return std::nullopt;
    const int rank = rankValueOfChar(*p);
    if (rank == 0)
        return std::nullopt;
    ++p;
    const auto rest = static_cast<std::size_t>(end - p);
    const std::string_view tail(p, rest);
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

std::optional<std::string> readWholeFile(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size))
        return std::nullopt;
    return text;
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
    const auto& texts = cardTexts();
    std::string out;
    out.reserve(list.size() * 40);
    std::array<char, 8> number{};
    for (const RankLine& line : list) {
        const auto [end, ec] = std::to_chars(number.data(), number.data() + number.size(), line.rank);
        (void)ec;
        out.append(number.data(), end);
        out += ' ';
        for (std::size_t i = 0; i < 5; ++i) {
            if (i > 0)
                out += ',';
            out += texts[line.cards[i]];
        }
        out += "\r\n";
    }
    return out;
}

bool writeRankListFile(const std::filesystem::path& file, const RankList& list)
{
    const std::string text = rankListFileText(list);
    std::filesystem::path temp = file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
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
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end) {
        if (list.size() == expected)
            return std::nullopt;
        RankLine line{};
        if (!parseLine(p, end, line))
            return std::nullopt;
        list.push_back(line);
    }
    if (list.size() != expected)
        return std::nullopt;
    return list;
}

std::optional<RankList> readRankListFile(const std::filesystem::path& file, ListId id)
{
    const auto text = readWholeFile(file);
    if (!text)
        return std::nullopt;
    return parseRankListText(*text, id);
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
