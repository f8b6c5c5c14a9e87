#include "table/PracticeHistory.h"

#include "cards/CardText.h"

#include <ctime>

namespace tallyhand {

namespace {

std::string cards(const std::vector<Card>& list, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to && i < list.size(); ++i)
        text += (text.empty() ? "" : " ") + historyCardText(list[i]);
    return text;
}

std::string holeText(const TableSeat& seat)
{
    return "[" + historyCardText(seat.cards[0]) + " " + historyCardText(seat.cards[1]) + "]";
}

const char* foldText(TableStreet s)
{
    switch (s) {
    case TableStreet::Preflop: return " folded before Flop";
    case TableStreet::Flop: return " folded on the Flop";
    case TableStreet::Turn: return " folded on the Turn";
    case TableStreet::River: return " folded on the River";
    }
    return "";
}

} // namespace

PracticeSession practiceSession(std::string userName, std::int64_t unixSeconds)
{
    PracticeSession s;
    s.userName = std::move(userName);
    // Far above the card room's tournament numbers, one per session.
    s.tournament = 900000000000 + unixSeconds;
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &utc);
    s.started = text;
    return s;
}

std::string practiceFileName(const PracticeSession& session)
{
    std::string date = session.started.substr(0, 10);
    std::erase(date, '/');
    return "HH" + date + " T" + std::to_string(session.tournament) + " Übungstisch.txt";
}

PracticeSession freshPracticeSession(const std::filesystem::path& handsDir, const std::string& userName,
                                     std::int64_t unixSeconds)
{
    PracticeSession session = practiceSession(userName, unixSeconds);
    std::error_code error;
    while (std::filesystem::exists(handsDir / practiceFileName(session), error) && !error)
        session = practiceSession(userName, ++unixSeconds);
    return session;
}

std::string practiceSeatName(const PracticeSession& session, int seat)
{
    return seat == 1 ? session.userName : "Gegner" + std::to_string(seat - 1);
}

std::string practiceHandText(const PracticeSession& session, const PracticeTable& table)
{
    const auto& seats = table.seats();
    const auto& start = table.handStartStacks();
    const auto name = [&](int s) { return practiceSeatName(session, s); };
    const auto& events = table.events();
    std::vector<std::string> out;
    const int dealer = events[table.handStart()].seat;

    out.push_back("PokerStars Game #" + std::to_string(session.firstGame() + table.handNumber()) +
                  ": Tournament #" + std::to_string(session.tournament) + ", Übungstisch Hold'em No Limit - Level I (" +
                  std::to_string(table.smallBlind()) + "/" + std::to_string(table.bigBlind()) + ") - " +
                  session.started + " ET");
    out.push_back("Table '" + std::to_string(session.tournament) + " 1' " + std::to_string(table.headsUp() ? 2 : 10) +
                  "-max Seat #" + std::to_string(dealer) + " is the button");
    for (int s = 1; s <= kTableSeats; ++s)
        if (start[static_cast<std::size_t>(s)] > 0)
            out.push_back("Seat " + std::to_string(s) + ": " + name(s) + " (" +
                          std::to_string(start[static_cast<std::size_t>(s)]) + " in chips)");

    std::array<Chips, kTableSeats + 1> roundBet{}, won{};
    std::array<bool, kTableSeats + 1> shown{};
    std::array<std::optional<TableStreet>, kTableSeats + 1> foldedOn{};
    std::array<std::string, kTableSeats + 1> description{};
    int blinds = 0;
    Chips level = 0, total = 0;
    bool showdown = false;
    std::size_t boardShown = 0;
    const std::vector<Card>& board = table.board();
    for (std::size_t i = table.handStart(); i < events.size(); ++i) {
        const TableEvent& e = events[i];
        const auto seat = static_cast<std::size_t>(e.seat);
        const std::string allIn = e.allIn ? " and is all-in" : "";
        switch (e.kind) {
        case TableEvent::Blind:
            out.push_back(name(e.seat) + (blinds++ == 0 ? ": posts small blind " : ": posts big blind ") +
                          std::to_string(e.amount) + allIn);
            roundBet[seat] += e.amount;
            level = std::max(level, roundBet[seat]);
            total += e.amount;
            if (blinds == 2) {
                out.push_back("*** HOLE CARDS ***");
                if (start[1] > 0)
                    out.push_back("Dealt to " + session.userName + " " + holeText(seats[1]));
            }
            break;
        case TableEvent::Act:
            total += e.amount;
            if (e.action == Action::Fold) {
                out.push_back(name(e.seat) + ": folds");
                foldedOn[seat] = e.street;
            } else if (e.action == Action::Check) {
                out.push_back(name(e.seat) + ": checks");
            } else if (e.amount == 0) {
                out.push_back(name(e.seat) + ": checks");
            } else {
                roundBet[seat] += e.amount;
                if (roundBet[seat] <= level)
                    out.push_back(name(e.seat) + ": calls " + std::to_string(e.amount) + allIn);
                else if (level == 0)
                    out.push_back(name(e.seat) + ": bets " + std::to_string(e.amount) + allIn);
                else
                    out.push_back(name(e.seat) + ": raises " + std::to_string(roundBet[seat] - level) + " to " +
                                  std::to_string(roundBet[seat]) + allIn);
                level = std::max(level, roundBet[seat]);
            }
            break;
        case TableEvent::Board: {
            roundBet.fill(0);
            level = 0;
            const std::size_t dealt = boardShown == 0 ? 3 : boardShown + 1;
            const char* marker = dealt == 3 ? "*** FLOP *** [" : dealt == 4 ? "*** TURN *** [" : "*** RIVER *** [";
            out.push_back(marker + cards(board, 0, dealt == 3 ? 3 : boardShown) +
                          (dealt == 3 ? "]" : "] [" + cards(board, boardShown, dealt) + "]"));
            boardShown = dealt;
            break;
        }
        case TableEvent::Shows:
            if (!showdown)
                out.push_back("*** SHOW DOWN ***");
            showdown = true;
            shown[seat] = true;
            description[seat] = e.text;
            out.push_back(name(e.seat) + ": shows " + holeText(seats[seat]) + " (" + e.text + ")");
            break;
        case TableEvent::Wins:
            won[seat] += e.amount;
            out.push_back(name(e.seat) + " collected " + std::to_string(e.amount) + " from pot");
            break;
        default:
            break;
        }
    }

    out.push_back("*** SUMMARY ***");
    out.push_back("Total pot " + std::to_string(total) + " | Rake 0");
    if (boardShown > 0)
        out.push_back("Board [" + cards(board, 0, boardShown) + "]");
    for (int s = 1; s <= kTableSeats; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (start[i] == 0)
            continue;
        std::string line = "Seat " + std::to_string(s) + ": " + name(s);
        if (s == dealer)
            line += " (button)";
        if (s == table.smallBlindSeat())
            line += " (small blind)";
        else if (s == table.bigBlindSeat())
            line += " (big blind)";
        if (foldedOn[i])
            line += foldText(*foldedOn[i]);
        else if (shown[i] && won[i] > 0)
            line += " showed " + holeText(seats[i]) + " and won (" + std::to_string(won[i]) + ") with " + description[i];
        else if (shown[i])
            line += " showed " + holeText(seats[i]) + " and lost with " + description[i];
        else if (won[i] > 0)
            line += " collected (" + std::to_string(won[i]) + ")";
        out.push_back(std::move(line));
    }
    std::string text;
    for (const std::string& line : out)
        text += line + "\r\n";
    return text + "\r\n\r\n";
}

} // namespace tallyhand
