#include "history/HandsFolder.h"

#include "history/TournamentIndex.h"

#include <algorithm>

namespace tallyhand {

std::vector<std::string> listHandFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        throw DatabaseError("Der Ordner " + pathText(folder) + " konnte nicht gelesen werden: " + ec.message());
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code typeError;
        if (!entry.is_regular_file(typeError))
            continue;
        names.push_back(name);
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        if (lessIgnoringCase(a, b))
            return true;
        if (lessIgnoringCase(b, a))
            return false;
        return a < b; // same letters: a fixed order all the same
    });
    return names;
}

FileStamp stampOf(const std::filesystem::path& folder, const std::string& name)
{
    FileStamp stamp;
    stamp.name = name;
    std::error_code ec;
    const auto path = folder / name;
    stamp.size = std::filesystem::file_size(path, ec);
    if (ec)
        stamp.size = 0;
    const auto time = std::filesystem::last_write_time(path, ec);
    stamp.mtime = ec ? 0 : static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                          time.time_since_epoch()).count());
    return stamp;
}

} // namespace tallyhand
