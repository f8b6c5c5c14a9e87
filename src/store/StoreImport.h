#pragma once

#include "history/GameTableBuilder.h"
#include "store/BlockCodec.h"
#include "store/GameStore.h"
#include "store/StoredResults.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyhand {

// A hand-history folder: `key` is how the store names it (the configured
// text, "Hands" for the home's own), `path` where it is now.
struct HandFolder {
    std::string key;
    std::filesystem::path path;
    std::vector<std::string> only{}; // when not empty, just these files of it
};

// What the import form shows while the import runs.
struct ImportProgress {
    std::string stage;          // German stage text
    std::string file;           // file being read (raw name)
    std::size_t fileIndex = 0;  // 1-based
    std::size_t fileCount = 0;
    std::size_t games = 0;      // header lines read so far
};
using ImportProgressFn = std::function<void(const ImportProgress&)>;

struct ImportResult {
    bool ok = false;
    bool diskFull = false;
    std::string error;                          // German, when !ok
    std::vector<std::string> folderProblems;    // folders that could not be listed, German
    std::vector<SkippedGame> skipped;           // games whose number could not be read
    std::vector<std::string> filesWithoutGames; // files read that held no readable game
    std::vector<std::string> files;             // files read (new or grown), in order
    std::size_t games = 0;                      // header lines read
    std::size_t added = 0;                      // games new to the store
    std::size_t unbalanced = 0;                 // games whose money does not add up
    std::vector<SkippedGame> unreadableResults; // games whose amounts do not read
};

// One hand-history file that is new or grew since it was read.
struct PendingFile {
    const HandFolder* folder = nullptr;
    std::string name;
    std::optional<HandFileRecord> record{}; // what the store held of it when listed
};

// One file read and cut into games, ready for the store.
struct FileRead {
    std::filesystem::path path;
    HandFileRecord record;   // what the store keeps of it once stored
    bool isNew = true;       // never read before
    std::string unreadable;  // German, when it could not be read
    GameTableBuilder builder;
    PackedBlocks packed;     // the builder's blocks, packed where the file was read
    PreparedResults results; // its new games' results, worked out there too
    std::string bytes;       // as read, for naming lines of games that do not read
};
// Reads what is new of one file (from the start of its last game when the
// store has read it before); touches no store, so it may run on any thread.
FileRead readHandFile(const PendingFile& pending, std::optional<HandFileRecord> record, const std::string& userName);

// Imports what is new in the hand-history folders into the store: files
// never read, and the part of a file written since it was read (from the
// start of its last game, so that a game cut short is completed). Whole
// files go into one transaction, several at a time: a kill, a power cut or a
// full disk leaves every file imported whole or not at all. The caller holds
// the ImportLock.
class StoreImport {
public:
    StoreImport(GameStore& store, std::vector<HandFolder> folders, std::string userName);

    // The new and grown files of every folder, in folder then name order.
    // Folders that cannot be listed are named in `problems`.
    std::vector<PendingFile> pendingFiles(std::vector<std::string>* problems = nullptr);

    // Never throws. `stop` is looked at between files.
    ImportResult run(const ImportProgressFn& progress = {}, const std::atomic<bool>* stop = nullptr);

    // Files go into one transaction until it holds this many games (or a
    // second has passed); 1 makes a transaction of every file.
    void setGamesPerTransaction(std::size_t games) { m_gamesPerTransaction = games; }

    const std::string& userName() const { return m_userName; }
    GameStore& store() { return m_store; }

private:
    struct Batch;
    // Merges one file into the batch's transaction, begun when there is none,
    // and commits it once it is large enough; returns false when the import
    // has to stop (message in `result`).
    bool storeFile(const FileRead& read, Batch& batch, ImportResult& result);
    // Commits the batch's files and counts them into `result`.
    bool commit(Batch& batch, ImportResult& result);
    void fail(const Batch& batch, const StoreError& e, ImportResult& result);

    GameStore& m_store;
    std::vector<HandFolder> m_folders;
    std::string m_userName;
    std::size_t m_gamesPerTransaction;
};

// The hand-history folders of a home: those of the configuration text, or
// the home's "Hands" when it names none; relative ones under the home.
std::vector<HandFolder> handFoldersOf(const std::filesystem::path& home, std::string_view iniText);
// The same from the home's "Tallyhand.ini" (none: the home's "Hands").
std::vector<HandFolder> configuredHandFolders(const std::filesystem::path& home);
// Where those folders are now.
std::vector<std::filesystem::path> configuredHandPaths(const std::filesystem::path& home);
// Files and folders the user chose to import where they are ("Hand-Histories
// importieren…"): each folder whole, each file with the others chosen from
// its folder. A file imported this way is read on when it grows, like any other.
std::vector<HandFolder> chosenHandFolders(const std::vector<std::filesystem::path>& chosen);

} // namespace tallyhand
