#include "StoreSupport.h"

#include "history/HandHistoryText.h"
#include "store/BlockCodec.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

std::string cashFile(std::initializer_list<std::pair<long long, const char*>> games)
{
    std::string text;
    for (const auto& [no, cards] : games)
        text += joinLines(cashGame(no, "Hero", cards)) + "\r\n";
    return text;
}

} // namespace

// One folder through the store and through the text writer: the export is
// the same bytes, duplicates and a file cut short included.
TEST(StoreImport, ExportEqualsTheTextImportOfTheSameFolder)
{
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> fill;
    };
    const std::vector<Case> cases{
        {"generated", [](const auto& hands) { generate(hands, 400, 11); }},
        {"duplicates and a cut file",
         [](const auto& hands) {
             generate(hands, 300, 12);
             const auto first = listHandFiles(hands).front();
             const std::string bytes = readBytes(hands / first);
             writeBytes(hands / "zz copy.txt", bytes);
             writeBytes(hands / "aa cut.txt", bytes.substr(0, bytes.size() / 3));
         }},
        {"hand-written edges",
         [](const auto& hands) {
             // Same game number with other cards, a board without turn and
             // river, no blank line after the last game, an empty file.
             writeBytes(hands / "a.txt", cashFile({{1, "Ah Kd"}, {2, "2c 2d"}}));
             writeBytes(hands / "b.txt", cashFile({{1, "Qs Qh"}, {3, "Kd Ah"}}));
             writeBytes(hands / "c.txt", joinLines(cashGame(4, "Hero", "7h 2c", "Jc 4h Th")));
             writeBytes(hands / "d.txt", "");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto hands = dir.path() / "Hands";
        std::filesystem::create_directories(hands);
        c.fill(hands);
        GameStore store(dir.path() / "t.db");
        const ImportResult result = importFolder(store, hands);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(exported(store, dir.path() / "exp"), textImportOf(hands, dir.path() / "ref"));
    }
}

// The card room appends to the open table's file; every piece read on from
// where the last read stopped gives what one read of the whole file gives.
TEST(StoreImport, FileReadOnInPiecesEqualsOneRead)
{
    TempDir source;
    generate(source.path(), 60, 21);
    const auto names = listHandFiles(source.path());
    std::string whole;
    for (const auto& name : names)
        whole += readBytes(source.path() / name) + "\r\n";
    std::vector<std::size_t> headers;
    for (std::size_t at = whole.find("PokerStars"); at != std::string::npos; at = whole.find("PokerStars", at + 1))
        headers.push_back(at);
    ASSERT_GT(headers.size(), 20u);
    const std::size_t header2 = headers[1];

    // The client writes whole hands; a read can still catch a hand's last
    // lines half written, which the next read completes.
    struct Case {
        const char* name;
        std::vector<std::size_t> cuts; // file sizes seen by successive imports
    };
    const std::vector<Case> cases{
        {"at a game's start", {header2}},
        {"inside a board line", {whole.find("Board [", header2) + 12}},
        {"inside the summary", {whole.find("*** SUMMARY ***", header2) + 40}},
        {"after the summary's last line", {whole.find("\r\n\r\n", whole.find("*** SUMMARY ***", header2))}},
        {"many games at a time", {headers[2], headers[5], headers[6], headers[20]}},
        {"nothing new in between", {header2, header2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto hands = dir.path() / "Hands";
        GameStore store(dir.path() / "t.db");
        for (std::size_t cut : c.cuts) {
            writeBytes(hands / "table.txt", whole.substr(0, cut));
            ASSERT_TRUE(importFolder(store, hands).ok);
        }
        writeBytes(hands / "table.txt", whole);
        const ImportResult last = importFolder(store, hands);
        ASSERT_TRUE(last.ok);
        EXPECT_EQ(exported(store, dir.path() / "exp"), textImportOf(hands, dir.path() / "ref"));
        // Nothing is read twice once the file stands still.
        EXPECT_TRUE(importFolder(store, hands).files.empty());
    }
}

TEST(StoreImport, ForgottenFileIsReadAgainWithoutAddingGamesTwice)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    writeBytes(hands / "a.txt", cashFile({{1, "Ah Kd"}, {2, "2c 2d"}}));
    GameStore store(dir.path() / "t.db");
    ASSERT_EQ(importFolder(store, hands).added, 2u);
    // A file rewritten shorter is read from its start again.
    writeBytes(hands / "a.txt", cashFile({{2, "2c 2d"}}));
    const ImportResult again = importFolder(store, hands);
    EXPECT_EQ(again.files.size(), 1u);
    EXPECT_EQ(again.added, 0u);
    EXPECT_EQ(store.gameCount(), 2u);
    EXPECT_EQ(store.loadedFiles(), std::vector<std::string>{"a.txt"});
}

TEST(StoreImport, VanishedFolderIsNamedAndTheOthersImported)
{
    TempDir dir;
    const auto good = dir.path() / "good";
    writeBytes(good / "a.txt", cashFile({{1, "Ah Kd"}}));
    writeBytes(dir.path() / "plain-file", "x");
    GameStore store(dir.path() / "t.db");
    StoreImport job(store, {{"gone", dir.path() / "gone"}, {"file", dir.path() / "plain-file"}, {"good", good}},
                    "Hero");
    const ImportResult result = job.run();
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.added, 1u);
    ASSERT_EQ(result.folderProblems.size(), 2u);
    EXPECT_NE(result.folderProblems[0].find("gone"), std::string::npos);
    EXPECT_NE(result.folderProblems[1].find("plain-file"), std::string::npos);
}

// A full disk stops the import between transactions: the files committed
// stay and are the ones reported, the message names the first file not kept,
// and the next import after room is freed ends where a clean one ends.
TEST(StoreImport, FullDiskKeepsWholeFilesAndTheNextImportFinishes)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    generate(hands, 300, 31);
    const auto names = listHandFiles(hands);
    ASSERT_GT(names.size(), 3u);
    for (const std::size_t games : {std::size_t{1}, std::size_t{25}}) {
        SCOPED_TRACE(games);
        GameStore store(dir.path() / (std::to_string(games) + ".db"));
        Statement pages(store.db(), "SELECT page_count, page_size FROM pragma_page_count, pragma_page_size");
        ASSERT_TRUE(pages.step());
        // Room for 160 KB more: a few of the files.
        const std::string limit =
            "PRAGMA max_page_count = " + std::to_string(pages.int64(0) + 160 * 1024 / pages.int64(1));
        pages.reset();
        store.db().exec(limit.c_str());
        StoreImport job(store, {{"Hands", hands}}, "Hero");
        job.setGamesPerTransaction(games);
        const ImportResult full = job.run();
        EXPECT_FALSE(full.ok);
        EXPECT_TRUE(full.diskFull);
        EXPECT_EQ(store.loadedFiles(), full.files);
        ASSERT_GT(full.files.size(), 0u);
        ASSERT_LT(full.files.size(), names.size());
        EXPECT_NE(full.error.find("bis vor " + pathText(hands / names[full.files.size()])), std::string::npos)
            << full.error;

        store.db().exec("PRAGMA max_page_count = 1073741823");
        EXPECT_TRUE(importFolder(store, hands).ok);
        EXPECT_EQ(exported(store, dir.path() / ("exp" + std::to_string(games))), textImportOf(hands, dir.path() / "ref"));
    }
}

