#include "StoreSupport.h"
#include "history/UserConfig.h"
#include "store/DatabaseStartup.h"
#include "store/HomeStore.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

// Records everything the start-up shows.
class RecordingView : public StartupView {
public:
    std::vector<std::string> statuses, messages, questions;
    std::string acceptedUser;
    int imports = 0;
    bool answer = true;

    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askContinue(const std::string& text) override
    {
        questions.push_back(text);
        return answer;
    }
    // Pages the store may still take, counted from now (the disk fills up).
    std::optional<int> roomLeft;

    ImportResult runImport(StoreImport& job) override
    {
        ++imports;
        if (roomLeft) {
            Statement pages(job.store().db(), "PRAGMA page_count");
            pages.step();
            const std::string limit = "PRAGMA max_page_count = " + std::to_string(pages.int64(0) + *roomLeft);
            job.store().db().exec(limit.c_str());
        }
        return job.run();
    }
    void userAccepted(const std::string& user) override { acceptedUser = user; }
};

using Lines = std::vector<std::string>;
const Lines kLoad{"Hole Cards werden geladen", "Boards werden geladen", "Summeries werden geladen",
                  "Spielabläufe werden geladen"};

Lines concat(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

void writeIni(const std::filesystem::path& home, const std::string& user)
{
    writeBytes(home / kIniFile, "[USER]\r\nusername=" + user + "\r\n");
}

std::size_t gameRefs(const GameDatabase& db)
{
    std::size_t n = 0;
    for (const auto& t : db.tournaments.tournaments)
        n += static_cast<std::size_t>(t.count);
    return n;
}

FileSet exportOf(const std::filesystem::path& home, const std::filesystem::path& out)
{
    GameStore store(home / "data" / kStoreFile);
    return exported(store, out);
}

} // namespace

TEST(Startup, MissingIniIsCreatedAndNothingElseHappens)
{
    TempDir home;
    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::NoIniFile);
    EXPECT_EQ(readBytes(home.path() / kIniFile), "[USER]\r\nusername=DUMMY\r\n");
    EXPECT_EQ(view.messages, Lines{startup_text::kNoIni});
    EXPECT_EQ(view.statuses, Lines{"Ok"});
    EXPECT_TRUE(startup.pending());

    // The placeholder stops the next start; lower case does not.
    RecordingView second;
    DatabaseStartup again(HomeFolders{home.path()}, second);
    EXPECT_EQ(again.run(), StartupOutcome::PlaceholderUser);
    EXPECT_EQ(second.messages, Lines{startup_text::kDummy});
    EXPECT_FALSE(std::filesystem::exists(home.path() / "data"));
    writeIni(home.path(), "dummy");
    RecordingView third;
    DatabaseStartup accepted(HomeFolders{home.path()}, third);
    EXPECT_EQ(accepted.run(), StartupOutcome::Loaded);
    EXPECT_EQ(third.acceptedUser, "dummy");
}

TEST(Startup, EmptyDataFolderToOkThenNothingNew)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    generate(home.path() / "Hands", 300, 5);
    RecordingView view;
    int hooks = 0;
    DatabaseStartup startup(HomeFolders{home.path()}, view, {[&] { ++hooks; }, [&] { ++hooks; }});
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(hooks, 2);
    EXPECT_FALSE(startup.pending());
    EXPECT_EQ(view.statuses,
              concat({{startup_text::kLoadCombinations, startup_text::kBuildPatterns, kLoad[0], startup_text::kRepair},
                      kLoad, {startup_text::kSearch}, kLoad, {"Ok"}}));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(gameRefs(startup.database()), 300u);
    EXPECT_FALSE(startup.database().tournaments.listRows.empty());
    EXPECT_FALSE(startup.database().hole_bundles.empty());

    // A second start finds nothing new and changes nothing.
    const FileSet before = exportOf(home.path(), home.path() / "before");
    RecordingView next;
    DatabaseStartup restart(HomeFolders{home.path()}, next);
    EXPECT_EQ(restart.run(), StartupOutcome::Loaded);
    EXPECT_EQ(next.imports, 0);
    EXPECT_EQ(next.statuses, concat({kLoad, {startup_text::kSearch}, kLoad, {"Ok"}}));
    EXPECT_EQ(exportOf(home.path(), home.path() / "after"), before);
}

