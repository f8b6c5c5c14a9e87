#include "preflop/SimulationInput.h"

#include "cards/CardText.h"
#include "cards/NumberFormat.h"

namespace tallyhand {

namespace {

std::string quoted(std::string_view text) { return "\u201E" + std::string(text) + "\u201C"; }

const char* boardSlotName(std::size_t i)
{
    static const char* names[] = {"Flop 1", "Flop 2", "Flop 3", "Turn", "River"};
    return i < 5 ? names[i] : "Board";
}

} // namespace

std::array<std::string, 2> rowCardTexts(std::string_view row)
{
    std::array<std::string, 2> texts;
    const std::size_t p = row.find('[');
    if (p == std::string_view::npos)
        return texts;
    // Past the end of the row, the closing "]" or a blank the card is missing.
    auto piece = [&](std::size_t at) {
        std::string_view s = at < row.size() ? row.substr(at, 2) : std::string_view{};
        const std::size_t stop = s.find_first_of("] ");
        return s.substr(0, stop);
    };
    texts[0] = expandCardText(piece(p + 1));
    texts[1] = expandCardText(piece(p + 4));
    return texts;
}

std::vector<std::string> seatRows(const std::vector<std::array<std::string, 2>>& seats)
{
    auto shortForm = [](const std::string& field) {
        if (const auto card = parseCardText(field))
            return historyCardText(*card);
        return field;
    };
    std::vector<std::string> rows;
    for (const auto& seat : seats)
        if (!seat[0].empty())
            rows.push_back("[" + shortForm(seat[0]) + " " + shortForm(seat[1]) + "]");
    return rows;
}

SimulationRequest prepareSimulation(const std::vector<std::string>& rows, const std::vector<std::string>& boardTexts)
{
    SimulationRequest request;
    if (rows.empty()) {
        request.error = "Keine Hand angegeben: Bitte mindestens eine Hand mit zwei Karten eingeben.";
        return request;
    }
    if (rows.size() > static_cast<std::size_t>(kMaxSimulationPlayers)) {
        request.error = "Zu viele Hände: Höchstens zehn Spieler sind möglich, angegeben sind " +
                        std::to_string(rows.size()) + ".";
        return request;
    }
    // Which hand (1-based) holds each card, 0 for none.
    std::array<int, kCardCount> holder{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string hand = "Hand " + std::to_string(i + 1);
        const auto texts = rowCardTexts(rows[i]);
        std::array<Card, 2> cards{};
        for (std::size_t k = 0; k < 2; ++k) {
            const char* which = k == 0 ? "erste" : "zweite";
            if (texts[k].empty()) {
                request.error = hand + ": Die " + which + " Karte fehlt.";
                return request;
            }
            const auto card = parseCardText(texts[k]);
            if (!card) {
                request.error = hand + ": Die " + std::string(which) + " Karte " + quoted(texts[k]) +
                                " ist keine gültige Karte.";
                return request;
            }
            if (holder[*card] != 0) {
                request.error = "Die Karte " + cardText(*card) + " kommt doppelt vor (" +
                                (holder[*card] == static_cast<int>(i + 1)
                                     ? hand
                                     : "Hand " + std::to_string(holder[*card]) + " und " + hand) +
                                ").";
                return request;
            }
            holder[*card] = static_cast<int>(i + 1);
            cards[k] = *card;
        }
        request.setup.hands.push_back(cards);
    }
    if (boardTexts.size() > 5) {
        request.error = "Zu viele Boardkarten: Höchstens fünf sind möglich.";
        return request;
    }
    CardMask board = 0;
    for (std::size_t i = 0; i < boardTexts.size(); ++i) {
        const std::string slot = boardSlotName(i);
        if (boardTexts[i].empty()) {
            request.error = "Boardkarte " + slot + " fehlt: Bitte die Karte im Rechner eingeben.";
            return request;
        }
        const auto card = parseCardText(boardTexts[i]);
        if (!card) {
            request.error = "Boardkarte " + slot + ": " + quoted(boardTexts[i]) + " ist keine gültige Karte.";
            return request;
        }
        if (holder[*card] != 0) {
            request.error = "Die Boardkarte " + cardText(*card) + " ist auch eine Karte von Hand " +
                            std::to_string(holder[*card]) + ".";
            return request;
        }
        if (contains(board, *card)) {
            request.error = "Die Boardkarte " + cardText(*card) + " kommt doppelt vor.";
            return request;
        }
        board |= maskOf(*card);
        request.setup.board.push_back(*card);
    }
    return request;
}

DealCount dealCountFromText(std::string_view text)
{
    const auto value = parseWholeNumber(text);
    DealCount result;
    if (!value || *value < 1) {
        result.fellBack = true;
        return result;
    }
    result.count = static_cast<std::uint64_t>(*value);
    result.text = std::string(text);
    return result;
}

} // namespace tallyhand
