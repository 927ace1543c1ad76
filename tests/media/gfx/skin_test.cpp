// Skin definition files and the skin list.
#include <gtest/gtest.h>

#include "media/gfx/skin.h"
#include "scratch_folder.h"

namespace kv {
namespace {

using test::ScratchFolder;

TEST(ReadSkin, MissingFileLeavesTheDefaults) {
    ScratchFolder folder;
    skin.TITLE = "changed";
    EXPECT_EQ(readSkin("NOSUCH.KZK"), 0);
    EXPECT_EQ(skin.TITLE, "kv2title.pic");
    EXPECT_EQ(skin.BACKGR, "kv2backgr.bmp");
    EXPECT_EQ(skin.FONTCOLOR, rgb(255, 255, 255));
    EXPECT_EQ(skin.COMCOLOR, rgb(255, 255, 0));
    EXPECT_EQ(skin.CLEARCOLOR, rgb(0, 255, 255));
}

TEST(ReadSkin, AppliesKeysInAnyCaseAndOnlyPicturesThatExist) {
    ScratchFolder folder;
    ScratchFolder::write("blue title.pic", std::string("x"));
    ScratchFolder::write("Font.PIC", std::string("x"));
    ScratchFolder::write("dark.kzk",
                         "; a comment line\r\n"
                         "fontcolor FF0000\r\n"
                         "ComColor 00FF80 trailing words\r\n"
                         "CLEARCOLOR 12\r\n"
                         "TITLE  blue title.pic\r\n"
                         "FONT font.pic\r\n"
                         "SELECT missing.pic\r\n"
                         "BOARD blue title.pic  \r\n"
                         "\r\n"
                         "BACKGR blue title.pic");  // the last line has no line end
    ASSERT_EQ(readSkin("dark.kzk"), 1);
    EXPECT_EQ(skin.FONTCOLOR, rgb(255, 0, 0));
    EXPECT_EQ(skin.COMCOLOR, rgb(0, 255, 128));
    EXPECT_EQ(skin.CLEARCOLOR, rgb(0x12, 0, 0)) << "missing pairs count as 0";
    EXPECT_EQ(skin.TITLE, "blue title.pic");
    EXPECT_EQ(skin.FONT, "Font.PIC") << "names resolve without regard to case";
    EXPECT_EQ(skin.SELECT, "kv2select.pic");
#ifdef _WIN32
    EXPECT_EQ(skin.BOARD, "blue title.pic") << "Windows drops trailing blanks from file names";
#else
    EXPECT_EQ(skin.BOARD, "kv2board.pic") << "trailing blanks name another file";
#endif
    EXPECT_EQ(skin.BACKGR, "blue title.pic");
}

TEST(SkinList, DefaultComesFirstAndIsNeverListedTwice) {
    ScratchFolder folder;
    for (const char* name : {"default.kzk", "neon.kzk", "Alpha.KZK", "notes.txt"}) ScratchFolder::write(name, "");
    listSkins();
    ASSERT_EQ(skinList.count, 3);
    EXPECT_EQ(skinList.names[0], "DEFAULT.KZK");
    EXPECT_EQ(skinList.names[1], "ALPHA.KZK");
    EXPECT_EQ(skinList.names[2], "NEON.KZK");
}

TEST(SkinList, HoldsAtMostFiftyEntries) {
    ScratchFolder folder;
    for (int i = 0; i < 60; ++i) ScratchFolder::write("skin" + std::to_string(100 + i) + ".kzk", "");
    listSkins();
    EXPECT_EQ(skinList.count, kMaxSkins);
    EXPECT_EQ(skinList.names[49], "SKIN148.KZK");
}

TEST(SkinChoice, OutOfRangeSettingFallsBackToTheDefault) {
    ScratchFolder folder;
    ScratchFolder::write("neon.kzk", "");
    listSkins();
    EXPECT_EQ(validSkinIndex(1), 1);
    for (int setting : {2, 49, -1}) EXPECT_EQ(validSkinIndex(setting), 0) << setting;
}

TEST(SkinChoice, CyclingWrapsAndResetsWhatTheNextSkinLeavesOut) {
    ScratchFolder folder;
    ScratchFolder::write("red.kzk", "FONTCOLOR FF0000\n");
    ScratchFolder::write("plain.kzk", "COMCOLOR 0000FF\n");
    listSkins();
    int setting = 0;
    ASSERT_TRUE(cycleSkin(setting));
    EXPECT_EQ(setting, 1);  // PLAIN.KZK
    EXPECT_EQ(skin.COMCOLOR, rgb(0, 0, 255));
    ASSERT_TRUE(cycleSkin(setting));
    EXPECT_EQ(setting, 2);  // RED.KZK
    EXPECT_EQ(skin.FONTCOLOR, rgb(255, 0, 0));
    EXPECT_EQ(skin.COMCOLOR, rgb(255, 255, 0));
    ASSERT_TRUE(cycleSkin(setting));
    EXPECT_EQ(setting, 0);
    EXPECT_EQ(skin.FONTCOLOR, rgb(255, 255, 255));
}

TEST(SkinChoice, CyclingWithOneSkinDoesNothing) {
    ScratchFolder folder;
    listSkins();
    int setting = 0;
    EXPECT_FALSE(cycleSkin(setting));
    EXPECT_EQ(setting, 0);
}

}  // namespace
}  // namespace kv
