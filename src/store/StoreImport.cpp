#include "store/StoreImport.h"

#include "history/HandHistoryText.h"
#include "history/HandsFolder.h"
#include "history/UserConfig.h"
#include "store/GameStore.h"
#include "store/StoredResults.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

namespace tallyhand {
namespace {

// A transaction takes files until it holds this many games or is this old:
// a commit per file spent most of the import writing the same index pages
// again; readers still see new games within a second.
constexpr std::size_t kGamesPerTransaction = 20000;
constexpr auto kBatchTime = std::chrono::milliseconds(1000);
// From this many files on, an import reads every held game number once
// instead of looking games up one by one.
constexpr std::size_t kFilesOfALargeImport = 64;
// Files read ahead of the one being stored, and their bytes at most: a
// commit takes a while, and readers that stop meanwhile leave a core idle.
constexpr std::size_t kFilesAhead = 64;
constexpr std::size_t kBytesAhead = 32 << 20;

// A checkpoint copies the log into the database file and waits for the
// disk; during an import it runs once the log holds 4096 pages (64 MB) rather
// than 1000, so that the index pages every batch touches are copied less
// often. The
// indexes of a large history stay in a larger cache meanwhile.
class CheckpointSpacing {
public:
    explicit CheckpointSpacing(SqliteDb& db) : m_db(db)
    {
        db.exec("PRAGMA wal_autocheckpoint = 4096");
        db.exec("PRAGMA cache_size = -262144");
    }
    ~CheckpointSpacing()
    {
        try {
            m_db.exec("PRAGMA cache_size = -65536");
            m_db.exec("PRAGMA wal_autocheckpoint = 1000");
            // What the import left in the log, as far as readers allow.
            m_db.exec("PRAGMA wal_checkpoint(PASSIVE)");
        } catch (const StoreError&) {
            // The log stays longer; the next commit checkpoints it.
        }
    }

private:
    SqliteDb& m_db;
};

// Reads, cuts and packs the pending files in order on threads that live as
// long as the import (each keeps its compression context), ahead of the one
// the store takes: far enough that the readers keep working while a commit
// writes, bounded by files and by bytes held.
class ReadAhead {
public:
    ReadAhead(const std::vector<PendingFile>& pending, const std::string& userName) : m_pending(pending), m_user(userName)
    {
        const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 2u, 4u);
        m_ahead = kFilesAhead;
        for (unsigned i = 0; i < threads && i < pending.size(); ++i)
            m_threads.emplace_back([this] { work(); });
    }
    ~ReadAhead()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
    }
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Hands a file the store is done with to a reading thread to free: its
    // thousands of small allocations are no work for the store's thread.
    void release(FileRead&& read)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_released.push_back(std::move(read));
        }
        m_changed.notify_all();
    }

    // File `i` once read; files are taken in order.
    FileRead take(std::size_t i)
    {
        std::unique_lock lock(m_mutex);
        m_taken = i;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_done.contains(i); });
        Done done = std::move(m_done.at(i));
        m_done.erase(i);
        m_bytesAhead -= done.read.bytes.size();
        m_changed.notify_all();
        if (done.error)
            std::rethrow_exception(done.error);
        return std::move(done.read);
    }

private:
    struct Done {
        FileRead read;
        std::exception_ptr error;
    };

    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [&] {
                return m_stop || !m_released.empty() || m_next >= m_pending.size() ||
                       (m_next <= m_taken + m_ahead && (m_bytesAhead < kBytesAhead || m_next == m_taken));
            });
            if (!m_released.empty()) {
                std::vector<FileRead> released = std::move(m_released);
                m_released.clear();
                lock.unlock();
                released.clear();
                lock.lock();
                continue;
            }
            if (m_stop || m_next >= m_pending.size())
                return;
            const std::size_t i = m_next++;
            lock.unlock();
            Done done;
            try {
                done.read = readHandFile(m_pending[i], m_pending[i].record, m_user);
            } catch (...) {
                done.error = std::current_exception();
            }
            lock.lock();
            m_bytesAhead += done.read.bytes.size();
            m_done.emplace(i, std::move(done));
            m_changed.notify_all();
        }
    }

    const std::vector<PendingFile>& m_pending;
    const std::string& m_user;
    std::size_t m_ahead = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_next = 0;  // the next file a thread reads
    std::size_t m_taken = 0; // the file the store takes or waits for
    std::size_t m_bytesAhead = 0; // of the files read and not taken yet
    std::map<std::size_t, Done> m_done;
    std::vector<FileRead> m_released;
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

template <typename T>
void append(std::vector<T>& to, std::vector<T>&& from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

std::int64_t mtimeOf(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(file, ec);
    return ec ? 0
              : static_cast<std::int64_t>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count());
}

// The bytes of the file from `offset` to its end as it is now.
std::string readFrom(const std::filesystem::path& file, std::int64_t offset)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw DatabaseError("Die Datei " + pathText(file) + " konnte nicht gelesen werden.");
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (end < offset)
        offset = 0;
    in.seekg(offset);
    std::string bytes(static_cast<std::size_t>(end - offset), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        throw DatabaseError("Die Datei " + pathText(file) + " konnte nicht gelesen werden.");
    return bytes;
}

