// tallyhand-cli calc: the calculator's fields after typing seven cards into a
// freshly opened window and leaving the second hole card.
#include "cards/CardText.h"
#include "cards/RankTableFiles.h"
#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/Report.h"
#include "preflop/HandCalculation.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace tallyhand::cli {
namespace {

struct Field {
    std::string name;
    std::string text;
    std::vector<std::string> lines; // mem_outs only
    std::optional<std::string> colour;
    bool hasText = true;
    bool isList = false;
};

std::string hexColour(Rgb c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c.r, c.g, c.b);
    return buffer;
}

Field text(std::string name, std::string value) { return {std::move(name), std::move(value), {}, std::nullopt}; }
Field coloured(std::string name, std::string value, std::string colour)
{
    return {std::move(name), std::move(value), {}, std::move(colour)};
}
Field shape(std::string name, Rgb colour)
{
    Field f{std::move(name), {}, {}, hexColour(colour)};
    f.hasText = false;
    return f;
}

std::string editName(int number) { return "Edit" + std::to_string(number); }

std::vector<Field> fieldsOf(const CalcInput& input, const CalcOutput& out, const PreflopChart& chart,
                            const std::optional<HutchinsonResult>& hutch)
{
    std::vector<Field> f;
    f.push_back(text("inp_akt", out.akt));
    f.push_back(text("inp_kicker", out.kicker));
    f.push_back(text("inp_pot", input.pot));
    f.push_back(text("inp_total_outs", out.totalOuts));
    // Result table rows royal flush .. one pair, then the high-card row nothing writes.
    for (int row = 0; row < 10; ++row)
        f.push_back(text(editName(12 + row), row < 9 ? out.rank.better[static_cast<std::size_t>(row)] : ""));
    for (int row = 0; row < 10; ++row) {
        if (row == 9) {
            f.push_back(text(editName(22 + row), ""));
            continue;
        }
        const auto r = static_cast<std::size_t>(row);
        f.push_back(coloured(editName(22 + row), out.outs[r], out.outsMade[r] ? hexColour(kGreen) : "window"));
    }
    for (int row = 0; row < 10; ++row)
        f.push_back(text(editName(32 + row), row < 9 ? out.odds[static_cast<std::size_t>(row)] : ""));
    for (int row = 0; row < 10; ++row)
        f.push_back(text(editName(42 + row), row < 9 ? out.potOdds[static_cast<std::size_t>(row)] : ""));
    Field memo{"mem_outs", {}, out.outsMemo, std::nullopt};
    memo.isList = true;
    f.push_back(std::move(memo));
    f.push_back(coloured("inp_flush", "", hexColour(out.flushDanger)));
    f.push_back(coloured("inp_straight", "", hexColour(out.straightDanger)));
    f.push_back(text("inp_kartenrang", out.rank.rank));
    f.push_back(text("inp_co", out.rank.betterTotal));
    f.push_back(text("inp_split", out.rank.split));
    f.push_back(text("inp_sk_num", out.sklanskyGroup.value_or("")));
    f.push_back(text("inp_sk_wahr", out.sklanskyPercent.value_or("")));
    f.push_back(text("inP_hu", hutch ? std::to_string(hutch->points) : ""));
    for (int i = 0; i < 15; ++i) {
        const std::string suffix = std::to_string(i / 3 + 1) + std::to_string(i % 3 + 1);
        f.push_back(shape("shp_hu" + suffix, hutch ? hutch->shapes[static_cast<std::size_t>(i)] : kWhite));
    }
    for (int i = 0; i < 15; ++i)
        f.push_back(shape("shp_sk" + std::to_string(i / 3 + 1) + std::to_string(i % 3 + 1), kWhite));
    for (std::size_t r = 0; r < 2; ++r)
        for (std::size_t c = 0; c < 16; ++c)
            f.push_back(coloured("stg_preflop[" + std::to_string(r + 1) + "," + std::to_string(c + 1) + "]",
                                 chart.cells[r][c], hexColour(chart.colours[r][c])));
    return f;
}