TEST(Startup, NewAndGrownFilesAreImportedOnce)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    const auto hands = home.path() / "Hands";
    generate(hands, 120, 9);
    RecordingView first;
    DatabaseStartup(HomeFolders{home.path()}, first).run();

    // A file appended to by the client since its import.
    const auto grown = std::filesystem::directory_iterator(hands)->path();
    std::string extra;
    generateHandHistories({10, 77, "Hero"}, [&](GeneratedFile&& f) { extra += f.bytes; });
    writeBytes(grown, readBytes(grown) + "\r\n\r\n" + extra);
    // And a brand-new one; the hidden file is not listed.
    writeBytes(hands / "zz new.txt", joinLines(settledCashGame(999, "Hero", "Ah Kd")));
    writeBytes(hands / ".hidden.txt", joinLines(cashGame(998, "Hero", "Ah Kd")));

    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(view.imports, 1);
    EXPECT_NE(std::find(view.statuses.begin(), view.statuses.end(), startup_text::newFilesFound(2)), view.statuses.end());
    EXPECT_EQ(gameRefs(startup.database()), 120u + 10u + 1u);

    RecordingView again;
    DatabaseStartup restart(HomeFolders{home.path()}, again);
    restart.run();
    EXPECT_EQ(again.imports, 0);
    EXPECT_EQ(gameRefs(restart.database()), 131u);
}

// A file that is not a database, one that is damaged and one from a newer
// program: named, kept aside under another name, and rebuilt when the user agrees.
TEST(Startup, UnusableDatabaseIsSetAsideAndRebuiltOnRequest)
{
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> spoil;
    };
    const std::vector<Case> cases{
        {"not a database", [](const auto& db) { writeBytes(db, std::string(5000, 'x')); }},
        {"newer schema",
         [](const auto& db) {
             SqliteDb raw(db, false);
             raw.exec("PRAGMA user_version = 99");
         }},
        {"damaged pages",
         [](const auto& db) {
             std::string bytes = readBytes(db);
             for (std::size_t i = 4096; i < bytes.size(); i += 7)
                 bytes[i] = static_cast<char>(0xA5);
             writeBytes(db, bytes);
         }},
    };
    for (const Case& c : cases) {
        for (const bool agree : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (agree ? ", rebuilt" : ", declined"));
            TempDir home;
            writeIni(home.path(), "Hero");
            generate(home.path() / "Hands", 40, 4);
            RecordingView first;
            DatabaseStartup(HomeFolders{home.path()}, first).run();
            const auto db = home.path() / "data" / kStoreFile;
            c.spoil(db);
            const std::string spoiled = readBytes(db);

            RecordingView view;
            view.answer = agree;
            DatabaseStartup startup(HomeFolders{home.path()}, view);
            const StartupOutcome outcome = startup.run();
            ASSERT_EQ(view.questions.size(), 1u);
            EXPECT_NE(view.questions[0].find(pathText(db)), std::string::npos) << view.questions[0];
            EXPECT_NE(view.questions[0].find(startup_text::kRebuildOffer), std::string::npos);
            // Kept aside byte for byte, never deleted.
            EXPECT_EQ(readBytes(db.string() + ".unbrauchbar-1"), spoiled);
            if (agree) {
                EXPECT_EQ(outcome, StartupOutcome::Loaded);
                EXPECT_EQ(gameRefs(startup.database()), 40u);
            } else {
                EXPECT_EQ(outcome, StartupOutcome::DatabaseFailed);
                EXPECT_EQ(gameRefs(startup.database()), 0u);
            }
        }
    }
}

