#include "history/HandsFolder.h"

#include "history/TournamentIndex.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

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

std::vector<std::string> findNewFiles(const std::vector<std::string>& listing, const std::vector<std::string>& known,
                                      const std::vector<FileStamp>& stamps, const std::filesystem::path& folder)
{
    const std::unordered_set<std::string> knownNames(known.begin(), known.end());
    std::unordered_map<std::string, const FileStamp*> stampByName;
    for (const FileStamp& stamp : stamps)
        stampByName[stamp.name] = &stamp;
    std::vector<std::string> fresh;
    for (const std::string& name : listing) {
        if (!knownNames.contains(name)) {
            fresh.push_back(name);
            continue;
        }
        // A known file without a remembered stamp keeps counting as known.
        const auto it = stampByName.find(name);
        if (it == stampByName.end())
            continue;
        const FileStamp now = stampOf(folder, name);
        if (now.size != it->second->size || now.mtime != it->second->mtime)
            fresh.push_back(name);
    }
    return fresh;
}

} // namespace tallyhand
