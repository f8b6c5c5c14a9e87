#pragma once

#include "cards/Card.h"
#include "cards/Combinations.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tallyhand {

// The practice table: the user at seat 1 ("My") against program seats that
// decide by what the calculator shows for their cards. A hand is played one
// action at a time (step), so that a window can show each action and wait
// for "play" between them without a nested event loop.

inline constexpr int kTableSeats = 10;

// Chips, 64-bit: levels and pots grow by sums of bets that must never overflow.
using Chips = std::int64_t;
inline constexpr Chips kStartStack = 1500;
// Blinds are whole numbers from 1 to this.
inline constexpr Chips kMaxBlind = 1'000'000;

// What is said when a bet or raise amount is no whole number above 0.
inline constexpr const char* kStakeMessage = "Der Einsatz muss eine ganze Zahl über 0 sein.";

// Why these blinds cannot start a game, or nullopt when they can.
std::optional<std::string> blindsProblem(Chips smallBlind, Chips bigBlind);

// The items of a seat's action box, in box order.
enum class Action { Bet = 0, Check = 1, Call = 2, Raise = 3, Fold = 4 };
const char* actionName(Action a);

enum class TableStreet { Preflop, Flop, Turn, River };

struct TableSeat {
    Chips stack = kStartStack;
    bool out = true;                 // not in the game (heads-up: seats 3..10)
    std::array<Card, 2> cards{};
    bool dealt = false;
    bool folded = false;
    bool allIn = false;
    Chips bet = 0;                   // this round
    Chips committed = 0;             // this hand
    Action box = Action::Bet;        // what the action box shows
    bool posted = false;             // has a bet field text this round
};

// One thing that happened, for the log, the command line and the hand history.
struct TableEvent {
    enum Kind { HandStarted, Dealt, Blind, Act, Board, Shows, Wins, Left, GameOver };
    TableEvent(Kind k, int s = 0, Action a = Action::Check, Chips chips = 0, bool all = false)
        : kind(k), seat(s), action(a), amount(chips), allIn(all)
    {
    }
    Kind kind;
    int seat;                        // 1..10, 0 for the table
    Action action;
    Chips amount;                    // chips put in, or won
    bool allIn;
    TableStreet street = TableStreet::Preflop;
    int pass = 1;                    // betting pass 1 or 2
    int group = 0;                   // Sklansky group the decision read
    std::string text;                // hand description at the showdown
};

// What the table needs next.
enum class TableWait {
    Step,        // one more action to show; call step()
    User,        // seat 1 must choose; call step() with its choice
    HandOver,    // the hand is decided; step() starts the next one
    GameOver,    // one seat is left
};

struct UserChoice {
    Action action = Action::Call;
    Chips amount = 0;                // bet or raise size; 0 for the table's raise size;
                                     // more than the stack goes all in
};

// A program seat's first action before the flop: by its Sklansky group, its
// role (0 any seat, 1 small blind, 2 big blind), the level and raise size,
// and a draw d from 1 to 49.
Action preflopDecision(int group, int role, Chips level, Chips raiseSize, int draw);
// Its answer in the second pass, to a raise behind it.
Action preflopResponse(int group, int draw);

class PracticeTable {
public:
    // `patterns` are the calculator's pattern lists; they must outlive the table.
    PracticeTable(const PatternLists& patterns, std::uint64_t seed);

    // "Start": ten seats of 1500, a random dealer. "Heads Up": seats 1 and 2.
    // Blinds must pass blindsProblem; otherwise nothing changes and the reason
    // comes back.
    std::optional<std::string> start(Chips smallBlind, Chips bigBlind, bool headsUp = false);

    // Performs the next action (a program seat's decision, a card dealt, the
    // pot awarded, the next hand begun). When wait() is User, `choice` is the
    // user's; an impossible choice (check facing a bet) comes back as a message.
    std::optional<std::string> step(std::optional<UserChoice> choice = std::nullopt);
    TableWait wait() const { return m_wait; }

    const std::array<TableSeat, kTableSeats + 1>& seats() const { return m_seats; } // 1-based
    int dealer() const { return m_dealer; }
    int handNumber() const { return m_hand; }
    Chips pot() const { return m_pot; }
    Chips level() const { return m_level; }
    Chips raiseSize() const { return m_raise; }
    Chips smallBlind() const { return m_smallBlind; }
    Chips bigBlind() const { return m_bigBlind; }
    bool headsUp() const { return m_headsUp; }
    TableStreet street() const { return m_street; }
    const std::vector<Card>& board() const { return m_board; }
    int actor() const { return m_actor; } // seat whose action is next, 0 between actions
    int winner() const { return m_winner; }
    int smallBlindSeat() const { return m_sbSeat; }
    int bigBlindSeat() const { return m_bbSeat; }
    // Each seat's stack when the current hand began (0 for seats out of the game).
    const std::array<Chips, kTableSeats + 1>& handStartStacks() const { return m_startStacks; }
    // Events since the game started; the current hand's start at handStart().
    const std::vector<TableEvent>& events() const { return m_events; }
    std::size_t handStart() const { return m_handStart; }
    // Stacks and pot together: the same at every moment of a game.
    Chips chipsInPlay() const;

    // For tests and the decision table: the group of two cards and a seat's decision.
    static int sklanskyGroup(std::array<Card, 2> cards);

private:
    struct Turn {
        int seat;
        int role; // 0 any, 1 small blind, 2 big blind
    };

    void beginHand();
    Card drawCard();
    void post(int seat, Chips blind);
    void putIn(int seat, Chips diff);
    void call(int seat);
    void raise(int seat, Chips by);
    void fold(int seat);
    void act(int seat, Action a, Chips amount, int group);
    Action decidePreflop(int seat, int role, int& group);
    int drawOneTo49();
    Action respondPreflop(int seat, int& group);
    Action decideAfterFlop(int seat, int& group);
    bool mayAct(int seat) const;
    int activeSeats() const;   // not folded in this hand
    int nextSeat(int seat) const;
    void startRound();
    void planFirstPass();
    bool nextActor();          // sets m_actor, false when the round is over
    void endRound();
    void dealStreet();
    void showdown();
    void award(const std::array<std::uint32_t, kTableSeats + 1>& values);
    // The seats in the game once each, from the dealer's left round to the dealer.
    std::vector<int> seatsFromDealersLeft() const;
    void finishHand();
    void log(TableEvent e);

    const PatternLists& m_patterns;
    std::mt19937_64 m_random;
    std::array<TableSeat, kTableSeats + 1> m_seats{};
    std::uint64_t m_deck = 0; // dealt cards
    std::vector<Card> m_board;
    int m_dealer = 1, m_hand = 0;
    Chips m_pot = 0, m_level = 0, m_raise = 0;
    Chips m_smallBlind = 5, m_bigBlind = 10;
    int m_sbSeat = 0, m_bbSeat = 0;
    bool m_headsUp = false;
    TableStreet m_street = TableStreet::Preflop;
    TableWait m_wait = TableWait::GameOver;
    int m_actor = 0, m_winner = 0;
    // Betting: the first pass is a fixed order; the second visits seats behind the level.
    std::vector<Turn> m_firstPass;
    std::size_t m_turn = 0;
    int m_pass = 1, m_cursor = 0, m_last = 0;
    int m_raises = 0; // raises in this round
    std::array<Chips, kTableSeats + 1> m_startStacks{};
    std::vector<TableEvent> m_events;
    std::size_t m_handStart = 0;
};

} // namespace tallyhand
