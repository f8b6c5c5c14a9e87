#include "StoreSupport.h"

#include "store/HomeStore.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

// A reader (browse, stats, replay) takes a folder of text files over once and
// leaves them; the store then answers with what they held.
TEST(HomeStore, ReaderTakesTextFilesOverOnceAndLeavesThem)
{
    TempDir dir;
    const HomeFolders folders{dir.path()};
    generate(folders.hands(), 150, 51);
    const FileSet text = textImportOf(folders.hands(), folders.data());

    OpenedStore first = openHomeStore(folders, false);
    ASSERT_TRUE(first.store) << first.error;
    EXPECT_TRUE(first.tookOver);
    EXPECT_EQ(exported(*first.store, dir.path() / "exp"), text);
    EXPECT_EQ(readFileSet(folders.data()), text);
    // The files it lists count as read: nothing is imported again.
    EXPECT_TRUE(StoreImport(*first.store, {{"Hands", folders.hands()}}, "Hero").pendingFiles().empty());

    OpenedStore second = openHomeStore(folders, false);
    ASSERT_TRUE(second.store);
    EXPECT_FALSE(second.tookOver);
}

// Readers change nothing: a missing database stays missing, an unusable one
// stays where and as it is; only a writer sets it aside.
TEST(HomeStore, ReadersNeverCreateOrMoveTheDatabase)
{
    TempDir dir;
    const HomeFolders folders{dir.path()};
    std::filesystem::create_directories(folders.data());
    const auto file = storeFileOf(folders);

    const OpenedStore none = openHomeStore(folders, false);
    EXPECT_FALSE(none.store);
    EXPECT_FALSE(std::filesystem::exists(file));

    writeBytes(file, std::string(3000, 'z'));
    const OpenedStore reader = openHomeStore(folders, false);
    EXPECT_FALSE(reader.store);
    EXPECT_FALSE(reader.setAside);
    EXPECT_NE(reader.error.find(pathText(file)), std::string::npos) << reader.error;
    EXPECT_EQ(readBytes(file), std::string(3000, 'z'));

    const OpenedStore writer = openHomeStore(folders, true);
    EXPECT_TRUE(writer.setAside);
    EXPECT_EQ(readBytes(file.string() + ".unbrauchbar-1"), std::string(3000, 'z'));
}
