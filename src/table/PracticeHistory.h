#pragma once

#include "table/PracticeTable.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tallyhand {

// A practice session's hands as hand-history text in the card room's format,
// so that the import takes them into the database like real games: one
// tournament per session, the user dealt in as named in the configuration.
struct PracticeSession {
    std::string userName;
    std::int64_t tournament = 0; // from the session's start time
    std::string started;         // "2026/12/07 12:00:00"
    std::int64_t firstGame() const { return tournament * 1000; }
};

// Numbers and start text of a session begun at `unixSeconds` (UTC).
PracticeSession practiceSession(std::string userName, std::int64_t unixSeconds);
// "HH<date> T<tournament> Übungstisch.txt" in the folder's naming style.
std::string practiceFileName(const PracticeSession& session);
// The session begun at `unixSeconds`, moved on a second at a time until its
// file is not in `handsDir` yet: a session of its own, even when another began
// in the same second. A folder that cannot be read ends the search; writing
// the file then reports what is wrong.
PracticeSession freshPracticeSession(const std::filesystem::path& handsDir, const std::string& userName,
                                     std::int64_t unixSeconds);

// The hand just finished on `table` (wait() is HandOver or GameOver), with CR LF line ends
// and a blank line after it.
std::string practiceHandText(const PracticeSession& session, const PracticeTable& table);

// The seat's name in the history: the user at seat 1, "Gegner1" … "Gegner9" elsewhere.
std::string practiceSeatName(const PracticeSession& session, int seat);

} // namespace tallyhand
