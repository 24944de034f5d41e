// The archive's index on archives written by hand: every coded form the game reads comes back
// byte for byte, and every declared size, offset and count that does not fit the file refuses
// the archive or the entry with one log line, after which the loose file is read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "FileArchiveFixture.h"
#include "ResourceWorkspace.h"
#include "SevenZipBuilder.h"
#include "platform/win32/win32_host.h"
#include "resources/FileMemory.h"
#include "resources/SevenZipLoader.h"

namespace {

std::string load(SevenZipLoader& loader, const std::string& name) {
    std::unique_ptr<FileMemory> block(loader.load(name));
    return block ? std::string(reinterpret_cast<const char*>(block->data), block->size) : "<null>";
}

std::string text(size_t length, unsigned seed) {
    std::string out;
    while (out.size() < length) {
        seed = seed * 1103515245u + 12345u;
        out += static_cast<char>('a' + (seed >> 16) % 7);  // a few letters: LZMA shrinks it
    }
    return out;
}

// The log lines written since the last reset that mention needle.
size_t linesWith(const std::string& needle) {
    size_t n = 0;
    for (const std::string& line : win32::logLines()) n += line.find(needle) != std::string::npos;
    return n;
}

class LoaderSevenZipIndex : public ::testing::Test {
protected:
    void SetUp() override { win32::resetForTests(); }
    void TearDown() override { win32::resetForTests(); }
    ResourceWorkspace workspace;
};

}  // namespace

TEST_F(LoaderSevenZipIndex, EveryCodedFormTheGameReadsComesBackByteForByte) {
    SevenZipBuilder archive;
    using B = SevenZipBuilder;
    archive.entries = {B::entry("gui\\Stored.x", text(3000, 1), B::Coder::Stored), B::entry("gui/lzma.x", text(90000, 2)),
                       B::entry("gui/marked.x", text(5000, 3), B::Coder::Lzma, /*endMarker=*/true),
                       B::entry("gui/tiny.x", "t")};
    for (bool coded : {false, true}) {
        archive.codedHeader = coded;
        workspace.write("graphics.qmx", archive.build());
        SevenZipLoader loader("graphics.qmx");
        ASSERT_TRUE(loader.opened()) << "coded header " << coded;
        EXPECT_EQ(loader.entryNames(), (std::vector<std::string>{"gui\\lzma.x", "gui\\marked.x", "gui\\stored.x", "gui\\tiny.x"}));
        for (const auto& entry : archive.entries) EXPECT_EQ(load(loader, entry.name), entry.data) << entry.name;
        // The last entry first, then back: each load seeks to its own block.
        EXPECT_EQ(load(loader, "GUI/TINY.X"), "t");
        EXPECT_EQ(load(loader, "gui/stored.x"), archive.entries[0].data);
    }
    EXPECT_TRUE(win32::logLines().empty());
}

TEST_F(LoaderSevenZipIndex, AHeaderThatDoesNotFitTheFileRefusesTheArchiveWithOneLogLine) {
    const std::string data = text(4000, 4);
    struct Case {
        const char* what;
        void (*damage)(SevenZipBuilder&);
    };
    const Case cases[] = {
        {"packed data beyond the file", [](SevenZipBuilder& a) { a.declaredPackPosition = 1u << 20; }},
        {"packed data 13 GB further on", [](SevenZipBuilder& a) { a.declaredPackPosition = 13ull << 30; }},
        {"a packed size past the end", [](SevenZipBuilder& a) { a.entries[1].declaredPackSize = 1u << 20; }},
        {"a packed size of 2^64 - 1", [](SevenZipBuilder& a) { a.entries[1].declaredPackSize = UINT64_MAX; }},
        {"the header beyond the file", [](SevenZipBuilder& a) { a.declaredHeaderOffset = 1u << 20; }},
        {"the header 2^63 bytes on", [](SevenZipBuilder& a) { a.declaredHeaderOffset = 1ull << 63; }},
        {"a billion files", [](SevenZipBuilder& a) { a.declaredFileCount = 1000000000; }},
        {"three files for two names", [](SevenZipBuilder& a) { a.declaredFileCount = 3; }},
        {"a coded header beyond the file", [](SevenZipBuilder& a) {
             a.codedHeader = true;
             a.declaredPackPosition = 1u << 20;
         }},
    };
    for (const Case& c : cases) {
        SevenZipBuilder archive;
        archive.entries = {SevenZipBuilder::entry("a.x", "first"), SevenZipBuilder::entry("b.x", data)};
        c.damage(archive);
        workspace.write("graphics.qmx", archive.build());
        win32::resetForTests();
        SevenZipLoader loader("graphics.qmx");
        EXPECT_FALSE(loader.opened()) << c.what;
        EXPECT_EQ(load(loader, "b.x"), "<null>") << c.what;
        ASSERT_EQ(win32::logLines().size(), 1u) << c.what;
        EXPECT_EQ(linesWith("graphics.qmx is not used"), 1u) << win32::logLines()[0];
    }
}

