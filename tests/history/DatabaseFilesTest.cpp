#include "TestSupport.h"
#include "history/DatabaseFiles.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

namespace {

GameTables sampleTables()
{
    GameTables t;
    Tcardcount h;
    h.card1 = "Ah";
    h.card2 = "Kh";
    h.suited = true;
    h.count = 2;
    h.game_refs.push_back({-5, 0, "Pallas", "Hold'em No Limit ($0.05/$0.10 USD)", {}});
    h.game_refs.push_back({7, 123, "T\xF6rn 1", "", {}}); // Windows-1252 byte, empty header
    t.hole_cards.push_back(h);
    TBoard b;
    b.cards = {"Jc", "4h", "Th", "", ""};
    b.game.game_no = 7;
    b.game.tour_no = 123;
    t.boards.push_back(b);
    t.summaries.push_back({7, 123, "", "", {"*** SUMMARY ***", "Seat 1: Bl\xC3\xA5veis collected (5)"}});
    t.game_records.push_back({7, 123, "", "", {"Table 'x'", "  indented  "}});
    return t;
}

// A saver whose sinks accept only `limit` bytes in all, like a disk filling up.
class FullDiskSaver : public FileSaver {
public:
    explicit FullDiskSaver(std::size_t limit) : m_left(limit) {}
    std::unique_ptr<FileSink> open(const std::filesystem::path& target) override
    {
        return std::make_unique<Sink>(m_inner.open(target), m_left);
    }

private:
    struct Sink : FileSink {
        Sink(std::unique_ptr<FileSink> inner, std::size_t& left) : m_inner(std::move(inner)), m_left(left) {}
        bool write(std::string_view bytes) override
        {
            if (bytes.size() > m_left) {
                m_inner->write(bytes.substr(0, m_left)); // a partial write, then the disk is full
                m_left = 0;
                return false;
            }
            m_left -= bytes.size();
            return m_inner->write(bytes);
        }
        bool commit() override { return m_inner->commit(); }
        std::string lastError() const override { return "No space left on device"; }
        std::unique_ptr<FileSink> m_inner;
        std::size_t& m_left;
    };
    AtomicFileSaver m_inner;
    std::size_t m_left;
};

} // namespace

TEST(DatabaseFiles, ExactBytes)
{
    TempDir dir;
    const GameTables t = sampleTables();
    saveHoleCards(dir.path() / "h", t.hole_cards);
    EXPECT_EQ(readBytes(dir.path() / "h"), "VERSION2\r\n1\r\nAh\r\nKh\r\nsuited\r\n2\r\n2\r\n-5\r\n0\r\nPallas\r\n"
                                           "Hold'em No Limit ($0.05/$0.10 USD)\r\n7\r\n123\r\nT\xF6rn 1\r\n\r\n");
    saveBoards(dir.path() / "b", t.boards);
    // Empty turn and river at the end of the file: two empty lines before the final line end.
    EXPECT_EQ(readBytes(dir.path() / "b"), "1\r\n7\r\n123\r\nJc\r\n4h\r\nTh\r\n\r\n\r\n");
    saveGameBlocks(dir.path() / "s", t.summaries);
    EXPECT_EQ(readBytes(dir.path() / "s"), "1\r\n7\r\n123\r\n2\r\n*** SUMMARY ***\r\nSeat 1: Bl\xC3\xA5veis collected (5)\r\n");
    saveFileNames(dir.path() / "l", {"a.txt", "B.txt"});
    EXPECT_EQ(readBytes(dir.path() / "l"), "a.txt\r\nB.txt\r\n");

    // The empty database.
    saveHoleCards(dir.path() / "h0", {});
    EXPECT_EQ(readBytes(dir.path() / "h0"), "VERSION2\r\n0\r\n");
    saveBoards(dir.path() / "b0", {});
    EXPECT_EQ(readBytes(dir.path() / "b0"), "0\r\n");
    saveGameBlocks(dir.path() / "g0", {});
    EXPECT_EQ(readBytes(dir.path() / "g0"), "0\r\n");
    saveFileNames(dir.path() / "l0", {});
    EXPECT_EQ(readBytes(dir.path() / "l0"), "");
    EXPECT_TRUE(loadHoleCards(dir.path() / "h0").empty());
    EXPECT_TRUE(loadBoards(dir.path() / "b0").empty());
    EXPECT_TRUE(loadGameBlocks(dir.path() / "g0").empty());
    EXPECT_TRUE(loadFileNames(dir.path() / "l0").empty());
}

