#pragma once

#include "store/DatabaseStartup.h"
#include "store/GameStore.h"

#include <memory>
#include <optional>
#include <string>

namespace tallyhand::cli {

// A home folder's database as the window holds it after start-up, read
// without importing anything: the browser lists, and the store for the rest.
struct LoadedHome {
    std::string userName;
    GameDatabase db;
    std::unique_ptr<GameStore> store;
};

// The user name of DIR/Tallyhand.ini; nullopt, with the reason on standard
// error, when there is none.
std::optional<std::string> configuredUser(const std::string& dir);

// Reads the user name from "Tallyhand.ini" and opens the database of
// DIR/data (a data folder of text files is taken over first);
// nullptr, with the reason on standard error, when either is missing or unreadable.
// `withLists` reads the browser lists too (db); without it only the store is opened.
std::unique_ptr<LoadedHome> loadHome(const std::string& dir, bool withLists = true);

} // namespace tallyhand::cli
