#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/WinMain.h"
#include "platform/win32/win32_host.h"

namespace {

const char* const installKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi";

class RegistryRead : public ::testing::Test {
protected:
    void SetUp() override { win32::resetForTests(); }
    void TearDown() override { win32::resetForTests(); }
    bool read(std::string& out) { return readRegistryString("SOFTWARE\\Harlowick\\Brennock Davi", "Path", out); }
};

}  // namespace

// Text values are read up to their stored length, terminated or not.
TEST_F(RegistryRead, ReadsTheInstallFolderUpToItsStoredLength) {
    win32::registrySetValue(installKey, "Path", REG_SZ, std::string("/opt/brennock") + '\0');
    std::string path = "untouched";
    ASSERT_TRUE(read(path));
    EXPECT_EQ(path, "/opt/brennock");
    win32::registrySetValue(installKey, "Path", REG_EXPAND_SZ, std::string("/srv/game") + '\0');
    EXPECT_TRUE(read(path));
    EXPECT_EQ(path, "/srv/game");
    // Exactly the buffer's size and no terminator: still read safely, and nothing beyond it.
    win32::registrySetValue(installKey, "Path", REG_SZ, std::string(256, 'p'));
    ASSERT_TRUE(read(path));
    EXPECT_EQ(path, std::string(256, 'p'));
    win32::registrySetValue(installKey, "Path", REG_SZ, "short");
    ASSERT_TRUE(read(path));
    EXPECT_EQ(path, "short");
}

// A missing key or value, a value that is not text or one too long for the buffer is refused
// and leaves the text alone.
TEST_F(RegistryRead, MissingNonTextOrTooLongValuesLeaveTheTextAlone) {
    std::string path = "untouched";
    EXPECT_FALSE(read(path));
    win32::registrySetValue(installKey, "Other", REG_SZ, std::string("x") + '\0');
    EXPECT_FALSE(read(path));
    win32::registrySetValue(installKey, "Path", REG_DWORD, std::string("\x01\x02\x03\x04", 4));
    EXPECT_FALSE(read(path));
    win32::registrySetValue(installKey, "Path", REG_SZ, std::string(400, 'q') + '\0');
    EXPECT_FALSE(read(path));
    EXPECT_EQ(path, "untouched");
}

TEST_F(RegistryRead, TheInstallFolderBecomesTheWorkingDirectory) {
    namespace fs = std::filesystem;
    fs::path old = fs::current_path();
    fs::path target = fs::temp_directory_path() / ("brennock_install_" + std::to_string(getpid()));
    fs::create_directories(target);
    win32::registrySetValue(installKey, "Path", REG_SZ, target.string() + '\0');
    changeToInstallDirectory();
    EXPECT_EQ(fs::current_path(), target);
    fs::current_path(old);

    win32::registryClear();
    changeToInstallDirectory();
    EXPECT_EQ(fs::current_path(), old);
    fs::remove_all(target);
}
