#include "history/HoleCardBundles.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace tallyhand {
namespace {

constexpr std::string_view kRanks = "A23456789TJQKA"; // index 1..14 at position index-1

char charAt(const std::string& text, std::size_t i)
{
    return i < text.size() ? text[i] : ' ';
}

bool suitedByLetters(const Tcardcount& entry)
{
    return entry.card1.size() >= 2 && entry.card2.size() >= 2 && entry.card1[1] == entry.card2[1];
}

} // namespace

ACardcount bundleHoleCards(const ACardcount& holeCards)
{
    ACardcount bundles;
    std::map<std::array<char, 3>, std::size_t> index; // ranks (ordered) and suitedness
    for (const Tcardcount& entry : holeCards) {
        char a = charAt(entry.card1, 0);
        char b = charAt(entry.card2, 0);
        if (b < a)
            std::swap(a, b);
        const std::array<char, 3> key{a, b, entry.suited ? 's' : 'o'};
        const auto [it, added] = index.emplace(key, bundles.size());
        if (!added) {
            bundles[it->second].count += entry.count;
            continue;
        }
        Tcardcount bundle;
        bundle.card1 = entry.card1;
        bundle.card2 = entry.card2;
        bundle.count = entry.count;
        bundle.suited = suitedByLetters(entry);
        bundles.push_back(std::move(bundle));
    }
    return bundles;
}

std::string bundleRow(char rank1, char rank2, bool suited, std::int32_t count)
{
    std::string row{rank1, ' ', rank2};
    row += suited ? " s " : "   ";
    row += std::to_string(count);
    return row;
}

std::vector<std::string> listBundlesByCount(const ACardcount& bundles)
{
    std::vector<const Tcardcount*> order;
    for (const Tcardcount& bundle : bundles)
        if (bundle.count >= 1)
            order.push_back(&bundle);
    std::stable_sort(order.begin(), order.end(),
                     [](const Tcardcount* a, const Tcardcount* b) { return a->count > b->count; });
    std::vector<std::string> rows;
    rows.reserve(order.size());
    for (const Tcardcount* bundle : order)
        rows.push_back(bundleRow(charAt(bundle->card1, 0), charAt(bundle->card2, 0), bundle->suited, bundle->count));
    return rows;
}

std::vector<std::string> listBundlesByRank(const ACardcount& bundles)
{
    std::vector<std::string> rows;
    for (std::size_t i = 14; i >= 2; --i) {
        for (std::size_t j = i; j >= 2; --j) {
            const char ri = kRanks[i - 1];
            const char rj = kRanks[j - 1];
            for (const Tcardcount& bundle : bundles) {
                const char a = charAt(bundle.card1, 0);
                const char b = charAt(bundle.card2, 0);
                if ((a == ri && b == rj) || (a == rj && b == ri))
                    rows.push_back(bundleRow(ri, rj, bundle.suited, bundle.count));
            }
        }
    }
    return rows;
}

std::string classGameRow(const Tcardcount& cards, const Tgame& game)
{
    return cards.card1 + ' ' + cards.card2 + " game#" + std::to_string(game.game_no) + " tourney#" +
           std::to_string(game.tour_no);
}

ClassGames gamesOfClass(const ACardcount& holeCards, const std::string& classRow)
{
    ClassGames result;
    if (classRow.empty())
        return result;
    const char r1 = charAt(classRow, 0);
    const char r2 = charAt(classRow, 2);
    const bool suited = charAt(classRow, 4) == 's';
    for (const Tcardcount& entry : holeCards) {
        const char a = charAt(entry.card1, 0);
        const char b = charAt(entry.card2, 0);
        if (!(((a == r1 && b == r2) || (a == r2 && b == r1)) && entry.suited == suited))
            continue;
        for (const Tgame& game : entry.game_refs) {
            result.rows.push_back(classGameRow(entry, game));
            result.hints.push_back("Table: " + game.table_name + " Type: " + game.header);
        }
    }
    return result;
}

} // namespace tallyhand
