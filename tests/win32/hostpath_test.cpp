#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/win32/crt.h"
#include "platform/win32/hostpath.h"

namespace fs = std::filesystem;

class HostPath : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("brennock_hostpath_" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Tavek_res" / "Sounds" / "Songs");
        std::ofstream(root / "Tavek_res" / "Sounds" / "Songs" / "StartUp.ogg") << "x";
        old = fs::current_path();
        fs::current_path(root);
        hostPathClearCache();
    }
    void TearDown() override {
        fs::current_path(old);
        fs::remove_all(root);
    }
    fs::path root, old;
};

TEST_F(HostPath, BackslashesBecomeSlashesAndRepeatsCollapse) {
    EXPECT_EQ(hostPath("a\\b\\\\c//d"), "a/b/c/d");
    EXPECT_EQ(hostPath("/abs\\olute"), "/abs/olute");
}

TEST_F(HostPath, FindsFilesWhateverTheirCase) {
    EXPECT_EQ(hostPath("tavek_res\\sounds\\songs\\startup.ogg"), "Tavek_res/Sounds/Songs/StartUp.ogg");
    EXPECT_EQ(hostPath("TAVEK_RES/SOUNDS"), "Tavek_res/Sounds");
}

TEST_F(HostPath, NewFilesKeepTheirNameInTheResolvedFolder) {
    EXPECT_EQ(hostPath("tavek_res\\sounds\\NewFile.xml"), "Tavek_res/Sounds/NewFile.xml");
    EXPECT_EQ(hostPath("missing\\deeper\\file.txt"), "missing/deeper/file.txt");
    EXPECT_EQ(hostPath("saveData\\"), "saveData/");
}

TEST_F(HostPath, DrivesMapToFoldersUnderTheWorkingDirectory) {
    EXPECT_EQ(hostPath("c://profile0"), "drive_c/profile0");
    EXPECT_EQ(hostPath("C:\\"), "drive_c");
    EXPECT_EQ(hostPath("d:\\games\\x.xml"), "drive_d/games/x.xml");
}

TEST_F(HostPath, StaysCorrectAfterTheFileSystemChanges) {
    EXPECT_EQ(hostPath("tavek_res\\later.txt"), "Tavek_res/later.txt");
    std::ofstream(root / "Tavek_res" / "LATER.txt") << "y";
    EXPECT_EQ(hostPath("tavek_res\\later.txt"), "Tavek_res/LATER.txt");
    fs::remove(root / "Tavek_res" / "LATER.txt");
    std::ofstream(root / "Tavek_res" / "later.TXT") << "y";
    EXPECT_EQ(hostPath("tavek_res\\later.txt"), "Tavek_res/later.TXT");
}

TEST_F(HostPath, DirectoryHelpersUseGamePaths) {
    EXPECT_EQ(_mkdir("saveData\\"), 0);
    EXPECT_TRUE(fs::is_directory(root / "saveData"));
    EXPECT_NE(_mkdir("saveData\\"), 0);  // already there: reported, harmless
    EXPECT_EQ(_chdir("TAVEK_RES\\sounds"), 0);
    char buffer[4096];
    ASSERT_NE(_getcwd(buffer, sizeof buffer), nullptr);
    EXPECT_EQ(fs::path(buffer), root / "Tavek_res" / "Sounds");
    EXPECT_NE(_chdir("no\\such\\folder"), 0);
}
