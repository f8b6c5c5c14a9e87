#pragma once

#include "history/GameTableBuilder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tallyhand {

// Reads the result of every game of the imported files that deals the user
// in, so the import can say which games do not add up or do not read.
class ImportResultCheck {
public:
    // `lines` as split by splitLines(); games are cut at their header lines.
    void addFile(std::string_view fileName, const std::vector<std::string_view>& lines, std::string_view userName);

    // Games whose players' money does not add up with the rake.
    std::size_t unbalanced() const { return m_unbalanced; }
    // Games whose amounts do not read, with file and line.
    const std::vector<SkippedGame>& unreadable() const { return m_unreadable; }

private:
    std::unordered_set<std::int64_t> m_seen; // a game in two files counts once
    std::size_t m_unbalanced = 0;
    std::vector<SkippedGame> m_unreadable;
};

} // namespace tallyhand
