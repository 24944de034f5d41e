// Modules, page protection and the version the hook installer asks for.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include "platform/win32/win32_host.h"

namespace {

struct Pages {
    size_t size = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    char* base = static_cast<char*>(mmap(nullptr, 2 * size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ~Pages() { munmap(base, 2 * size); }
};

DWORD protectionOf(const void* address) {
    MEMORY_BASIC_INFORMATION info{};
    return VirtualQuery(address, &info, sizeof info) ? info.Protect : 0;
}

}  // namespace

TEST(Memory, ProtectionChangesEveryTouchedPageAndReportsTheOldOne) {
    Pages pages;
    ASSERT_NE(pages.base, MAP_FAILED);
    EXPECT_EQ(protectionOf(pages.base + 10), PAGE_READONLY);
    EXPECT_TRUE(IsBadWritePtr(pages.base, 8));

    // A range that straddles the two pages makes both writable.
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(pages.base + pages.size - 4, 8, PAGE_READWRITE, &old));
    EXPECT_EQ(old, PAGE_READONLY);
    EXPECT_FALSE(IsBadWritePtr(pages.base, 2 * pages.size));
    pages.base[0] = 1;
    pages.base[2 * pages.size - 1] = 1;

    ASSERT_TRUE(VirtualProtect(pages.base + pages.size, 1, old, &old));
    EXPECT_EQ(old, PAGE_READWRITE);
    EXPECT_FALSE(IsBadWritePtr(pages.base, pages.size));
    EXPECT_TRUE(IsBadWritePtr(pages.base, pages.size + 1));  // the second page is read-only again
}

TEST(Memory, CodeAndUnmappedAddressesAreNotWritable) {
    EXPECT_TRUE(IsBadWritePtr(reinterpret_cast<void*>(&VirtualQuery), 1));
    EXPECT_EQ(protectionOf(reinterpret_cast<void*>(&VirtualQuery)), PAGE_EXECUTE_READ);
    EXPECT_TRUE(IsBadWritePtr(nullptr, 1));
    MEMORY_BASIC_INFORMATION info{};
    EXPECT_EQ(VirtualQuery(reinterpret_cast<void*>(8), &info, sizeof info), 0u);
    DWORD old = 0;
    EXPECT_FALSE(VirtualProtect(reinterpret_cast<void*>(8), 1, PAGE_READWRITE, &old));
}

TEST(Modules, RegisteredImagesAreFoundByNameInAnyCase) {
    static char image[16];
    win32::registerModule("Sample.DLL", reinterpret_cast<HMODULE>(image));
    EXPECT_EQ(GetModuleHandleA("sample.dll"), reinterpret_cast<HMODULE>(image));
    EXPECT_EQ(GetModuleHandleA("other.dll"), nullptr);
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    win32::registerModule("sample.dll", nullptr);
    EXPECT_EQ(GetModuleHandleA("Sample.DLL"), nullptr);

    EXPECT_EQ(lstrcmpiA("DINPUT8.DLL", "dinput8.dll"), 0);
    EXPECT_LT(lstrcmpiA("a", "B"), 0);
    EXPECT_GT(lstrcmpiA("dinput8.dll", "dinput8"), 0);

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
}
