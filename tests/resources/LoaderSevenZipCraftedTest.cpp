// The archive's index on archives whose counts would each make a list of hundreds of megabytes,
// on solid archives, and on archives of a coder the game does not read: each crafted archive is
// refused with one log line and without a large allocation, a solid one reads every entry in
// whatever order it is asked, and an archive of another coder costs one log line, however many
// of its entries are asked for.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
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

size_t linesWith(const std::string& needle) {
    size_t n = 0;
    for (const std::string& line : win32::logLines()) n += line.find(needle) != std::string::npos;
    return n;
}

std::string payload(unsigned seed, size_t length) {
    std::string out;
    while (out.size() < length) {
        seed = seed * 1103515245u + 12345u;
        out += static_cast<char>('a' + (seed >> 16) % 23);
    }
    return out;
}

// The address space this process has mapped, from /proc.
uint64_t mappedBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) << 10;
    }
    return 0;
}

// Opens graphics.qmx and asks for every name with the address space bounded to 64 MB more than
// is mapped now (under the sanitizers, whose shadow memory needs more, without the bound), and
// exits 0 when the archive was refused (or its entries were) with exactly one log line. A list
// of hundreds of megabytes fails under the bound, and an uncaught std::bad_alloc ends the
// process otherwise than with 0.
[[noreturn]] void openBounded(const std::vector<std::string>& names) {
#if !defined(__SANITIZE_ADDRESS__)
    const rlimit bound{mappedBytes() + (64u << 20), RLIM_INFINITY};
    if (setrlimit(RLIMIT_AS, &bound) != 0) _exit(3);
#endif
    win32::resetForTests();
    {
        SevenZipLoader loader("graphics.qmx");
        for (const std::string& name : names) {
            if (load(loader, name) != "<null>") _exit(4);
        }
    }
    if (win32::logLines().size() != 1) {
        for (const std::string& line : win32::logLines()) std::fprintf(stderr, "%s\n", line.c_str());
        _exit(5);
    }
    std::fprintf(stderr, "%s\n", win32::logLines()[0].c_str());
    _exit(0);
}

class LoaderSevenZipCrafted : public ::testing::Test {
protected:
    void SetUp() override { win32::resetForTests(); }
    void TearDown() override { win32::resetForTests(); }
    ResourceWorkspace workspace;
};

}  // namespace

TEST_F(LoaderSevenZipCrafted, CountsBeyondWhatTheHeaderHoldsAreRefusedWithOneLineAndNoLargeList) {
    struct Case {
        const char* what;
        std::string (*archive)();
        const char* line;  // the log line says this
    };
    const Case cases[] = {
        {"8,388,000 blocks in a coded header", crafted::hugeBlockCount, "graphics.qmx is not used, its header declares 8388000 blocks"},
        {"one coder of two packed inputs declaring 250 MB", crafted::twoInputCoder, "ax cannot be read from the archive, its block's coder reads 2"},
        {"3,700,000 empty files", crafted::millionsOfEmptyFiles, "graphics.qmx is not used, its header declares 3700000 files"},
        {"8,000,000 one-byte parts of a block", crafted::millionsOfOneBytePart, "graphics.qmx is not used, its header declares more files in its blocks"},
    };
    for (const Case& c : cases) {
        const std::string bytes = c.archive();
        EXPECT_LT(bytes.size(), 16u << 10) << c.what;
        workspace.write("graphics.qmx", bytes);
        EXPECT_EXIT(openBounded({"ax", "a", "x"}), ::testing::ExitedWithCode(0), c.line) << c.what;
    }
    // The loose file is read in place of the refused entry.
    workspace.write("graphics.qmx", crafted::twoInputCoder());
    workspace.write("ax", "loose ax");
    FileArchive files("graphics.qmx");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(files.getFile("ax")->data), 8), "loose ax");
    EXPECT_EQ(win32::logLines().size(), 1u);
    files.releaseFile("ax");
}

TEST_F(LoaderSevenZipCrafted, ASolidArchiveReadsEveryEntryInAndOutOfOrder) {
    // 240 files in one LZMA block of some 4 MB: asked in archive order each goes on where the
    // last stopped; asked in swapped pairs (a model, then its texture just before it) the one
    // passed over is kept for its own load; asked backwards or by jumps each starts the block
    // afresh. Every load gives exactly its entry's bytes, checksum checked.
    std::vector<std::string> names;
    std::string list;
    for (unsigned i = 0; i < 240; ++i) {
        names.push_back("f" + std::to_string(1000 + i) + ".x");
        workspace.write("stage/" + names.back(), payload(i, 12000 + 97 * i));
        list += " " + names.back();
    }
    const std::string command = "cd stage && " SEVEN_ZIP_PROGRAM " a -t7z -m0=lzma -ms=on ../graphics.qmx" + list + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_EQ(workspace.entryOrder("graphics.qmx").size(), names.size());
    SevenZipLoader loader("graphics.qmx");
    ASSERT_TRUE(loader.opened());
    std::vector<size_t> order;
    for (size_t i = 0; i < names.size(); ++i) order.push_back(i ^ 1);          // swapped pairs
    for (size_t i = 0; i < names.size(); ++i) order.push_back(i);              // archive order
    for (size_t i = names.size(); i-- > names.size() - 8;) order.push_back(i);  // backwards from the end
    for (size_t i : {3, 3, 200, 7, 8, 239, 0, 120, 121, 5}) order.push_back(i);  // again, jumps
    const std::vector<std::string> stored = workspace.entryOrder("graphics.qmx");
    for (size_t i : order) {
        EXPECT_EQ(load(loader, stored[i]), workspace.read("stage/" + stored[i])) << stored[i];
    }
    EXPECT_TRUE(win32::logLines().empty());
}

TEST_F(LoaderSevenZipCrafted, AnArchiveOfAnotherCoderCostsOneLogLineForAllItsEntries) {
    std::string list;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "g" + std::to_string(i) + ".x";
        workspace.write("stage/" + name, payload(static_cast<unsigned>(i), 3000));
        workspace.write(name, "loose " + name);
        list += " " + name;
    }
    // The tool's default coder, one block a file.
    const std::string command = "cd stage && " SEVEN_ZIP_PROGRAM " a -t7z -ms=off ../graphics.qmx" + list + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    FileArchive files("graphics.qmx");
    for (int i = 0; i < 40; ++i) {
        const std::string name = "g" + std::to_string(i) + ".x";
        FileMemory* block = files.getFile(name);
        ASSERT_NE(block, nullptr) << name;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(block->data), block->size), "loose " + name);
        files.releaseFile(name);
    }
    ASSERT_EQ(win32::logLines().size(), 1u);
    EXPECT_EQ(linesWith("40 entries cannot be read from the archive"), 1u) << win32::logLines()[0];
    EXPECT_EQ(linesWith("is not LZMA"), 1u) << win32::logLines()[0];
}
