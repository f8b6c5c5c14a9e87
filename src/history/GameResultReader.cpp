#include "history/GameResultReader.h"

#include "history/HandHistoryText.h"
#include "history/MoneyAmount.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace tallyhand {

namespace {

struct Failure {
    std::size_t line;
    std::string reason;
};

struct Player {
    std::string_view name;
    int seat = 0;
    bool markedOut = false; // "is sitting out" / "out of hand" on its seat line
    bool acted = false;     // posted or made a move
    bool folded = false;
    std::int64_t invested = 0;
    std::int64_t fromPots = 0;
    std::int64_t cashOut = 0;
    std::int64_t live = 0; // live chips in on the current street
};

struct HeaderFacts {
    MoneyUnit unit = MoneyUnit::Chips;
    std::int64_t bigBlind = 0;
    std::int64_t time = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the unsigned decimal at pos, moving pos past it.
std::optional<int> readNumber(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && isDigit(text[pos]) && pos - start < 6)
        value = value * 10 + (text[pos++] - '0');
    if (pos == start)
        return std::nullopt;
    return value;
}

// "YYYY/MM/DD H:MM:SS" at the start of text; old files put " - " between
// the date and the time.
std::optional<std::int64_t> readTime(std::string_view text)
{
    std::size_t pos = 0;
    const auto field = [&](std::string_view after) -> std::optional<int> {
        const auto value = readNumber(text, pos);
        if (!value || !text.substr(pos).starts_with(after))
            return std::nullopt;
        pos += after.size();
        return value;
    };
    const auto year = field("/");
    const auto month = year ? field("/") : std::nullopt;
    const auto day = month ? field(" ") : std::nullopt;
    if (day && text.substr(pos).starts_with("- "))
        pos += 2;
    const auto hour = day ? field(":") : std::nullopt;
    const auto minute = hour ? field(":") : std::nullopt;
    const auto second = minute ? field("") : std::nullopt;
    if (!second || *month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 60)
        return std::nullopt;
    return civilSeconds(*year, *month, *day, *hour, *minute, *second);
}

// The card room's own time: the bracketed "[… ET]" when there is one, else
// the first date after a " - ".
std::optional<std::int64_t> headerTime(std::string_view header)
{
    const std::size_t bracket = header.rfind('[');
    if (bracket != std::string_view::npos)
        if (auto time = readTime(header.substr(bracket + 1)))
            return time;
    for (std::size_t dash = header.find(" - "); dash != std::string_view::npos; dash = header.find(" - ", dash + 1))
        if (auto time = readTime(header.substr(dash + 3)))
            return time;
    return std::nullopt;
}

std::optional<Failure> readHeader(std::string_view header, bool tournament, HeaderFacts& facts)
{
    // The stakes: "(sb/bb CODE)" of a cash game, "Level … (sb/bb)" of a tournament.
    std::size_t from = 0;
    if (tournament) {
        const std::size_t level = header.find("Level ");
        from = level == std::string_view::npos ? 0 : level;
    }
    std::size_t open = header.find('(', from);
    while (open != std::string_view::npos) {
        const std::size_t close = header.find(')', open);
        if (close == std::string_view::npos)
            break;
        if (header.substr(open, close - open).find('/') != std::string_view::npos)
            break;
        open = header.find('(', close);
    }
    if (open == std::string_view::npos || header.find(')', open) == std::string_view::npos)
        return Failure{1, "Einsätze (sb/bb) fehlen in der Kopfzeile"};
    const std::string_view stakes = header.substr(open + 1, header.find(')', open) - open - 1);
    const std::size_t slash = stakes.find('/');
    std::string_view bigText = stakes.substr(slash + 1);

    if (tournament) {
        facts.unit = MoneyUnit::Chips;
    } else {
        MoneyUnit bySign;
        const bool signed_ = unitOfSign(bigText, bySign);
        const std::size_t blank = bigText.rfind(' ');
        std::string_view code = blank == std::string_view::npos ? std::string_view() : bigText.substr(blank + 1);
        MoneyUnit byCode;
        const bool coded = !code.empty() && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
        if (coded) {
            if (!unitFromName(code, byCode) || byCode == MoneyUnit::Chips || byCode == MoneyUnit::Play)
                return Failure{1, "unbekannte Währung " + std::string(code)};
            if (signed_ && bySign != byCode)
                return Failure{1, "Währungszeichen und Währung passen nicht zusammen"};
            facts.unit = byCode;
        } else if (signed_) {
            facts.unit = bySign;
        } else if (!bigText.empty() && isDigit(bigText.front())) {
            facts.unit = MoneyUnit::Play;
        } else {
            return Failure{1, "unbekanntes Währungszeichen"};
        }
    }
    const AmountRead big = readAmount(bigText, facts.unit);
    if (!big.ok())
        return Failure{1, "Big Blind: " + std::string(big.error)};
    facts.bigBlind = big.value;
    const auto time = headerTime(header);
    if (!time)
        return Failure{1, "Zeit der Kopfzeile nicht lesbar"};
    facts.time = *time;
    return std::nullopt;
}

// "Seat 3: Name ($1.50 in chips) is sitting out": the name is everything up
// to the last " (" before " in chips", since names may hold parentheses.
bool readSeatLine(std::string_view line, Player& player)
{
    if (!line.starts_with("Seat "))
        return false;
    std::size_t pos = 5;
    const auto seat = readNumber(line, pos);
    if (!seat || !line.substr(pos).starts_with(": "))
        return false;
    pos += 2;
    const std::size_t chips = line.find(" in chips", pos);
    if (chips == std::string_view::npos)
        return false;
    const std::size_t open = line.rfind(" (", chips);
    if (open == std::string_view::npos || open < pos)
        return false;
    player.name = line.substr(pos, open - pos);
    player.seat = *seat;
    const std::string_view rest = line.substr(chips);
    player.markedOut = rest.find("is sitting out") != std::string_view::npos ||
                       rest.find("out of hand") != std::string_view::npos;
    return true;
}

// Names the players of a position by how many sit between the big blind and
// the button.
constexpr std::array<std::array<Position, 7>, 8> kMiddle = {{
    {},
    {Position::CO},
    {Position::HJ, Position::CO},
    {Position::UTG, Position::HJ, Position::CO},
    {Position::UTG, Position::LJ, Position::HJ, Position::CO},
    {Position::UTG, Position::UTG1, Position::LJ, Position::HJ, Position::CO},
    {Position::UTG, Position::UTG1, Position::UTG2, Position::LJ, Position::HJ, Position::CO},
    {Position::UTG, Position::UTG1, Position::UTG2, Position::UTG3, Position::LJ, Position::HJ, Position::CO},
}};

Position positionOf(const std::vector<const Player*>& dealt, int buttonSeat, const Player* user)
{
    const std::size_t n = dealt.size();
    if (n < 2 || n > 10)
        return Position::None;
    // Seat order starting after the button seat: the button's player, or
    // whoever sits last before it, comes last.
    std::vector<const Player*> order = dealt;
    std::sort(order.begin(), order.end(), [buttonSeat](const Player* a, const Player* b) {
        const bool aAfter = a->seat > buttonSeat;
        const bool bAfter = b->seat > buttonSeat;
        return aAfter != bAfter ? aAfter : a->seat < b->seat;
    });
    const std::size_t index = static_cast<std::size_t>(std::find(order.begin(), order.end(), user) - order.begin());
    if (index == n - 1)
        return Position::BTN;
    if (n == 2)
        return Position::BB;
    if (index == 0)
        return Position::SB;
    if (index == 1)
        return Position::BB;
    return kMiddle[n - 3][index - 2];
}

class GameReader {
public:
    GameReader(std::span<const std::string_view> lines, std::string_view user) : m_lines(lines), m_user(user) {}

