#include "history/ImportResultCheck.h"

#include "history/GameResultReader.h"
#include "history/HandHistoryText.h"

namespace tallyhand {

void ImportResultCheck::addFile(std::string_view fileName, const std::vector<std::string_view>& lines,
                                std::string_view userName)
{
    std::size_t start = lines.size();
    const auto finish = [&](std::size_t end) {
        if (start >= end)
            return;
        const std::span<const std::string_view> game(lines.data() + start, end - start);
        GameResultRead read = readGameResult(game, userName);
        if (read.status == GameResultRead::Status::NotDealtIn)
            return;
        if (read.status == GameResultRead::Status::Ok) {
            if (m_seen.insert(read.result.game).second && !read.result.balanced)
                ++m_unbalanced;
            return;
        }
        m_unreadable.push_back({std::string(fileName), start + read.line, std::move(read.reason)});
    };
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (isHeaderLine(lines[i])) {
            finish(i);
            start = i;
        }
    finish(lines.size());
}

} // namespace tallyhand
