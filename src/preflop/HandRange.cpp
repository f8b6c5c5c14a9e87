#include "preflop/HandRange.h"

#include "cards/CardList.h"
#include "cards/CardText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace tallyhand {

namespace {

// Grid index 0 (ace) .. 12 (deuce) of a rank 2..14.
int gridOf(int rank) { return kMaxRank - rank; }
int rankOfGrid(int index) { return kMaxRank - index; }

int rankOfChar(char c)
{
    switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'A': return 14;
    case 'K': return 13;
    case 'Q': return 12;
    case 'J': return 11;
    case 'T': return 10;
    default: return c >= '2' && c <= '9' ? c - '0' : 0;
    }
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string quoted(std::string_view s) { return "\u201E" + std::string(s) + "\u201C"; }

// One class written by ranks: high >= low; suited 's', offsuit 'o', both 0.
struct ClassPattern {
    int high = 0;
    int low = 0;
    char kind = 0;
    bool pair() const { return high == low; }
};

bool readClassPattern(std::string_view s, ClassPattern& pattern)
{
    if (s.size() < 2 || s.size() > 3)
        return false;
    const int a = rankOfChar(s[0]);
    const int b = rankOfChar(s[1]);
    if (a == 0 || b == 0)
        return false;
    pattern.high = std::max(a, b);
    pattern.low = std::min(a, b);
    pattern.kind = 0;
    if (s.size() == 3) {
        const char k = static_cast<char>(std::tolower(static_cast<unsigned char>(s[2])));
        if ((k != 's' && k != 'o') || pattern.pair())
            return false;
        pattern.kind = k;
    }
    return true;
}

// Weights by card pair, higher card first; 0 where the hand is not in the range.
using WeightTable = std::array<std::array<std::uint32_t, kCardCount>, kCardCount>;

void addClass(WeightTable& weights, int high, int low, char kind, std::uint32_t weight)
{
    for (int s1 = 1; s1 <= 4; ++s1)
        for (int s2 = 1; s2 <= 4; ++s2) {
            if (high == low ? s2 <= s1 : (kind == 's' && s1 != s2) || (kind == 'o' && s1 == s2))
                continue;
            const Card a = makeCard(high, s1);
            const Card b = makeCard(low, s2);
            weights[std::max(a, b)][std::min(a, b)] = weight;
        }
}

void addPattern(WeightTable& weights, const ClassPattern& pattern, std::uint32_t weight)
{
    addClass(weights, pattern.high, pattern.low, pattern.kind, weight);
}

// Reads "0.5", "1", ".25" as hundredths in 1..100.
bool readWeight(std::string_view s, std::uint32_t& weight)
{
    const std::size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : s.substr(dot + 1);
    if ((whole.empty() && fraction.empty()) || fraction.size() > 2 || (dot != std::string_view::npos && fraction.empty()))
        return false;
    for (char c : std::string(whole) + std::string(fraction))
        if (c < '0' || c > '9')
            return false;
    std::uint32_t value = 0;
    for (char c : whole) {
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        if (value > 1)
            return false;
    }
    value *= 100;
    for (std::size_t i = 0; i < 2; ++i)
        value += (i < fraction.size() ? static_cast<std::uint32_t>(fraction[i] - '0') : 0) * (i == 0 ? 10 : 1);
    if (value == 0 || value > kFullWeight)
        return false;
    weight = value;
    return true;
}

bool readPercent(std::string_view s, double& percent)
{
    if (s.empty())
        return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), percent);
    return ec == std::errc{} && end == s.data() + s.size() && percent > 0 && percent <= 100;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Adds one part without its weight; an error text when it is none of the forms.