    GameResultRead run()
    {
        GameResultRead read;
        if (!dealtIn())
            return read;
        if (auto failure = readAll()) {
            read.status = GameResultRead::Status::Unreadable;
            read.line = failure->line;
            read.reason = std::move(failure->reason);
            return read;
        }
        read.status = GameResultRead::Status::Ok;
        read.result = m_result;
        return read;
    }

private:
    bool dealtIn() const
    {
        for (std::string_view line : m_lines)
            if (line.starts_with("Dealt to ") && line.substr(9).starts_with(m_user) &&
                line.substr(9 + m_user.size()).starts_with(" ["))
                return true;
        return false;
    }

    Player* playerNamed(std::string_view name)
    {
        for (Player& player : m_players)
            if (player.name == name)
                return &player;
        return nullptr;
    }

    // The player whose name starts the line followed by `after`; the longest
    // name wins, since one name may begin another.
    Player* playerStarting(std::string_view line, std::string_view after)
    {
        Player* best = nullptr;
        for (Player& player : m_players)
            if (line.starts_with(player.name) && line.substr(player.name.size()).starts_with(after) &&
                (!best || player.name.size() > best->name.size()))
                best = &player;
        return best;
    }

    std::optional<Failure> amountAt(std::string_view text, std::size_t line, std::int64_t& value)
    {
        const AmountRead read = readAmount(text, m_header.unit);
        if (!read.ok())
            return Failure{line, std::string(read.error)};
        value = read.value;
        return std::nullopt;
    }

