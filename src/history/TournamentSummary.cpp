#include "history/TournamentSummary.h"

#include "history/HandHistoryText.h"
#include "history/MoneyAmount.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <system_error>

namespace tallyhand {

namespace {

constexpr std::string_view kMarker = "PokerStars Tournament #";

// Every currency amount of the text added up; false when one does not read.
bool sumAmounts(std::string_view text, MoneyUnit& unit, std::int64_t& sum, bool& any)
{
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        MoneyUnit found;
        if (!unitOfSign(text.substr(pos), found))
            continue;
        const AmountRead read = readAmount(text.substr(pos), found);
        if (!read.ok())
            return false;
        unit = found;
        sum += read.value;
        any = true;
        pos += read.length - 1;
    }
    return true;
}

std::optional<int> leadingNumber(std::string_view text)
{
    int value = 0;
    std::size_t i = 0;
    for (; i < text.size() && i < 7 && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return i == 0 ? std::nullopt : std::optional<int>(value);
}

} // namespace

std::optional<TournamentSummary> readTournamentSummary(std::string_view bytes, std::string_view user)
{
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.empty() || !lines.front().starts_with(kMarker))
        return std::nullopt;
    TournamentSummary summary;
    const std::string_view head = lines.front().substr(kMarker.size());
    const auto number = parseInt64(head.substr(0, head.find(',')));
    if (!number)
        return std::nullopt;
    summary.tournament = *number;
    bool prizeSaid = false;
    std::int64_t rowPrize = 0;
    for (std::string_view line : lines) {
        const std::string_view text = trimBlanks(line);
        if (text.starts_with("Buy-In: ")) {
            bool any = false;
            if (!sumAmounts(text.substr(8), summary.unit, summary.buyIn, any))
                return std::nullopt;
        } else if (text.starts_with("You finished in ")) {
            summary.place = leadingNumber(text.substr(16)).value_or(0);
            const std::size_t received = text.find("received ");
            if (received != std::string_view::npos) {
                bool any = false;
                std::int64_t prize = 0;
                if (!sumAmounts(text.substr(received, text.find(' ', received + 9) - received), summary.unit, prize, any))
                    return std::nullopt;
                summary.prize = prize;
                prizeSaid = any;
            }
        } else if (text.starts_with("You received ")) {
            bool any = false;
            std::int64_t prize = 0;
            const std::string_view amount = text.substr(13, text.find(' ', 13) - 13);
            if (!sumAmounts(amount, summary.unit, prize, any))
                return std::nullopt;
            summary.prize = prize;
            prizeSaid = any;
        } else if (const std::size_t colon = text.find(": "); colon != std::string_view::npos &&
                                                                leadingNumber(text) && !user.empty() &&
                                                                text.substr(colon + 2).starts_with(user) &&
                                                                text.substr(colon + 2 + user.size()).starts_with(" (")) {
            // "  3: Hero (Country), $5.74 (20%)": the user's row of the payouts.
            if (summary.place == 0)
                summary.place = *leadingNumber(text);
            const std::size_t comma = text.find("), ", colon);
            if (comma != std::string_view::npos) {
                const std::string_view rest = text.substr(comma + 3);
                bool any = false;
                std::int64_t prize = 0;
                if (!sumAmounts(rest.substr(0, rest.find(' ')), summary.unit, prize, any))
                    return std::nullopt;
                rowPrize = prize;
            }
        }
    }
    if (!prizeSaid)
        summary.prize = rowPrize;
    return summary;
}

std::vector<TournamentSummary> findTournamentSummaries(const std::vector<std::filesystem::path>& folders,
                                                       std::string_view user)
{
    std::vector<std::filesystem::path> places;
    for (const auto& folder : folders) {
        places.push_back(folder);
        if (folder.has_parent_path())
            places.push_back(folder.parent_path());
    }
    std::vector<TournamentSummary> summaries;
    std::set<std::int64_t> seen;
    std::set<std::filesystem::path> visited;
    for (const auto& place : places) {
        std::error_code error;
        if (!visited.insert(std::filesystem::weakly_canonical(place, error)).second)
            continue;
        std::filesystem::directory_iterator it(place, error), end;
        std::vector<std::filesystem::path> files;
        for (; !error && it != end; it.increment(error))
            if (it->is_regular_file(error))
                files.push_back(it->path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            char start[64] = {};
            in.read(start, sizeof start);
            std::string_view opening(start, static_cast<std::size_t>(in.gcount()));
            if (opening.starts_with("\xEF\xBB\xBF"))
                opening.remove_prefix(3);
            if (!opening.starts_with(kMarker))
                continue;
            in.clear();
            in.seekg(0);
            const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (auto summary = readTournamentSummary(bytes, user); summary && seen.insert(summary->tournament).second)
                summaries.push_back(*summary);
        }
    }
    return summaries;
}

} // namespace tallyhand