// Where the game's line stands in the lines read: counted from its header
// there, or within the game when the file does not hold its header.
std::size_t lineInFile(const std::vector<std::string_view>& lines, const UnreadableResult& game)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (isHeaderLine(lines[i])) {
            const HeaderResult header = parseHeaderLine(lines[i]);
            if (header.info && header.info->game_no == game.game)
                return i + game.line;
        }
    return game.line;
}

} // namespace

std::vector<HandFolder> handFoldersOf(const std::filesystem::path& home, std::string_view iniText)
{
    std::vector<HandFolder> folders;
    for (const std::string& text : handFoldersFromIni(iniText)) {
        if (text.empty())
            continue;
        const std::filesystem::path path(text);
        folders.push_back({text, path.is_absolute() ? path : home / path});
    }
    if (folders.empty())
        folders.push_back({"Hands", home / "Hands"});
    return folders;
}

std::vector<HandFolder> configuredHandFolders(const std::filesystem::path& home)
{
    std::string ini;
    try {
        ini = readWholeFile(home / kIniFile);
    } catch (const DatabaseError&) {
        // No configuration: the home's own folder.
    }
    return handFoldersOf(home, ini);
}

std::vector<std::filesystem::path> configuredHandPaths(const std::filesystem::path& home)
{
    std::vector<std::filesystem::path> paths;
    for (HandFolder& folder : configuredHandFolders(home))
        paths.push_back(std::move(folder.path));
    return paths;
}

std::vector<HandFolder> chosenHandFolders(const std::vector<std::filesystem::path>& chosen)
{
    std::vector<HandFolder> folders;
    const auto folderOf = [&](const std::filesystem::path& dir) -> HandFolder& {
        const std::string key = dir.string();
        for (HandFolder& folder : folders)
            if (folder.key == key)
                return folder;
        return folders.emplace_back(HandFolder{key, dir, {}});
    };
    for (const std::filesystem::path& given : chosen) {
        std::error_code ec;
        const std::filesystem::path path = std::filesystem::absolute(given, ec).lexically_normal();
        if (std::filesystem::is_directory(path, ec)) {
            folderOf(path).only.clear();
            continue;
        }
        HandFolder& folder = folderOf(path.parent_path());
        // A folder chosen whole stays whole.
        if (std::find(chosen.begin(), chosen.end(), path.parent_path()) == chosen.end())
            folder.only.push_back(path.filename().string());
    }
    return folders;
}

StoreImport::StoreImport(GameStore& store, std::vector<HandFolder> folders, std::string userName)
    : m_store(store), m_folders(std::move(folders)), m_userName(std::move(userName)),
      m_gamesPerTransaction(kGamesPerTransaction)
{
}

std::vector<PendingFile> StoreImport::pendingFiles(std::vector<std::string>* problems)
{
    std::vector<PendingFile> pending;
    for (const HandFolder& folder : m_folders) {
        std::vector<std::string> names;
        try {
            names = listHandFiles(folder.path);
        } catch (const DatabaseError& e) {
            if (problems)
                problems->push_back(e.what());
            continue;
        }
        if (!folder.only.empty())
            std::erase_if(names, [&](const std::string& name) {
                return std::find(folder.only.begin(), folder.only.end(), name) == folder.only.end();
            });
        const auto records = m_store.handFilesOf(folder.key);
        for (std::string& name : names) {
            const std::filesystem::path file = folder.path / name;
            const auto record = records.find(name);
            std::error_code ec;
            const auto size = static_cast<std::int64_t>(std::filesystem::file_size(file, ec));
            if (record != records.end() && !ec && size == record->second.bytesRead
                && mtimeOf(file) == record->second.mtime)
                continue;
            pending.push_back({&folder, std::move(name),
                               record != records.end() ? std::optional(record->second) : std::nullopt});
        }
    }
    return pending;
}

// The files merged into the open transaction and what they add to the result
// once it commits.
struct StoreImport::Batch {
    std::optional<Transaction> transaction;
    std::chrono::steady_clock::time_point began;
    std::filesystem::path first; // the first file not kept when it fails
    ImportResult counts;
};