    void putIn(Player& player, std::int64_t amount, bool live)
    {
        player.invested += amount;
        if (live)
            player.live += amount;
        m_streetHadMoney = true;
    }

    void endStreet()
    {
        if (m_streetHadMoney) {
            m_lastBetting.clear();
            for (const Player& player : m_players)
                m_lastBetting.push_back(player.live);
        }
        for (Player& player : m_players)
            player.live = 0;
        m_streetHadMoney = false;
    }

    std::optional<Failure> readAll()
    {
        const HeaderResult header = parseHeaderLine(m_lines.empty() ? std::string_view() : m_lines[0]);
        if (!header.info)
            return Failure{1, header.error.empty() ? "Kopfzeile nicht lesbar" : header.error};
        m_result.game = header.info->game_no;
        m_result.tournament = header.info->tour_no;
        if (auto failure = readHeader(m_lines[0].substr(headerTextStart(m_lines[0])), header.info->tour_no != 0, m_header))
            return failure;
        m_result.unit = m_header.unit;
        m_result.bigBlind = m_header.bigBlind;
        m_result.time = m_header.time;

        m_players.reserve(10);
        BettingStreet street = BettingStreet::None;
        bool holeCards = false;
        bool summary = false;
        bool totalPot = false;
        bool showDown = false;
        bool uncalledLine = false;
        bool smallBlindPosted = false;
        int raisesPreflop = 0;
        int buttonSeat = 0;
        bool userSeen = false; // the user's "Dealt to" line has come
        std::int64_t deductions = 0; // rake and what else the summary takes from the pot

        for (std::size_t i = 1; i < m_lines.size(); ++i) {
            const std::string_view line = m_lines[i];
            const std::size_t lineNo = i + 1;
            if (summary) {
                if (!totalPot && line.starts_with("Total pot ")) {
                    totalPot = true;
                    for (std::string_view label : {"| Rake ", "| Jackpot ", "| Bounty "}) {
                        const std::size_t at = line.find(label);
                        if (at == std::string_view::npos)
                            continue;
                        std::int64_t amount = 0;
                        if (auto failure = amountAt(line.substr(at + label.size()), lineNo, amount))
                            return failure;
                        deductions += amount;
                        if (label == "| Rake ")
                            m_result.rake = amount;
                    }
                }
                continue;
            }
            if (line.starts_with("*** ")) {
                if (line.starts_with("*** HOLE CARDS ***")) {
                    holeCards = true;
                    street = BettingStreet::Preflop;
                } else if (line.starts_with("*** FLOP ***")) {
                    endStreet();
                    street = BettingStreet::Flop;
                    if (const Player* user = playerNamed(m_user); userSeen && user && !user->folded)
                        m_result.sawFlop = true;
                } else if (line.starts_with("*** TURN ***")) {
                    endStreet();
                    street = BettingStreet::Turn;
                } else if (line.starts_with("*** RIVER ***")) {
                    endStreet();
                    street = BettingStreet::River;
                } else if (line.starts_with("*** SHOW DOWN ***")) {
                    showDown = true;
                } else if (line.starts_with("*** SUMMARY ***")) {
                    endStreet();
                    summary = true;
                }
                continue;
            }
            if (i == 1 && line.starts_with("Table ")) {
                const std::size_t at = line.find("Seat #");
                if (at != std::string_view::npos) {
                    std::size_t pos = at + 6;
                    buttonSeat = readNumber(line, pos).value_or(0);
                }
                continue;
            }
            if (!holeCards) {
                Player seat;
                if (readSeatLine(line, seat)) {
                    if (!playerNamed(seat.name))
                        m_players.push_back(seat);
                    continue;
                }
            }
            if (line.starts_with("Dealt to ")) {
                const std::string_view rest = line.substr(9);
                if (rest.starts_with(m_user) && rest.substr(m_user.size()).starts_with(" [")) {
                    if (!playerNamed(m_user))
                        return Failure{lineNo, "kein Sitz für " + std::string(m_user)};
                    userSeen = true;
                }
                continue;
            }
            if (line.starts_with("Uncalled bet (")) {
                const std::size_t close = line.find(") returned to ");
                if (close == std::string_view::npos)
                    continue;
                Player* player = playerNamed(trimControl(line.substr(close + 14)));
                if (!player)
                    continue;
                std::int64_t amount = 0;
                if (auto failure = amountAt(line.substr(14, close - 14), lineNo, amount))
                    return failure;
                player->invested -= amount;
                player->live -= amount;
                uncalledLine = true;
                continue;
            }
            if (Player* player = playerStarting(line, ": ")) {
                const std::string_view action = line.substr(player->name.size() + 2);
                const bool isUser = player->name == m_user;
                const bool allIn = action.find("and is all-in") != std::string_view::npos;
                std::int64_t amount = 0;
                bool move = true; // a poker action, as opposed to chat or table news
                if (action.starts_with("posts the ante ")) {
                    if (auto failure = amountAt(action.substr(15), lineNo, amount))
                        return failure;
                    putIn(*player, amount, false);
                } else if (action.starts_with("posts small & big blinds ")) {
                    if (auto failure = amountAt(action.substr(25), lineNo, amount))
                        return failure;
                    // Only the big blind is live; the small blind is dead.
                    const std::int64_t live = std::min(amount, m_header.bigBlind);
                    putIn(*player, amount - live, false);
                    putIn(*player, live, true);
                } else if (action.starts_with("posts small blind ")) {
                    if (auto failure = amountAt(action.substr(18), lineNo, amount))
                        return failure;
                    putIn(*player, amount, !smallBlindPosted);
                    smallBlindPosted = true;
                } else if (action.starts_with("posts big blind ")) {
                    if (auto failure = amountAt(action.substr(16), lineNo, amount))
                        return failure;
                    putIn(*player, amount, true);
                } else if (action.starts_with("calls ") || action.starts_with("bets ")) {
                    const bool calls = action.starts_with("calls ");
                    if (auto failure = amountAt(action.substr(calls ? 6 : 5), lineNo, amount))
                        return failure;
                    if (isUser)
                        userTurn(street, raisesPreflop, calls ? Move::Call : Move::Bet);
                    putIn(*player, amount, true);
                } else if (action.starts_with("raises ")) {
                    const std::size_t to = action.find(" to ");
                    if (to == std::string_view::npos)
                        return Failure{lineNo, "Erhöhung ohne Zielbetrag"};
                    std::int64_t by = 0;
                    if (auto failure = amountAt(action.substr(7), lineNo, by))
                        return failure;
                    if (auto failure = amountAt(action.substr(to + 4), lineNo, amount))
                        return failure;
                    if (isUser)
                        userTurn(street, raisesPreflop, Move::Raise);
                    if (street == BettingStreet::Preflop)
                        ++raisesPreflop;
                    putIn(*player, amount - player->live, true);
                } else if (action.starts_with("folds")) {
                    if (isUser)
                        userTurn(street, raisesPreflop, Move::Fold);
                    player->folded = true;
                } else if (action.starts_with("checks")) {
                    if (isUser)
                        userTurn(street, raisesPreflop, Move::Check);
                } else {
                    move = false;
                }
                if (move) {
                    player->acted = true;
                    if (isUser && allIn && m_result.allinStreet == BettingStreet::None)
                        m_result.allinStreet = street == BettingStreet::None ? BettingStreet::Preflop : street;
                }
                continue;
            }
            if (Player* player = playerStarting(line, " collected ")) {
                std::int64_t amount = 0;
                if (auto failure = amountAt(line.substr(player->name.size() + 11), lineNo, amount))
                    return failure;
                player->fromPots += amount;
                continue;
            }
            if (Player* player = playerStarting(line, " cashed out the hand for ")) {
                std::int64_t amount = 0;
                if (auto failure = amountAt(line.substr(player->name.size() + 25), lineNo, amount))
                    return failure;
                player->cashOut += amount;
                continue;
            }
            // "wins the $X bounty for eliminating …", and the progressive
            // form "wins $X for eliminating … and their own bounty increases …".
            if (line.starts_with(m_user) && line.substr(m_user.size()).starts_with(" wins ") &&
                line.find(" for eliminating ") != std::string_view::npos) {
                std::string_view rest = line.substr(m_user.size() + 6);
                MoneyUnit unit;
                if (rest.starts_with("the ") && rest.find(" bounty for eliminating ") != std::string_view::npos) {
                    rest.remove_prefix(4);
                    if (!unitOfSign(rest, unit))
                        return Failure{lineNo, "unbekanntes Währungszeichen"};
                } else if (!unitOfSign(rest, unit)) {
                    continue;
                }
                const AmountRead bounty = readAmount(rest, unit);
                if (!bounty.ok())
                    return Failure{lineNo, std::string(bounty.error)};
                m_result.bounty += bounty.value;
                continue;
            }
        }
        const std::size_t lastLine = m_lines.size();
        if (!summary || !totalPot)
            return Failure{lastLine, "Spiel bricht vor der Zusammenfassung ab"};
        const Player* user = playerNamed(m_user);
        if (!userSeen || !user)
            return Failure{lastLine, "kein Sitz für " + std::string(m_user)};

        // Files from before about 2008 leave out the uncalled-bet line: what
        // the highest put in on the last street with money beyond the second
        // highest went back to that player.
        if (!uncalledLine && !m_lastBetting.empty()) {
            std::size_t top = 0;
            for (std::size_t p = 1; p < m_lastBetting.size(); ++p)
                if (m_lastBetting[p] > m_lastBetting[top])
                    top = p;
            std::int64_t second = 0;
            for (std::size_t p = 0; p < m_lastBetting.size(); ++p)
                if (p != top)
                    second = std::max(second, m_lastBetting[p]);
            m_players[top].invested -= m_lastBetting[top] - second;
        }

        std::int64_t allInvested = 0;
        std::int64_t allCollected = 0;
        std::vector<const Player*> dealt;
        for (const Player& player : m_players) {
            allInvested += player.invested;
            allCollected += player.fromPots;
            if (!player.markedOut || player.acted || &player == user)
                dealt.push_back(&player);
        }
        m_result.balanced = allInvested == allCollected + deductions;
        m_result.players = static_cast<std::uint8_t>(std::min<std::size_t>(dealt.size(), 255));
        m_result.position = positionOf(dealt, buttonSeat, user);
        m_result.invested = user->invested;
        m_result.collected = user->fromPots + user->cashOut;
        m_result.net = m_result.collected - m_result.invested;
        m_result.showdown = showDown && !user->folded;
        m_result.wonShowdown = m_result.showdown && user->fromPots > 0;
        return std::nullopt;
    }