void printText(const std::vector<Field>& fields)
{
    for (const Field& f : fields) {
        std::cout << f.name << ':';
        if (f.isList) {
            std::cout << '\n';
            for (const auto& line : f.lines)
                std::cout << "    " << line << '\n';
            continue;
        }
        if (f.hasText && !f.text.empty())
            std::cout << ' ' << f.text;
        if (f.colour)
            std::cout << " [" << *f.colour << ']';
        std::cout << '\n';
    }
}

void printJson(const std::vector<Field>& fields)
{
    std::cout << "{\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        std::cout << "  " << jsonString(f.name) << ": {";
        bool first = true;
        if (f.isList) {
            std::cout << "\"text\": [";
            for (std::size_t l = 0; l < f.lines.size(); ++l)
                std::cout << (l ? ", " : "") << jsonString(f.lines[l]);
            std::cout << ']';
            first = false;
        } else if (f.hasText) {
            std::cout << "\"text\": " << jsonString(f.text);
            first = false;
        }
        if (f.colour)
            std::cout << (first ? "" : ", ") << "\"color\": " << jsonString(*f.colour);
        std::cout << '}' << (i + 1 < fields.size() ? "," : "") << '\n';
    }
    std::cout << "}\n";
}

struct CalcOptions {
    std::string pot;
    std::string home = ".";
    bool json = false;
    std::vector<std::string> cards;
};

int calc(const CalcOptions& o)
{
    const std::vector<std::string>& args = o.cards;
    CalcInput input;
    // The pot goes in as typed: the calculation reports a pot that is no whole number.
    input.pot = o.pot;
    input.decimalSeparator = processDecimalSeparator();
    for (std::size_t i = 0; i < args.size(); ++i) {
        // Leaving an edit converts a typed two-character card.
        const std::string& typed = args[i];
        input.edits[i] = typed == "-" ? "" : typed.size() == 2 ? expandCardText(typed) : typed;
    }

    const std::filesystem::path dataDir = std::filesystem::path(o.home) / "data";
    const RankTables ranks =
        loadOrGenerateRankTables(dataDir, [](const std::string& message) { std::cerr << message << '\n'; });
    const PatternLists patterns = buildPatternLists();

    const CalcOutput out = calculate({patterns, ranks}, input);
    const PreflopChart chart = fillPreflopChart(input.edits[0], input.edits[1]);
    const auto hutch = hutchinsonPoints(input.edits[0], input.edits[1]);

    for (int e : out.duplicateEdits)
        std::cerr << "Doppelte Karte: " << input.edits[static_cast<std::size_t>(e)]
                  << " steht schon in einem anderen Feld und wird nicht gezählt\n";
    if (out.potError)
        std::cerr << *out.potError << '\n';

    const auto fields = fieldsOf(input, out, chart, hutch);
    if (o.json)
        printJson(fields);
    else
        printText(fields);
    return 0;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<CalcOptions>();
    command.add_option("--pot", o->pot, "der Pot für die Pot Odds")->type_name("N");
    command.add_option("--home", o->home, "Programmordner, die Kombinationsdateien liegen in ORDNER/data")
        ->type_name("ORDNER");
    command.add_flag("--json", o->json, "gibt ein JSON-Objekt aus");
    command
        .add_option("KARTEN", o->cards,
                    "HOLE1 HOLE2 [FLOP1 FLOP2 FLOP3 TURN RIVER], \"-\" für ein leeres Feld, \"ah\" wie \"AHerz\"")
        ->expected(1, 7)
        ->required();
    return [o] { return calc(*o); };
}

const RegisterCommand registration("calc", "die Felder des Rechners für bis zu sieben Karten", declare);

} // namespace
} // namespace tallyhand::cli
