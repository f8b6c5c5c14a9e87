#pragma once

#include "history/AtomicFile.h"
#include "history/GameTableBuilder.h"
#include "history/HandsFolder.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace tallyhand {

// What the import form shows while the import runs.
struct ImportProgress {
    std::string stage;          // German stage text
    std::string file;           // file being read (raw name), empty while saving
    std::size_t fileIndex = 0;  // 1-based
    std::size_t fileCount = 0;
    std::size_t games = 0;      // header lines read so far
};
using ImportProgressFn = std::function<void(const ImportProgress&)>;

struct ImportResult {
    bool ok = false;
    std::string error;                 // German, when !ok
    GameTables tables;                 // as written; on failure as far as they got
    std::vector<SkippedGame> skipped;  // games whose number could not be read
    std::vector<std::string> filesWithoutGames; // files read that held no readable game
    std::vector<std::string> files;    // files read, in order
    std::size_t games = 0;
    std::size_t unbalanced = 0;                 // games whose money does not add up
    std::vector<SkippedGame> unreadableResults; // games whose amounts do not read
};

// One import: reads every file of the Hands folder once, extends the given
// tables (games already held are skipped) and replaces the database files
// as one unit (see DatabaseCommit).
class HandHistoryImport {
public:
    HandHistoryImport(HomeFolders folders, std::string userName, GameTables start,
                      FileSaver& saver = defaultFileSaver());

    // Never throws; may run on a worker thread (touches nothing else).
    ImportResult run(const ImportProgressFn& progress = {});

    const std::string& userName() const { return m_userName; }

private:
    HomeFolders m_folders;
    std::string m_userName;
    GameTables m_start;
    FileSaver& m_saver;
};

// Deletes the database files (each where present) before a full rebuild.
void deleteDatabaseFiles(const HomeFolders& folders);

} // namespace tallyhand
