#include "TestSupport.h"
#include "history/DatabaseStartup.h"
#include "history/HandHistoryGenerator.h"
#include "history/UserConfig.h"

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
    ImportResult runImport(HandHistoryImport& job) override
    {
        ++imports;
        return job.run();
    }
    void userAccepted(const std::string& user) override { acceptedUser = user; }
};

// Fails every write once `armed` is set.
class BrokenSaver : public FileSaver {
public:
    bool armed = false;
    std::unique_ptr<FileSink> open(const std::filesystem::path& target) override
    {
        struct Sink : FileSink {
            std::unique_ptr<FileSink> inner;
            bool fail;
            bool write(std::string_view b) override { return !fail && inner->write(b); }
            bool commit() override { return !fail && inner->commit(); }
            std::string lastError() const override { return "Datenträger voll"; }
        };
        auto sink = std::make_unique<Sink>();
        sink->inner = m_inner.open(target);
        sink->fail = armed;
        return sink;
    }

private:
    AtomicFileSaver m_inner;
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

void generate(const std::filesystem::path& folder, std::size_t games, std::uint64_t seed)
{
    generateHandHistories({games, seed, "Hero"}, [&](GeneratedFile&& f) { writeBytes(folder / f.name, f.bytes); });
}

std::size_t gameRefs(const GameDatabase& db)
{
    std::size_t n = 0;
    for (const auto& h : db.tables.hole_cards)
        n += h.game_refs.size();
    return n;
}

} // namespace

TEST(UserConfig, UserNameRules)
{
    EXPECT_EQ(userNameFromIni("[USER]\r\nfoo=1\r\nusername=Joe\r\n"), "Joe");
    EXPECT_EQ(userNameFromIni("username= Joe\n"), " Joe");
    EXPECT_EQ(userNameFromIni("username=a=b\n"), "a=b");
    EXPECT_EQ(userNameFromIni("username=first\nusername=last\n"), "last");
    EXPECT_EQ(userNameFromIni("[USER]\nname=Joe\n"), "");
    EXPECT_EQ(userNameFromIni("my username\n"), "my username");
    EXPECT_EQ(userNameFromIni("username=Hero\r"), "Hero"); // no CR kept
}

TEST(UserConfig, FolderListRoundTripsAndNeverShadowsTheName)
{
    TempDir home;
    const auto ini = home.path() / kIniFile;
    const std::vector<std::string> folders{"/home/username/Hands", "C:\\PokerStars\\HandHistory\\Joe"};
    writeIni(ini, "Joe", folders);
    const std::string text = readBytes(ini);
    EXPECT_EQ(userNameFromIni(text), "Joe");
    EXPECT_EQ(handFoldersFromIni(text), folders);
    EXPECT_EQ(handFoldersFromIni("[USER]\r\nfolder=/x\r\n[HANDHISTORY]\r\nfolder=/a\r\nfolder=\r\n[OTHER]\r\nfolder=/b\r\n"),
              std::vector<std::string>{"/a"});
    writeIni(ini, "Joe", {});
    EXPECT_EQ(readBytes(ini), "[USER]\r\nusername=Joe\r\n");
}

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

    // A second start finds nothing new and changes no file.
    const std::string games = readBytes(home.path() / "data" / "games.kar");
    RecordingView next;
    DatabaseStartup restart(HomeFolders{home.path()}, next);
    EXPECT_EQ(restart.run(), StartupOutcome::Loaded);
    EXPECT_EQ(next.imports, 0);
    EXPECT_EQ(next.statuses, concat({kLoad, {startup_text::kSearch}, kLoad, {"Ok"}}));
    EXPECT_EQ(readBytes(home.path() / "data" / "games.kar"), games);
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