std::string addPart(WeightTable& weights, std::string_view part, std::uint32_t weight, bool& singleHand)
{
    const std::string bad = quoted(part) + " ist keine Hand, Klasse oder Reihe (Beispiele: AhKd, AKs, QQ+, 76s-54s, 15%).";
    if (equalsNoCase(part, "random")) {
        for (Card a = 0; a < kCardCount; ++a)
            for (Card b = 0; b < a; ++b)
                weights[a][b] = weight;
        return {};
    }
    if (part.back() == '%') {
        double percent = 0;
        if (!readPercent(trim(part.substr(0, part.size() - 1)), percent))
            return "Der Anteil in " + quoted(part) + " muss eine Zahl über 0 bis 100 sein.";
        for (int cls : topClasses(percent)) {
            const int row = cls / 13, column = cls % 13;
            const char kind = row == column ? 0 : row < column ? 's' : 'o';
            addClass(weights, rankOfGrid(std::min(row, column)), rankOfGrid(std::max(row, column)), kind, weight);
        }
        return {};
    }
    if (part.size() == 4) {
        const auto a = parseHistoryCard(part.substr(0, 2));
        const auto b = parseHistoryCard(part.substr(2, 2));
        if (a && b) {
            if (*a == *b)
                return quoted(part) + " nennt dieselbe Karte zweimal.";
            weights[std::max(*a, *b)][std::min(*a, *b)] = weight;
            singleHand = true;
            return {};
        }
    }
    if (const std::size_t dash = part.find('-'); dash != std::string_view::npos) {
        ClassPattern from, to;
        if (!readClassPattern(trim(part.substr(0, dash)), from) || !readClassPattern(trim(part.substr(dash + 1)), to))
            return bad;
        const std::string notARow = quoted(part) +
                                    ": beide Enden müssen zu einer Reihe gehören (Beispiele: 99-66, A5s-A2s, 76s-54s).";
        if (from.kind != to.kind || from.pair() != to.pair())
            return notARow;
        if (from.pair()) {
            for (int r = std::min(from.high, to.high); r <= std::max(from.high, to.high); ++r)
                addClass(weights, r, r, 0, weight);
        } else if (from.high == to.high) {
            for (int r = std::min(from.low, to.low); r <= std::max(from.low, to.low); ++r)
                addClass(weights, from.high, r, from.kind, weight);
        } else if (from.high - from.low == to.high - to.low) {
            const int gap = from.high - from.low;
            for (int r = std::min(from.high, to.high); r <= std::max(from.high, to.high); ++r)
                addClass(weights, r, r - gap, from.kind, weight);
        } else {
            return notARow;
        }
        return {};
    }
    const bool plus = part.back() == '+';
    ClassPattern pattern;
    if (!readClassPattern(plus ? part.substr(0, part.size() - 1) : part, pattern))
        return bad;
    if (!plus) {
        addPattern(weights, pattern, weight);
    } else if (pattern.pair()) {
        for (int r = pattern.high; r <= kMaxRank; ++r)
            addClass(weights, r, r, 0, weight);
    } else {
        for (int r = pattern.low; r < pattern.high; ++r)
            addClass(weights, pattern.high, r, pattern.kind, weight);
    }
    return {};
}

} // namespace

int startingClassOf(Card a, Card b)
{
    const int high = std::max(rankOf(a), rankOf(b));
    const int low = std::min(rankOf(a), rankOf(b));
    if (high == low || suitOf(a) != suitOf(b))
        return 13 * gridOf(low) + gridOf(high); // pair or below the diagonal
    return 13 * gridOf(high) + gridOf(low);
}

std::string startingClassName(int startingClass)
{
    const int row = startingClass / 13, column = startingClass % 13;
    std::string name{rankChar(rankOfGrid(std::min(row, column))), rankChar(rankOfGrid(std::max(row, column)))};
    if (row < column)
        name += 's';
    else if (row > column)
        name += 'o';
    return name;
}

int startingClassCombos(int startingClass)
{
    const int row = startingClass / 13, column = startingClass % 13;
    return row == column ? 6 : row < column ? 4 : 12;
}

