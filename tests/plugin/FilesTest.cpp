// The plug-in's fighter and profile files at start-up, read back with the game's own classes.
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "PluginTestKit.h"
#include "persistence/PersistentObject.h"
#include "persistence/XercesUtils.h"
#include "state/EnemyFighterState.h"
#include "state/PersistentProfile.h"

using namespace plugintest;
namespace fs = std::filesystem;

namespace {

const char* const FighterGamePath = "c://profile0Fighter0";
const char* const ProfileGamePath = "c://profile0";
const fs::path FighterFile = "drive_c/profile0Fighter0";
const fs::path ProfileFile = "drive_c/profile0";

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// The element's children as "Tag=value" in document order.
std::vector<std::string> childValues(const PersistentObject& object) {
    std::vector<std::string> out;
    for (xercesc::DOMNode* n = object.getElement()->getFirstChild(); n; n = n->getNextSibling()) {
        if (n->getNodeType() != xercesc::DOMNode::ELEMENT_NODE) continue;
        auto* element = static_cast<xercesc::DOMElement*>(n);
        out.push_back(XercesUtils::toChar(element->getTagName()) + "=" + PersistentObject::getValueAttribute(element));
    }
    return out;
}

}  // namespace

class PluginFiles : public PluginFixture {
protected:
    void runOnce() {
        start();
        frame(2);
        finish();
    }
};

TEST_F(PluginFiles, TheFirstStartWritesTheDefaultFighterThenItsProfileAndTheSecondWritesNothing) {
    runOnce();
    ASSERT_TRUE(fs::is_regular_file(FighterFile));
    ASSERT_TRUE(fs::is_regular_file(ProfileFile));
    EXPECT_LE(fs::last_write_time(FighterFile), fs::last_write_time(ProfileFile)) << "the fighter first";
    EXPECT_EQ(bytesOf(ProfileFile).rfind("<?xml", 0), 0u);

    PersistentObject fighterFile;
    fighterFile.load(FighterGamePath);
    EXPECT_EQ(fighterFile.getTagName(), "Fighter");
    Tavek::EnemyFighterState record("Fighter", nullptr);
    record.read(&fighterFile);
    EXPECT_EQ(record.Age, 18);
    EXPECT_EQ(record.Gender, "M");
    EXPECT_EQ(record.School, "I AM ERROR");
    EXPECT_EQ(fighterFile.getInt("id"), 0);
    EXPECT_TRUE(fighterFile.getElement()->hasAttribute(u"id")) << "id is an attribute";
    EXPECT_EQ(fighterFile.getString("Name"), "I AM ERROR");
    const std::vector<std::string> fighterKeys = {"Age=18", "Gender=M", "Name=I AM ERROR", "School=I AM ERROR"};
    EXPECT_EQ(childValues(fighterFile), fighterKeys);

    PersistentProfile profile;
    profile.load(ProfileGamePath);
    EXPECT_EQ(profile.getTagName(), "Profile");
    EXPECT_EQ(profile.getName(), "I AM ERROR");
    EXPECT_EQ(profile.getFighterPathCount(), 1);
    EXPECT_EQ(profile.getFighterPath(0), FighterGamePath);
    EXPECT_EQ(profile.getInt("id"), 0);
    const std::vector<std::string> profileKeys = {"Name=I AM ERROR", std::string("FighterPath=") + FighterGamePath};
    EXPECT_EQ(childValues(profile), profileKeys);

    const std::string fighterBytes = bytesOf(FighterFile), profileBytes = bytesOf(ProfileFile);
    const auto fighterTime = fs::last_write_time(FighterFile), profileTime = fs::last_write_time(ProfileFile);
    runOnce();
    EXPECT_EQ(bytesOf(FighterFile), fighterBytes);
    EXPECT_EQ(bytesOf(ProfileFile), profileBytes);
    EXPECT_EQ(fs::last_write_time(FighterFile), fighterTime);
    EXPECT_EQ(fs::last_write_time(ProfileFile), profileTime);
    EXPECT_EQ(logLines("Vortane:"), 0);
}

TEST_F(PluginFiles, AProfileThatIsNotXmlIsReportedKeptAndNothingIsWritten) {
    fs::create_directory("drive_c");
    const std::string broken = "this is no profile <";
    std::ofstream(ProfileFile, std::ios::binary) << broken;
    start();
    frame(2);
    EXPECT_EQ(logLines("Vortane: the profile c://profile0 could not be read"), 1);
    EXPECT_TRUE(shows("Game Setup")) << "the menus run on the default profile";
    finish();
    EXPECT_EQ(bytesOf(ProfileFile), broken);
    EXPECT_FALSE(fs::exists(FighterFile));
}

TEST_F(PluginFiles, ADriveThatCannotBeWrittenIsReportedAndTheMenusRunOn) {
    std::ofstream("drive_c") << "a file where the folder should be";
    start();
    frame(2);
    EXPECT_EQ(logLines("Vortane: the fighter c://profile0Fighter0 could not be written"), 1);
    EXPECT_EQ(logLines("Vortane: the profile"), 0) << "no profile after a fighter that failed";
    click(RightButtonX, TopRowY);
    frame();
    EXPECT_TRUE(shows("Editor"));
    finish();
    EXPECT_TRUE(fs::is_regular_file("drive_c"));
}
