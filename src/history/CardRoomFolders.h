#pragma once

#include <filesystem>
#include <vector>

namespace tallyhand {

// Where the card room keeps its application folders ("PokerStars", "PokerStars.EU", ...)
// on this machine: each root holds them directly.
struct CardRoomRoots {
    // %LOCALAPPDATA% on Windows; empty elsewhere.
    std::filesystem::path localAppData;
    // The user's home folder (macOS "Library/Application Support", Wine prefixes).
    std::filesystem::path userHome;
};

// The folders that may hold the card room's application folders: the local
// application data, macOS "~/Library/Application Support" and, under Wine,
// "~/.wine/drive_c/users/<user>/AppData/Local" for every user there. Only
// folders that exist, in that order.
std::vector<std::filesystem::path> cardRoomRootFolders(const CardRoomRoots& roots);

// The card room's own hand-history folders below the given roots:
// "<root>/PokerStars*/HandHistory/<screen name>", each an existing folder,
// sorted by root, then by name. Unreadable folders are passed over.
std::vector<std::filesystem::path> cardRoomHandFolders(const std::vector<std::filesystem::path>& rootFolders);

} // namespace tallyhand
