#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/win32/win32_host.h"

namespace fs = std::filesystem;

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        file = fs::temp_directory_path() / ("brennock_registry_" + std::to_string(getpid()) + ".txt");
        old = std::getenv("BRENNOCK_REGISTRY") ? std::getenv("BRENNOCK_REGISTRY") : "";
        setenv("BRENNOCK_REGISTRY", file.c_str(), 1);
        win32::resetForTests();
    }
    void TearDown() override {
        fs::remove(file);
        setenv("BRENNOCK_REGISTRY", old.c_str(), 1);
        win32::resetForTests();
    }
    void write(const std::string& text) {
        std::ofstream(file) << text;
        win32::registryReload();
    }
    fs::path file;
    std::string old;
};

TEST_F(Registry, ReadsValuesFromTheTextFile) {
    write("; the install folder\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
          "\"Path\"=\"/opt/brennock \\\"x\\\"\"\n"
          "\"Count\"=dword:0000000a\n"
          "garbage line\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\harlowick\\BRENNOCK DAVI", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char buffer[256];
    DWORD type = 0, size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, "path", nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 18u);  // the text and its terminator
    EXPECT_STREQ(buffer, "/opt/brennock \"x\"");

    DWORD count = 0;
    size = sizeof count;
    ASSERT_EQ(RegQueryValueExA(key, "Count", nullptr, &type, reinterpret_cast<LPBYTE>(&count), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(count, 10u);
    EXPECT_EQ(RegQueryValueExA(key, "Nothing", nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_NE(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(Registry, MissingFileOrKeyIsAnEmptyRegistry) {
    fs::remove(file);
    win32::registryReload();
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Harlowick\\Brennock Davi", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    write("[HKEY_CURRENT_USER\\SOFTWARE\\Harlowick\\Brennock Davi]\n\"Path\"=\"x\"\n");
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Harlowick\\Brennock Davi", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, TooSmallABufferIsReportedNotOverrun) {
    win32::registrySetValue("HKEY_LOCAL_MACHINE\\K", "V", REG_SZ, std::string(300, 'a') + '\0');
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_READ, &key), ERROR_SUCCESS);
    char buffer[257];
    buffer[256] = '#';
    DWORD type = 0, size = 256;
    EXPECT_EQ(RegQueryValueExA(key, "V", nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 301u);
    EXPECT_EQ(buffer[256], '#');
    RegCloseKey(key);
}
