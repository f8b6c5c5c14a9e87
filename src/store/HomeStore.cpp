#include "store/HomeStore.h"

#include "history/DatabaseFiles.h"
#include "store/ImportLock.h"

#include <chrono>
#include <thread>

namespace tallyhand {
namespace {

bool fileExists(const std::filesystem::path& file)
{
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

void removeStoreFiles(const std::filesystem::path& file)
{
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(file.string() + suffix, ec);
}

} // namespace

std::filesystem::path setStoreAside(const std::filesystem::path& file)
{
    std::filesystem::path aside;
    for (int n = 1;; ++n) {
        aside = file.string() + ".unbrauchbar-" + std::to_string(n);
        if (!fileExists(aside))
            break;
    }
    std::error_code ec;
    std::filesystem::rename(file, aside, ec);
    if (ec)
        throw DatabaseError("Die Datenbank " + pathText(file) + " konnte nicht umbenannt werden: " + ec.message());
    for (const char* suffix : {"-wal", "-shm"})
        if (fileExists(file.string() + suffix))
            std::filesystem::rename(file.string() + suffix, aside.string() + suffix, ec);
    return aside;
}

void takeOverTextFiles(const HomeFolders& folders)
{
    GameTables tables;
    tables.hole_cards = loadHoleCards(folders.dataFile(kHoleCardsFile));
    tables.boards = loadBoards(folders.dataFile(kBoardsFile));
    tables.summaries = loadGameBlocks(folders.dataFile(kSummariesFile));
    tables.game_records = loadGameBlocks(folders.dataFile(kGamesFile));
    const std::vector<std::string> loaded = loadFileNames(folders.dataFile(kLoadedFile));
    std::vector<FileStamp> stamps;
    try {
        stamps = loadFileStamps(folders.dataFile(kLoadedStampsFile));
    } catch (const DatabaseError&) {
        // Known by name alone, as before.
    }

    const std::filesystem::path target = storeFileOf(folders);
    const std::filesystem::path building = target.string() + ".neu";
    removeStoreFiles(building);
    {
        GameStore store(building);
        Transaction transaction(store.db());
        store.appendTables(tables);
        for (const std::string& name : loaded) {
            store.appendLoadedFile(name);
            // The files read before count as read whole; one that changed
            // since is read again (games already held are skipped).
            const FileStamp now = stampOf(folders.hands(), name);
            FileStamp then = now;
            for (const FileStamp& stamp : stamps)
                if (stamp.name == name)
                    then = stamp;
            HandFileRecord record;
            record.folder = "Hands";
            record.name = name;
            record.size = record.bytesRead = static_cast<std::int64_t>(then.size);
            record.mtime = then.mtime;
            store.saveHandFile(record);
        }
        transaction.commit();
        store.db().exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    std::error_code ec;
    std::filesystem::rename(building, target, ec);
    if (ec)
        throw DatabaseError("Die Datenbank " + pathText(target) + " konnte nicht angelegt werden: " + ec.message());
    removeStoreFiles(building);
}

OpenedStore openHomeStore(const HomeFolders& folders, bool create)
{
    OpenedStore opened;
    const std::filesystem::path file = storeFileOf(folders);
    if (!fileExists(file) && fileExists(folders.dataFile(kHoleCardsFile))) {
        // Only one process takes the files over; the others wait for it.
        ImportLock lock(folders.data());
        while (!lock.tryLock())
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!fileExists(file)) {
            try {
                takeOverTextFiles(folders);
                opened.tookOver = true;
            } catch (const DatabaseError& e) {
                if (!create) {
                    opened.error = e.what();
                    return opened;
                }
                // Unreadable text files: the store is built anew from the hand histories.
            }
        }
    }
    if (!create && !fileExists(file)) {
        opened.error = "Keine Datenbank " + pathText(file);
        return opened;
    }
    try {
        opened.store = std::make_unique<GameStore>(file);
    } catch (const StoreError& e) {
        if (!e.unusable()) {
            opened.error = e.what();
            return opened;
        }
        opened.error = e.what();
        if (!create)
            return opened;
        try {
            const std::filesystem::path aside = setStoreAside(file);
            opened.setAside = true;
            opened.error += "\r\nDie Datei wurde in " + pathText(aside) + " umbenannt.";
        } catch (const DatabaseError& moved) {
            opened.error += std::string("\r\n") + moved.what();
        }
    }
    return opened;
}

} // namespace tallyhand
