#include "history/HandHistoryGenerator.h"

#include "cards/CardText.h"
#include "history/ShowdownHand.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace tallyhand {
namespace {

// Small, portable generator so that a seed gives the same files everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        return lo + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < p; }

private:
    std::uint64_t m_state;
};

const std::vector<std::string>& namePool()
{
    static const std::vector<std::string> names{
        "lefty0130", "jerseydanny", "jbay97", "dougwid", "Mailo2001", "joxx1", "Yakimchik117", "CatoSenex",
        "TH0090", "FragdenInder", "O.BELMANE", "AnotherBirde", "Ghost of NJ", "#3lynchmob", "PotatoCh!p",
        "96jomama", "Luiz F. 1977", "prizrak play", "=NutsFM=", "Dambouski Y", "TeddyO'hara", "2Ran128",
        "Denisov V.", "time part 90", "Bl\xC3\xA5veis", "Ass'e bast\xC3\xB2", "J\xC3\xBCrgen K", "\xC3\x91" "and\xC3\xBA",
        "Roni (LBK)", "MerVit (Added Parens)", "Mr. Martini7", "44Albo44", "neto coinete", "I am 8", "PS2 MAN",
        "2.7 acequeen", "chipsdonator", "Sunkanshan", "PettyRaise", "Girlie007", "Any2CardsRIU", "billyem",
        "xxCeDxx", "Realdyralei", "MaltoHumor", "thejthief", "superiorsl", "jackie001", "scouse21", "ballajay3",
        "TY4PAYING", "philnkaz", "Superman4164", "Scoop15", "riverrat77", "nitbox", "KKonly", "foldpre",
        "Gr\xC3\xA4" "fin Eva", "S\xC3\xA9" "bastien", "tiltmaster", "donkeyhote", "8outs", "la_mano", "paulchen",
        "Zwerg42", "hasselhoff", "MISTERGRINCH", "tolle Hand", "catch22", "bluffalo", "rocknroll 9",
        "Fish&Chips", "FoldEquity", "Stone_Cold", "ace-rag", "moneyline", "q\xC3\xB6rk", "NoLimitNoob"};
    return names;
}

const std::vector<std::string>& tableNames()
{
    static const std::vector<std::string> names{
        "Pallas", "Akiyama", "Donati", "Hektor", "Medusa", "Aquila", "Borealis", "Cassiopeia", "Draco",
        "Eridanus", "Fornax", "Gemma", "Hydrus", "Indus", "Lyra", "Mensa", "Norma", "Octans", "Pavo", "Sagitta"};
    return names;
}

