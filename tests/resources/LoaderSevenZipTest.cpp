#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "ResourceWorkspace.h"
#include "resources/ArchiveFile.h"
#include "resources/FileMemory.h"
#include "resources/SevenZipLoader.h"

namespace {

std::string bytesOf(const FileMemory* block) {
    return block ? std::string(reinterpret_cast<const char*>(block->data), block->size) : "<null>";
}

std::string load(SevenZipLoader& loader, const std::string& name) {
    std::unique_ptr<FileMemory> block(loader.load(name));
    return bytesOf(block.get());
}

// Content that LZMA cannot shrink to nothing and that is easy to find in a stored archive.
std::string payload(const std::string& tag, size_t length) {
    std::string text;
    unsigned state = 12345u + static_cast<unsigned>(tag.size());
    for (char c : tag) state = state * 31u + static_cast<unsigned char>(c);
    while (text.size() < length) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>('a' + (state >> 16) % 26);
    }
    return tag + text.substr(tag.size());
}

class LoaderSevenZip : public ::testing::Test {
protected:
    ResourceWorkspace workspace;
};

}  // namespace

TEST_F(LoaderSevenZip, FindsEntriesWhateverTheCaseAndSlashDirection) {
    workspace.write("stage/Tavek_res/GUI/Cursor.x", "cursor quad");
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"Tavek_res"}));
    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    EXPECT_EQ(load(loader, "Tavek_res\\GUI\\Cursor.x"), "cursor quad");
    EXPECT_EQ(load(loader, "tavek_res/gui/cursor.x"), "cursor quad");
    EXPECT_EQ(load(loader, "TAVEK_RES\\gui/CURSOR.X"), "cursor quad");
    EXPECT_EQ(load(loader, "Tavek_res\\GUI\\Cursor.png"), "<null>");
}

TEST_F(LoaderSevenZip, FolderEntriesAreNeverFound) {
    workspace.write("stage/Tavek_res/gui/a.x", "a");
    workspace.makeFolder("stage/Tavek_res/empty");
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"Tavek_res"}));
    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    EXPECT_EQ(loader.entryCount(), 1u);
    for (const char* folder : {"Tavek_res", "Tavek_res\\gui", "Tavek_res\\gui\\", "tavek_res/gui/", "Tavek_res\\empty"}) {
        EXPECT_EQ(load(loader, folder), "<null>") << folder;
    }
    EXPECT_EQ(load(loader, "Tavek_res\\gui\\a.x"), "a");
}

TEST_F(LoaderSevenZip, ALaterEntryWithTheSameNormalisedNameWins) {
    workspace.write("stage/Dup.txt", "first spelling");
    workspace.write("stage/dup.TXT", "second spelling");
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"Dup.txt", "dup.TXT"}));
    const std::vector<std::string> order = workspace.entryOrder("graphics.qmx");
    ASSERT_EQ(order.size(), 2u);
    const std::string later = workspace.read("stage/" + order[1]);

    SevenZipLoader loader("graphics.qmx");
    EXPECT_EQ(loader.entryCount(), 1u);
    EXPECT_EQ(load(loader, "DUP.txt"), later);
    EXPECT_EQ(load(loader, "Dup.txt"), later);
}

TEST_F(LoaderSevenZip, AnArchiveWithNoEntriesOpensEmpty) {
    workspace.write("graphics.qmx", emptySevenZipArchive());
    SevenZipLoader loader("graphics.qmx");
    EXPECT_TRUE(loader.opened());
    EXPECT_EQ(loader.entryCount(), 0u);
    EXPECT_EQ(load(loader, "anything.x"), "<null>");
    EXPECT_EQ(load(loader, ""), "<null>");
}

TEST_F(LoaderSevenZip, AZeroByteEntryLoadsAsAnEmptyBlock) {
    workspace.write("stage/empty.x", "");
    workspace.write("stage/full.x", "full");
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"empty.x", "full.x"}));
    SevenZipLoader loader("graphics.qmx");
    std::unique_ptr<FileMemory> block(loader.load("empty.x"));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->size, 0u);
    EXPECT_NE(block->data, nullptr);
    EXPECT_EQ(load(loader, "full.x"), "full");
}

