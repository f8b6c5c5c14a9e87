#include "history/GameTableBuilder.h"

#include "history/HandHistoryText.h"

#include <algorithm>

namespace tallyhand {
namespace {

constexpr std::string_view kDealtTo = "Dealt to ";
constexpr std::string_view kBoard = "Board [";

std::string cardAt(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return {};
    return std::string(text.substr(pos, 2));
}

// A header that a control character (a NUL, say) keeps from being one: the
// game is named among the skipped ones instead of running into the game before.
bool isDamagedHeader(std::string_view line)
{
    if (line.find("PokerStars") == std::string_view::npos && line.find("Game #") == std::string_view::npos &&
        line.find("Hand #") == std::string_view::npos)
        return false;
    std::string clean;
    for (char c : line)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            clean += c;
    return clean.size() != line.size() && isHeaderLine(clean);
}

std::string holeKey(const std::string& a, const std::string& b)
{
    return a < b ? a + '\n' + b : b + '\n' + a;
}

// One of the two block extractors: a block opens at a line holding the start
// marker and closes at an empty line, at a line holding the end marker, at
// the next header line or at the end of the file.
class BlockCutter {
public:
    BlockCutter(std::string_view start, std::string_view end, AGame& table,
                std::unordered_map<std::int64_t, std::size_t>& held)
        : m_start(start), m_end(end), m_table(table), m_held(held)
    {
    }

    void line(std::string_view text, bool valid, std::int64_t gameNo, std::int64_t tourNo)
    {
        if (text.find(m_start) != std::string_view::npos)
            m_open = true;
        if (m_open && (trimControl(text).empty() || text.find(m_end) != std::string_view::npos)) {
            close(valid, gameNo, tourNo);
            return;
        }
        if (m_open)
            m_block.push_back(text);
    }

    void close(bool valid, std::int64_t gameNo, std::int64_t tourNo)
    {
        if (m_open && valid) {
            const auto [at, added] = m_held.emplace(gameNo, m_table.size());
            if (added) {
                Tgame game;
                game.game_no = gameNo;
                game.tour_no = tourNo;
                game.lines.assign(m_block.begin(), m_block.end());
                m_table.push_back(std::move(game));
            } else {
                extend(m_table[at->second].lines);
            }
        }
        m_open = false;
        m_block.clear();
    }



private:
    void extend(LineList& stored) const
    {
        if (completesBlock(stored, m_block))
            stored.assign(m_block.begin(), m_block.end());
    }

    std::string_view m_start;
    std::string_view m_end;
    AGame& m_table;
    std::unordered_map<std::int64_t, std::size_t>& m_held;
    bool m_open = false;
    std::vector<std::string_view> m_block;
};

} // namespace

GameTableBuilder::GameTableBuilder(GameTables start) : m_tables(std::move(start))
{
    indexTables();
}

void GameTableBuilder::indexTables()
{
    for (std::size_t i = 0; i < m_tables.hole_cards.size(); ++i) {
        const Tcardcount& entry = m_tables.hole_cards[i];
        m_holeIndex.emplace(holeKey(entry.card1, entry.card2), i);
        for (const Tgame& ref : entry.game_refs)
            m_holeGames.emplace(i, ref.game_no);
    }
    for (std::size_t i = 0; i < m_tables.boards.size(); ++i)
        m_boardGames.emplace(m_tables.boards[i].game.game_no, i);
    for (std::size_t i = 0; i < m_tables.summaries.size(); ++i)
        m_summaryGames.emplace(m_tables.summaries[i].game_no, i);
    for (std::size_t i = 0; i < m_tables.game_records.size(); ++i)
        m_blockGames.emplace(m_tables.game_records[i].game_no, i);
}

void GameTableBuilder::addFile(std::string_view fileName, const std::vector<std::string_view>& lines,
                               const std::string& userName)
{
    // Lines before the first header belong to no game.
    m_game = CurrentGame{};
    BlockCutter summaries("*** SUMMARY ***", "***********", m_tables.summaries, m_summaryGames);
    BlockCutter blocks("Seat", "*** SUMMERY ***", m_tables.game_records, m_blockGames);
    const std::string dealtToUser = std::string(kDealtTo) + userName;

    std::size_t gamesRead = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const bool header = isHeaderLine(line);
        if (header || isDamagedHeader(line)) {
            // An open block belongs to the game before this header.
            summaries.close(m_game.valid, m_game.game_no, m_game.tour_no);
            blocks.close(m_game.valid, m_game.game_no, m_game.tour_no);
            ++m_headersSeen;
            HeaderResult parsed = header ? parseHeaderLine(line) : HeaderResult{{}, "Steuerzeichen in der Kopfzeile"};
            m_game = CurrentGame{};
            if (!parsed.info) {
                m_skipped.push_back({std::string(fileName), i + 1, std::move(parsed.error)});
                continue;
            }
            ++gamesRead;
            m_game.valid = true;
            m_game.game_no = parsed.info->game_no;
            m_game.tour_no = parsed.info->tour_no;
            m_game.header = std::move(parsed.info->header);
            if (i + 1 < lines.size())
                m_game.table_name = parseTableName(lines[i + 1]);
            continue;
        }
        if (m_game.valid) {
            const std::size_t dealt = line.find(dealtToUser);
            if (dealt != std::string_view::npos)
                fileHoleCards(line, dealt + dealtToUser.size());
            if (line.find(kBoard) != std::string_view::npos)
                fileBoard(line);
        }
        summaries.line(line, m_game.valid, m_game.game_no, m_game.tour_no);
        blocks.line(line, m_game.valid, m_game.game_no, m_game.tour_no);
    }
    summaries.close(m_game.valid, m_game.game_no, m_game.tour_no);
    blocks.close(m_game.valid, m_game.game_no, m_game.tour_no);
    if (gamesRead == 0)
        m_filesWithoutGames.emplace_back(fileName);
}