TEST_F(LoaderSevenZipIndex, AnEntryWhoseSizeCannotBeTrustedIsRefusedAndTheLooseFileRead) {
    const std::string data = text(20000, 5);
    struct Case {
        const char* what;
        void (*damage)(SevenZipBuilder::Entry&);
        const char* reason;
    };
    const Case cases[] = {
        {"13 GB declared", [](SevenZipBuilder::Entry& e) { e.declaredSize = 13ull << 30; }, "above the limit"},
        {"more than LZMA makes of its packed bytes",
         [](SevenZipBuilder::Entry& e) { e.declaredSize = 200u << 20; }, "packed bytes can hold"},
        {"one byte fewer than the data", [](SevenZipBuilder::Entry& e) { e.declaredSize = 19999; }, "past its declared size"},
        {"one byte more than the data", [](SevenZipBuilder::Entry& e) { e.declaredSize = 20001; }, "ends early"},
        {"the same with an end marker",
         [](SevenZipBuilder::Entry& e) {
             e.endMarker = true;
             e.declaredSize = 20001;
         },
         "damaged"},
        {"a packed size short of the data", [](SevenZipBuilder::Entry& e) { e.declaredPackSize = 100; }, "ends early"},
        {"a stored size other than its packed size",
         [](SevenZipBuilder::Entry& e) {
             e.coder = SevenZipBuilder::Coder::Stored;
             e.declaredSize = 30000;
         },
         "stored block"},
        {"a wrong checksum", [](SevenZipBuilder::Entry& e) { e.declaredCrc = 1234; }, "checksum"},
        {"a coder the game does not read",
         [](SevenZipBuilder::Entry& e) { e.coder = SevenZipBuilder::Coder::Other; }, "not LZMA"},
    };
    workspace.write("bad.x", "loose bad");
    for (const Case& c : cases) {
        SevenZipBuilder archive;
        archive.entries = {SevenZipBuilder::entry("good.x", "good"), SevenZipBuilder::entry("bad.x", data)};  // bad last: its sizes move no other entry
        c.damage(archive.entries[1]);
        workspace.write("graphics.qmx", archive.build());
        win32::resetForTests();
        FileArchive files("graphics.qmx");
        ASSERT_TRUE(files.packedArchive().opened()) << c.what;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(files.getFile("bad.x")->data), 9), "loose bad") << c.what;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(files.getFile("good.x")->data), 4), "good") << c.what;
        ASSERT_EQ(linesWith("bad.x cannot be read from the archive"), 1u) << c.what;
        if (*c.reason) {
            EXPECT_EQ(linesWith(c.reason), 1u) << c.what << ": " << win32::logLines()[0];
        }
        files.releaseFile("bad.x");
        files.releaseFile("good.x");
    }
}

TEST_F(LoaderSevenZipIndex, ArchivesOfOtherCodersOrEncryptedAreRefusedAndLooseFilesRead) {
    workspace.write("packed/gui/a.x", text(3000, 6));
    workspace.write("gui/a.x", "loose a");
    // Another coder: the archive opens, its entry is refused.
    ASSERT_EQ(std::system("cd packed && " SEVEN_ZIP_PROGRAM " a -t7z -m0=bzip2 ../bzip2.qmx gui >/dev/null 2>&1"), 0);
    {
        FileArchive files("bzip2.qmx");
        EXPECT_TRUE(files.packedArchive().opened());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(files.getFile("gui\\a.x")->data), 7), "loose a");
        EXPECT_EQ(linesWith("is not LZMA"), 1u);
        files.releaseFile("gui\\a.x");
    }
    // Encrypted data with readable names: the entry is refused.
    win32::resetForTests();
    ASSERT_EQ(std::system("cd packed && " SEVEN_ZIP_PROGRAM " a -t7z -psecret -mhe=off ../locked.qmx gui >/dev/null 2>&1"), 0);
    {
        SevenZipLoader loader("locked.qmx");
        EXPECT_TRUE(loader.opened());
        EXPECT_EQ(load(loader, "gui/a.x"), "<null>");
        EXPECT_EQ(linesWith("coded by a chain"), 1u) << win32::logLines().at(0);
    }
    // An encrypted header: the archive is refused.
    win32::resetForTests();
    ASSERT_EQ(std::system("cd packed && " SEVEN_ZIP_PROGRAM " a -t7z -psecret -mhe=on ../hidden.qmx gui >/dev/null 2>&1"), 0);
    {
        SevenZipLoader loader("hidden.qmx");
        EXPECT_FALSE(loader.opened());
        ASSERT_EQ(win32::logLines().size(), 1u);
        EXPECT_EQ(linesWith("hidden.qmx is not used"), 1u);
    }
}