TEST_F(LoaderSevenZip, AMissingUnreadableOrForeignArchiveLeavesTheLoaderClosed) {
    {
        SevenZipLoader missing("graphics.qmx");
        EXPECT_FALSE(missing.opened());
        EXPECT_EQ(load(missing, "a.x"), "<null>");
    }
    workspace.write("stage/a.x", "a");
    // A zip holding the same file is not a 7z archive.
    ASSERT_EQ(std::system(("cd stage && " SEVEN_ZIP_PROGRAM " a -tzip ../graphics.zip a.x >/dev/null 2>&1")), 0);
    SevenZipLoader zip("graphics.zip");
    EXPECT_FALSE(zip.opened());
    EXPECT_EQ(load(zip, "a.x"), "<null>");

    workspace.write("text.qmx", "just some text, not an archive at all");
    SevenZipLoader text("text.qmx");
    EXPECT_FALSE(text.opened());

    workspace.makeFolder("folder.qmx");
    SevenZipLoader folder("folder.qmx");
    EXPECT_FALSE(folder.opened());
}

TEST_F(LoaderSevenZip, TheArchiveNameGoesThroughTheHostsCaseRules) {
    workspace.write("stage/a.x", "a");
    ASSERT_TRUE(workspace.pack("Graphics.QMX", "stage", {"a.x"}));
    SevenZipLoader loader("graphics.qmx");
    EXPECT_TRUE(loader.opened());
}

TEST_F(LoaderSevenZip, ATruncatedArchiveLeavesTheLoaderClosed) {
    workspace.write("stage/a.x", payload("alpha", 4000));
    workspace.write("stage/b.x", payload("beta", 4000));
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"a.x", "b.x"}));
    const size_t full = workspace.read("graphics.qmx").size();
    for (size_t keep : {full - 1, full / 2, size_t(40), size_t(31), size_t(6), size_t(0)}) {
        workspace.truncate("graphics.qmx", keep);
        SevenZipLoader loader("graphics.qmx");
        EXPECT_FALSE(loader.opened()) << "kept " << keep << " bytes";
        EXPECT_EQ(load(loader, "a.x"), "<null>");
    }
}

TEST_F(LoaderSevenZip, AChecksumFailureGivesNullAndSparesTheOtherEntries) {
    const std::string good = payload("good-entry", 3000);
    workspace.write("stage/bad.x", payload("corrupt-me-payload", 3000));
    workspace.write("stage/good.x", good);
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"bad.x", "good.x"}, /*copy=*/true));
    ASSERT_TRUE(workspace.flipByteOf("graphics.qmx", "corrupt-me-payload", 2000));

    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    EXPECT_EQ(load(loader, "bad.x"), "<null>");
    EXPECT_EQ(load(loader, "good.x"), good);
    // Nothing of the failed decode is kept: asking again fails the same way.
    EXPECT_EQ(load(loader, "bad.x"), "<null>");
}

TEST_F(LoaderSevenZip, ACorruptCompressedEntryGivesNullAndSparesTheOtherEntries) {
    const std::string good = payload("good", 20000);
    workspace.write("stage/bad.x", payload("bad", 20000));
    workspace.write("stage/good.x", good);
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"bad.x", "good.x"}));
    // Entries of a non-solid archive are stored in entry order from byte 32 on; bad.x is first.
    std::string bytes = workspace.read("graphics.qmx");
    for (size_t i = 200; i < 260; ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    workspace.write("graphics.qmx", bytes);

    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    EXPECT_EQ(load(loader, "bad.x"), "<null>");
    EXPECT_EQ(load(loader, "good.x"), good);
}

TEST_F(LoaderSevenZip, EveryLoadDecodesAFreshBlock) {
    const std::string content = payload("fresh", 200000);
    workspace.write("stage/big.x", content);
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"big.x"}));
    SevenZipLoader loader("graphics.qmx");
    std::unique_ptr<FileMemory> first(loader.load("big.x"));
    std::unique_ptr<FileMemory> second(loader.load("BIG.X"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->data, second->data);
    EXPECT_EQ(bytesOf(first.get()), content);
    EXPECT_EQ(bytesOf(second.get()), content);
}

TEST_F(LoaderSevenZip, EveryFileOfASolidArchiveComesBackAsItsOwnBytes) {
    // Archives the game ships are non-solid, but a solid one must not hand out the start of
    // its block in place of a later file.
    std::vector<std::string> names;
    for (int i = 0; i < 5; ++i) {
        names.push_back("file" + std::to_string(i) + ".x");
        workspace.write("stage/" + names.back(), payload("solid" + std::to_string(i), 1000 + 500 * i));
    }
    const std::string command = "cd stage && " SEVEN_ZIP_PROGRAM " a -t7z -m0=lzma -ms=on ../graphics.qmx " +
                                std::string("file0.x file1.x file2.x file3.x file4.x >/dev/null 2>&1");
    ASSERT_EQ(std::system(command.c_str()), 0);
    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    for (const std::string& name : names) {
        EXPECT_EQ(load(loader, name), workspace.read("stage/" + name)) << name;
    }
}

