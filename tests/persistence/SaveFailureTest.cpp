#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "tests/persistence/ScratchFolder.h"

namespace {

// A profile file as a previous run left it.
const std::string OldProfile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n<Profile><Name>Old</Name></Profile>\n";

std::string saveError(const PersistentObject& doc, const std::string& path) {
    try {
        doc.save(path);
    } catch (const XMLFileException& e) {
        return e.getMessage();
    }
    return "";
}

PersistentObject bigDocument() {
    PersistentObject doc("Profile");
    for (int i = 0; i < 2000; ++i) doc.setText("Line", "a line of profile text that makes the file long", false);
    return doc;
}

// Files may grow no larger than the limit while this lives: writes past it fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        ::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit previous{};
    sighandler_t previousHandler;
};

}  // namespace

TEST(PersistenceSave, FullDiskLeavesTheOldFileByteForByte) {
    ScratchFolder folder;
    folder.write("profile.xml", OldProfile);
    PersistentObject doc = bigDocument();
    std::string message;
    {
        FileSizeLimit limit(4096);
        message = saveError(doc, folder.file("profile.xml"));
    }
    EXPECT_NE(message.find("profile.xml"), std::string::npos) << message;
    EXPECT_EQ(folder.read("profile.xml"), OldProfile);
    EXPECT_EQ(folder.entryCount(), 1u);  // no temporary file left behind
}

TEST(PersistenceSave, UnwritableTextLeavesTheOldFileByteForByte) {
    ScratchFolder folder;
    folder.write("profile.xml", OldProfile);
    PersistentObject doc("Profile");
    doc.setText("Name", std::string("bad\x01name"));
    std::string message = saveError(doc, folder.file("profile.xml"));
    EXPECT_NE(message.find("profile.xml"), std::string::npos) << message;
    EXPECT_EQ(folder.read("profile.xml"), OldProfile);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(PersistenceSave, FolderThatIsAFileIsReported) {
    ScratchFolder folder;
    folder.write("saveData", "a plain file where the folder should be");
    PersistentObject doc("Profile");
    std::string path = folder.file("saveData/profile.xml");
    std::string message = saveError(doc, path);
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_EQ(folder.read("saveData"), "a plain file where the folder should be");
}

TEST(PersistenceSave, MissingFolderIsReported) {
    ScratchFolder folder;
    PersistentObject doc("Profile");
    EXPECT_FALSE(saveError(doc, folder.file("no/such/folder/profile.xml")).empty());
    EXPECT_EQ(folder.entryCount(), 0u);
}

TEST(PersistenceSave, TargetThatIsAFolderIsKeptAndNoTemporaryRemains) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("profile.xml"));
    folder.write("profile.xml/inside", "keep");
    PersistentObject doc("Profile");
    EXPECT_FALSE(saveError(doc, folder.file("profile.xml")).empty());
    EXPECT_EQ(folder.read("profile.xml/inside"), "keep");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(PersistenceSave, BrokenFileIsNeverOverwrittenByAnEmptyDocument) {
    ScratchFolder folder;
    const std::string truncated = OldProfile.substr(0, OldProfile.size() / 2 + 10);
    folder.write("profile.xml", truncated);
    PersistentObject doc("Profile");
    EXPECT_THROW(doc.load(folder.file("profile.xml")), XMLFileException);
    // The failed load left nothing to write; saving must not turn the file into an empty one.
    EXPECT_FALSE(saveError(doc, folder.file("profile.xml")).empty());
    EXPECT_EQ(folder.read("profile.xml"), truncated);
}

TEST(PersistenceSave, SuccessfulSaveReplacesTheOldFile) {
    ScratchFolder folder;
    folder.write("profile.xml", OldProfile);
    PersistentObject doc("Profile");
    doc.setText("Name", "New");
    doc.save(folder.file("profile.xml"));
    PersistentObject back;
    back.load(folder.file("profile.xml"));
    EXPECT_EQ(back.getString("Name"), "New");
    EXPECT_EQ(folder.entryCount(), 1u);
}
