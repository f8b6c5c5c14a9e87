#pragma once

#include <filesystem>

namespace tallyhand {

// Holds the data folder for one import at a time, across processes (two
// windows, the window and the command line). The lock goes with the process
// that holds it, so a crash leaves no stale lock.
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