TEST(DatabaseFiles, EveryFileRoundTrips)
{
    TempDir dir;
    const GameTables t = sampleTables();
    saveHoleCards(dir.path() / "h", t.hole_cards);
    saveBoards(dir.path() / "b", t.boards);
    saveGameBlocks(dir.path() / "s", t.summaries);
    saveGameBlocks(dir.path() / "g", t.game_records);
    EXPECT_EQ(loadHoleCards(dir.path() / "h"), t.hole_cards);
    EXPECT_EQ(loadBoards(dir.path() / "b"), t.boards);
    EXPECT_EQ(loadGameBlocks(dir.path() / "s"), t.summaries);
    EXPECT_EQ(loadGameBlocks(dir.path() / "g"), t.game_records);
    const std::vector<std::string> names{"x y.txt", "\xC3\xA4.txt", ""};
    saveFileNames(dir.path() / "l", names);
    EXPECT_EQ(loadFileNames(dir.path() / "l"), names);
    const std::vector<FileStamp> stamps{{"a\tb.txt", 12, -3}, {"c", 0, 1700000000000000000}};
    writeBytes(dir.path() / "st", "12\t-3\ta\tb.txt\r\n0\t1700000000000000000\tc\r\n");
    EXPECT_EQ(loadFileStamps(dir.path() / "st"), stamps);
    EXPECT_TRUE(loadFileNames(dir.path() / "missing").empty());
}

TEST(DatabaseFiles, CountIsTakenAsRead)
{
    TempDir dir;
    writeBytes(dir.path() / "h", "VERSION2\r\n1\r\nAh\r\nKd\r\nsomething\r\n5\r\n1\r\n9\r\n0\r\nT\r\nH\r\ntrailing junk\r\n");
    const ACardcount h = loadHoleCards(dir.path() / "h");
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].count, 5);
    EXPECT_EQ(h[0].game_refs.size(), 1u);
    EXPECT_FALSE(h[0].suited); // only "suited" itself counts
}

TEST(DatabaseFiles, ReadersRejectBrokenFiles)
{
    TempDir dir;
    const auto file = dir.path() / "f";
    const auto rejects = [&](const std::string& bytes, auto load) {
        writeBytes(file, bytes);
        EXPECT_THROW(load(file), DatabaseError) << bytes;
    };
    rejects("VERSION1\r\n0\r\n", loadHoleCards);
    rejects("\r\n0\r\n", loadHoleCards);
    rejects("", loadHoleCards);
    rejects("VERSION2\r\n1\r\nAh\r\nKd\r\nsuited\r\n1\r\n1\r\n9\r\n", loadHoleCards); // ends early
    rejects("VERSION2\r\n1\r\nAh\r\nKd\r\nsuited\r\nx\r\n0\r\n", loadHoleCards);
    rejects("VERSION2\r\n-1\r\n", loadHoleCards);
    rejects("VERSION2\r\n2000000000\r\n", loadHoleCards); // more entries than the file can hold
    rejects("1\r\n7\r\n0\r\nJc\r\n4h\r\n", loadBoards);
    rejects("1\r\n7 \r\n0\r\nJc\r\n4h\r\nTh\r\n\r\n\r\n", loadBoards);
    rejects("1\r\n7\r\n0\r\n3\r\na\r\nb\r\n", loadGameBlocks);
    rejects("abc\r\n", loadGameBlocks);
    EXPECT_THROW(loadGameBlocks(dir.path() / "missing"), DatabaseError);
}

TEST(DatabaseFiles, FailedSaveLeavesTheOldFile)
{
    TempDir dir;
    const auto file = dir.path() / "games.kar";
    const GameTables t = sampleTables();
    saveGameBlocks(file, t.game_records);
    const std::string before = readBytes(file);

    AGame bigger(3000, t.game_records[0]);
    for (std::size_t limit : {std::size_t{0}, std::size_t{10}, std::size_t{50000}}) {
        FullDiskSaver full(limit);
        EXPECT_THROW(saveGameBlocks(file, bigger, full), DatabaseError);
        EXPECT_EQ(readBytes(file), before);
        EXPECT_EQ(loadGameBlocks(file), t.game_records);
    }
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // A save into a folder that does not exist fails too.
    EXPECT_THROW(saveFileNames(dir.path() / "nope" / "loaded.kar", {"a"}), DatabaseError);
}