std::vector<std::array<Card, 2>> startingClassHands(int startingClass)
{
    const int row = startingClass / 13, column = startingClass % 13;
    const char kind = row == column ? 0 : row < column ? 's' : 'o';
    WeightTable weights{};
    addClass(weights, rankOfGrid(std::min(row, column)), rankOfGrid(std::max(row, column)), kind, 1);
    std::vector<std::array<Card, 2>> hands;
    for (Card a = 0; a < kCardCount; ++a)
        for (Card b = 0; b < a; ++b)
            if (weights[a][b] != 0)
                hands.push_back({a, b});
    return hands;
}

CardMask HandRange::cards() const
{
    CardMask used = 0;
    for (const auto& h : hands)
        used |= maskOf(h.cards[0]) | maskOf(h.cards[1]);
    return used;
}

RangeParse parseRange(std::string_view text)
{
    RangeParse result;
    WeightTable weights{};
    int parts = 0;
    bool singleHand = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view written = trim(text.substr(start, comma - start));
        start = comma + 1;
        if (written.empty()) {
            if (comma < text.size() || parts > 0)
                return {{}, "Die Range enthält einen leeren Teil zwischen zwei Kommas."};
            break;
        }
        ++parts;
        std::string_view part = written;
        std::uint32_t weight = kFullWeight;
        if (const std::size_t colon = part.find(':'); colon != std::string_view::npos) {
            if (!readWeight(trim(part.substr(colon + 1)), weight))
                return {{}, "Das Gewicht in " + quoted(written) +
                                " muss eine Zahl über 0 bis 1 mit höchstens zwei Nachkommastellen sein."};
            part = trim(part.substr(0, colon));
            if (part.empty())
                return {{}, quoted(written) + " nennt keine Hände vor dem Gewicht."};
        }
        if (std::string error = addPart(weights, part, weight, singleHand); !error.empty())
            return {{}, error};
    }
    if (parts == 0)
        return {{}, "Die Range ist leer."};
    for (Card a = 0; a < kCardCount; ++a)
        for (Card b = 0; b < a; ++b)
            if (weights[a][b] != 0)
                result.range.hands.push_back({{a, b}, weights[a][b]});
    result.range.single = parts == 1 && singleHand;
    return result;
}

RangeParse parseHandOrRange(std::string_view text)
{
    if (const auto cards = parseCardList(text); cards && cards->size() == 2 && (*cards)[0] != (*cards)[1]) {
        RangeParse hand;
        hand.range.single = true;
        hand.range.hands.push_back({{std::max((*cards)[0], (*cards)[1]), std::min((*cards)[0], (*cards)[1])}, kFullWeight});
        return hand;
    }
    return parseRange(text);
}

std::vector<int> classesOf(const HandRange& range)
{
    std::array<bool, kStartingClassCount> held{};
    for (const auto& h : range.hands)
        held[static_cast<std::size_t>(startingClassOf(h.cards[0], h.cards[1]))] = true;
    std::vector<int> out;
    for (int cls = 0; cls < kStartingClassCount; ++cls)
        if (held[static_cast<std::size_t>(cls)])
            out.push_back(cls);
    return out;
}

std::string classListText(const std::vector<int>& classes)
{
    std::string text;
    for (int cls : classes)
        text += (text.empty() ? "" : ",") + startingClassName(cls);
    return text;
}

HandRange withoutCards(const HandRange& range, CardMask known)
{
    HandRange left;
    left.single = range.single;
    for (const auto& h : range.hands)
        if (!contains(known, h.cards[0]) && !contains(known, h.cards[1]))
            left.hands.push_back(h);
    return left;
}

std::vector<int> topClasses(double percent)
{
    const double target = percent / 100.0 * kComboCount;
    std::vector<int> classes;
    int combos = 0;
    for (int cls : startingClassOrder()) {
        if (combos >= target - 1e-9)
            break;
        classes.push_back(cls);
        combos += startingClassCombos(cls);
    }
    return classes;
}

} // namespace tallyhand
