// The command line's own machinery: number checks at their edges, and the one
// place that turns an unexpected error into exit 1 with a message.
#include "cli/Command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>
#include <system_error>

using namespace tallyhand::cli;

namespace {

// Runs the command line and keeps what it says on standard error.
struct Outcome {
    int status;
    std::string error;
};

Outcome run(std::vector<const char*> args)
{
    args.insert(args.begin(), "tallyhand-cli");
    std::ostringstream captured;
    std::streambuf* old = std::cerr.rdbuf(captured.rdbuf());
    const int status = runCommandLine(static_cast<int>(args.size()), args.data());
    std::cerr.rdbuf(old);
    return {status, captured.str()};
}

std::int64_t g_number = 0;
std::uint64_t g_seed = 0;
std::string g_word;

const RegisterCommand numbers("numbers", "a bounded number and a seed", [](CLI::App& command) -> CommandRun {
    command.add_option("--n", g_number)->transform(wholeNumber(-3, 7));
    command.add_option("--wide", g_number)->transform(wholeNumber(1, std::numeric_limits<std::int64_t>::max()));
    command.add_option("--seed", g_seed)->transform(unsignedNumber());
    command.add_option("--word", g_word)->check(oneOf({"fold", "call"}));
    return [] { return 0; };
});

const RegisterCommand failsOnDisk("fails-on-disk", "a file-system error nobody caught", [](CLI::App&) -> CommandRun {
    return []() -> int {
        throw std::filesystem::filesystem_error("cannot create directories", "/home/h/Hands",
                                                std::make_error_code(std::errc::not_a_directory));
    };
});

const RegisterCommand failsOtherwise("fails-otherwise", "any other error nobody caught", [](CLI::App&) -> CommandRun {
    return []() -> int { throw std::runtime_error("kaputt"); };
});

} // namespace

TEST(CommandLine, NumbersAtTheirEdges)
{
    struct Case {
        std::vector<const char*> args;
        int status;
        const char* said; // part of the message, empty when none
    };
    const std::vector<Case> cases = {
        {{"numbers", "--n", "-3"}, 0, ""},
        {{"numbers", "--n", "7"}, 0, ""},
        {{"numbers", "--n", "-4"}, 2, "--n: -4 liegt nicht zwischen -3 und 7"},
        {{"numbers", "--n", "8"}, 2, "--n: 8"},
        {{"numbers", "--n", "1.0"}, 2, "--n: keine ganze Zahl"},
        {{"numbers", "--n", ""}, 2, "--n: keine ganze Zahl"},
        {{"numbers", "--n", "9223372036854775808"}, 2, "--n: keine ganze Zahl"},
        {{"numbers", "--wide", "9223372036854775807"}, 0, ""},
        {{"numbers", "--wide", "0"}, 2, "--wide: 0 ist kleiner als 1"},
        {{"numbers", "--seed", "18446744073709551615"}, 0, ""},
        {{"numbers", "--seed", "18446744073709551616"}, 2, "--seed: keine ganze Zahl ab 0"},
        {{"numbers", "--seed", "-1"}, 2, "--seed"},
        {{"numbers", "--word", "call"}, 0, ""},
        {{"numbers", "--word", "Call"}, 2, "--word: Call ist keiner der Werte fold|call"},
        {{"numbers", "--n"}, 2, "Fehlender Wert nach --n"},
        {{"numbers", "--m", "1"}, 2, "--m"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const char* a : c.args)
            line += std::string(a) + ' ';
        SCOPED_TRACE(line);
        const Outcome out = run(c.args);
        EXPECT_EQ(out.status, c.status);
        if (c.status == 0)
            EXPECT_EQ(out.error, "");
        else
            EXPECT_NE(out.error.find(c.said), std::string::npos) << out.error;
    }
    // A value that passed is the number itself, its digits read as decimal.
    const struct {
        const char* option;
        const char* text;
        std::int64_t number;
    } values[] = {{"--n", "-3", -3}, {"--n", "07", 7}, {"--wide", "010", 10}, {"--wide", "+12", 12}};
    for (const auto& v : values) {
        ASSERT_EQ(run({"numbers", v.option, v.text}).status, 0) << v.text;
        EXPECT_EQ(g_number, v.number) << v.text;
    }
    run({"numbers", "--seed", "18446744073709551615"});
    EXPECT_EQ(g_seed, std::numeric_limits<std::uint64_t>::max());
    run({"numbers", "--seed", "0010"});
    EXPECT_EQ(g_seed, 10u);
}

TEST(CommandLine, AnErrorNobodyCaughtEndsWithExitOne)
{
    const Outcome disk = run({"fails-on-disk"});
    EXPECT_EQ(disk.status, 1);
    EXPECT_NE(disk.error.find("/home/h/Hands"), std::string::npos) << disk.error;
    EXPECT_NE(disk.error.find(std::make_error_code(std::errc::not_a_directory).message()), std::string::npos);
    const Outcome other = run({"fails-otherwise"});
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.error.find("kaputt"), std::string::npos) << other.error;
}
