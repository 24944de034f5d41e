#include "FileArchiveFixture.h"

namespace {

std::string bytesOf(const FileMemory* block) {
    return block ? std::string(reinterpret_cast<const char*>(block->data), block->size) : "<null>";
}

using FileArchiveFiles = FileArchiveTest;

}  // namespace

TEST_F(FileArchiveFiles, ThePackedArchiveComesBeforeTheLooseFile) {
    workspace.write("packed/gui/a.x", "packed copy");
    packStage({"gui"});
    workspace.write("gui/a.x", "loose copy");
    workspace.write("gui/b.x", "loose only");
    FileArchive& files = open();
    EXPECT_EQ(bytesOf(files.getFile("gui\\a.x")), "packed copy");
    EXPECT_EQ(bytesOf(files.getFile("gui\\b.x")), "loose only");
    EXPECT_EQ(files.getFile("gui\\c.x"), nullptr);
    EXPECT_TRUE(files.releaseFile("gui\\a.x"));
    EXPECT_TRUE(files.releaseFile("gui\\b.x"));
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveFiles, EachGetHoldsOneReferenceUntilItsRelease) {
    workspace.write("a.x", "bytes");
    FileArchive& files = open();
    FileMemory* first = files.getFile("a.x");
    FileMemory* second = files.getFile("a.x");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(references("a.x"), 2u);
    EXPECT_FALSE(files.releaseFile("a.x"));
    EXPECT_EQ(references("a.x"), 1u);
    EXPECT_TRUE(files.releaseFile("a.x"));
    EXPECT_EQ(cachedFiles(), 0u);
    // Releasing what is no longer cached does nothing.
    EXPECT_FALSE(files.releaseFile("a.x"));
    EXPECT_FALSE(files.releaseFile("never.x"));
}

TEST_F(FileArchiveFiles, NamesDifferingInCaseOrSlashAreSeparateCacheEntries) {
    workspace.write("packed/Gui/Bar.x", "bar");
    packStage({"Gui"});
    FileArchive& files = open();
    FileMemory* a = files.getFile("Gui\\Bar.x");
    FileMemory* b = files.getFile("gui/bar.x");
    FileMemory* c = files.getFile("GUI\\BAR.X");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    ASSERT_NE(c, nullptr);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_EQ(bytesOf(b), "bar");
    EXPECT_EQ(cachedFiles(), 3u);
    for (const char* name : {"Gui\\Bar.x", "gui/bar.x", "GUI\\BAR.X"}) EXPECT_TRUE(files.releaseFile(name));
}

TEST_F(FileArchiveFiles, FileExistsLooksOnlyAtTheDisk) {
    workspace.write("packed/inside.x", "packed");
    packStage({"inside.x"});
    workspace.write("Loose/Outside.x", "loose");
    FileArchive& files = open();
    EXPECT_FALSE(files.fileExists("inside.x"));
    EXPECT_TRUE(files.fileExists("Loose\\Outside.x"));
    EXPECT_TRUE(files.fileExists("loose/outside.X"));
    EXPECT_FALSE(files.fileExists("Loose\\missing.x"));
    // Only the status query counts: being cached makes no difference.
    ASSERT_NE(files.getFile("inside.x"), nullptr);
    EXPECT_FALSE(files.fileExists("inside.x"));
    files.releaseFile("inside.x");
}

TEST_F(FileArchiveFiles, TextureIdsCountUpByFirstRequestAndAreNeverForgotten) {
    FileArchive& files = open();
    EXPECT_EQ(files.textureId("a.png"), 0);
    EXPECT_EQ(files.textureId("b.png"), 1);
    EXPECT_EQ(files.textureId("a.png"), 0);
    EXPECT_EQ(files.textureId("A.png"), 2);  // names compare exactly
    EXPECT_EQ(files.textureId("c.dds"), 3);
    EXPECT_EQ(files.textureId("b.png"), 1);
}

TEST_F(FileArchiveFiles, TheHandleRegistryReleasesInRegistrationOrderOnce) {
    workspace.write("a.x", "a");
    workspace.write("b.png", "b");
    FileArchive& files = open();
    ASSERT_NE(files.getFile("a.x"), nullptr);
    ASSERT_NE(files.getFile("a.x"), nullptr);
    ASSERT_NE(files.getFile("b.png"), nullptr);
    files.registerHandle(ResourceKind::Sprite, 7, "a.x");
    files.registerHandle(ResourceKind::Sprite, 7, "b.png");
    files.registerHandle(ResourceKind::Sprite, 7, "a.x");  // duplicates are kept
    EXPECT_EQ(files.heldFiles(ResourceKind::Sprite, 7), (std::vector<std::string>{"a.x", "b.png", "a.x"}));
    files.unregisterHandle(ResourceKind::Sprite, 7);
    EXPECT_EQ(cachedFiles(), 0u);
    EXPECT_TRUE(files.heldFiles(ResourceKind::Sprite, 7).empty());
    files.unregisterHandle(ResourceKind::Sprite, 7);  // a second time releases nothing
    files.unregisterHandle(ResourceKind::Mesh, 99);
}

TEST_F(FileArchiveFiles, ACorruptArchiveFallsBackToLooseFiles) {
    workspace.write("packed/a.x", "packed a");
    workspace.write("packed/b.x", "packed b");
    packStage({"a.x", "b.x"});
    workspace.truncate("graphics.qmx", workspace.read("graphics.qmx").size() - 10);
    workspace.write("a.x", "loose a");
    FileArchive& files = open();
    EXPECT_FALSE(files.packedArchive().opened());
    EXPECT_EQ(bytesOf(files.getFile("a.x")), "loose a");
    EXPECT_EQ(files.getFile("b.x"), nullptr);
    EXPECT_TRUE(files.releaseFile("a.x"));
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveFiles, AnEntryFailingItsChecksumComesFromTheLooseFile) {
    workspace.write("packed/bad.x", "corrupt-me-please: this entry is stored and damaged");
    workspace.write("packed/good.x", "intact");
    ASSERT_TRUE(workspace.pack("graphics.qmx", "packed", {"bad.x", "good.x"}, /*copy=*/true));
    ASSERT_TRUE(workspace.flipByteOf("graphics.qmx", "corrupt-me-please", 20));
    workspace.write("bad.x", "loose replacement");
    FileArchive& files = open();
    EXPECT_TRUE(files.packedArchive().opened());
    EXPECT_EQ(bytesOf(files.getFile("bad.x")), "loose replacement");
    EXPECT_EQ(bytesOf(files.getFile("good.x")), "intact");
    files.releaseFile("bad.x");
    files.releaseFile("good.x");
    EXPECT_EQ(cachedFiles(), 0u);
}
