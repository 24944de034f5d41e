#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "tests/persistence/ScratchFolder.h"

namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const XMLFileException& e) {
        return e.getMessage();
    }
    return "";
}

}  // namespace

TEST(PersistenceFiles, EveryKindOfKeySurvivesSaveAndLoad) {
    ScratchFolder folder;
    {
        PersistentObject doc("Profile");
        doc.setInt("id", 7, true);
        doc.setInt("Age", -3);
        doc.setFloat("AILearnSpeed", 0.1f);
        doc.setBool("EnableRumble", false);
        doc.setString("Name", "Kim", true);
        doc.setText("School", "Blue Crane");
        doc.setString("Long", std::string(3000, 'z'));
        PersistentObject child("Championship", &doc);
        child.setFloat("ConfidencePoints", 123.5f);
        doc.save(folder.file("profile.xml"));
    }
    PersistentObject back;
    back.load(folder.file("profile.xml"));
    EXPECT_TRUE(back.isOwner());
    EXPECT_EQ(back.getTagName(), "Profile");
    EXPECT_EQ(back.getInt("id"), 7);
    EXPECT_EQ(back.getInt("Age"), -3);
    EXPECT_EQ(back.getFloat("AILearnSpeed"), 0.1f);
    EXPECT_FALSE(back.getBool("EnableRumble"));
    EXPECT_EQ(back.getString("Name"), "Kim");
    EXPECT_EQ(back.getString("School"), "Blue Crane");
    EXPECT_EQ(back.getString("Long"), std::string(3000, 'z'));
    EXPECT_EQ(back.getChild("Championship").getFloat("ConfidencePoints"), 123.5f);
}

TEST(PersistenceFiles, SavingTwiceGivesTheSameFile) {
    ScratchFolder folder;
    PersistentObject doc("R");
    doc.setInt("A", 1);
    doc.setText("B", "b");
    doc.save(folder.file("one.xml"));
    PersistentObject loaded;
    loaded.load(folder.file("one.xml"));
    loaded.save(folder.file("two.xml"));
    PersistentObject again;
    again.load(folder.file("two.xml"));
    again.save(folder.file("three.xml"));
    EXPECT_EQ(folder.read("two.xml"), folder.read("three.xml"));
}

TEST(PersistenceFiles, SavingThroughAViewWritesTheWholeDocument) {
    ScratchFolder folder;
    PersistentObject doc("Fighter");
    doc.setInt("Age", 30);
    PersistentObject child("Championship", &doc);
    child.setInt("CurrentTier", 1);
    child.save(folder.file("f.xml"));
    PersistentObject back;
    back.load(folder.file("f.xml"));
    EXPECT_EQ(back.getTagName(), "Fighter");
    EXPECT_EQ(back.getInt("Age"), 30);
    EXPECT_EQ(back.getChild("Championship").getInt("CurrentTier"), 1);
}

TEST(PersistenceFiles, GamePathsAreResolvedOnTheHost) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("SaveData"));
    PersistentObject doc("R");
    doc.setInt("A", 5);
    // Backslashes and a differently cased folder name, as the game writes paths.
    doc.save(folder.folder() + "\\savedata\\profile.xml");
    EXPECT_TRUE(std::filesystem::exists(folder.file("SaveData/profile.xml")));
    PersistentObject back;
    back.load(folder.folder() + "\\SAVEDATA\\PROFILE.XML");
    EXPECT_EQ(back.getInt("A"), 5);
}

TEST(PersistenceFiles, NewFileGetsOrdinaryPermissionsAndReplacedFileKeepsItsOwn) {
    ScratchFolder folder;
    PersistentObject doc("R");
    doc.save(folder.file("new.xml"));
    struct stat info {};
    ASSERT_EQ(::stat(folder.file("new.xml").c_str(), &info), 0);
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);

    ::chmod(folder.file("new.xml").c_str(), 0640);
    doc.setInt("A", 1);
    doc.save(folder.file("new.xml"));
    ASSERT_EQ(::stat(folder.file("new.xml").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(PersistenceFiles, MissingFileLeavesTheObjectEmpty) {
    ScratchFolder folder;
    PersistentObject doc("Old");
    std::string message = messageOf([&] { doc.load(folder.file("nothing.xml")); });
    EXPECT_NE(message.find("nothing.xml"), std::string::npos) << message;
    EXPECT_EQ(doc.getDocument(), nullptr);
    EXPECT_EQ(doc.getElement(), nullptr);
}

TEST(PersistenceFiles, FolderInsteadOfFileIsAFileError) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("profile.xml"));
    PersistentObject doc;
    EXPECT_THROW(doc.load(folder.file("profile.xml")), XMLFileException);
}

