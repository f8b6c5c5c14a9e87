#include "TestSupport.h"
#include "history/DatabaseCommit.h"
#include "history/DatabaseStartup.h"
#include "history/HandHistoryGenerator.h"
#include "history/UserConfig.h"

#include <gtest/gtest.h>

#include <map>
#include <thread>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

class QuietView : public StartupView {
public:
    std::vector<std::string> statuses, messages;
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askContinue(const std::string& text) override
    {
        messages.push_back(text);
        return false;
    }
    ImportResult runImport(HandHistoryImport& job) override { return job.run(); }
};

// Refuses the n-th file it is asked to write (0-based), as a full disk would.
class FullDiskSaver : public FileSaver {
public:
    explicit FullDiskSaver(int failAt) : m_failAt(failAt) {}
    std::unique_ptr<FileSink> open(const std::filesystem::path& target) override
    {
        struct Sink : FileSink {
            std::unique_ptr<FileSink> inner;
            bool full = false;
            bool write(std::string_view b) override { return !full && inner->write(b); }
            bool commit() override { return !full && inner->commit(); }
            std::string lastError() const override { return "No space left on device"; }
        };
        auto sink = std::make_unique<Sink>();
        sink->inner = m_inner.open(target);
        sink->full = m_opened++ == m_failAt;
        return sink;
    }

private:
    int m_failAt;
    int m_opened = 0;
    AtomicFileSaver m_inner;
};

std::map<std::string, std::string> dataFiles(const std::filesystem::path& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().filename() != "import.lock")
            files[entry.path().filename().string()] = readBytes(entry.path());
    return files;
}

struct Home {
    TempDir dir;
    std::filesystem::path data() const { return dir.path() / "data"; }
    Home(std::size_t games)
    {
        writeBytes(dir.path() / kIniFile, "[USER]\r\nusername=Hero\r\n");
        generateHandHistories({games, 3, "Hero"},
                              [&](GeneratedFile&& f) { writeBytes(dir.path() / "Hands" / f.name, f.bytes); });
        QuietView view;
        DatabaseStartup(HomeFolders{dir.path()}, view).run();
    }
    void addFile() { writeBytes(dir.path() / "Hands" / "zz new.txt", joinLines(cashGame(999, "Hero", "Ah Kd"))); }
};

} // namespace

// A save that fails at any of the six files leaves the old set whole, with
// nothing staged left behind; the next start imports it all.
TEST(DatabaseCommit, FailedSaveAtAnyFileLeavesTheOldSet)
{
    Home home(60);
    const auto before = dataFiles(home.data());
    home.addFile();
    for (int failAt = 0; failAt < 7; ++failAt) {
        FullDiskSaver saver(failAt);
        QuietView view;
        DatabaseStartup startup(HomeFolders{home.dir.path()}, view, {}, saver);
        startup.run();
        if (failAt == 6) // the manifest is the seventh file
            continue;
        EXPECT_EQ(dataFiles(home.data()), before) << failAt;
        EXPECT_FALSE(view.messages.empty()) << failAt;
    }
    QuietView view;
    DatabaseStartup startup(HomeFolders{home.dir.path()}, view);
    EXPECT_EQ(startup.run(), StartupOutcome::Loaded);
    EXPECT_EQ(startup.database().tables.game_records.size(), 61u);
}

// A crash before the manifest rolls back, after it the start finishes the renames.
TEST(DatabaseCommit, InterruptedCommitIsFinishedOrRolledBack)
{
    TempDir dir;
    const auto data = dir.path() / "data";
    writeBytes(data / "a.kar", "old a");
    writeBytes(data / "b.kar", "old b");
    {
        DatabaseCommit unit(data, defaultFileSaver());
        writeBytes(unit.stage("a.kar"), "new a");
        writeBytes(unit.stage("b.kar"), "new b");
        // destroyed before commit(): a crash while staging
    }
    recoverDatabaseCommit(data);
    EXPECT_EQ(readBytes(data / "a.kar"), "old a");
    EXPECT_FALSE(std::filesystem::exists(data / "a.kar.new"));

    // Manifest written, one rename done, then the crash.
    writeBytes(data / "a.kar.new", "new a");
    writeBytes(data / "b.kar.new", "new b");
    writeBytes(data / kCommitFile, "COMMIT1\r\na.kar\r\nb.kar\r\n");
    std::filesystem::rename(data / "a.kar.new", data / "a.kar");
    recoverDatabaseCommit(data);
    EXPECT_EQ(readBytes(data / "a.kar"), "new a");
    EXPECT_EQ(readBytes(data / "b.kar"), "new b");
    EXPECT_FALSE(std::filesystem::exists(data / kCommitFile));
}

// Two imports into one data folder: the second waits, or gives up when told not to.
TEST(DatabaseCommit, OneImportAtATime)
{
    Home home(30);
    home.addFile();
    const auto before = dataFiles(home.data());
    auto other = std::make_unique<ImportLock>(home.data());
    ASSERT_TRUE(other->tryLock());

    QuietView refused;
    DatabaseStartup noWait(HomeFolders{home.dir.path()}, refused);
    noWait.setWaitForOtherImports(false);
    EXPECT_EQ(noWait.run(), StartupOutcome::ImportFailed);
    EXPECT_EQ(refused.messages, std::vector<std::string>{startup_text::kImportBusy});
    EXPECT_EQ(dataFiles(home.data()), before);

    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.reset();
    });
    QuietView waiting;
    DatabaseStartup patient(HomeFolders{home.dir.path()}, waiting);
    EXPECT_EQ(patient.run(), StartupOutcome::Loaded);
    release.join();
    EXPECT_NE(std::find(waiting.statuses.begin(), waiting.statuses.end(), startup_text::kWaitingForImport),
              waiting.statuses.end());
    EXPECT_EQ(patient.database().tables.game_records.size(), 31u);
}