// A damaged stamps file no longer blocks every import: it is said once, the
// files are known by name, and the file is written anew.
TEST(Startup, DamagedStampsFileIsReplaced)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    generate(home.path() / "Hands", 40, 4);
    RecordingView first;
    DatabaseStartup(HomeFolders{home.path()}, first).run();
    const auto stampsFile = home.path() / "data" / kLoadedStampsFile;
    const std::string goodStamps = readBytes(stampsFile);
    writeBytes(stampsFile, "garbage\r\n");

    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(std::count(view.statuses.begin(), view.statuses.end(), startup_text::kStampsDamaged), 1);
    EXPECT_TRUE(view.messages.empty() && view.questions.empty());
    EXPECT_EQ(view.imports, 0);
    EXPECT_EQ(readBytes(stampsFile), goodStamps);

    // Damaged again, now with a new file: the import runs and writes the stamps.
    writeBytes(stampsFile, "1\tx\r\n");
    writeBytes(home.path() / "Hands" / "zz new.txt", joinLines(settledCashGame(999, "Hero", "Ah Kd")));
    RecordingView second;
    DatabaseStartup again(HomeFolders{home.path()}, second);
    EXPECT_EQ(again.run(), StartupOutcome::Loaded);
    EXPECT_EQ(second.imports, 1);
    EXPECT_TRUE(second.messages.empty());
    EXPECT_NO_THROW(loadFileStamps(stampsFile));
    EXPECT_EQ(gameRefs(again.database()), 41u);
}

TEST(Startup, MissingLoadedListMeansNothingKnownYet)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    generate(home.path() / "Hands", 50, 3);
    RecordingView first;
    DatabaseStartup(HomeFolders{home.path()}, first).run();
    std::filesystem::remove(home.path() / "data" / "loaded.kar");
    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(view.imports, 1);           // every file counts as new once
    EXPECT_EQ(gameRefs(startup.database()), 50u); // and nothing is added twice
    EXPECT_TRUE(view.messages.empty());
}

TEST(Startup, OldVersionTriggersRebuild)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    generate(home.path() / "Hands", 40, 4);
    RecordingView first;
    DatabaseStartup(HomeFolders{home.path()}, first).run();
    writeBytes(home.path() / "data" / "Hole_Cards.kar", "VERSION1\r\n0\r\n");
    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(view.statuses[1], startup_text::kRepair);
    EXPECT_EQ(gameRefs(startup.database()), 40u);
}

TEST(Startup, FailingImportIsRetriedABoundedNumberOfTimes)
{
    TempDir home;
    writeIni(home.path(), "Hero");
    const auto hands = home.path() / "Hands";
    generate(hands, 60, 6);
    BrokenSaver saver;
    RecordingView first;
    DatabaseStartup(HomeFolders{home.path()}, first, {}, saver).run();
    const std::string holeBefore = readBytes(home.path() / "data" / "Hole_Cards.kar");

    writeBytes(hands / "zz new.txt", joinLines(settledCashGame(999, "Hero", "Ah Kd")));
    saver.armed = true; // the disk is full from now on
    RecordingView view;
    DatabaseStartup startup(HomeFolders{home.path()}, view, {}, saver);
    EXPECT_EQ(startup.run(), StartupOutcome::ImportFailed);
    EXPECT_EQ(view.imports, DatabaseStartup::kImportAttempts);
    EXPECT_EQ(view.questions.size(), static_cast<std::size_t>(DatabaseStartup::kImportAttempts - 1));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind(startup_text::kImportFailed, 0), 0u);
    EXPECT_EQ(view.statuses.back(), "Ok");
    // The old database is untouched and the program keeps its games.
    EXPECT_EQ(readBytes(home.path() / "data" / "Hole_Cards.kar"), holeBefore);
    EXPECT_GE(gameRefs(startup.database()), 60u);
    EXPECT_FALSE(startup.database().tournaments.listRows.empty());

    // Declining the retry stops at once.
    RecordingView declining;
    declining.answer = false;
    DatabaseStartup stop(HomeFolders{home.path()}, declining, {}, saver);
    EXPECT_EQ(stop.run(), StartupOutcome::ImportFailed);
    EXPECT_EQ(declining.imports, 1);
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
