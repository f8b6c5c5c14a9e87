#pragma once

#include "history/HandsFolder.h"
#include "store/DatabaseStartup.h"

#include <atomic>
#include <string>

namespace tallyhand {

// What the browser lists show, read from the store.
GameDatabase readBrowserLists(GameStore& store);

// One round of a live import.
struct NewGames {
    bool busy = false;     // another import holds the data folder; nothing was done
    ImportResult result;
    GameDatabase lists;    // read anew when games came in
};

// Imports what is new in the home's hand-history folders through `store`
// (the caller's connection), unless another import holds the folder.
NewGames importNewGames(GameStore& store, const HomeFolders& folders, const std::string& userName,
                        const std::atomic<bool>* stop = nullptr);
// The same for files and folders the user chose (see chosenHandFolders).
NewGames importChosen(GameStore& store, const HomeFolders& folders, const std::string& userName,
                      const std::vector<std::filesystem::path>& chosen, const std::atomic<bool>* stop = nullptr);

} // namespace tallyhand