// UTF-8 Latin-1 letters as single Windows-1252 bytes.
std::string toWindows1252(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xC3 && i + 1 < utf8.size()) {
            out.push_back(static_cast<char>(static_cast<unsigned char>(utf8[i + 1]) + 0x40));
            ++i;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

std::string ordinal(int n)
{
    const int tens = n % 100;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th" : n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

std::string roman(int n)
{
    static const std::pair<int, const char*> parts[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string text;
    for (const auto& [value, letters] : parts)
        while (n >= value) {
            text += letters;
            n -= value;
        }
    return text;
}

struct Level {
    std::int64_t sb, bb, ante;
};
constexpr std::array<Level, 16> kLevels{{{10, 20, 2},       {15, 30, 3},        {25, 50, 5},       {50, 100, 10},
                                         {75, 150, 15},     {100, 200, 25},     {150, 300, 25},    {200, 400, 50},
                                         {300, 600, 75},    {400, 800, 100},    {500, 1000, 125},  {600, 1200, 150},
                                         {800, 1600, 200},  {1000, 2000, 250},  {1500, 3000, 375}, {2000, 4000, 500}}};

enum class HeaderForm { Game, Hand, Zoom, Home };

struct TableSetup {
    bool tournament = false;
    HeaderForm form = HeaderForm::Hand;
    int maxSeats = 6;
    std::int64_t sb = 5, bb = 10;        // cents for cash
    std::int64_t tourNo = 0;
    std::string buyIn;                   // "$4.40+$0.40 USD"
    std::string tableName;
    std::string club;                    // home games
    bool crlf = true;
    bool mixedEnds = false;
    bool bom = false;
    bool trailingBlank = true;
    bool windows1252 = false;
    std::string zone = "CET";
    int zoneOffset = 6;                  // hours ahead of ET
};

struct Seat {
    int number = 0;
    std::string name;
    std::int64_t stack = 0;
};

class FileWriter {
public:
    explicit FileWriter(const TableSetup& setup) : m_setup(setup)
    {
        if (setup.bom)
            m_bytes = "\xEF\xBB\xBF";
    }
    void line(const std::string& text, bool separator = false)
    {
        m_bytes += m_setup.windows1252 ? toWindows1252(text) : text;
        const bool crlf = m_setup.mixedEnds ? separator : m_setup.crlf;
        m_bytes += crlf ? "\r\n" : "\n";
    }
    std::string& bytes() { return m_bytes; }

private:
    const TableSetup& m_setup;
    std::string m_bytes;
};

class HandGenerator {
public:
    HandGenerator(Random& rng, const GeneratorOptions& options) : m_rng(rng), m_options(options)
    {
        m_gameNo = 100000000000 + static_cast<std::int64_t>(options.seed % 997) * 1000000000;
        m_tourNo = 2000000000 + static_cast<std::int64_t>(options.seed % 89) * 10000000;
        m_time = std::chrono::sys_days{std::chrono::year{2015 + static_cast<int>(options.seed % 8)} / 1 / 1}
                 + std::chrono::hours(rng.below(24 * 300));
    }

    GeneratedFile table(std::size_t gamesWanted);

private:
    std::string money(std::int64_t v) const;
    std::string timeText() const;
    std::string headerLine(const Level& level, int levelIndex) const;
    bool playHand(FileWriter& out, std::vector<Seat>& seats, int button, const Level& level, int levelIndex);
    std::string freshName(const std::vector<Seat>& seats);

    Random& m_rng;
    const GeneratorOptions& m_options;
    TableSetup m_setup;
    std::int64_t m_gameNo;
    std::int64_t m_tourNo;
    std::chrono::sys_seconds m_time;
    int m_tablesMade = 0;
    int m_placesLeft = 0;
};

std::string HandGenerator::money(std::int64_t v) const
{
    if (m_setup.tournament || m_setup.form == HeaderForm::Home)
        return std::to_string(v);
    std::string text = "$" + std::to_string(v / 100);
    if (v % 100 != 0) {
        char cents[4];
        std::snprintf(cents, sizeof cents, "%02d", static_cast<int>(v % 100));
        text += std::string(".") + cents;
    }
    return text;
}

std::string HandGenerator::timeText() const
{
    const auto format = [](std::chrono::sys_seconds t) {
        const auto day = std::chrono::floor<std::chrono::days>(t);
        const std::chrono::year_month_day ymd{day};
        const std::chrono::hh_mm_ss hms{t - day};
        char text[32];
        std::snprintf(text, sizeof text, "%04d/%02u/%02u %02d:%02d:%02d", static_cast<int>(ymd.year()),
                      static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                      static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()),
                      static_cast<int>(hms.seconds().count()));
        return std::string(text);
    };
    if (m_setup.form == HeaderForm::Game && m_setup.zoneOffset == 0)
        return format(m_time) + " ET";
    return format(m_time + std::chrono::hours(m_setup.zoneOffset)) + " " + m_setup.zone + " [" + format(m_time) + " ET]";
}

std::string HandGenerator::headerLine(const Level& level, int levelIndex) const
{
    std::string line;
    switch (m_setup.form) {
    case HeaderForm::Game: line = "PokerStars Game #"; break;
    case HeaderForm::Hand: line = "PokerStars Hand #"; break;
    case HeaderForm::Zoom: line = "PokerStars Zoom Hand #"; break;
    case HeaderForm::Home: line = "PokerStars Home Game Hand #"; break;
    }
    line += std::to_string(m_gameNo) + ": ";
    if (m_setup.form == HeaderForm::Home)
        line += "{" + m_setup.club + "} ";
    if (m_setup.tournament) {
        line += "Tournament #" + std::to_string(m_setup.tourNo) + ", " + m_setup.buyIn + " Hold'em No Limit - Level "
                + roman(levelIndex + 1) + " (" + money(level.sb) + "/" + money(level.bb) + ") - ";
    } else {
        line += " Hold'em No Limit (" + money(level.sb) + "/" + money(level.bb)
                + (m_setup.form == HeaderForm::Home ? ")" : " USD)") + " - ";
    }
    return line + timeText();
}

std::string HandGenerator::freshName(const std::vector<Seat>& seats)
{
    const auto& pool = namePool();
    for (;;) {
        std::string name = pool[static_cast<std::size_t>(m_rng.below(static_cast<int>(pool.size())))];
        if (m_rng.chance(0.3))
            name += std::to_string(m_rng.below(100));
        if (name == m_options.hero)
            continue;
        if (std::none_of(seats.begin(), seats.end(), [&](const Seat& s) { return s.name == name; }))
            return name;
    }
}

GeneratedFile HandGenerator::table(std::size_t gamesWanted)
{
    TableSetup& s = m_setup;
    s = TableSetup{};
    ++m_tablesMade;
    s.tournament = m_rng.chance(0.55);
    const int formRoll = m_rng.below(100);
    s.form = formRoll < 20 ? HeaderForm::Game : formRoll < 85 ? HeaderForm::Hand : formRoll < 95 ? HeaderForm::Zoom : HeaderForm::Home;
    if (s.tournament && s.form == HeaderForm::Zoom)
        s.form = HeaderForm::Hand;
    static const int sizes[] = {2, 3, 6, 8, 9, 9, 9, 10, 10, 10, 10};
    s.maxSeats = sizes[m_rng.below(11)];
    s.crlf = m_rng.chance(0.6);
    s.mixedEnds = !s.crlf && m_rng.chance(0.25);
    s.bom = m_rng.chance(0.3);
    s.trailingBlank = m_rng.chance(0.5);
    s.windows1252 = s.form == HeaderForm::Game && m_rng.chance(0.3);
    static const std::pair<const char*, int> zones[] = {{"CET", 6}, {"MSK", 8}, {"WET", 5}, {"BRT", 2}, {"EET", 7}};
    const auto& zone = zones[m_rng.below(5)];
    s.zone = zone.first;
    s.zoneOffset = s.form == HeaderForm::Game && m_rng.chance(0.5) ? 0 : zone.second;
    s.club = "Stammtisch " + std::to_string(m_rng.below(90) + 10);

    const auto& tables = tableNames();
    const std::string base = tables[static_cast<std::size_t>(m_rng.below(static_cast<int>(tables.size())))];
    if (s.tournament) {
        m_tourNo += m_rng.between(1000, 90000);
        s.tourNo = m_tourNo;
        static const char* buyIns[] = {"$4.40+$0.40 USD", "$0.98+$0.02 USD", "$24.02+$24.02+$1.96 USD",
                                       "$10+$1 USD", "$3.19+$0.31 USD", "$0.44+$0.06 USD"};
        s.buyIn = s.form == HeaderForm::Home ? "17000+3000" : buyIns[m_rng.below(6)];
        s.tableName = std::to_string(s.tourNo) + " " + std::to_string(m_rng.below(40) + 1);
    } else {
        static const std::array<std::int64_t, 5> blinds{2, 5, 10, 25, 50};
        s.sb = blinds[static_cast<std::size_t>(m_rng.below(5))];
        s.bb = 2 * s.sb;
        s.tableName = base + " " + roman(m_tablesMade % 30 + 1);
    }

    // Seats: the hero somewhere, 2..max players.
    std::vector<Seat> seats;
    const int players = std::max(2, s.maxSeats - m_rng.below(std::min(2, s.maxSeats - 1)));
    std::vector<int> numbers;
    for (int n = 1; n <= s.maxSeats; ++n)
        numbers.push_back(n);
    for (std::size_t i = numbers.size(); i > 1; --i)
        std::swap(numbers[i - 1], numbers[static_cast<std::size_t>(m_rng.below(static_cast<int>(i)))]);
    numbers.resize(static_cast<std::size_t>(players));
    std::sort(numbers.begin(), numbers.end());
    const int heroIndex = m_rng.below(players);
    const std::int64_t startStack = s.tournament ? 1500 : 100 * s.bb;
    for (int i = 0; i < players; ++i) {
        Seat seat;
        seat.number = numbers[static_cast<std::size_t>(i)];
        seat.name = i == heroIndex ? m_options.hero : freshName(seats);
        seat.stack = s.tournament ? startStack : startStack / 2 + m_rng.between(0, startStack);
        seats.push_back(std::move(seat));
    }
    m_placesLeft = s.tournament ? 50 + m_rng.below(500) : 0;

    GeneratedFile file;
    const auto day = std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(m_time)};
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02u%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()));
    if (s.tournament)
        file.name = std::string("HH") + date + " T" + std::to_string(s.tourNo) + " No Limit Hold'em "
                    + s.buyIn.substr(0, s.buyIn.find(' ')) + ".txt";
    else
        file.name = std::string("HH") + date + " " + s.tableName + " - " + money(s.sb) + "-" + money(s.bb)
                    + " - USD No Limit Hold'em.txt";

    FileWriter out(s);
    int button = m_rng.below(players);
    for (std::size_t g = 0; g < gamesWanted; ++g) {
        const int levelIndex = s.tournament ? std::min(static_cast<int>(g / 10), static_cast<int>(kLevels.size()) - 1) : 0;
        const Level level = s.tournament ? kLevels[static_cast<std::size_t>(levelIndex)] : Level{s.sb, s.bb, 0};
        m_gameNo += m_rng.between(1, 60);
        m_time += std::chrono::seconds(m_rng.between(20, 140));
        if (g > 0) {
            // Games are separated by blank lines.
            out.line("", true);
            out.line("", true);
        }
        const bool heroLeft = playHand(out, seats, button, level, levelIndex);
        ++file.games;
        if (heroLeft || seats.size() < 2)
            break;
        button = (button + 1) % static_cast<int>(seats.size());
    }
    if (s.trailingBlank) {
        out.line("", true);
        out.line("", true);
    }
    file.bytes = std::move(out.bytes());
    m_time += std::chrono::hours(m_rng.between(1, 30));
    return file;
}