// Stopped between files, the import keeps every file it merged and reports
// just those; the next import reads the rest.
TEST(StoreImport, StopKeepsTheFilesMergedSoFar)
{
    TempDir dir;
    const auto hands = dir.path() / "Hands";
    generate(hands, 600, 41);
    const auto names = listHandFiles(hands);
    ASSERT_GT(names.size(), 4u);
    GameStore store(dir.path() / "t.db");
    std::atomic<bool> stop = false;
    StoreImport job(store, {{"Hands", hands}}, "Hero");
    const ImportResult stopped = job.run([&](const ImportProgress& p) { stop = p.fileIndex == 3; }, &stop);
    EXPECT_TRUE(stopped.ok);
    EXPECT_EQ(stopped.files, std::vector<std::string>(names.begin(), names.begin() + 3));
    EXPECT_EQ(store.loadedFiles(), stopped.files);
    EXPECT_EQ(store.gameCount(), stopped.added);

    const ImportResult rest = importFolder(store, hands);
    EXPECT_EQ(rest.files.size(), names.size() - 3);
    EXPECT_EQ(exported(store, dir.path() / "exp"), textImportOf(hands, dir.path() / "ref"));
}

TEST(BlockCodec, LinesRoundTrip)
{
    const std::vector<std::vector<std::string>> cases{
        {}, {""}, {"", ""}, {"Seat 1: Hero (1500 in chips)"}, {"a\rb", "\t", "\xe4\xf6\xfc raw bytes"}};
    for (const auto& lines : cases) {
        const LineList list(lines.begin(), lines.end());
        EXPECT_EQ(unpackLines(packLines(list), list.size()), list);
    }
    // A wrong count or foreign bytes are damage, not data.
    const LineList two{"a", "b"};
    EXPECT_THROW(unpackLines(packLines(two), 3), DatabaseError);
    EXPECT_THROW(unpackLines(packLines(two), 1), DatabaseError);
    EXPECT_THROW(unpackLines("not zstd", 1), DatabaseError);
}

// Files and folders chosen in the window are imported where they stand: a
// folder whole, a file alone, a folder chosen beside one of its files whole.
TEST(StoreImport, ChosenFilesAndFoldersAreImportedWhereTheyAre)
{
    TempDir dir;
    const auto a = dir.path() / "a";
    const auto b = dir.path() / "b";
    writeBytes(a / "1.txt", cashFile({{1, "Ah Kd"}}));
    writeBytes(a / "2.txt", cashFile({{2, "2c 2d"}}));
    writeBytes(a / "3.txt", cashFile({{3, "7h 7d"}}));
    writeBytes(b / "4.txt", cashFile({{4, "Qs Jh"}}));
    writeBytes(b / "5.txt", cashFile({{5, "9s 9h"}}));

    struct Case {
        const char* name;
        std::vector<std::filesystem::path> chosen;
        std::vector<std::string> imported;
    };
    const std::vector<Case> cases{
        {"one file", {a / "2.txt"}, {"2.txt"}},
        {"two files of one folder", {a / "3.txt", a / "1.txt"}, {"1.txt", "3.txt"}},
        {"a folder", {b}, {"4.txt", "5.txt"}},
        {"a file and its folder", {b / "5.txt", b}, {"4.txt", "5.txt"}},
        {"files of two folders", {b / "5.txt", a / "1.txt"}, {"5.txt", "1.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameStore store(dir.path() / (std::string(c.name) + ".db"));
        StoreImport job(store, chosenHandFolders(c.chosen), "Hero");
        const ImportResult result = job.run();
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.files, c.imported);
        EXPECT_EQ(store.gameCount(), c.imported.size());
        // Chosen again, nothing is read twice.
        EXPECT_TRUE(StoreImport(store, chosenHandFolders(c.chosen), "Hero").run().files.empty());
    }
}
