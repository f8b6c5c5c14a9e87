#include "TestSupport.h"
#include "history/GameTableBuilder.h"
#include "history/HandsFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

// Heroes per file from the table of SOURCES.md: "Hero (341)" or "a (481); 19 game(s) ...".
std::map<std::string, std::vector<std::string>> heroesBySource(const std::string& sources)
{
    std::map<std::string, std::vector<std::string>> heroes;
    const std::regex row(R"(^\| `([^`]+)` \|(?:[^|]*\|){5}([^|]*)\|)");
    const std::regex hero(R"(([^\s;(][^;(]*?) \(\d+\))");
    std::istringstream in(sources);
    std::string line;
    while (std::getline(in, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, row))
            continue;
        auto& list = heroes[m[1]];
        const std::string cell = m[2];
        for (std::sregex_iterator it(cell.begin(), cell.end(), hero), end; it != end; ++it)
            list.push_back((*it)[1]);
    }
    return heroes;
}

// Independent count: cut the whole text at every header (anywhere in a line)
// and count the pieces that deal the hero exactly two cards.
std::size_t countHeroGames(const std::string& text, const std::string& hero)
{
    const std::regex header("PokerStars (Game|Hand|Zoom Hand|Home Game Hand) #");
    std::vector<std::size_t> starts;
    for (std::sregex_iterator it(text.begin(), text.end(), header), end; it != end; ++it)
        starts.push_back(static_cast<std::size_t>(it->position()));
    std::size_t count = 0;
    const std::string dealt = "Dealt to " + hero;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::string piece =
            text.substr(starts[i], (i + 1 < starts.size() ? starts[i + 1] : text.size()) - starts[i]);
        const std::size_t at = piece.find(dealt);
        if (at == std::string::npos)
            continue;
        const std::size_t open = piece.find('[', at + dealt.size());
        const std::size_t close = piece.find(']', open);
        if (open != std::string::npos && close != std::string::npos && close - open == 6)
            ++count;
    }
    return count;
}

} // namespace

TEST(Samples, EverySelectedGameIsImported)
{
    const char* override = std::getenv("TALLYHAND_SAMPLES_DIR");
    const std::filesystem::path dir = override ? override : TALLYHAND_SAMPLES_DIR;
    if (!std::filesystem::exists(dir / "SOURCES.md"))
        GTEST_SKIP() << "no sample files";
    const auto heroes = heroesBySource(readBytes(dir / "SOURCES.md"));
    const auto files = listHandFiles(dir);
    std::size_t checked = 0;
    std::size_t total = 0;
    for (const std::string& name : files) {
        if (name == "SOURCES.md")
            continue;
        const std::string bytes = readBytes(dir / name);
        const auto it = heroes.find(name);
        ASSERT_NE(it, heroes.end()) << name;
        const std::vector<std::string> names = it->second.empty() ? std::vector<std::string>{"Hero"} : it->second;
        for (const std::string& hero : names) {
            GameTableBuilder builder;
            builder.addFile(name, splitLines(bytes), hero);
            std::size_t refs = 0;
            for (const auto& h : builder.tables().hole_cards)
                refs += h.game_refs.size();
            EXPECT_EQ(refs, countHeroGames(bytes, hero)) << name << " / " << hero;
            EXPECT_TRUE(builder.skipped().empty()) << name;
            // Every game with a readable header keeps its play.
            EXPECT_GE(builder.tables().game_records.size(), refs) << name;
            total += refs;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 42u);
    EXPECT_GT(total, 1600u);
}