// One hand at the table; returns true when the hero has left (busted in a tournament).
bool HandGenerator::playHand(FileWriter& out, std::vector<Seat>& seats, int button, const Level& level, int levelIndex)
{
    const int n = static_cast<int>(seats.size());
    const auto at = [&](int i) -> Seat& { return seats[static_cast<std::size_t>(((i % n) + n) % n)]; };
    const auto idx = [&](int i) { return static_cast<std::size_t>(((i % n) + n) % n); };

    out.line(headerLine(level, levelIndex), true);
    out.line("Table '" + m_setup.tableName + "' " + std::to_string(m_setup.maxSeats) + "-max Seat #"
             + std::to_string(at(button).number) + " is the button");
    for (const Seat& seat : seats)
        out.line("Seat " + std::to_string(seat.number) + ": " + seat.name + " (" + money(seat.stack) + " in chips)");

    std::vector<std::int64_t> total(seats.size(), 0), street(seats.size(), 0);
    std::vector<bool> folded(seats.size(), false), allIn(seats.size(), false), voluntary(seats.size(), false);
    std::vector<int> foldStreet(seats.size(), -1);
    std::vector<std::int64_t> stack;
    for (const Seat& seat : seats)
        stack.push_back(seat.stack);

    const auto put = [&](std::size_t i, std::int64_t amount) {
        amount = std::min(amount, stack[i]);
        stack[i] -= amount;
        total[i] += amount;
        street[i] += amount;
        if (stack[i] == 0)
            allIn[i] = true;
        return amount;
    };
    const auto allInText = [&](std::size_t i) { return allIn[i] ? std::string(" and is all-in") : std::string(); };

    if (level.ante > 0) {
        for (int k = 0; k < n; ++k) {
            const std::size_t i = idx(button + 1 + k);
            const std::int64_t a = put(i, level.ante);
            out.line(seats[i].name + ": posts the ante " + money(a) + allInText(i));
        }
        std::fill(street.begin(), street.end(), 0);
    }
    const int sbPos = n == 2 ? button : button + 1;
    const int bbPos = sbPos + 1;
    {
        const std::size_t i = idx(sbPos);
        out.line(seats[i].name + ": posts small blind " + money(put(i, level.sb)) + allInText(i));
        const std::size_t j = idx(bbPos);
        out.line(seats[j].name + ": posts big blind " + money(put(j, level.bb)) + allInText(j));
    }

    // Deal.
    std::vector<Card> deck;
    for (Card c = 0; c < kCardCount; ++c)
        deck.push_back(c);
    for (std::size_t i = deck.size(); i > 1; --i)
        std::swap(deck[i - 1], deck[static_cast<std::size_t>(m_rng.below(static_cast<int>(i)))]);
    std::size_t next = 0;
    std::vector<std::array<Card, 2>> hole(seats.size());
    for (auto& h : hole) {
        h[0] = deck[next++];
        h[1] = deck[next++];
    }
    std::vector<Card> board;
    out.line("*** HOLE CARDS ***");
    for (std::size_t i = 0; i < seats.size(); ++i)
        if (seats[i].name == m_options.hero)
            out.line("Dealt to " + seats[i].name + " [" + historyCardText(hole[i][0]) + " " + historyCardText(hole[i][1]) + "]");

    const auto strength = [&](std::size_t i) {
        if (board.empty()) {
            const int a = rankOf(hole[i][0]);
            const int b = rankOf(hole[i][1]);
            double s = a == b ? 0.5 + a / 28.0 : std::max(a, b) / 24.0 + std::min(a, b) / 60.0;
            if (suitOf(hole[i][0]) == suitOf(hole[i][1]))
                s += 0.05;
            return std::min(1.0, s);
        }
        std::vector<Card> cards(board);
        cards.push_back(hole[i][0]);
        cards.push_back(hole[i][1]);
        const int category = evaluateShowdown(cards).category;
        return std::min(1.0, 0.15 + category * 0.22);
    };
    const auto inHand = [&]() {
        int count = 0;
        for (std::size_t i = 0; i < seats.size(); ++i)
            count += folded[i] ? 0 : 1;
        return count;
    };
    const auto canAct = [&]() {
        int count = 0;
        for (std::size_t i = 0; i < seats.size(); ++i)
            count += (!folded[i] && !allIn[i]) ? 1 : 0;
        return count;
    };

    // Returns after the street's betting; the uncalled part of a bet goes back.
    const auto bettingRound = [&](int streetNo, int first) {
        std::int64_t current = 0;
        for (std::int64_t v : street)
            current = std::max(current, v);
        std::int64_t minRaise = level.bb;
        int raises = 0;
        std::vector<bool> acted(seats.size(), false);
        int pos = first;
        int idle = 0;
        while (inHand() > 1 && idle < n) {
            const std::size_t i = idx(pos++);
            if (folded[i] || allIn[i] || (acted[i] && street[i] == current)) {
                ++idle;
                continue;
            }
            if (canAct() == 1 && street[i] == current) {
                ++idle;
                continue;
            }
            idle = 0;
            acted[i] = true;
            if (m_rng.chance(0.12)) {
                static const char* chat[] = {"gl", "nh", "ty", "lol", "wp", "sick", "gg", "ship it"};
                out.line(seats[idx(pos + m_rng.below(n))].name + " said, \"" + chat[m_rng.below(8)] + "\"");
            }
            const double s = strength(i) + (m_rng.below(100) - 50) / 250.0;
            const std::int64_t facing = current - street[i];
            const bool shortStack = stack[i] <= 10 * level.bb;
            const std::string& name = seats[i].name;
            if (facing > 0) {
                const double foldP = streetNo == 0
                                         ? std::clamp(1.25 - 1.2 * s - (facing <= level.bb ? 0.05 : 0.0), 0.05, 0.95)
                                         : std::clamp(0.85 - s, 0.05, 0.9);
                const double raiseP = raises >= 4 ? 0.0 : (s > 0.75 ? 0.35 : 0.06);
                if (m_rng.chance(foldP)) {
                    folded[i] = true;
                    foldStreet[i] = streetNo;
                    out.line(name + ": folds");
                } else if (m_rng.chance(raiseP) && stack[i] > facing) {
                    std::int64_t to = current + std::max(minRaise, current * m_rng.between(1, 3) / 2);
                    if (shortStack || to - street[i] >= stack[i] * 6 / 10)
                        to = street[i] + stack[i];
                    const std::int64_t before = street[i];
                    put(i, to - before);
                    const std::int64_t raisedTo = street[i];
                    if (raisedTo - current >= minRaise)
                        minRaise = raisedTo - current;
                    out.line(name + ": raises " + money(raisedTo - current) + " to " + money(raisedTo) + allInText(i));
                    current = std::max(current, raisedTo);
                    voluntary[i] = true;
                    ++raises;
                } else {
                    const std::int64_t paid = put(i, facing);
                    voluntary[i] = true;
                    out.line(name + ": calls " + money(paid) + allInText(i));
                }
            } else {
                const double betP = streetNo == 0 ? 0.15 + 0.6 * s : 0.25 + 0.4 * s;
                if (raises < 4 && m_rng.chance(betP)) {
                    std::int64_t amount = streetNo == 0 ? level.bb * 2 : std::max(level.bb, [&] {
                        std::int64_t pot = 0;
                        for (std::int64_t v : total)
                            pot += v;
                        return pot * m_rng.between(35, 100) / 100;
                    }());
                    if (shortStack || amount >= stack[i] * 6 / 10)
                        amount = stack[i];
                    put(i, amount);
                    voluntary[i] = true;
                    if (current == 0) {
                        out.line(name + ": bets " + money(street[i]) + allInText(i));
                        minRaise = street[i];
                    } else {
                        out.line(name + ": raises " + money(street[i] - current) + " to " + money(street[i]) + allInText(i));
                        minRaise = std::max(minRaise, street[i] - current);
                    }
                    current = street[i];
                    ++raises;
                } else {
                    out.line(name + ": checks");
                }
            }
        }
        // The part of the highest bet nobody matched goes back.
        std::size_t top = 0;
        for (std::size_t i = 1; i < seats.size(); ++i)
            if (street[i] > street[top])
                top = i;
        std::int64_t second = 0;
        for (std::size_t i = 0; i < seats.size(); ++i)
            if (i != top)
                second = std::max(second, street[i]);
        if (street[top] > second) {
            const std::int64_t back = street[top] - second;
            street[top] -= back;
            total[top] -= back;
            stack[top] += back;
            if (stack[top] > 0)
                allIn[top] = false;
            out.line("Uncalled bet (" + money(back) + ") returned to " + seats[top].name);
        }
        std::fill(street.begin(), street.end(), 0);
    };

    bettingRound(0, bbPos + 1);
    static const char* streetNames[] = {"FLOP", "TURN", "RIVER"};
    static const char* foldNames[] = {"before Flop", "on the Flop", "on the Turn", "on the River"};
    for (int st = 1; st <= 3 && inHand() > 1; ++st) {
        const std::string before = [&] {
            std::string text;
            for (std::size_t k = 0; k < board.size(); ++k)
                text += (k ? " " : "") + historyCardText(board[k]);
            return text;
        }();
        const int newCards = st == 1 ? 3 : 1;
        std::string added;
        for (int k = 0; k < newCards; ++k) {
            board.push_back(deck[next++]);
            added += (k ? " " : "") + historyCardText(board.back());
        }
        if (st == 1)
            out.line("*** FLOP *** [" + added + "]");
        else
            out.line(std::string("*** ") + streetNames[st - 1] + " *** [" + before + "] [" + added + "]");
        if (canAct() > 1)
            bettingRound(st, button + 1);
    }

    // Pots, from the lowest all-in level up.
    std::vector<std::int64_t> levels;
    for (std::size_t i = 0; i < seats.size(); ++i)
        if (!folded[i] && total[i] > 0)
            levels.push_back(total[i]);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    struct Pot {
        std::int64_t amount = 0;
        std::vector<std::size_t> eligible;
    };
    std::vector<Pot> pots;
    std::int64_t previous = 0;
    for (std::int64_t lv : levels) {
        Pot pot;
        for (std::size_t i = 0; i < seats.size(); ++i) {
            pot.amount += std::min(total[i], lv) - std::min(total[i], previous);
            if (!folded[i] && total[i] >= lv)
                pot.eligible.push_back(i);
        }
        previous = lv;
        if (!pots.empty() && pots.back().eligible == pot.eligible)
            pots.back().amount += pot.amount;
        else
            pots.push_back(std::move(pot));
    }
    std::int64_t potTotal = 0;
    for (std::int64_t v : total)
        potTotal += v;
    std::int64_t counted = 0;
    for (const Pot& pot : pots)
        counted += pot.amount;
    if (!pots.empty())
        pots.back().amount += potTotal - counted; // folded money above the last level
    std::int64_t rake = 0;
    if (!m_setup.tournament && m_setup.form != HeaderForm::Home && !board.empty())
        rake = std::min(potTotal * 5 / 100, 3 * level.bb);
    if (!pots.empty()) {
        rake = std::min(rake, pots.front().amount); // a short all-in's main pot can be smaller
        pots.front().amount -= rake;
    }

    std::vector<std::int64_t> won(seats.size(), 0);
    std::vector<ShowdownHand> hands(seats.size());
    std::vector<bool> showed(seats.size(), false), mucked(seats.size(), false);
    const bool showdown = inHand() > 1;
    if (showdown) {
        out.line("*** SHOW DOWN ***");
        std::uint32_t best = 0;
        bool first = true;
        std::vector<std::size_t> order; // seats in the order they show or muck
        for (int k = 1; k <= n; ++k) {
            const std::size_t i = idx(button + k);
            if (folded[i])
                continue;
            std::vector<Card> cards(board);
            cards.push_back(hole[i][0]);
            cards.push_back(hole[i][1]);
            hands[i] = evaluateShowdown(cards);
            order.push_back(i);
            if (!first && pots.size() == 1 && !allIn[i] && hands[i].value < best && m_rng.chance(0.7)) {
                mucked[i] = true;
                continue;
            }
            first = false;
            best = std::max(best, hands[i].value);
            showed[i] = true;
        }
        std::vector<const ShowdownHand*> shown;
        for (std::size_t i : order)
            if (showed[i])
                shown.push_back(&hands[i]);
        for (std::size_t i : order) {
            if (mucked[i]) {
                out.line(seats[i].name + ": mucks hand");
                continue;
            }
            out.line(seats[i].name + ": shows [" + historyCardText(hole[i][0]) + " " + historyCardText(hole[i][1]) + "] ("
                     + hands[i].description + kickerText(hands[i], shown) + ")");
        }
    }
    const auto potName = [&](std::size_t p) -> std::string {
        if (pots.size() == 1)
            return "pot";
        if (p == 0)
            return "main pot";
        return pots.size() == 2 ? "side pot" : "side pot-" + std::to_string(p);
    };
    for (std::size_t p = pots.size(); p-- > 0;) {
        std::vector<std::size_t> winners;
        std::uint32_t best = 0;
        for (std::size_t i : pots[p].eligible) {
            if (showdown && !showed[i])
                continue;
            const std::uint32_t value = showdown ? hands[i].value : 1;
            if (winners.empty() || value > best) {
                winners = {i};
                best = value;
            } else if (value == best) {
                winners.push_back(i);
            }
        }
        const auto share = pots[p].amount / static_cast<std::int64_t>(winners.size());
        for (std::size_t w = 0; w < winners.size(); ++w) {
            const std::int64_t amount = share + (w == 0 ? pots[p].amount - share * static_cast<std::int64_t>(winners.size()) : 0);
            won[winners[w]] += amount;
            out.line(seats[winners[w]].name + " collected " + money(amount) + " from " + potName(p));
        }
    }
    if (!showdown)
        for (std::size_t i = 0; i < seats.size(); ++i)
            if (!folded[i] && m_rng.chance(0.6))
                out.line(seats[i].name + ": doesn't show hand");

    // Stacks after the hand; busted tournament players leave.
    bool heroLeft = false;
    std::vector<std::size_t> busted;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        seats[i].stack = stack[i] + won[i];
        if (seats[i].stack == 0)
            busted.push_back(i);
    }
    if (m_setup.tournament)
        for (std::size_t i : busted)
            out.line(seats[i].name + " finished the tournament in " + ordinal(m_placesLeft--) + " place");

    out.line("*** SUMMARY ***");
    std::string potLine = "Total pot " + money(potTotal);
    if (pots.size() > 1) {
        potLine += " Main pot " + money(pots[0].amount + rake) + ".";
        for (std::size_t p = 1; p < pots.size(); ++p)
            potLine += std::string(pots.size() == 2 ? " Side pot " : " Side pot-" + std::to_string(p) + " ")
                       + money(pots[p].amount) + ".";
    }
    out.line(potLine + " | Rake " + money(rake));
    if (!board.empty()) {
        std::string text;
        for (std::size_t k = 0; k < board.size(); ++k)
            text += (k ? " " : "") + historyCardText(board[k]);
        out.line("Board [" + text + "]");
    }
    for (int k = 0; k < n; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        std::string line = "Seat " + std::to_string(seats[i].number) + ": " + seats[i].name;
        if (static_cast<int>(i) == static_cast<int>(idx(button)))
            line += " (button)";
        if (i == idx(sbPos))
            line += " (small blind)";
        else if (i == idx(bbPos))
            line += " (big blind)";
        const std::string cards = "[" + historyCardText(hole[i][0]) + " " + historyCardText(hole[i][1]) + "]";
        if (folded[i]) {
            line += std::string(" folded ") + foldNames[foldStreet[i]];
            if (foldStreet[i] == 0 && !voluntary[i] && i != idx(sbPos) && i != idx(bbPos))
                line += " (didn't bet)";
        } else if (showed[i]) {
            line += " showed " + cards + (won[i] > 0 ? " and won (" + money(won[i]) + ") with " : " and lost with ")
                    + hands[i].description;
        } else if (mucked[i]) {
            line += " mucked " + cards;
        } else {
            line += " collected (" + money(won[i]) + ")";
        }
        out.line(line);
    }

    // Tournament players leave when busted (the table refills); cash players reload.
    for (std::size_t k = busted.size(); k-- > 0;) {
        const std::size_t i = busted[k];
        if (seats[i].name == m_options.hero) {
            heroLeft = true;
            continue;
        }
        if (m_setup.tournament) {
            if (m_rng.chance(0.6)) {
                seats[i].name = freshName(seats);
                seats[i].stack = 1500 + m_rng.between(0, 20) * level.bb;
            } else {
                seats.erase(seats.begin() + static_cast<std::ptrdiff_t>(i));
            }
        } else {
            seats[i].stack = 100 * level.bb;
        }
    }
    if (heroLeft && !m_setup.tournament) {
        for (Seat& seat : seats)
            if (seat.name == m_options.hero)
                seat.stack = 100 * level.bb;
        heroLeft = false;
    }
    return heroLeft;
}

} // namespace

void generateHandHistories(const GeneratorOptions& options, const std::function<void(GeneratedFile&&)>& sink)
{
    Random rng(options.seed);
    HandGenerator generator(rng, options);
    std::size_t left = options.games;
    std::map<std::string, int> used;
    while (left > 0) {
        const std::size_t wanted = std::min<std::size_t>(left, static_cast<std::size_t>(20 + rng.below(280)));
        GeneratedFile file = generator.table(wanted);
        const int seen = used[file.name]++;
        if (seen > 0)
            file.name.insert(file.name.size() - 4, " (" + std::to_string(seen + 1) + ")");
        left -= std::min(left, file.games);
        sink(std::move(file));
    }
}

} // namespace tallyhand