void GameTableBuilder::fileBoard(std::string_view line)
{
    std::string_view text = line.substr(line.find('[') + 1);
    text = text.substr(0, text.find(']'));
    TBoard board;
    board.cards[0] = cardAt(text, 0);
    board.cards[1] = cardAt(text, 3);
    board.cards[2] = cardAt(text, 6);
    if (text.size() >= 11)
        board.cards[3] = cardAt(text, 9);
    if (text.size() >= 14)
        board.cards[4] = cardAt(text, 12);
    board.game.game_no = m_game.game_no;
    board.game.tour_no = m_game.tour_no;
    const auto [at, added] = m_boardGames.emplace(m_game.game_no, m_tables.boards.size());
    if (added) {
        m_tables.boards.push_back(std::move(board));
        return;
    }
    TBoard& stored = m_tables.boards[at->second];
    if (completesBoard(stored.cards, board.cards))
        stored.cards = board.cards;
}

bool completesBoard(const std::array<std::string, 5>& stored, const std::array<std::string, 5>& now)
{
    // A board line cut short: every stored card stands where the complete
    // line has it, and the complete line has more.
    const auto dealt = [](const std::array<std::string, 5>& cards) {
        return std::count_if(cards.begin(), cards.end(), [](const std::string& c) { return c.size() == 2; });
    };
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (now[i].compare(0, stored[i].size(), stored[i]) != 0)
            return false;
    return dealt(now) > dealt(stored);
}

void GameTableBuilder::fileHoleCards(std::string_view line, std::size_t nameEnd)
{
    // The cards are read after the user's name, so a name holding "[" is no trouble.
    const std::size_t bracket = line.find('[', nameEnd);
    const std::string_view text = bracket == std::string_view::npos ? std::string_view{} : line.substr(bracket + 1);
    const std::size_t close = text.find(']');
    if (close != std::string_view::npos && close > 5)
        return; // more than two hole cards: not a Hold'em holding
    std::string card1 = cardAt(text, 0);
    std::string card2 = cardAt(text, 3);

    Tgame ref;
    ref.game_no = m_game.game_no;
    ref.tour_no = m_game.tour_no;
    ref.table_name = m_game.table_name;
    ref.header = m_game.header;

    auto [it, added] = m_holeIndex.emplace(holeKey(card1, card2), m_tables.hole_cards.size());
    if (!added) {
        if (!m_holeGames.emplace(it->second, m_game.game_no).second)
            return;
        Tcardcount& entry = m_tables.hole_cards[it->second];
        ++entry.count;
        entry.game_refs.push_back(std::move(ref));
        return;
    }
    Tcardcount entry;
    entry.suited = card1.size() >= 2 && card2.size() >= 2 && card1[1] == card2[1];
    entry.card1 = std::move(card1);
    entry.card2 = std::move(card2);
    entry.count = 1;
    m_holeGames.emplace(it->second, m_game.game_no);
    entry.game_refs.push_back(std::move(ref));
    m_tables.hole_cards.push_back(std::move(entry));
}

} // namespace tallyhand
