#include "history/DatabaseFiles.h"

#include "history/HandHistoryText.h"

#include <algorithm>

namespace tallyhand {
namespace {

// Walks a file's lines (LF ended, a CR before the LF dropped) and fails with
// the file's name when a value is missing or not a number.
class LineReader {
public:
    LineReader(std::filesystem::path file) : m_file(std::move(file)), m_mapped(m_file), m_bytes(m_mapped.bytes()) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    std::string_view text()
    {
        if (atEnd())
            fail("die Datei endet zu früh");
        ++m_line;
        std::size_t end = m_bytes.find('\n', m_pos);
        if (end == std::string_view::npos)
            end = m_bytes.size();
        std::string_view line(m_bytes.data() + m_pos, end - m_pos);
        m_pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    std::int64_t int64()
    {
        const std::string_view line = text();
        const auto value = parseInt64(line);
        if (!value)
            fail("\"" + std::string(line) + "\" ist keine Zahl");
        return *value;
    }

    std::int32_t int32()
    {
        const std::string_view line = text();
        const auto value = parseInt32(line);
        if (!value)
            fail("\"" + std::string(line) + "\" ist keine Zahl");
        return *value;
    }

    // A count of entries that follow; each takes at least `linesEach` lines,
    // so a count the rest of the file cannot hold fails before any allocation.
    std::size_t count(std::size_t linesEach)
    {
        const std::int32_t n = int32();
        if (n < 0)
            fail("negative Anzahl");
        const std::size_t rest = m_bytes.size() - std::min(m_pos, m_bytes.size());
        if (linesEach > 0 && static_cast<std::size_t>(n) > rest / linesEach + 1)
            fail("die Datei endet zu früh");
        return static_cast<std::size_t>(n);
    }

    [[noreturn]] void fail(const std::string& why) const
    {
        throw DatabaseError("Die Datei " + pathText(m_file) + " ist beschädigt (Zeile " + std::to_string(m_line)
                            + "): " + why);
    }

private:
    std::filesystem::path m_file;
    MappedFile m_mapped;
    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_line = 0;
};

} // namespace

void writeHoleEntry(BufferedFileWriter& out, const Tcardcount& entry)
{
    out.line(entry.card1);
    out.line(entry.card2);
    out.line(entry.suited ? "suited" : "offsuit");
    out.line(entry.count);
    out.line(static_cast<std::int64_t>(entry.game_refs.size()));
    for (const Tgame& ref : entry.game_refs) {
        out.line(ref.game_no);
        out.line(ref.tour_no);
        out.line(ref.table_name);
        out.line(ref.header);
    }
}

void writeBoard(BufferedFileWriter& out, const TBoard& board)
{
    out.line(board.game.game_no);
    out.line(board.game.tour_no);
    for (const std::string& card : board.cards)
        out.line(card);
}

void writeGameBlock(BufferedFileWriter& out, const Tgame& game)
{
    out.line(game.game_no);
    out.line(game.tour_no);
    out.line(static_cast<std::int64_t>(game.lines.size()));
    for (std::string_view line : game.lines)
        out.line(line);
}

void saveHoleCards(const std::filesystem::path& file, const ACardcount& table, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    out.line(kHoleCardsVersion);
    out.line(static_cast<std::int64_t>(table.size()));
    for (const Tcardcount& entry : table)
        writeHoleEntry(out, entry);
    out.commit();
}

void saveBoards(const std::filesystem::path& file, const ABoard& table, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    out.line(static_cast<std::int64_t>(table.size()));
    for (const TBoard& board : table)
        writeBoard(out, board);
    out.commit();
}

void saveGameBlocks(const std::filesystem::path& file, const AGame& table, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    out.line(static_cast<std::int64_t>(table.size()));
    for (const Tgame& game : table)
        writeGameBlock(out, game);
    out.commit();
}

void saveFileNames(const std::filesystem::path& file, const std::vector<std::string>& names, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    for (const std::string& name : names)
        out.line(name);
    out.commit();
}

ACardcount loadHoleCards(const std::filesystem::path& file)
{
    LineReader in(file);
    if (in.atEnd() || in.text() != kHoleCardsVersion)
        in.fail("keine Datei der Version VERSION2");
    ACardcount table(in.count(5));
    for (Tcardcount& entry : table) {
        entry.card1 = in.text();
        entry.card2 = in.text();
        entry.suited = in.text() == "suited";
        entry.count = in.int32();
        entry.game_refs.resize(in.count(4));
        for (Tgame& ref : entry.game_refs) {
            ref.game_no = in.int64();
            ref.tour_no = in.int64();
            ref.table_name = in.text();
            ref.header = in.text();
        }
    }
    return table;
}

ABoard loadBoards(const std::filesystem::path& file)
{
    LineReader in(file);
    ABoard table(in.count(7));
    for (TBoard& board : table) {
        board.game.game_no = in.int64();
        board.game.tour_no = in.int64();
        for (std::string& card : board.cards)
            card = in.text();
    }
    return table;
}

AGame loadGameBlocks(const std::filesystem::path& file)
{
    LineReader in(file);
    AGame table(in.count(3));
    std::vector<std::string_view> block;
    for (Tgame& game : table) {
        game.game_no = in.int64();
        game.tour_no = in.int64();
        const std::size_t count = in.count(1);
        block.clear();
        for (std::size_t i = 0; i < count; ++i)
            block.push_back(in.text());
        game.lines.assign(block.begin(), block.end());
    }
    return table;
}

std::vector<std::string> loadFileNames(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return {};
    LineReader in(file);
    std::vector<std::string> names;
    while (!in.atEnd())
        names.emplace_back(in.text());
    return names;
}

std::vector<FileStamp> loadFileStamps(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return {};
    LineReader in(file);
    std::vector<FileStamp> stamps;
    while (!in.atEnd()) {
        const std::string_view line = in.text();
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            in.fail("Zeile ohne Größe und Zeit");
        const auto size = parseInt64(line.substr(0, tab1));
        const auto mtime = parseInt64(line.substr(tab1 + 1, tab2 - tab1 - 1));
        if (!size || *size < 0 || !mtime)
            in.fail("Größe oder Zeit ist keine Zahl");
        stamps.push_back({std::string(line.substr(tab2 + 1)), static_cast<std::uintmax_t>(*size), *mtime});
    }
    return stamps;
}

} // namespace tallyhand
