#include "table/PracticeTable.h"

#include "cards/CardText.h"
#include "cards/OutsCalculator.h"
#include "history/ShowdownHand.h"
#include "preflop/Sklansky.h"

#include <algorithm>

namespace tallyhand {

namespace {

// Program seats stop raising after this many raises in a round after the flop.
constexpr int kRaisesAfterFlop = 3;

double hitChance(int outs, int unseen, int cardsToCome)
{
    if (outs <= 0 || unseen <= 0)
        return 0;
    double miss = 1;
    for (int i = 0; i < cardsToCome; ++i)
        miss *= static_cast<double>(unseen - outs - i) / static_cast<double>(unseen - i);
    return 1 - std::max(0.0, miss);
}

} // namespace

std::optional<std::string> blindsProblem(Chips smallBlind, Chips bigBlind)
{
    if (smallBlind < 1 || bigBlind < 1 || smallBlind > kMaxBlind || bigBlind > kMaxBlind)
        return "Die Blinds müssen ganze Zahlen von 1 bis 1.000.000 sein.";
    if (bigBlind < smallBlind)
        return "Der Big Blind darf nicht kleiner als der Small Blind sein.";
    return std::nullopt;
}

const char* actionName(Action a)
{
    static const char* names[] = {"Bet", "Check", "Call", "Raise", "Fold"};
    return names[static_cast<int>(a)];
}

PracticeTable::PracticeTable(const PatternLists& patterns, std::uint64_t seed) : m_patterns(patterns), m_random(seed)
{
}

int PracticeTable::sklanskyGroup(std::array<Card, 2> cards)
{
    return cards[0] == cards[1] ? 0 : sklanskyEntry(cards[0], cards[1]).num;
}

Chips PracticeTable::chipsInPlay() const
{
    Chips chips = m_pot;
    for (int s = 1; s <= kTableSeats; ++s)
        chips += m_seats[static_cast<std::size_t>(s)].stack;
    return chips;
}

std::optional<std::string> PracticeTable::start(Chips smallBlind, Chips bigBlind, bool headsUp)
{
    if (auto problem = blindsProblem(smallBlind, bigBlind))
        return problem;
    m_smallBlind = smallBlind;
    m_bigBlind = bigBlind;
    m_headsUp = headsUp;
    const int seats = headsUp ? 2 : kTableSeats;
    for (int s = 1; s <= kTableSeats; ++s) {
        TableSeat& seat = m_seats[static_cast<std::size_t>(s)];
        seat = TableSeat{};
        seat.out = s > seats;
        seat.stack = seat.out ? 0 : kStartStack;
    }
    m_dealer = 1 + static_cast<int>(m_random() % static_cast<std::uint64_t>(seats));
    m_hand = 0;
    m_pot = 0;
    m_winner = 0;
    m_events.clear();
    beginHand();
    return std::nullopt;
}

int PracticeTable::nextSeat(int seat) const
{
    for (int i = 1; i <= kTableSeats; ++i) {
        const int s = (seat - 1 + i) % kTableSeats + 1;
        if (!m_seats[static_cast<std::size_t>(s)].out)
            return s;
    }
    return seat;
}

int PracticeTable::activeSeats() const
{
    int n = 0;
    for (int s = 1; s <= kTableSeats; ++s) {
        const TableSeat& seat = m_seats[static_cast<std::size_t>(s)];
        n += !seat.out && !seat.folded;
    }
    return n;
}

bool PracticeTable::mayAct(int seat) const
{
    const TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    return !s.out && !s.folded && !s.allIn;
}

void PracticeTable::log(TableEvent e)
{
    e.street = m_street;
    e.pass = m_pass;
    m_events.push_back(std::move(e));
}

Card PracticeTable::drawCard()
{
    // A rank and a suit drawn uniformly, again until the card is still in the deck.
    for (;;) {
        const int rank = 2 + static_cast<int>(m_random() % 13);
        const int suit = 1 + static_cast<int>(m_random() % 4);
        const Card c = makeCard(rank, suit);
        if (!contains(m_deck, c)) {
            m_deck |= maskOf(c);
            return c;
        }
    }
}

void PracticeTable::beginHand()
{
    ++m_hand;
    m_handStart = m_events.size();
    m_deck = 0;
    m_board.clear();
    m_pot = 0;
    m_street = TableStreet::Preflop;
    m_pass = 1;
    for (TableSeat& seat : m_seats) {
        seat.folded = seat.out;
        seat.allIn = false;
        seat.bet = seat.committed = 0;
        seat.dealt = false;
        seat.posted = false;
    }
    for (int s = 1; s <= kTableSeats; ++s)
        m_startStacks[static_cast<std::size_t>(s)] = m_seats[static_cast<std::size_t>(s)].stack;
    log({TableEvent::HandStarted, m_dealer});
    for (int s : seatsFromDealersLeft()) {
        TableSeat& seat = m_seats[static_cast<std::size_t>(s)];
        seat.cards = {drawCard(), drawCard()};
        seat.dealt = true;
        log({TableEvent::Dealt, s});
    }
    m_sbSeat = nextSeat(m_dealer);
    m_bbSeat = nextSeat(m_sbSeat);
    post(m_sbSeat, m_smallBlind);
    post(m_bbSeat, m_bigBlind);
    m_level = m_bigBlind;
    m_raise = m_bigBlind;
    m_raises = 0;
    planFirstPass();
    m_wait = TableWait::Step;
    if (!nextActor())
        endRound();
    else
        m_wait = m_actor == 1 ? TableWait::User : TableWait::Step;
}

void PracticeTable::post(int seat, Chips blind)
{
    const TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    const Chips before = s.committed;
    putIn(seat, blind);
    log({TableEvent::Blind, seat, Action::Bet, s.committed - before, s.allIn});
}

// The seat brings its bet up by `diff`, or goes all in when its stack would
// fall below 1.
void PracticeTable::putIn(int seat, Chips diff)
{
    TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    const Chips paid = s.stack - diff < 1 ? s.stack : diff;
    s.stack -= paid;
    s.bet += paid;
    s.committed += paid;
    s.posted = true;
    s.allIn = s.stack == 0;
    m_pot += paid;
}

void PracticeTable::call(int seat)
{
    putIn(seat, std::max<Chips>(0, m_level - m_seats[static_cast<std::size_t>(seat)].bet));
    m_seats[static_cast<std::size_t>(seat)].box = Action::Call;
}

void PracticeTable::raise(int seat, Chips by)
{
    TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    // More than the stack can pay is the stack, all in. Even a short all-in
    // raises the level by the raise size, but never by more than was asked.
    const Chips wholeStack = s.bet + s.stack - m_level;
    if (by > wholeStack)
        by = std::max(wholeStack, std::min(by, m_raise));
    putIn(seat, m_level + by - s.bet);
    s.box = Action::Raise;
    m_level += by;
    m_raise = std::max(m_raise, by);
    ++m_raises;
}

void PracticeTable::fold(int seat)
{
    TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    s.folded = true;
    s.box = Action::Fold;
}

void PracticeTable::act(int seat, Action a, Chips amount, int group)
{
    const TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    const Chips before = s.committed;
    if (a == Action::Call && m_level <= s.bet)
        a = Action::Check;
    switch (a) {
    case Action::Fold:
        fold(seat);
        break;
    case Action::Check:
        m_seats[static_cast<std::size_t>(seat)].box = Action::Check;
        m_seats[static_cast<std::size_t>(seat)].posted = true;
        break;
    case Action::Call:
        call(seat);
        break;
    case Action::Bet:
    case Action::Raise:
        raise(seat, amount > 0 ? amount : m_raise);
        if (a == Action::Bet)
            m_seats[static_cast<std::size_t>(seat)].box = Action::Bet;
        break;
    }
    TableEvent e{TableEvent::Act, seat, a, m_seats[static_cast<std::size_t>(seat)].committed - before,
                 m_seats[static_cast<std::size_t>(seat)].allIn};
    e.group = group;
    log(std::move(e));
}

Action preflopDecision(int g, int role, Chips level, Chips raiseSize, int d)
{
    if (g == 0 || g >= 8) {
        if (role != 2 || level > raiseSize)
            return Action::Fold;
        return g == 0 || d == 25 ? Action::Raise : Action::Call;
    }
    if (g <= 3)
        return Action::Raise;
    if (g == 4)
        return role == 2 || d == 25 ? Action::Raise : Action::Call;
    return d == 25 ? Action::Raise : Action::Call;
}

Action preflopResponse(int g, int d)
{
    return g != 1 && g != 2 && d >= 10 ? Action::Call : Action::Raise;
}

Action PracticeTable::decidePreflop(int seat, int role, int& group)
{
    group = sklanskyGroup(m_seats[static_cast<std::size_t>(seat)].cards);
    return preflopDecision(group, role, m_level, m_raise, drawOneTo49());
}

Action PracticeTable::respondPreflop(int seat, int& group)
{
    group = sklanskyGroup(m_seats[static_cast<std::size_t>(seat)].cards);
    return preflopResponse(group, drawOneTo49());
}

int PracticeTable::drawOneTo49()
{
    return 1 + static_cast<int>(m_random() % 49);
}

Action PracticeTable::decideAfterFlop(int seat, int& group)
{
    const TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    group = sklanskyGroup(s.cards);
    // What the calculator shows for the seat's cards on this board.
    std::array<std::string, 7> edits;
    edits[0] = cardText(s.cards[0]);
    edits[1] = cardText(s.cards[1]);
    for (std::size_t i = 0; i < m_board.size(); ++i)
        edits[2 + i] = cardText(m_board[i]);
    const HandCards hand = readHandCards(edits);
    const OutsResult outs = calculateOuts(m_patterns, hand);
    const Chips toCall = std::max<Chips>(0, m_level - s.bet);
    const bool mayRaise = m_raises < kRaisesAfterFlop;
    if (outs.madeCategory >= kSet)
        return mayRaise ? (toCall == 0 ? Action::Bet : Action::Raise) : Action::Call;
    if (outs.madeCategory == kTwoPair)
        return toCall == 0 && mayRaise ? Action::Bet : Action::Call;
    if (toCall == 0)
        return Action::Check;
    if (outs.madeCategory == kOnePair && 2 * toCall <= m_pot)
        return Action::Call;
    // A draw is called when it hits more often than the pot odds ask for.
    const int toCome = m_street == TableStreet::Flop ? 2 : m_street == TableStreet::Turn ? 1 : 0;
    const double need = static_cast<double>(toCall) / static_cast<double>(m_pot + toCall);
    return hitChance(outs.totalOuts, unseenCards(hand), toCome) >= need ? Action::Call : Action::Fold;
}

void PracticeTable::planFirstPass()
{
    m_firstPass.clear();
    m_turn = 0;
    m_pass = 1;
    if (m_street == TableStreet::Preflop) {
        for (int s = nextSeat(m_bbSeat); s != m_sbSeat && s != m_bbSeat; s = nextSeat(s))
            m_firstPass.push_back({s, 0});
        if (m_sbSeat != m_bbSeat) {
            m_firstPass.push_back({m_sbSeat, 1});
            m_firstPass.push_back({m_bbSeat, 2});
        }
        return;
    }
    for (int s : seatsFromDealersLeft())
        m_firstPass.push_back({s, 0});
}

bool PracticeTable::nextActor()
{
    m_actor = 0;
    if (activeSeats() <= 1)
        return false;
    while (m_pass == 1) {
        if (m_turn >= m_firstPass.size()) {
            if (m_firstPass.empty())
                return false;
            m_pass = 2;
            m_last = m_firstPass.back().seat;
            m_cursor = nextSeat(m_last);
            break;
        }
        const int seat = m_firstPass[m_turn].seat;
        if (mayAct(seat)) {
            m_actor = seat;
            return true;
        }
        ++m_turn;
    }
    for (; m_cursor != m_last; m_cursor = nextSeat(m_cursor)) {
        const TableSeat& s = m_seats[static_cast<std::size_t>(m_cursor)];
        if (mayAct(m_cursor) && s.bet < m_level) {
            m_actor = m_cursor;
            return true;
        }
    }
    return false;
}

std::optional<std::string> PracticeTable::step(std::optional<UserChoice> choice)
{
    switch (m_wait) {
    case TableWait::GameOver:
        return "Das Spiel ist vorbei. Start oder Heads Up beginnt ein neues.";
    case TableWait::HandOver:
        beginHand();
        return std::nullopt;
    case TableWait::User:
    case TableWait::Step:
        break;
    }
    const int seat = m_actor;
    const TableSeat& s = m_seats[static_cast<std::size_t>(seat)];
    if (seat == 1) {
        if (!choice)
            return "Sie sind am Zug: bitte eine Aktion wählen.";
        const Chips toCall = std::max<Chips>(0, m_level - s.bet);
        if (choice->action == Action::Check && toCall > 0)
            return "Check geht nicht: " + std::to_string(toCall) + " sind zu bezahlen (Call, Raise oder Fold).";
        if (choice->action == Action::Bet && toCall > 0)
            return "Bet geht nicht: es wurde schon gesetzt (Call, Raise oder Fold).";
        const bool raises = choice->action == Action::Bet || choice->action == Action::Raise;
        if (raises && choice->amount < 0)
            return std::string(kStakeMessage);
        if (raises && choice->amount != 0 && choice->amount < m_raise && choice->amount < s.stack)
            return "Der Einsatz muss mindestens " + std::to_string(m_raise) + " sein.";
        act(1, choice->action, raises ? choice->amount : 0, sklanskyGroup(s.cards));
    } else {
        int group = 0;
        Action a;
        if (m_street != TableStreet::Preflop)
            a = decideAfterFlop(seat, group);
        else if (m_pass == 1)
            a = decidePreflop(seat, m_firstPass[m_turn].role, group);
        else
            a = respondPreflop(seat, group);
        act(seat, a, 0, group);
    }
    if (m_pass == 1) {
        ++m_turn;
    } else {
        if (m_seats[static_cast<std::size_t>(seat)].box == Action::Raise ||
            m_seats[static_cast<std::size_t>(seat)].box == Action::Bet)
            m_last = seat;
        m_cursor = nextSeat(m_cursor);
    }
    if (!nextActor())
        endRound();
    else
        m_wait = m_actor == 1 ? TableWait::User : TableWait::Step;
    return std::nullopt;
}

void PracticeTable::endRound()
{
    m_actor = 0;
    if (activeSeats() <= 1) {
        award({}); // everybody else folded: no cards decide
        finishHand();
        return;
    }
    // Betting goes on while two seats still have chips to bet.
    for (;;) {
        if (m_street == TableStreet::River) {
            showdown();
            finishHand();
            return;
        }
        dealStreet();
        int canAct = 0;
        for (int s = 1; s <= kTableSeats; ++s)
            canAct += mayAct(s);
        if (canAct >= 2) {
            planFirstPass();
            if (nextActor()) {
                m_wait = m_actor == 1 ? TableWait::User : TableWait::Step;
                return;
            }
        }
    }
}

void PracticeTable::dealStreet()
{
    m_street = m_street == TableStreet::Preflop ? TableStreet::Flop : m_street == TableStreet::Flop ? TableStreet::Turn : TableStreet::River;
    const int cards = m_street == TableStreet::Flop ? 3 : 1;
    for (int i = 0; i < cards; ++i)
        m_board.push_back(drawCard());
    for (TableSeat& seat : m_seats) {
        seat.bet = 0;
        seat.posted = false;
    }
    m_level = 0;
    m_raise = m_bigBlind;
    m_raises = 0;
    m_pass = 1;
    log({TableEvent::Board, 0});
}

std::vector<int> PracticeTable::seatsFromDealersLeft() const
{
    std::vector<int> seats;
    for (int s = nextSeat(m_dealer); seats.empty() || s != seats.front(); s = nextSeat(s))
        seats.push_back(s);
    return seats;
}

void PracticeTable::showdown()
{
    std::array<std::uint32_t, kTableSeats + 1> values{};
    for (int s : seatsFromDealersLeft()) {
        const TableSeat& seat = m_seats[static_cast<std::size_t>(s)];
        if (seat.folded)
            continue;
        std::vector<Card> cards(m_board);
        cards.push_back(seat.cards[0]);
        cards.push_back(seat.cards[1]);
        const ShowdownHand hand = evaluateShowdown(cards);
        values[static_cast<std::size_t>(s)] = hand.value;
        TableEvent e{TableEvent::Shows, s};
        e.text = hand.description;
        log(std::move(e));
    }
    award(values);
}

// Side pots by what each seat put in; the best `values` among the seats still
// in share each, odd chips go by seat order from the dealer's left.
void PracticeTable::award(const std::array<std::uint32_t, kTableSeats + 1>& values)
{
    const std::vector<int> seats = seatsFromDealersLeft();
    const auto valueOf = [&](int s) { return values[static_cast<std::size_t>(s)]; };
    std::vector<Chips> levels;
    for (int s : seats)
        if (m_seats[static_cast<std::size_t>(s)].committed > 0)
            levels.push_back(m_seats[static_cast<std::size_t>(s)].committed);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    std::array<Chips, kTableSeats + 1> won{};
    Chips below = 0;
    for (Chips levelTop : levels) {
        Chips slice = 0;
        std::vector<int> eligible;
        for (int s : seats) {
            const TableSeat& seat = m_seats[static_cast<std::size_t>(s)];
            slice += std::clamp<Chips>(seat.committed - below, 0, levelTop - below);
            if (!seat.folded && seat.committed >= levelTop)
                eligible.push_back(s);
        }
        below = levelTop;
        if (slice == 0)
            continue;
        if (eligible.empty()) {
            // Chips nobody still in the hand matched go back to whoever is left with the most in.
            for (int s : seats)
                if (!m_seats[static_cast<std::size_t>(s)].folded)
                    eligible.push_back(s);
            std::stable_sort(eligible.begin(), eligible.end(), [&](int a, int b) {
                return m_seats[static_cast<std::size_t>(a)].committed > m_seats[static_cast<std::size_t>(b)].committed;
            });
            eligible.resize(1);
        }
        std::uint32_t best = 0;
        for (int s : eligible)
            best = std::max(best, valueOf(s));
        std::vector<int> winners;
        for (int s : eligible)
            if (valueOf(s) == best)
                winners.push_back(s);
        const auto count = static_cast<Chips>(winners.size());
        const Chips share = slice / count;
        Chips odd = slice % count;
        for (int s : winners)
            won[static_cast<std::size_t>(s)] += share + (odd-- > 0 ? 1 : 0);
    }
    for (int s : seats) {
        const Chips amount = won[static_cast<std::size_t>(s)];
        if (amount == 0)
            continue;
        m_seats[static_cast<std::size_t>(s)].stack += amount;
        m_pot -= amount;
        log({TableEvent::Wins, s, Action::Check, amount});
    }
}

void PracticeTable::finishHand()
{
    m_actor = 0;
    for (int s = 1; s <= kTableSeats; ++s) {
        TableSeat& seat = m_seats[static_cast<std::size_t>(s)];
        if (!seat.out && seat.stack == 0) {
            seat.out = true;
            log({TableEvent::Left, s});
        }
    }
    int left = 0, last = 0;
    for (int s = 1; s <= kTableSeats; ++s)
        if (!m_seats[static_cast<std::size_t>(s)].out) {
            ++left;
            last = s;
        }
    if (left <= 1) {
        m_winner = last;
        m_wait = TableWait::GameOver;
        log({TableEvent::GameOver, last});
        return;
    }
    m_dealer = nextSeat(m_dealer);
    m_wait = TableWait::HandOver;
}

} // namespace tallyhand