TEST(Startup, FullDiskIsRetriedABoundedNumberOfTimes)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    const auto hands = home.path() / "Hands";
    generate(hands, 60, 6);
    RecordingView first;
    DatabaseStartup(HomeFolders{home.path()}, first).run();
    const FileSet before = exportOf(home.path(), home.path() / "before");

    generate(hands / ".." / "more", 400, 8);
    for (const auto& name : listHandFiles(hands / ".." / "more"))
        std::filesystem::rename(hands / ".." / "more" / name, hands / ("zz " + name));
    RecordingView view;
    view.roomLeft = 0; // the disk is full from now on
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::ImportFailed);
    EXPECT_EQ(view.imports, DatabaseStartup::kImportAttempts);
    EXPECT_EQ(view.questions.size(), static_cast<std::size_t>(DatabaseStartup::kImportAttempts - 1));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind(startup_text::kImportFailed, 0), 0u);
    EXPECT_NE(view.messages[0].find("voll"), std::string::npos);
    EXPECT_EQ(view.statuses.back(), "Ok");
    // The database is untouched and the program keeps its games.
    EXPECT_EQ(exportOf(home.path(), home.path() / "after"), before);
    EXPECT_EQ(gameRefs(startup.database()), 60u);

    // Declining the retry stops at once; with room again the next start finishes the job.
    RecordingView declining;
    declining.answer = false;
    declining.roomLeft = 0;
    DatabaseStartup stop(HomeFolders{home.path()}, declining);
    EXPECT_EQ(stop.run(), StartupOutcome::ImportFailed);
    EXPECT_EQ(declining.imports, 1);
    RecordingView roomy;
    DatabaseStartup done(HomeFolders{home.path()}, roomy);
    EXPECT_EQ(done.run(), StartupOutcome::Loaded);
    EXPECT_EQ(exportOf(home.path(), home.path() / "done"), textImportOf(hands, home.path() / "ref"));
}

// A data folder of the five text files is taken over on first open; the
// files stay, every view reads what they held, and the files they list are
// not read again.
TEST(Startup, TextFilesAreTakenOverOnce)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    const auto hands = home.path() / "Hands";
    generate(hands, 200, 14);
    const FileSet text = textImportOf(hands, home.path() / "data");

    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(view.imports, 0);
    EXPECT_EQ(view.statuses, concat({kLoad, {startup_text::kSearch}, kLoad, {"Ok"}}));
    EXPECT_EQ(gameRefs(startup.database()), 200u);
    EXPECT_EQ(readFileSet(home.path() / "data"), text);
    EXPECT_EQ(exportOf(home.path(), home.path() / "exp"), text);
}

TEST(Startup, UnreadableGameIsReportedWithFileAndLine)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    auto bad = cashGame(2, "Hero", "Qs Qh");
    bad[0] = "PokerStars Hand #oops:  Hold'em No Limit";
    Lines all = cashGame(1, "Hero", "Ah Kd");
    all.push_back("");
    all.insert(all.end(), bad.begin(), bad.end());
    writeBytes(home.path() / "Hands" / "mixed.txt", joinLines(all));
    // Old Mac line ends import; a file with no game in it is named.
    writeBytes(home.path() / "Hands" / "old mac.txt", joinLines(cashGame(3, "Hero", "2c 2d"), "\r"));
    writeBytes(home.path() / "Hands" / "notes.txt", "nothing to see\r\n");
    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(gameRefs(startup.database()), 2u);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("mixed.txt, Zeile " + std::to_string(cashGame(1, "", "").size() + 2)),
              std::string::npos);
    EXPECT_NE(view.messages[0].find("kein Spiel gelesen werden:\r\nnotes.txt"), std::string::npos) << view.messages[0];
}

// Games whose money does not add up, or whose amounts do not read, are named
// by the import and still imported.
TEST(Startup, ImportNamesGamesWhoseMoneyDoesNotAddUp)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    Lines all = settledCashGame(1, "Hero", "Ah Kd");
    all.push_back("");
    const Lines unpaid = cashGame(2, "Hero", "Qs Qh"); // the pot paid only in the summary
    all.insert(all.end(), unpaid.begin(), unpaid.end());
    all.push_back("");
    Lines unreadable = settledCashGame(3, "Hero", "2c 2d");
    const std::size_t blindLine = all.size() + 4; // the small blind's line, 0-based
    unreadable[4] = "lefty0130: posts small blind $1,000";
    all.insert(all.end(), unreadable.begin(), unreadable.end());
    writeBytes(home.path() / "Hands" / "money.txt", joinLines(all));
    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(gameRefs(startup.database()), 3u);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("Beträge gehen nicht auf: 1 Spiele"), std::string::npos) << view.messages[0];
    EXPECT_NE(view.messages[0].find("money.txt, Zeile " + std::to_string(blindLine + 1) +
                                    ": Betrag mit Tausendertrennzeichen"),
              std::string::npos)
        << view.messages[0];
}
