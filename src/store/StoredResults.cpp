#include "store/StoredResults.h"

#include "history/GameFacts.h"
#include "history/GameResultReader.h"
#include "store/BlockCodec.h"
#include "store/GameStore.h"

#include <algorithm>
#include <unordered_map>

namespace tallyhand {
namespace {

// Bits of game_results.flags.
enum Flag : std::int64_t {
    Vpip = 1 << 0,
    Pfr = 1 << 1,
    ThreeBet = 1 << 2,
    ThreeBetChance = 1 << 3,
    SawFlop = 1 << 4,
    Showdown = 1 << 5,
    WonShowdown = 1 << 6,
    Balanced = 1 << 7,
};

std::int64_t flagsOf(const GameResult& r)
{
    return (r.vpip ? Vpip : 0) | (r.pfr ? Pfr : 0) | (r.threeBet ? ThreeBet : 0) |
           (r.threeBetChance ? ThreeBetChance : 0) | (r.sawFlop ? SawFlop : 0) | (r.showdown ? Showdown : 0) |
           (r.wonShowdown ? WonShowdown : 0) | (r.balanced ? Balanced : 0);
}

} // namespace

namespace {

// What the statistics read of a block, with no result.
PreparedGame factsOnly(const LineList& block, std::string_view user)
{
    PreparedGame prepared;
    const GameFacts facts = readGameFacts(block, user);
    prepared.chips = facts.chips;
    prepared.tally = packTally(facts.tally);
    return prepared;
}

} // namespace

PreparedGame prepareGame(std::int64_t game, std::int64_t tour, std::string_view headerText, const LineList& block,
                         std::string_view user)
{
    PreparedGame prepared = factsOnly(block, user);
    // The stored block starts after the header line; the reference keeps its text.
    std::string header = "PokerStars Hand #" + std::to_string(game) + ": ";
    if (tour != 0)
        header += "Tournament #" + std::to_string(tour) + ", ";
    header += headerText;
    std::vector<std::string_view> lines;
    lines.reserve(block.size() + 1);
    lines.push_back(header);
    lines.insert(lines.end(), block.begin(), block.end());
    prepared.result = readGameResult(lines, user);
    return prepared;
}

namespace {

// The statements of one round of computing, prepared once.
class ResultWriter {
public:
    explicit ResultWriter(GameStore& store)
        : m_firstRef(store.db(), "SELECT tour_no, header FROM hole_refs WHERE game_no = ? ORDER BY entry, id LIMIT 1"),
          m_firstBlock(store.db(), "SELECT line_count, lines FROM game_records WHERE game_no = ? ORDER BY id LIMIT 1"),
          m_dropResult(store.db(), "DELETE FROM game_results WHERE game_no = ?"),
          m_dropUnreadable(store.db(), "DELETE FROM unreadable_results WHERE game_no = ?"),
          m_addResult(store.db(), "INSERT INTO game_results(game_no, tour_no, time, unit, big_blind, players, position,"
                                  " invested, collected, rake, bounty, allin_street, bets_raises, calls, flags)"
                                  " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          m_addUnreadable(store.db(), "INSERT INTO unreadable_results(game_no, file, line, reason) VALUES(?, ?, ?, ?)"),
          m_dropFacts(store.db(), "DELETE FROM game_facts WHERE game_no = ?"),
          m_addFacts(store.db(), "INSERT INTO game_facts(game_no, chips, tally) VALUES(?, ?, ?)")
    {
    }

    // From what the store holds for the game.
    void store(std::int64_t game, std::string_view user, std::string_view file, ResultsTally& tally)
    {
        drop(game);
        m_firstBlock.reset().bind(1, game);
        if (!m_firstBlock.step())
            return;
        const LineList block =
            unpackLines(m_firstBlock.bytes(1), static_cast<std::size_t>(m_firstBlock.int64(0)));
        m_firstRef.reset().bind(1, game);
        if (m_firstRef.step()) {
            write(game, prepareGame(game, m_firstRef.int64(0), m_firstRef.bytes(1), block, user), file, tally);
            return;
        }
        // Every game with a block has its facts, dealt in or not: the
        // statistics count any game whose lines name the user.
        write(game, factsOnly(block, user), file, tally);
    }

    // What was worked out for a game the store did not hold before from the
    // rows its file brought: they are what the store holds now.
    void write(std::int64_t game, const PreparedGame& prepared, std::string_view file, ResultsTally& tally)
    {
        m_addFacts.reset().bind(1, game);
        if (prepared.chips)
            m_addFacts.bind(2, *prepared.chips);
        m_addFacts.bind(3, prepared.tally).run();

        const GameResultRead& read = prepared.result;
        if (read.status == GameResultRead::Status::NotDealtIn)
            return;
        if (read.status == GameResultRead::Status::Unreadable) {
            m_addUnreadable.reset()
                .bind(1, game)
                .bind(2, file)
                .bind(3, static_cast<std::int64_t>(read.line))
                .bind(4, read.reason)
                .run();
            tally.unreadable.push_back({game, read.line, read.reason});
            return;
        }
        const GameResult& r = read.result;
        tally.unbalanced += !r.balanced;
        m_addResult.reset()
            .bind(1, r.game)
            .bind(2, r.tournament)
            .bind(3, r.time)
            .bind(4, static_cast<std::int64_t>(r.unit))
            .bind(5, r.bigBlind)
            .bind(6, std::int64_t{r.players})
            .bind(7, static_cast<std::int64_t>(r.position))
            .bind(8, r.invested)
            .bind(9, r.collected)
            .bind(10, r.rake)
            .bind(11, r.bounty)
            .bind(12, static_cast<std::int64_t>(r.allinStreet))
            .bind(13, std::int64_t{r.betsRaises})
            .bind(14, std::int64_t{r.calls})
            .bind(15, flagsOf(r))
            .run();
    }

private:
    void drop(std::int64_t game)
    {
        m_dropResult.reset().bind(1, game).run();
        m_dropUnreadable.reset().bind(1, game).run();
        m_dropFacts.reset().bind(1, game).run();
    }

    Statement m_firstRef, m_firstBlock, m_dropResult, m_dropUnreadable, m_addResult, m_addUnreadable, m_dropFacts,
        m_addFacts;
};

GameResult resultRow(const Statement& row)
{
    GameResult r;
    r.game = row.int64(0);
    r.tournament = row.int64(1);
    r.time = row.int64(2);
    r.unit = static_cast<MoneyUnit>(row.int64(3));
    r.bigBlind = row.int64(4);
    r.players = static_cast<std::uint8_t>(row.int64(5));
    r.position = static_cast<Position>(row.int64(6));
    r.invested = row.int64(7);
    r.collected = row.int64(8);
    r.net = r.collected - r.invested;
    r.rake = row.int64(9);
    r.bounty = row.int64(10);
    r.allinStreet = static_cast<BettingStreet>(row.int64(11));
    r.betsRaises = static_cast<std::uint8_t>(row.int64(12));
    r.calls = static_cast<std::uint8_t>(row.int64(13));
    const std::int64_t flags = row.int64(14);
    r.vpip = flags & Vpip;
    r.pfr = flags & Pfr;
    r.threeBet = flags & ThreeBet;
    r.threeBetChance = flags & ThreeBetChance;
    r.sawFlop = flags & SawFlop;
    r.showdown = flags & Showdown;
    r.wonShowdown = flags & WonShowdown;
    r.balanced = flags & Balanced;
    return r;
}

void setResultsUser(GameStore& store, std::string_view user)
{
    Statement set(store.db(), "INSERT OR REPLACE INTO results_user(id, name) VALUES(1, ?)");
    set.bind(1, user).run();
}

} // namespace

void storeResultsOf(GameStore& store, const std::vector<std::int64_t>& games, std::string_view user,
                    std::string_view file, ResultsTally& tally)
{
    ResultWriter writer(store);
    for (const std::int64_t game : games)
        writer.store(game, user, file, tally);
}

HeldGames HeldGames::of(GameStore& store, const GameTables& fileTables)
{
    HeldGames before;
    for (const std::int64_t game : gamesOfTables(fileTables))
        if (store.mayHold(game))
            before.held.insert(game);
    return before;
}

namespace {

// Per game number the file's only reference and block, or null when it has several.
struct FileRows {
    const Tgame* ref = nullptr;
    const Tgame* block = nullptr;
    bool several = false;
};
std::unordered_map<std::int64_t, FileRows> rowsOfFile(const GameTables& fileTables)
{
    std::unordered_map<std::int64_t, FileRows> rows;
    for (const Tcardcount& entry : fileTables.hole_cards)
        for (const Tgame& ref : entry.game_refs) {
            FileRows& r = rows[ref.game_no];
            r.several |= r.ref != nullptr;
            r.ref = &ref;
        }
    for (const Tgame& block : fileTables.game_records) {
        FileRows& r = rows[block.game_no];
        r.several |= r.block != nullptr;
        r.block = &block;
    }
    return rows;
}

} // namespace

PreparedResults prepareResultsOfFile(const GameTables& fileTables, std::string_view user)
{
    PreparedResults prepared;
    for (const auto& [game, r] : rowsOfFile(fileTables))
        if (!r.several && r.ref && r.block)
            prepared.emplace(game, prepareGame(game, r.ref->tour_no, r.ref->header, r.block->lines, user));
    return prepared;
}

void storeResultsOfFile(GameStore& store, const GameTables& fileTables, const HeldGames& before,
                        std::string_view user, std::string_view file, ResultsTally& tally,
                        const PreparedResults& prepared)
{
    ResultWriter writer(store);
    for (const std::int64_t game : gamesOfTables(fileTables)) {
        const auto ready = prepared.find(game);
        if (before.isNew(game) && ready != prepared.end())
            writer.write(game, ready->second, file, tally);
        else
            writer.store(game, user, file, tally);
    }
}

std::vector<std::int64_t> gamesOfTables(const GameTables& tables)
{
    std::vector<std::int64_t> games;
    for (const Tcardcount& entry : tables.hole_cards)
        for (const Tgame& ref : entry.game_refs)
            games.push_back(ref.game_no);
    for (const Tgame& block : tables.game_records)
        games.push_back(block.game_no);
    std::sort(games.begin(), games.end());
    games.erase(std::unique(games.begin(), games.end()), games.end());
    return games;
}

std::string resultsUser(GameStore& store)
{
    Statement query(store.db(), "SELECT name FROM results_user WHERE id = 1");
    return query.step() ? query.text(0) : std::string();
}

bool bringResultsUpToDate(GameStore& store, std::string_view user)
{
    // Without a screen name there is nobody to compute results for.
    if (user.empty() || resultsUser(store) == user)
        return false;
    Transaction transaction(store.db());
    // Another process may have done it meanwhile.
    if (resultsUser(store) == user)
        return false;
    store.db().exec("DELETE FROM game_results; DELETE FROM unreadable_results; DELETE FROM game_facts");
    std::vector<std::int64_t> games;
    {
        Statement rows(store.db(), "SELECT DISTINCT game_no FROM game_records ORDER BY game_no");
        while (rows.step())
            games.push_back(rows.int64(0));
    }
    ResultsTally tally;
    storeResultsOf(store, games, user, {}, tally);
    setResultsUser(store, user);
    transaction.commit();
    return true;
}

std::vector<GameResult> loadStoredResults(GameStore& store, const std::atomic<bool>* stop)
{
    std::vector<GameResult> games;
    {
        Statement count(store.db(), "SELECT COUNT(*) FROM game_results");
        if (count.step())
            games.reserve(static_cast<std::size_t>(count.int64(0)));
    }
    Statement rows(store.db(), "SELECT game_no, tour_no, time, unit, big_blind, players, position, invested, collected,"
                               " rake, bounty, allin_street, bets_raises, calls, flags FROM game_results");
    while (rows.step()) {
        if (stop && (games.size() & 0xFFFF) == 0 && stop->load(std::memory_order_relaxed))
            break;
        games.push_back(resultRow(rows));
    }
    return games;
}

std::vector<UnreadableResult> loadUnreadableResults(GameStore& store)
{
    std::vector<UnreadableResult> games;
    Statement rows(store.db(), "SELECT u.game_no, u.line, u.reason FROM unreadable_results u ORDER BY"
                               " (SELECT MIN(entry * 4294967296 + id) FROM hole_refs r WHERE r.game_no = u.game_no)");
    while (rows.step())
        games.push_back({rows.int64(0), static_cast<std::size_t>(rows.int64(1)), rows.text(2)});
    return games;
}

} // namespace tallyhand