    enum class Move { Fold, Check, Call, Bet, Raise };

    void userTurn(BettingStreet street, int raisesSoFar, Move move)
    {
        if (street == BettingStreet::Preflop) {
            if (raisesSoFar == 1)
                m_result.threeBetChance = true;
            if (move == Move::Call || move == Move::Bet || move == Move::Raise)
                m_result.vpip = true;
            if (move == Move::Raise) {
                m_result.pfr = true;
                if (raisesSoFar == 1)
                    m_result.threeBet = true;
            }
        } else if (street != BettingStreet::None) {
            if (move == Move::Bet || move == Move::Raise)
                m_result.betsRaises = static_cast<std::uint8_t>(std::min(255, m_result.betsRaises + 1));
            else if (move == Move::Call)
                m_result.calls = static_cast<std::uint8_t>(std::min(255, m_result.calls + 1));
        }
    }

    std::span<const std::string_view> m_lines;
    std::string_view m_user;
    HeaderFacts m_header;
    GameResult m_result;
    std::vector<Player> m_players;
    std::vector<std::int64_t> m_lastBetting;
    bool m_streetHadMoney = false;
};

} // namespace

GameResultRead readGameResult(std::span<const std::string_view> lines, std::string_view user)
{
    return GameReader(lines, user).run();
}

} // namespace tallyhand
