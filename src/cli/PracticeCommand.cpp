// tallyhand-cli table: hands at the practice table, the user's seat taking one
// fixed action; each hand printed and written as a hand history.
#include "cards/CardText.h"
#include "cli/Command.h"
#include "cli/DatabaseHome.h"
#include "cli/Json.h"
#include "table/PracticeHistory.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <sstream>

namespace tallyhand::cli {
namespace {

const char* streetName(TableStreet s)
{
    static const char* names[] = {"preflop", "flop", "turn", "river"};
    return names[static_cast<int>(s)];
}

std::string roleOf(const PracticeTable& t, int seat)
{
    if (seat == t.smallBlindSeat())
        return "small blind";
    if (seat == t.bigBlindSeat())
        return "big blind";
    return seat == t.dealer() ? "button" : "";
}

// One finished hand as a JSON object.
std::string handJson(const PracticeTable& t, const PracticeSession& session, const std::array<int, 11>& before)
{
    std::ostringstream out;
    const auto& events = t.events();
    out << "{\"hand\": " << t.handNumber() << ", \"dealer\": " << events[t.handStart()].seat << ", \"seats\": [";
    bool first = true;
    for (int s = 1; s <= kTableSeats; ++s) {
        if (before[static_cast<std::size_t>(s)] == 0)
            continue;
        const TableSeat& seat = t.seats()[static_cast<std::size_t>(s)];
        out << (first ? "" : ", ") << "{\"seat\": " << s << ", \"name\": " << jsonString(practiceSeatName(session, s))
            << ", \"cards\": " << jsonString(historyCardText(seat.cards[0]) + " " + historyCardText(seat.cards[1]))
            << ", \"group\": " << PracticeTable::sklanskyGroup(seat.cards) << ", \"role\": " << jsonString(roleOf(t, s))
            << ", \"stack_before\": " << before[static_cast<std::size_t>(s)] << ", \"stack_after\": " << seat.stack
            << "}";
        first = false;
    }
    out << "], \"actions\": [";
    first = true;
    std::ostringstream winners;
    bool firstWinner = true;
    int pot = 0;
    for (std::size_t i = t.handStart(); i < events.size(); ++i) {
        const TableEvent& e = events[i];
        if (e.kind == TableEvent::Blind || e.kind == TableEvent::Act) {
            const std::string action = e.kind == TableEvent::Blind ? "Blind" : actionName(e.action);
            out << (first ? "" : ", ") << "{\"street\": \"" << streetName(e.street) << "\", \"pass\": " << e.pass
                << ", \"seat\": " << e.seat << ", \"action\": \"" << action << "\", \"chips\": " << e.amount
                << ", \"all_in\": " << (e.allIn ? "true" : "false") << "}";
            first = false;
            pot += e.amount;
        } else if (e.kind == TableEvent::Wins) {
            winners << (firstWinner ? "" : ", ") << "{\"seat\": " << e.seat << ", \"chips\": " << e.amount << "}";
            firstWinner = false;
        }
    }
    std::string board;
    for (Card c : t.board())
        board += (board.empty() ? "" : " ") + historyCardText(c);
    out << "], \"board\": " << jsonString(board) << ", \"pot\": " << pot << ", \"winners\": [" << winners.str() << "]}";
    return out.str();
}

struct TableOptions {
    std::string home;
    std::uint64_t seed = 0;
    std::int64_t hands = 0;
    bool headsUp = false;
    std::string player = "call";
    bool json = false;
};

int table(const TableOptions& o)
{
    const std::string& home = o.home;
    const bool json = o.json;
    const Action player = o.player == "fold" ? Action::Fold : o.player == "raise" ? Action::Raise : Action::Call;
    const std::int64_t hands = o.hands;
    const auto configured = configuredUser(home);
    if (!configured)
        return 1;
    const std::string& user = *configured;

    const PatternLists patterns = buildPatternLists();
    PracticeTable t(patterns, o.seed);
    t.start(5, 10, o.headsUp);
    // A session of its own, even when another began in the same second.
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::system_clock::now().time_since_epoch()).count();
    PracticeSession session = practiceSession(user, seconds);
    while (std::filesystem::exists(std::filesystem::path(home) / "Hands" / practiceFileName(session)))
        session = practiceSession(user, ++seconds);
    const auto file = std::filesystem::path(home) / "Hands" / practiceFileName(session);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream history(file, std::ios::binary | std::ios::app);

    std::vector<std::string> played;
    std::array<int, 11> before = t.handStartStacks();
    while (t.wait() != TableWait::GameOver || played.size() < static_cast<std::size_t>(t.handNumber())) {
        if (t.wait() == TableWait::HandOver || t.wait() == TableWait::GameOver) {
            history << practiceHandText(session, t);
            played.push_back(handJson(t, session, before));
            if (!json)
                std::cout << "Hand " << t.handNumber() << ":\n" << practiceHandText(session, t);
            if (t.wait() == TableWait::GameOver || static_cast<std::int64_t>(played.size()) == hands)
                break;
            t.step();
            before = t.handStartStacks();
            continue;
        }
        if (t.wait() == TableWait::User) {
            const bool facing = t.level() > t.seats()[1].bet;
            const Action a = player == Action::Fold && !facing ? Action::Check : player;
            t.step(UserChoice{a, 0});
        } else {
            t.step();
        }
    }
    if (json) {
        std::cout << "{\"hands\": [";
        for (std::size_t i = 0; i < played.size(); ++i)
            std::cout << (i ? ",\n  " : "\n  ") << played[i];
        std::cout << "],\n \"winner\": " << t.winner() << ", \"file\": " << jsonString(file.string()) << "}\n";
    } else if (t.winner() != 0) {
        std::cout << "Gewinner: " << practiceSeatName(session, t.winner()) << '\n';
    }
    return 0;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<TableOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini; die Hände kommen nach ORDNER/Hands")
        ->type_name("ORDNER")
        ->required();
    command.add_option("--seed", o->seed, "Startwert; derselbe spielt dasselbe Spiel")
        ->type_name("N")
        ->required()
        ->check(unsignedNumber());
    command.add_option("--hands", o->hands, "so viele Hände, oder bis ein Platz übrig ist")
        ->type_name("K")
        ->required()
        ->check(wholeNumber(1, std::numeric_limits<std::int32_t>::max()));
    command.add_flag("--heads-up", o->headsUp, "nur ein Gegner");
    command.add_option("--player", o->player, "was der eigene Platz immer tut (call)")
        ->type_name("fold|call|raise")
        ->check(oneOf({"fold", "call", "raise"}));
    command.add_flag("--json", o->json, "gibt jede Hand als JSON aus");
    return [o] { return table(*o); };
}

const RegisterCommand registration("table", "spielt Hände am Übungstisch", declare);

} // namespace
} // namespace tallyhand::cli
