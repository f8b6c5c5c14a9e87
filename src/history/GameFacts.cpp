#include "history/GameFacts.h"

#include "cards/NumberFormat.h"
#include "history/AtomicFile.h"

#include <algorithm>

namespace tallyhand {
namespace {

bool has(std::string_view line, std::string_view what)
{
    return line.find(what) != std::string_view::npos;
}

// Each test stands on its own: a line may count in several categories.
std::array<bool, WinLossTally::kCategories> categoriesOf(std::string_view l)
{
    return {has(l, "high card"),
            has(l, "a pair"),
            has(l, "two pair"),
            has(l, "three of a kind"),
            has(l, "straight") && !has(l, "flush"),
            has(l, "flush") && !has(l, "straight") && !has(l, "royal"),
            has(l, "full house"),
            has(l, "four of a kind"),
            has(l, "straight flush") || has(l, "Straight Flush") || has(l, "Straight flush"),
            has(l, "Royal Flush")};
}

WinLossTally tallyOf(const LineList& block, std::string_view user)
{
    using S = WinLossTally::Street;
    WinLossTally c;
    bool afterHoleCards = false, inSummary = false;
    bool flopSeen = false, turnSeen = false, riverSeen = false, allIn = false;
    std::array<bool, S::StreetCount> allInOn{};
    auto countAllInWin = [&] {
        if (allIn)
            ++c.allInWon;
        for (int s = 0; s < S::StreetCount; ++s)
            if (allInOn[s])
                ++c.allInsWon[s];
    };
    auto countCategories = [](std::string_view line, auto& counts) {
        const auto cats = categoriesOf(line);
        for (int k = 0; k < WinLossTally::kCategories; ++k)
            counts[k] += cats[k];
    };
    for (std::string_view line : block) {
        if (has(line, "*** SUMMARY ***"))
            inSummary = true;
        if (inSummary) {
            if (!has(line, user))
                continue;
            if (has(line, "folded before Flop"))
                ++c.folds[S::Preflop];
            if (has(line, "folded on the Turn"))
                ++c.folds[S::Turn];
            if (has(line, "folded on the Flop"))
                ++c.folds[S::Flop];
            if (has(line, "folded on the River"))
                ++c.folds[S::River];
            if (has(line, "mucked"))
                ++c.mucked;
            if (has(line, "collected")) {
                ++c.wonNoShowdown;
                countAllInWin();
            }
            if (has(line, "won")) {
                ++c.wonShowdown;
                countAllInWin();
                countCategories(line, c.winCat);
            }
            if (has(line, "lost")) {
                ++c.lostShowdown;
                if (allIn)
                    ++c.allInLost;
                countCategories(line, c.lostCat);
            }
            continue;
        }
        if (has(line, "*** HOLE CARDS ***"))
            afterHoleCards = true;
        if (!afterHoleCards)
            continue;
        if (has(line, "*** FLOP ***"))
            flopSeen = true;
        if (has(line, "*** TURN ***"))
            turnSeen = true;
        if (has(line, "*** RIVER ***"))
            riverSeen = true;
        if (has(line, user) && has(line, "all-in")) {
            allIn = true;
            const S s = riverSeen ? S::River : turnSeen ? S::Turn : flopSeen ? S::Flop : S::Preflop;
            ++c.allIns[s];
            allInOn[s] = true;
        }
    }
    return c;
}

// Every counter of a tally in one fixed order: the order of the packed form.
constexpr std::size_t kCounters = 6 + 3 * WinLossTally::StreetCount + 2 * WinLossTally::kCategories;
template <typename Tally>
auto countersOf(Tally& t)
{
    using Counter = decltype(&t.wonShowdown);
    std::array<Counter, kCounters> all{};
    std::size_t i = 0;
    for (Counter single : {&t.wonShowdown, &t.wonNoShowdown, &t.lostShowdown, &t.mucked, &t.allInWon, &t.allInLost})
        all[i++] = single;
    for (auto* street : {&t.folds, &t.allIns, &t.allInsWon})
        for (auto& counter : *street)
            all[i++] = &counter;
    for (auto* category : {&t.winCat, &t.lostCat})
        for (auto& counter : *category)
            all[i++] = &counter;
    return all;
}

// Cash-game currency signs in front of a stack, as UTF-8 and as the
// Windows-1252 bytes older files hold.
constexpr std::array<std::string_view, 6> kCurrencySigns = {"$", "\xE2\x82\xAC", "\x80", "\xC2\xA3", "\xA3", "Rs."};

// Removes a leading currency sign; true when there was one.
bool takeCurrencySign(std::string_view& text)
{
    for (std::string_view sign : kCurrencySigns)
        if (text.starts_with(sign)) {
            text.remove_prefix(sign.size());
            return true;
        }
    return false;
}

} // namespace

WinLossTally& WinLossTally::operator+=(const WinLossTally& other)
{
    auto theirs = countersOf(other);
    auto mine = countersOf(*this);
    for (std::size_t i = 0; i < kCounters; ++i)
        *mine[i] += *theirs[i];
    return *this;
}

GameFacts readGameFacts(const LineList& block, std::string_view user)
{
    return {chipCountOf(block, user), tallyOf(block, user)};
}

std::optional<std::int64_t> chipCountOf(const LineList& block, std::string_view user)
{
    for (std::string_view line : block) {
        if (line.find(user) == std::string_view::npos)
            continue;
        // Names and notes may hold parentheses of their own: the stack is the
        // last group that reads.
        for (std::size_t open = line.rfind('('); open != std::string_view::npos;
             open = open == 0 ? std::string_view::npos : line.rfind('(', open - 1))
            if (const auto value = chipTextValue(line.substr(open + 1)))
                return value;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::int64_t> chipTextValue(std::string_view text)
{
    const bool dollars = takeCurrencySign(text);
    text = text.substr(0, text.find(' '));
    if (!dollars) {
        if (const auto whole = parseWholeNumber(text))
            return *whole;
        return std::nullopt;
    }
    // Money to cents, exactly in decimal, half away from zero.
    const std::size_t point = text.find('.');
    const std::string_view units = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    auto digitsOnly = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if ((units.empty() && fraction.empty()) || !digitsOnly(units) || !digitsOnly(fraction) || units.size() > 15)
        return std::nullopt;
    std::int64_t cents = 0;
    for (char c : units)
        cents = cents * 10 + (c - '0');
    for (std::size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (fraction.size() > 2 && fraction[2] >= '5')
        ++cents;
    return cents;
}

// Per counter that is not zero: its place in the fixed order, then its
// value in 7-bit groups, low first.
std::string packTally(const WinLossTally& tally)
{
    std::string packed;
    const auto counters = countersOf(tally);
    for (std::size_t place = 0; place < kCounters; ++place) {
        if (*counters[place] == 0)
            continue;
        packed += static_cast<char>(place);
        for (auto v = static_cast<std::uint64_t>(*counters[place]);; v >>= 7) {
            packed += static_cast<char>((v & 0x7F) | (v >= 0x80 ? 0x80 : 0));
            if (v < 0x80)
                break;
        }
    }
    return packed;
}

void addPackedTally(std::string_view packed, WinLossTally& into)
{
    const auto counters = countersOf(into);
    const auto damaged = [] { return DatabaseError("Eine Spielstatistik der Datenbank ist beschädigt."); };
    for (std::size_t at = 0; at < packed.size();) {
        const auto place = static_cast<unsigned char>(packed[at++]);
        if (place >= kCounters)
            throw damaged();
        std::uint64_t value = 0;
        for (int shift = 0;; shift += 7) {
            if (at == packed.size() || shift > 56)
                throw damaged();
            const auto byte = static_cast<unsigned char>(packed[at++]);
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                break;
        }
        *counters[place] += static_cast<std::int64_t>(value);
    }
}

} // namespace tallyhand