TEST_F(LoaderSevenZip, TheArchiveStaysUsableAfterTheFileIsRemoved) {
    // The file is held open from construction on, so removing it from the folder changes nothing.
    workspace.write("stage/a.x", "kept open");
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"a.x"}));
    SevenZipLoader loader("graphics.qmx");
    ASSERT_EQ(::unlink("graphics.qmx"), 0);
    EXPECT_EQ(load(loader, "a.x"), "kept open");
}

TEST(LoaderArchiveFile, AFailingReadIsAnErrorNotTheEndOfTheFile) {
    // Reading a folder opened as a file fails; that must not look like a short archive.
    ResourceWorkspace workspace;
    workspace.makeFolder("folder");
    ArchiveFile folder("folder");
    ASSERT_TRUE(folder.opened());
    unsigned char byte = 0;
    EXPECT_FALSE(folder.readAt(0, &byte, 1));
    workspace.write("short", "abc");
    ArchiveFile file("short");
    unsigned char bytes[3] = {};
    EXPECT_TRUE(file.readAt(0, bytes, 3));
    EXPECT_FALSE(file.readAt(1, bytes, 3));
    EXPECT_FALSE(file.readAt(UINT64_MAX, bytes, 1));
}

TEST_F(LoaderSevenZip, AnEntryLargerThanTheFirstReservationLoadsWhole) {
    std::string content(17u << 20, '\0');
    for (size_t i = 0; i < content.size(); i += 4096) content[i] = static_cast<char>(i >> 12);
    workspace.write("stage/large.bin", content);
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", {"large.bin"}));
    SevenZipLoader loader("graphics.qmx");
    std::unique_ptr<FileMemory> block(loader.load("large.bin"));
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->size, content.size());
    EXPECT_TRUE(std::equal(content.begin(), content.end(), reinterpret_cast<const char*>(block->data)));
}

TEST_F(LoaderSevenZip, NamesBeyondAsciiLoadUnderTheGamesOwnSpelling) {
    // The archive stores Unicode names; on disk they are UTF-8. The game spells them in
    // Latin-1, with "?" for characters Latin-1 does not have.
    workspace.write("stage/caf\xc3\xa9.x", "latin");
    workspace.write("stage/\xe2\x82\xac.x", "euro");
    workspace.write("stage/plain.x", "plain");
    const char* previous = std::getenv("LC_ALL");
    const std::string kept = previous ? previous : "";
    setenv("LC_ALL", "C.UTF-8", 1);  // for 7zz reading the names on disk
    const bool packed = workspace.pack("graphics.qmx", "stage", {"caf\xc3\xa9.x", "\xe2\x82\xac.x", "plain.x"});
    if (previous) {
        setenv("LC_ALL", kept.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
    ASSERT_TRUE(packed);

    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    EXPECT_EQ(loader.entryCount(), 3u);
    EXPECT_EQ(load(loader, "caf\xe9.x"), "latin");
    EXPECT_EQ(load(loader, "CAF\xe9.X"), "latin");
    EXPECT_EQ(load(loader, "?.x"), "euro");
    EXPECT_EQ(load(loader, "plain.x"), "plain");
    EXPECT_EQ(load(loader, ""), "<null>");
}

TEST_F(LoaderSevenZip, EntriesComeBackRightInAnyOrderOfLoads) {
    // The reader keeps its place between loads; whatever order the game asks in (a mesh and
    // then its texture just before it, jumps back, the same entry twice, a broken entry in the
    // middle), every load returns exactly that entry's bytes.
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) {
        names.push_back("e" + std::to_string(10 + i) + (i == 6 ? "-corrupt-me.x" : ".x"));
        workspace.write("stage/" + names.back(), payload(names.back() + "-payload", 2000 + 300 * i));
    }
    ASSERT_TRUE(workspace.pack("graphics.qmx", "stage", names, /*copy=*/true));
    ASSERT_TRUE(workspace.flipByteOf("graphics.qmx", "e16-corrupt-me.x-payload", 1500));
    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    const int order[] = {1, 0, 3, 2, 5, 4, 11, 0, 11, 11, 7, 6, 8, 6, 9, 2, 10, 1, 0};
    for (int i : order) {
        const std::string expected = i == 6 ? "<null>" : workspace.read("stage/" + names[static_cast<size_t>(i)]);
        EXPECT_EQ(load(loader, names[static_cast<size_t>(i)]), expected) << names[static_cast<size_t>(i)];
    }
}
