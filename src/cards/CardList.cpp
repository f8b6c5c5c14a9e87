#include "cards/CardList.h"

#include "cards/CardText.h"

#include <string>

namespace tallyhand {

std::optional<std::vector<Card>> parseCardList(std::string_view text)
{
    std::vector<Card> cards;
    std::string token;
    auto flush = [&]() -> bool {
        if (token.empty())
            return true;
        if (const auto c = parseCardText(token)) {
            cards.push_back(*c);
        } else {
            if (token.size() % 2 != 0)
                return false;
            for (std::size_t i = 0; i < token.size(); i += 2) {
                const auto h = parseHistoryCard(std::string_view(token).substr(i, 2));
                if (!h)
                    return false;
                cards.push_back(*h);
            }
        }
        token.clear();
        return true;
    };
    for (char c : text) {
        if (c == ',' || c == ' ') {
            if (!flush())
                return std::nullopt;
        } else {
            token += c;
        }
    }
    if (!flush())
        return std::nullopt;
    return cards;
}

} // namespace tallyhand
