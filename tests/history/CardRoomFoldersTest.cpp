#include "TestSupport.h"
#include "history/CardRoomFolders.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

namespace fs = std::filesystem;

namespace {

void makeFolder(const fs::path& p) { fs::create_directories(p); }

} // namespace

// A home with the card room under Wine for two users, on macOS, and decoys:
// other programs, a HandHistory without players, files where folders belong.
TEST(CardRoomFolders, FindsEveryPlayerFolderOfEveryInstallation)
{
    TempDir t;
    const fs::path home = t.path() / "home";
    const fs::path local = t.path() / "LocalAppData";
    const fs::path wineA = home / ".wine/drive_c/users/alice/AppData/Local";
    const fs::path wineB = home / ".wine/drive_c/users/bob/AppData/Local";
    const fs::path mac = home / "Library/Application Support";
    makeFolder(local / "PokerStars/HandHistory/Hero");
    makeFolder(local / "PokerStars.EU/HandHistory/Hero EU");
    makeFolder(local / "PokerStars.EU/HandHistory/Alt");
    makeFolder(local / "OtherRoom/HandHistory/Hero");        // not the card room
    writeBytes(local / "PokerStars/HandHistory/notes.txt", "x"); // a file, not a player
    makeFolder(wineB / "PokerStars/HandHistory/Wino");
    makeFolder(wineA / "PokerStars.FR/HandHistory");        // installed, no hands yet
    makeFolder(mac / "PokerStars/HandHistory/MacHero");
    makeFolder(home / ".wine/drive_c/users/carol");          // a user without AppData

    const auto roots = cardRoomRootFolders({local, home});
    EXPECT_EQ(roots, (std::vector<fs::path>{local, mac, wineA, wineB}));
    EXPECT_EQ(cardRoomHandFolders(roots),
              (std::vector<fs::path>{local / "PokerStars/HandHistory/Hero", local / "PokerStars.EU/HandHistory/Alt",
                                     local / "PokerStars.EU/HandHistory/Hero EU",
                                     mac / "PokerStars/HandHistory/MacHero",
                                     wineB / "PokerStars/HandHistory/Wino"}));
}

TEST(CardRoomFolders, MissingRootsGiveNothing)
{
    TempDir t;
    struct Case {
        CardRoomRoots roots;
    };
    const Case cases[] = {
        {{}},
        {{t.path() / "missing", t.path() / "missing-home"}},
        {{{}, t.path()}}, // a home without any of the places
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(cardRoomRootFolders(c.roots).empty());
    }
    // A root that vanished between the two steps is passed over.
    EXPECT_TRUE(cardRoomHandFolders({t.path() / "gone"}).empty());
}
