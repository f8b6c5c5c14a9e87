#include "cards/CardText.h"

#include <cctype>

namespace tallyhand {

char rankChar(int rank)
{
    assert(rank >= 1 && rank <= kMaxRank);
    return kRankChars[static_cast<std::size_t>(rank)];
}

std::string cardText(Card c)
{
    std::string text(1, rankChar(rankOf(c)));
    text += kSuitNames[static_cast<std::size_t>(suitOf(c))];
    return text;
}

std::string joinCardTexts(const Card* cards, int count, char separator)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += separator;
        text += cardText(cards[i]);
    }
    return text;
}

int rankValueOfChar(char c)
{
    for (int r = kMaxRank; r >= kMinRank; --r)
        if (kRankChars[static_cast<std::size_t>(r)] == c)
            return r;
    return 0;
}

std::optional<Card> parseCardText(std::string_view text)
{
    if (text.size() < 4)
        return std::nullopt;
    const int rank = rankValueOfChar(text.front());
    if (rank == 0)
        return std::nullopt;
    const std::string_view suit = text.substr(1);
    for (int s = 1; s <= 4; ++s)
        if (suit == kSuitNames[static_cast<std::size_t>(s)])
            return makeCard(rank, s);
    return std::nullopt;
}

std::string expandCardText(std::string_view typed)
{
    if (typed.size() < 2)
        return std::string(typed);
    char first = static_cast<char>(std::toupper(static_cast<unsigned char>(typed[0])));
    if (first == 'D')
        first = 'Q';
    std::string_view suit;
    switch (typed[1]) {
    case 'h': suit = "Herz"; break;
    case 'k': case 'c': suit = "Kreuz"; break;
    case 'p': case 's': suit = "Pik"; break;
    case 'd': suit = "Karo"; break;
    default: return std::string(typed);
    }
    std::string text(1, first);
    text += suit;
    return text;
}

std::optional<Card> parseHistoryCard(std::string_view text)
{
    if (text.size() != 2)
        return std::nullopt;
    const int rank = rankValueOfChar(text[0]);
    if (rank == 0)
        return std::nullopt;
    for (int s = 1; s <= 4; ++s)
        if (text[1] == kSuitLetters[static_cast<std::size_t>(s)])
            return makeCard(rank, s);
    return std::nullopt;
}

std::string historyCardText(Card c)
{
    return {rankChar(rankOf(c)), kSuitLetters[static_cast<std::size_t>(suitOf(c))]};
}

} // namespace tallyhand
