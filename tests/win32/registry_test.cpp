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

// Values that do not fit their type are skipped whole, not cut down to something else.
TEST_F(Registry, MalformedValuesAreSkippedNotTruncated) {
    write("[HKEY_LOCAL_MACHINE\\K]\n"
          "\"Big\"=dword:1ffffffff\n"
          "\"Negative\"=dword:-1\n"
          "\"Prefixed\"=dword:0x10\n"
          "\"WideByte\"=hex:01,1ff\n"
          "\"Tail\"=\"a\" trailing words\n"
          "\"Count\"=dword:ffffffff\n"
          "\"Bytes\"=hex:01, ff,0a\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_READ, &key), ERROR_SUCCESS);
    char buffer[16];
    DWORD type = 0, size = 0;
    for (const char* name : {"Big", "Negative", "Prefixed", "WideByte", "Tail"}) {
        size = sizeof buffer;
        EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size),
                  ERROR_FILE_NOT_FOUND)
            << name;
    }
    DWORD count = 0;
    size = sizeof count;
    ASSERT_EQ(RegQueryValueExA(key, "Count", nullptr, &type, reinterpret_cast<LPBYTE>(&count), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(count, 0xFFFFFFFFu);
    size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, "Bytes", nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(std::string(buffer, size), std::string("\x01\xff\x0a", 3));
    RegCloseKey(key);
}

// A key that a reload took away stays away, even when a handle opened before asks for it.
TEST_F(Registry, AQueryOnAVanishedKeyDoesNotBringItBack) {
    write("[HKEY_LOCAL_MACHINE\\K]\n\"V\"=\"x\"\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_READ, &key), ERROR_SUCCESS);
    write("[HKEY_LOCAL_MACHINE\\Other]\n");
    char buffer[16];
    DWORD type = 0, size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "V", nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    HKEY again = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_READ, &again), ERROR_FILE_NOT_FOUND);
}
