#include <gtest/gtest.h>

#include <cstring>

#include "resources/CompanionNames.h"
#include "resources/NormalizePath.h"

TEST(ResourceNames, NormalizeTurnsSlashesAndLowersAsciiLetters) {
    std::string name = "Tavek_res/GUI\\Menu/Cursor.X";
    normalizePath(name);
    EXPECT_EQ(name, "tavek_res\\gui\\menu\\cursor.x");

    char buffer[] = "Default_Res/FontWhite/FONT_41.x";
    normalizePath(buffer);
    EXPECT_STREQ(buffer, "default_res\\fontwhite\\font_41.x");
}

TEST(ResourceNames, NormalizeLeavesBytesAboveAsciiAlone) {
    // Latin-1 and UTF-8 bytes (0x80 and above) pass unchanged and never upset the lower-casing.
    std::string name = "Caf\xC9/\xC3\x89T\xFF\x80";
    normalizePath(name);
    EXPECT_EQ(name, "caf\xC9\\\xC3\x89t\xFF\x80");

    char buffer[] = "\xC4\xD6\xDC/AB";
    normalizePath(buffer);
    EXPECT_STREQ(buffer, "\xC4\xD6\xDC\\ab");
}

TEST(ResourceNames, NormalizeOfEmptyAndNullDoesNothing) {
    std::string empty;
    normalizePath(empty);
    EXPECT_EQ(empty, "");
    normalizePath(static_cast<char*>(nullptr));
}

TEST(ResourceNames, PngCompanionReplacesTheLastCharacter) {
    EXPECT_EQ(pngCompanionName("Tavek_res\\gui\\cursor.x"), "Tavek_res\\gui\\cursor.png");
    EXPECT_EQ(pngCompanionName("clip.X"), "clip.png");
    // The rule is about characters, not extensions: a longer one loses only its last letter.
    EXPECT_EQ(pngCompanionName("mesh.abc"), "mesh.abpng");
    EXPECT_EQ(pngCompanionName("x"), "png");
    EXPECT_EQ(pngCompanionName(""), "");
}

TEST(ResourceNames, PolAndDdsCompanionsReplaceTheLastThreeCharacters) {
    EXPECT_EQ(polCompanionName("Tavek_res\\arenas\\mat_0.93.ply"), "Tavek_res\\arenas\\mat_0.93.pol");
    EXPECT_EQ(ddsCompanionName("default_res\\BlairMdITC TT.wid"), "default_res\\BlairMdITC TT.dds");
    EXPECT_EQ(polCompanionName("ply"), "pol");
    EXPECT_EQ(ddsCompanionName("wid"), "dds");
    EXPECT_EQ(polCompanionName("ab"), "");
    EXPECT_EQ(ddsCompanionName("ab"), "");
    EXPECT_EQ(ddsCompanionName(""), "");
}

TEST(ResourceNames, FontsDdsCompanionIsTheAtlasOfTheNamesFolder) {
    EXPECT_EQ(fontsDdsCompanionName("default_res\\fontwhite\\font_41.x"), "default_res\\fontwhite\\fonts.dds");
    EXPECT_EQ(fontsDdsCompanionName("default_res/fontwhite/font_41.x"), "default_res/fontwhite/fonts.dds");
    // The last separator of either kind counts.
    EXPECT_EQ(fontsDdsCompanionName("a/b\\c/glyph.x"), "a/b\\c/fonts.dds");
    EXPECT_EQ(fontsDdsCompanionName("a\\b/glyph.x"), "a\\b/fonts.dds");
    EXPECT_EQ(fontsDdsCompanionName("glyph.x"), "fonts.dds");
    EXPECT_EQ(fontsDdsCompanionName("folder\\"), "folder\\fonts.dds");
    EXPECT_EQ(fontsDdsCompanionName(""), "");
}
