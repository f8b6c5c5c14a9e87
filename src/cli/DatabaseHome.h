#pragma once

#include "history/DatabaseStartup.h"
#include "stats/GameIndex.h"

#include <memory>
#include <optional>
#include <string>

namespace tallyhand::cli {

// A home folder's database as the window holds it after start-up, read
// without importing anything.
struct LoadedHome {
    std::string userName;
    GameDatabase db;
    GameIndex index; // over db.tables
};

// The user name of DIR/Tallyhand.ini; nullopt, with the reason on standard
// error, when there is none.
std::optional<std::string> configuredUser(const std::string& dir);

// Reads the user name from "Tallyhand.ini" and the database from DIR/data;
// nullptr, with the reason on standard error, when either is missing or unreadable.
std::unique_ptr<LoadedHome> loadHome(const std::string& dir);

} // namespace tallyhand::cli