TEST(PersistenceFiles, BrokenFilesAreReportedWithTheirPlace) {
    ScratchFolder folder;
    const char* broken[] = {
        "",
        "not xml at all",
        "<Profile><Name>Kim</Name>",
        "<Profile><Age value=\"3\"></Profile>",
        "<Profile a='1' a='2'/>",
        "<?xml version=\"1.0\" encoding=\"no-such-encoding\"?><Profile/>",
        "<Profile/><Second/>",
    };
    for (const char* text : broken) {
        folder.write("profile.xml", text);
        PersistentObject doc;
        std::string message = messageOf([&] { doc.load(folder.file("profile.xml")); });
        EXPECT_NE(message.find("profile.xml"), std::string::npos) << text << " -> " << message;
        EXPECT_EQ(doc.getDocument(), nullptr) << text;
    }
}

TEST(PersistenceFiles, ParserWarningEndsTheLoad) {
    ScratchFolder folder;
    folder.write("w.xml",
                 "<?xml version=\"1.0\"?><!DOCTYPE R [<!ATTLIST R a CDATA #IMPLIED>"
                 "<!ATTLIST R a CDATA #IMPLIED>]><R/>");
    PersistentObject doc;
    std::string message = messageOf([&] { doc.load(folder.file("w.xml")); });
    EXPECT_NE(message.find("warning"), std::string::npos) << message;
}

TEST(PersistenceFiles, OutsideFilesAreNeverOpened) {
    ScratchFolder folder;
    folder.write("secret.txt", "SECRET");
    folder.write("entity.xml", "<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY x SYSTEM \"" + folder.file("secret.txt") +
                                   "\">]><R><K>&x;</K></R>");
    PersistentObject doc;
    std::string message = messageOf([&] { doc.load(folder.file("entity.xml")); });
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.find("SECRET"), std::string::npos);

    // An outside document type is skipped, not fetched.
    folder.write("dtd.xml", "<?xml version=\"1.0\"?><!DOCTYPE R SYSTEM \"" + folder.file("missing.dtd") +
                                "\"><R K=\"1\"/>");
    doc.load(folder.file("dtd.xml"));
    EXPECT_EQ(doc.getInt("K"), 1);
}

TEST(PersistenceFiles, EntityFloodIsRefused) {
    ScratchFolder folder;
    std::string doctype = "<!DOCTYPE R [<!ENTITY a \"aaaaaaaaaa\">";
    const char* names = "abcdef";
    for (int level = 1; level < 6; ++level) {
        doctype += std::string("<!ENTITY ") + names[level] + " \"";
        for (int i = 0; i < 10; ++i) doctype += std::string("&") + names[level - 1] + ";";
        doctype += "\">";
    }
    doctype += "]>";
    folder.write("flood.xml", "<?xml version=\"1.0\"?>" + doctype + "<R><K>&f;</K></R>");
    PersistentObject doc;
    EXPECT_THROW(doc.load(folder.file("flood.xml")), XMLFileException);
}

TEST(PersistenceFiles, RewritingKeysOverManySavesDoesNotGrowTheFile) {
    ScratchFolder folder;
    std::string path = folder.file("profile.xml");
    {
        PersistentObject doc("Profile");
        doc.setString("Name", "Kim");
        PersistentObject fighters("Fighters", &doc);
        PersistentObject fighter("Fighter", &fighters);
        fighter.setString("FighterPath", "fighter0.xml");
        doc.save(path);
    }
    std::uintmax_t firstSize = 0;
    for (int round = 0; round < 5; ++round) {
        PersistentObject doc;
        doc.load(path);
        doc.setString("Name", "Kim");  // removes the old key and appends the new one
        PersistentObject fighters = doc.getChild("Fighters");
        fighters.removeChildren();
        PersistentObject fighter("Fighter", &fighters);
        fighter.setString("FighterPath", "fighter0.xml");
        doc.removeValue("Options");
        PersistentObject options("Options", &doc);
        options.setInt("Difficulty", round);
        doc.save(path);
        if (round == 1) firstSize = std::filesystem::file_size(path);
        if (round > 1) {
            EXPECT_EQ(std::filesystem::file_size(path), firstSize) << "round " << round;
        }
    }
    PersistentObject back;
    back.load(path);
    EXPECT_EQ(back.getString("Name"), "Kim");
    EXPECT_EQ(back.getChild("Fighters").getChild("Fighter").getString("FighterPath"), "fighter0.xml");
    EXPECT_EQ(back.getChild("Options").getInt("Difficulty"), 4);
}