ImportResult StoreImport::run(const ImportProgressFn& progress, const std::atomic<bool>* stop)
{
    ImportResult result;
    try {
        bringResultsUpToDate(m_store, m_userName);
        const std::vector<PendingFile> pending = pendingFiles(&result.folderProblems);
        // Another process may have imported since this connection last did.
        // Reading every held game number pays for itself over many files.
        m_store.beginMerge(pending.size() > kFilesOfALargeImport);
        const CheckpointSpacing spacing(m_store.db());
        ReadAhead reader(pending, m_userName);
        Batch batch;
        bool failed = false;
        for (std::size_t i = 0; i < pending.size() && !failed; ++i) {
            FileRead read = reader.take(i);
            if (stop && stop->load())
                break;
            if (progress)
                progress({"Handfiles werden gelesen", pending[i].name, i + 1, pending.size(),
                          result.games + batch.counts.games});
            failed = !storeFile(read, batch, result);
            reader.release(std::move(read));
        }
        if (!failed)
            commit(batch, result);
        result.ok = result.error.empty();
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    return result;
}

FileRead readHandFile(const PendingFile& pending, std::optional<HandFileRecord> record, const std::string& userName)
{
    FileRead read;
    read.path = pending.folder->path / pending.name;
    read.isNew = !record;
    HandFileRecord& next = read.record;
    next.folder = pending.folder->key;
    next.name = pending.name;
    // The stamp is taken first: a file that grows while it is read counts as grown next time.
    next.mtime = mtimeOf(read.path);
    std::int64_t offset = 0;
    std::int64_t gamesBefore = 0;
    std::error_code ec;
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(read.path, ec));
    if (record && !ec && size >= record->bytesRead && record->gamesRead > 0) {
        // Read on from the start of the last game read.
        offset = record->resumeAt;
        gamesBefore = record->gamesRead - 1;
    }
    std::string bytes;
    try {
        bytes = readFrom(read.path, offset);
    } catch (const DatabaseError& e) {
        read.unreadable = e.what();
        return read;
    }
    const std::vector<std::string_view> lines = splitLines(bytes);
    read.builder.addFile(pending.name, lines, userName);
    read.packed = packBlocks(read.builder.tables());
    read.results = prepareResultsOfFile(read.builder.tables(), userName);

    next.bytesRead = offset + static_cast<std::int64_t>(bytes.size());
    next.size = next.bytesRead;
    next.resumeAt = record ? record->resumeAt : 0;
    std::int64_t headers = 0;
    for (const std::string_view line : lines) {
        if (!isHeaderLine(line))
            continue;
        ++headers;
        next.resumeAt = offset + (line.data() - bytes.data());
    }
    next.gamesRead = gamesBefore + headers;
    read.bytes = std::move(bytes);
    return read;
}

bool StoreImport::storeFile(const FileRead& read, Batch& batch, ImportResult& result)
{
    if (!read.unreadable.empty()) {
        // An unreadable file is named; the others are still imported.
        result.folderProblems.push_back(read.unreadable);
        return true;
    }
    ResultsTally tally;
    ImportResult& counts = batch.counts;
    try {
        if (!batch.transaction) {
            batch.transaction.emplace(m_store.db());
            batch.began = std::chrono::steady_clock::now();
            batch.first = read.path;
        }
        const HeldGames held = HeldGames::of(m_store, read.builder.tables());
        const MergeCount merged = m_store.mergeFile(read.builder.tables(), &read.packed);
        // With the file's games, in the same transaction: a file is all or nothing with its results.
        storeResultsOfFile(m_store, read.builder.tables(), held, m_userName, read.record.name, tally, read.results);
        m_store.saveHandFile(read.record);
        if (read.isNew)
            m_store.appendLoadedFile(read.record.name);
        counts.added += merged.added;
    } catch (const StoreError& e) {
        fail(batch, e, result);
        return false;
    }
    const GameTableBuilder& builder = read.builder;
    counts.games += builder.headersSeen();
    counts.unbalanced += tally.unbalanced;
    if (!tally.unreadable.empty()) {
        const std::vector<std::string_view> lines = splitLines(read.bytes);
        for (UnreadableResult& game : tally.unreadable)
            counts.unreadableResults.push_back({read.record.name, lineInFile(lines, game), std::move(game.reason)});
    }
    counts.files.push_back(read.record.name);
    counts.skipped.insert(counts.skipped.end(), builder.skipped().begin(), builder.skipped().end());
    counts.filesWithoutGames.insert(counts.filesWithoutGames.end(), builder.filesWithoutGames().begin(),
                                    builder.filesWithoutGames().end());
    if (counts.games >= m_gamesPerTransaction || std::chrono::steady_clock::now() - batch.began >= kBatchTime)
        return commit(batch, result);
    return true;
}

bool StoreImport::commit(Batch& batch, ImportResult& result)
{
    if (!batch.transaction)
        return true;
    try {
        batch.transaction->commit();
    } catch (const StoreError& e) {
        fail(batch, e, result);
        return false;
    }
    batch.transaction.reset();
    ImportResult& counts = batch.counts;
    result.games += counts.games;
    result.added += counts.added;
    result.unbalanced += counts.unbalanced;
    append(result.unreadableResults, std::move(counts.unreadableResults));
    append(result.files, std::move(counts.files));
    append(result.skipped, std::move(counts.skipped));
    append(result.filesWithoutGames, std::move(counts.filesWithoutGames));
    counts = ImportResult{};
    return true;
}

void StoreImport::fail(const Batch& batch, const StoreError& e, ImportResult& result)
{
    result.diskFull = e.diskFull();
    result.error = e.diskFull() ? "Der Datenträger ist voll, der Import wurde angehalten. Die Datenbank "
                                      + pathText(m_store.file()) + " enthält alle Spiele bis vor "
                                      + pathText(batch.first) + "."
                                : e.what();
}

} // namespace tallyhand
