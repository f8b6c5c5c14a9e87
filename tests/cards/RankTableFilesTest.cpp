#include "SharedTables.h"

#include "cards/RankTableFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

using namespace tallyhand;
using tallyhand::test::generatedLists;
namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path freshDir(const std::string& name)
{
    const fs::path dir = fs::temp_directory_path()
        / ("tallyhand-tables-" + std::to_string(std::random_device{}()) + "-" + name);
    fs::remove_all(dir);
    return dir;
}

std::vector<std::string> loadCollecting(const fs::path& dataDir, RankTables* tables = nullptr, int* failures = nullptr)
{
    std::vector<std::string> messages;
    int writeFailures = 0;
    RankTables t = loadOrGenerateRankTables(
        dataDir, [&](const std::string& m) { messages.push_back(m); }, writeFailures);
    if (tables)
        *tables = std::move(t);
    if (failures)
        *failures = writeFailures;
    return messages;
}

const std::string kMissing3 = "Das Datenfile 3_file.txt konnte nicht gefunden werden. Es wird neu angelegt.";

// One complete data folder for the whole suite; each test works on a copy.
class RankTableFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_master = freshDir("master") / "data";
        s_messages = loadCollecting(s_master);
    }
    static void TearDownTestSuite() { fs::remove_all(s_master.parent_path()); }

    void SetUp() override
    {
        m_root = freshDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
        m_data = m_root / "data";
        fs::create_directories(m_root);
        fs::copy(s_master, m_data);
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path file(int n) const { return m_data / (std::to_string(n) + "_file.txt"); }

    static inline fs::path s_master;
    static inline std::vector<std::string> s_messages;
    fs::path m_root, m_data;
};

} // namespace

TEST_F(RankTableFiles, FirstLoadWritesEveryFileByteExact)
{
    ASSERT_EQ(s_messages.size(), 9u);
    EXPECT_EQ(s_messages[0], "Das Datenfile 1_file.txt konnte nicht gefunden werden. Es wird neu angelegt.");
    EXPECT_EQ(s_messages[2], kMissing3);
    EXPECT_EQ(s_messages[8], "Das Datenfile 9_file.txt konnte nicht gefunden werden. Es wird neu angelegt. Diese "
                             "Aktion dauert eine kleine Weile, es müssen über eine Million Datensätze erzeugt werden.");

    const std::string royal = readBytes(file(1));
    EXPECT_EQ(royal, "1 AKreuz,KKreuz,QKreuz,JKreuz,TKreuz\r\n1 AHerz,KHerz,QHerz,JHerz,THerz\r\n"
                     "1 APik,KPik,QPik,JPik,TPik\r\n1 AKaro,KKaro,QKaro,JKaro,TKaro\r\n");

    for (int n = 1; n <= 9; ++n) {
        const RankList& list = generatedLists()[static_cast<std::size_t>(n - 1)];
        const std::string bytes = readBytes(file(n));
        std::size_t expectedSize = 0;
        for (const RankLine& line : list)
            expectedSize += rankLineText(line).size() + 2;
        EXPECT_EQ(bytes.size(), expectedSize) << n;
        EXPECT_EQ(bytes.substr(0, rankLineText(list.front()).size() + 2), rankLineText(list.front()) + "\r\n") << n;
        EXPECT_TRUE(bytes.ends_with("\n" + rankLineText(list.back()) + "\r\n")) << n;
        // Every line ends with CR LF and nothing else breaks a line.
        std::size_t lines = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << n;
                ++lines;
            } else if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << n;
            }
        EXPECT_EQ(lines, list.size()) << n;
    }
    EXPECT_EQ(readBytes(file(9)).substr(0, 75),
              "3414 AHerz,AKreuz,KHerz,QHerz,JHerz\r\n3414 AHerz,AKreuz,KHerz,QHerz,JKreuz\r\n");
}

TEST_F(RankTableFiles, SecondLoadReadsTheFilesSilently)
{
    RankTables t;
    EXPECT_TRUE(loadCollecting(m_data, &t).empty());
    for (int l = 0; l < kListCount; ++l) {
        const RankList& loaded = t.list(static_cast<ListId>(l));
        const RankList& generated = generatedLists()[static_cast<std::size_t>(l)];
        ASSERT_EQ(loaded.size(), generated.size());
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            ASSERT_EQ(loaded[i].rank, generated[i].rank);
            ASSERT_EQ(loaded[i].cards, generated[i].cards);
        }
    }
    EXPECT_TRUE(t.isCanonical());
}

