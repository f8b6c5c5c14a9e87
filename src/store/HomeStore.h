#pragma once

#include "history/HandsFolder.h"
#include "store/GameStore.h"
#include "store/StoreImport.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tallyhand {

inline std::filesystem::path storeFileOf(const HomeFolders& folders)
{
    return folders.dataFile(kStoreFile);
}

// The outcome of opening a home's store.
struct OpenedStore {
    std::unique_ptr<GameStore> store; // null when it could not be opened
    std::string error;                // German, names the file
    bool setAside = false;            // an unusable file was renamed; a rebuild is due
    bool tookOver = false;            // the five text files were taken over
};

// Opens DIR/data/tallyhand.db. A data folder with the five text files and no
// database is taken over first (the files stay where they are). A file that
// is not a database, is damaged or comes from a newer program is renamed
// aside, never deleted. Without `create` a missing database is an error.
OpenedStore openHomeStore(const HomeFolders& folders, bool create);

// Renames the database file (and its WAL and shared-memory files) to a free
// "<name>.unbrauchbar-N" beside it; returns the new path.
std::filesystem::path setStoreAside(const std::filesystem::path& file);

// Builds a store from the five text files of the data folder; the store file
// appears only once complete. Throws DatabaseError.
void takeOverTextFiles(const HomeFolders& folders);

} // namespace tallyhand
