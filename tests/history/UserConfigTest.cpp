#include "TestSupport.h"
#include "history/UserConfig.h"

#include <gtest/gtest.h>

using namespace tallyhand;
using namespace tallyhand::test;

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