TEST_F(RankTableFiles, OnlyTheMissingFileIsRegenerated)
{
    const auto before = fs::last_write_time(file(9));
    fs::remove(file(3));
    EXPECT_EQ(loadCollecting(m_data), std::vector<std::string>{kMissing3});
    EXPECT_EQ(readBytes(file(3)), readBytes(s_master / "3_file.txt"));
    EXPECT_EQ(fs::last_write_time(file(9)), before);
    EXPECT_FALSE(fs::exists(m_data / "3_file.txt.tmp"));
}

TEST_F(RankTableFiles, DamagedFilesAreRegeneratedWithTheirMessage)
{
    // 3: a line short; 4: one line too many; 5: a misspelt suit; 6: a card twice in a line;
    // 7: cut in the middle of a line; 8: no rank number.
    const std::string quads = readBytes(file(3));
    writeBytes(file(3), quads.substr(0, quads.rfind("\r\n", quads.size() - 3) + 2));
    writeBytes(file(4), readBytes(file(4)) + "167 AHerz,AKreuz,APik,KHerz,KKreuz\r\n");
    std::string flush = readBytes(file(5));
    flush.replace(flush.find("Herz", 1000), 4, "Hexz");
    writeBytes(file(5), flush);
    std::string straight = readBytes(file(6));
    straight.replace(straight.find("5Kreuz"), 6, "6Herz");
    writeBytes(file(6), straight);
    const std::string trips = readBytes(file(7));
    writeBytes(file(7), trips.substr(0, trips.size() / 2));
    std::string twoPair = readBytes(file(8));
    twoPair.replace(0, 4, "x556");
    writeBytes(file(8), twoPair);

    RankTables t;
    const auto messages = loadCollecting(m_data, &t);
    ASSERT_EQ(messages.size(), 6u);
    for (int n = 3; n <= 8; ++n) {
        EXPECT_EQ(messages[static_cast<std::size_t>(n - 3)],
                  "Das Datenfile " + std::to_string(n) + "_file.txt konnte nicht gefunden werden. Es wird neu angelegt.");
        EXPECT_EQ(readBytes(file(n)), readBytes(s_master / file(n).filename())) << n;
    }
    EXPECT_TRUE(t.isCanonical());
    EXPECT_EQ(t.list(ListId::SetTris).size(), 54912u);
}

TEST(RankTableFileText, ParsesOnlyRankAndFiveDifferentCards)
{
    const auto parse = [](std::string_view text) { return parseRankListText(text, ListId::Royal).has_value(); };
    const std::string good = "1 AKreuz,KKreuz,QKreuz,JKreuz,TKreuz\r\n1 AHerz,KHerz,QHerz,JHerz,THerz\r\n"
                             "1 APik,KPik,QPik,JPik,TPik\r\n1 AKaro,KKaro,QKaro,JKaro,TKaro";
    EXPECT_TRUE(parse(good + "\r\n"));
    EXPECT_TRUE(parse(good)); // the last line end may be missing
    EXPECT_FALSE(parse(good + "\r\n\r\n"));
    EXPECT_FALSE(parse(good + " \r\n"));
    EXPECT_FALSE(parse("0" + good.substr(1)));
    EXPECT_FALSE(parse("70000" + good.substr(1)));
    EXPECT_FALSE(parse(" " + good));
    EXPECT_FALSE(parse("1 AKreuz,KKreuz,QKreuz,JKreuz\r\n" + good.substr(good.find('\n') + 1)));
    EXPECT_FALSE(parse(""));
}

TEST(RankTableFileText, MissingFolderIsCreatedAndUnwritableFileReported)
{
    const fs::path root = freshDir("unwritable");
    const fs::path data = root / "deeper" / "data";
    fs::create_directories(data / "2_file.txt"); // a folder where the file belongs cannot be replaced
    writeBytes(data / "1_file.txt", "junk");
    RankTables t;
    int failures = 0;
    const auto messages = loadCollecting(data, &t, &failures);
    EXPECT_EQ(failures, 1);
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[1], "Das Datenfile 2_file.txt konnte nicht gefunden werden. Es wird neu angelegt.");
    EXPECT_EQ(messages[2], "Das Datenfile 2_file.txt konnte nicht geschrieben werden. Die Kombinationsdaten "
                           "werden nur im Speicher gehalten.");
    EXPECT_EQ(messages.size(), 10u);
    // The list stands in memory all the same.
    EXPECT_EQ(t.list(ListId::Straightflush).size(), 36u);
    EXPECT_EQ(t.lookupRank(ListId::Royal, t.list(ListId::Royal)[1].cards), 1);
    EXPECT_TRUE(fs::is_regular_file(data / "9_file.txt"));
    fs::remove_all(root);
}
