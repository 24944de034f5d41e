#include <gtest/gtest.h>

#include <memory>

#include "ResourceWorkspace.h"
#include "resources/FileMemory.h"
#include "resources/FilesystemLoader.h"

namespace {

std::string bytesOf(const FileMemory& block) {
    return std::string(reinterpret_cast<const char*>(block.data), block.size);
}

}  // namespace

TEST(LoaderFilesystem, ReadsTheWholeFileByteForByte) {
    ResourceWorkspace workspace;
    const std::string content("binary\0data\xff\x00 end", 18);
    workspace.write("Tavek_res/gui/bar.x", content);
    FilesystemLoader loader;
    std::unique_ptr<FileMemory> block(loader.load("Tavek_res\\gui\\bar.x"));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(bytesOf(*block), content);
}

TEST(LoaderFilesystem, AnEmptyFileGivesAnEmptyBlockNotAFailure) {
    ResourceWorkspace workspace;
    workspace.write("empty.x", "");
    FilesystemLoader loader;
    std::unique_ptr<FileMemory> block(loader.load("empty.x"));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->size, 0u);
    EXPECT_NE(block->data, nullptr);
}

TEST(LoaderFilesystem, MissingFilesAndFoldersGiveNull) {
    ResourceWorkspace workspace;
    workspace.makeFolder("Tavek_res/gui");
    FilesystemLoader loader;
    EXPECT_EQ(loader.load("Tavek_res\\gui\\missing.x"), nullptr);
    EXPECT_EQ(loader.load("Tavek_res\\gui"), nullptr);
    EXPECT_EQ(loader.load(""), nullptr);
}

TEST(LoaderFilesystem, GamePathsReachTheDiskWithWindowsCaseRules) {
    // A name in a different case still finds the loose file, as on the game's own platform.
    ResourceWorkspace workspace;
    workspace.write("Tavek_res/gui/Cursor.x", "quad");
    FilesystemLoader loader;
    std::unique_ptr<FileMemory> block(loader.load("TAVEK_RES/Gui\\cursor.X"));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(bytesOf(*block), "quad");
}

TEST(LoaderFilesystem, EveryLoadIsANewBlock) {
    ResourceWorkspace workspace;
    workspace.write("a.x", "abc");
    FilesystemLoader loader;
    std::unique_ptr<FileMemory> first(loader.load("a.x"));
    std::unique_ptr<FileMemory> second(loader.load("a.x"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->data, second->data);
    EXPECT_EQ(bytesOf(*first), bytesOf(*second));
}
