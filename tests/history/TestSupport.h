#pragma once

#include "history/HandHistoryText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace tallyhand::test {

// A fresh folder under the system temp folder, removed at the end of the test.
class TempDir {
public:
    TempDir()
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path()
                 / ("tallyhand-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines joined with the given line end, each line ended.
inline std::string joinLines(const std::vector<std::string>& lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const auto& line : lines)
        text += line + end;
    return text;
}

// One complete cash game in the current client's form.
inline std::vector<std::string> cashGame(long long gameNo, const std::string& hero, const std::string& cards,
                                         const std::string& board = "Jc 4h Th 7d 5c")
{
    std::vector<std::string> lines{
        "PokerStars Hand #" + std::to_string(gameNo) + ":  Hold'em No Limit ($0.05/$0.10 USD) - 2016/08/24 19:39:16 ET",
        "Table 'Pallas' 6-max Seat #2 is the button",
        "Seat 2: lefty0130 ($10.73 in chips)",
        "Seat 5: " + hero + " ($13.70 in chips)",
        "lefty0130: posts small blind $0.05",
        hero + ": posts big blind $0.10",
        "*** HOLE CARDS ***",
        "Dealt to " + hero + " [" + cards + "]",
        "lefty0130: calls $0.05",
        hero + ": checks"};
    if (!board.empty())
        lines.push_back("*** FLOP *** [" + board.substr(0, 8) + "]");
    lines.push_back("*** SUMMARY ***");
    lines.push_back("Total pot $0.20 | Rake $0");
    if (!board.empty())
        lines.push_back("Board [" + board + "]");
    lines.push_back("Seat 2: lefty0130 (button) (small blind) folded on the Flop");
    lines.push_back("Seat 5: " + hero + " (big blind) collected ($0.20)");
    return lines;
}

// cashGame with the pot paid out in the play as well, so that its money adds up.
inline std::vector<std::string> settledCashGame(long long gameNo, const std::string& hero, const std::string& cards)
{
    std::vector<std::string> lines = cashGame(gameNo, hero, cards);
    const auto summary = std::find(lines.begin(), lines.end(), "*** SUMMARY ***");
    lines.insert(summary, hero + " collected $0.20 from pot");
    return lines;
}

} // namespace tallyhand::test
