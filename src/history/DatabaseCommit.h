#pragma once

#include "history/AtomicFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyhand {

// Written last while the database files are being replaced: the list of files
// whose new content is complete. Its presence is the commit point.
inline constexpr const char* kCommitFile = "commit.kar";
inline constexpr const char* kStagedSuffix = ".new";

// Replaces several database files as one unit: each new file is written and
// synced beside its old one, then the manifest is written, then every file is
// renamed into place. A crash before the manifest leaves the old files, after
// it the start-up finishes the renames: old or new, never mixed.
class DatabaseCommit {
public:
    DatabaseCommit(std::filesystem::path dataDir, FileSaver& saver);
    // Removes what was staged unless commit() succeeded.
    ~DatabaseCommit();
    DatabaseCommit(const DatabaseCommit&) = delete;
    DatabaseCommit& operator=(const DatabaseCommit&) = delete;

    // Where the new content of the file `name` is to be written.
    std::filesystem::path stage(const std::string& name);
    // Throws DatabaseError when the manifest cannot be written or a rename fails.
    void commit();

private:
    std::filesystem::path m_dir;
    FileSaver& m_saver;
    std::vector<std::string> m_names;
    bool m_manifestWritten = false;
    bool m_done = false;
};

// For the start-up: finishes a commit whose manifest stands, or removes the
// staged files of one that never reached it. Throws DatabaseError when a
// rename fails, so that the database is not read half replaced.
void recoverDatabaseCommit(const std::filesystem::path& dataDir);

// Holds the data folder for one import at a time, across processes. The lock
// goes with the process that holds it, so a crash leaves no stale lock.
class ImportLock {
public:
    explicit ImportLock(const std::filesystem::path& dataDir);
    ~ImportLock();
    ImportLock(const ImportLock&) = delete;
    ImportLock& operator=(const ImportLock&) = delete;

    // True when this holder has the folder (now or already).
    bool tryLock();

private:
    int m_fd = -1;
    bool m_locked = false;
};

} // namespace tallyhand
