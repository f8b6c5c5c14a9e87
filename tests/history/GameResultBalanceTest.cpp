#include "TestSupport.h"
#include "history/GameResultReader.h"
#include "history/HandHistoryGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

struct Tally {
    std::size_t read = 0;
    std::size_t notDealt = 0;
    std::vector<std::string> problems;
};

// Cuts a file at its headers and reads every game for the player
// its first "Dealt to" line names, so files of any hero can be checked.
void checkFile(const std::string& name, const std::string& bytes, Tally& tally)
{
    const std::vector<std::string_view> lines = splitLines(bytes);
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (isHeaderLine(lines[i]))
            starts.push_back(i);
    for (std::size_t g = 0; g < starts.size(); ++g) {
        const std::size_t end = g + 1 < starts.size() ? starts[g + 1] : lines.size();
        const std::span<const std::string_view> game(lines.data() + starts[g], end - starts[g]);
        std::string_view hero;
        for (std::string_view line : game)
            if (line.starts_with("Dealt to ") && line.find(" [") != std::string_view::npos) {
                hero = line.substr(9, line.find(" [") - 9);
                break;
            }
        const GameResultRead read = readGameResult(game, hero);
        if (read.status == GameResultRead::Status::NotDealtIn) {
            ++tally.notDealt;
            continue;
        }
        if (read.status == GameResultRead::Status::Unreadable) {
            tally.problems.push_back(name + ":" + std::to_string(starts[g] + read.line) + " " + read.reason);
            continue;
        }
        ++tally.read;
        if (!read.result.balanced)
            tally.problems.push_back(name + ":" + std::to_string(starts[g] + 1) + " geht nicht auf");
    }
}

} // namespace

TEST(GameResultBalance, EveryGeneratedGameBalances)
{
    Tally tally;
    generateHandHistories({4000, 11, "Hero"}, [&](GeneratedFile&& file) { checkFile(file.name, file.bytes, tally); });
    EXPECT_EQ(tally.read, 4000u);
    EXPECT_TRUE(tally.problems.empty()) << tally.problems.size() << " problems, first: " << tally.problems.front();
}

// Real files: every game reads and balances, except the games of damaged
// files that the sample list names as cut short or mis-decoded.
TEST(GameResultBalance, EverySampleGameBalances)
{
    const char* override = std::getenv("TALLYHAND_SAMPLES_DIR");
    const std::filesystem::path dir = override ? override : TALLYHAND_SAMPLES_DIR;
    if (!std::filesystem::is_directory(dir))
        GTEST_SKIP() << "no samples at " << dir;
    Tally tally;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".txt")
            continue;
        checkFile(name, readBytes(entry.path()), tally);
    }
    EXPECT_GT(tally.read, 1650u);
    // Only the damaged files may fail, each for its own damage: games cut off
    // mid-line, and a euro sign mis-decoded into another alphabet.
    const std::pair<std::string, std::string> expected[] = {
        {"truncated-concatenated", "Spiel bricht vor der Zusammenfassung ab"},
        {"broken-currency", "unbekanntes Währungszeichen"}};
    std::string unexpected;
    for (const auto& problem : tally.problems) {
        bool known = false;
        for (const auto& [file, reason] : expected)
            known = known || (problem.find(file) != std::string::npos && problem.find(reason) != std::string::npos);
        if (!known)
            unexpected += problem + "\n";
    }
    EXPECT_TRUE(unexpected.empty()) << unexpected;
    EXPECT_LE(tally.problems.size(), 3u);
}
