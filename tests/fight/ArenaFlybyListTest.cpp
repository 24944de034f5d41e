// The fly-by files: their grammar, what a broken file leaves, and the random pick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fight/ArenaFlybyList.h"
#include "persistence/AttributeFormatException.h"
#include "persistence/AttributeNotFoundException.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32_host.h"
#include "tests/persistence/ScratchFolder.h"

namespace {

std::string at(const std::string& t, const std::string& extra = "") {
    return "<At lx=\"1\" ly=\"2\" lz=\"3\" tx=\"4\" ty=\"5\" tz=\"6\" t=\"" + t + "\"" + extra + "/>";
}

std::string flybys(const std::string& body) { return "<?xml version=\"1.0\"?>\n<Flybys>" + body + "</Flybys>"; }

void expectDefault(const Flyby& flyby) {
    EXPECT_EQ(flyby.length, 2.0f);
    ASSERT_EQ(flyby.keys.size(), 1u);
    EXPECT_EQ(flyby.keys[0].location, Vector3(0.0f, 7.5f, 7.5f));
    EXPECT_EQ(flyby.keys[0].target, Vector3(0.0f, 1.5f, 0.0f));
    EXPECT_EQ(flyby.keys[0].t, 0.0f);
    EXPECT_FALSE(flyby.keys[0].cut);
}

class FlybyFiles : public ::testing::Test {
protected:
    void SetUp() override {
        win32::setDebugSink([this](const char* text) { debugLines.push_back(text); });
    }
    void TearDown() override { win32::setDebugSink(nullptr); }
    std::vector<std::string> debugLines;
    std::string write(const std::string& text) {
        folder.write("flybys.xml", text);
        return folder.file("flybys.xml");
    }
    ScratchFolder folder;
};

}  // namespace

TEST_F(FlybyFiles, KeysAreReadInOrderAndOnlyAnExactCutIsACut) {
    ArenaFlybyList list;
    list.load(write(flybys("<Flyby length=\"3.5\">" + at("0", " mode=\"cut\"") + at("1", " mode=\"Cut\"") +
                           at("2", " mode=\"cuts\"") + at("3") + "</Flyby>" + "<Flyby length=\"1\"/>" +
                           "<Flyby length=\"0x40000000\">" + at("0.25") + "</Flyby>")));
    const auto& paths = list.getFlybys();
    ASSERT_EQ(paths.size(), 2u);  // the path without keys is left out
    EXPECT_EQ(paths[0].length, 3.5f);
    ASSERT_EQ(paths[0].keys.size(), 4u);
    EXPECT_TRUE(paths[0].keys[0].cut);
    EXPECT_FALSE(paths[0].keys[1].cut);
    EXPECT_FALSE(paths[0].keys[2].cut);
    EXPECT_FALSE(paths[0].keys[3].cut);
    EXPECT_EQ(paths[0].keys[3].t, 3.0f);
    EXPECT_EQ(paths[0].keys[0].location, Vector3(1, 2, 3));
    EXPECT_EQ(paths[0].keys[0].target, Vector3(4, 5, 6));
    EXPECT_EQ(paths[1].length, 2.0f);  // the bit-pattern form of saved floats
    EXPECT_EQ(paths[1].keys[0].t, 0.25f);

    ASSERT_EQ(debugLines.size(), 1u);
    EXPECT_NE(debugLines[0].find("Fly-by 2 of"), std::string::npos);
}

TEST_F(FlybyFiles, ABrokenOrEmptyFileLeavesTheDefaultPath) {
    ArenaFlybyList list;
    EXPECT_THROW(list.load(write("<Flybys><Flyby length=\"2\">")), XMLFileException);
    EXPECT_TRUE(list.getFlybys().empty());
    expectDefault(list.randomFlyby());

    EXPECT_THROW(list.load(folder.file("missing.xml")), XMLFileException);
    expectDefault(list.randomFlyby());

    list.load(write(flybys("")));
    EXPECT_TRUE(list.getFlybys().empty());
    expectDefault(list.randomFlyby());
}

TEST_F(FlybyFiles, AnAttributeErrorKeepsWhatWasReadBeforeIt) {
    ArenaFlybyList list;
    std::string badKey = "<At lx=\"1\" ly=\"2\" lz=\"3\" tx=\"4\" tz=\"6\" t=\"2\"/>";
    EXPECT_THROW(list.load(write(flybys("<Flyby length=\"4\">" + at("0") + "</Flyby><Flyby length=\"5\">" + at("0") +
                                        at("1") + badKey + at("3") + "</Flyby><Flyby length=\"6\">" + at("0") +
                                        "</Flyby>"))),
                 AttributeNotFoundException);
    ASSERT_EQ(list.getFlybys().size(), 2u);
    EXPECT_EQ(list.getFlybys()[1].keys.size(), 2u);

    // A malformed length stops the path before it has a key: it is dropped.
    EXPECT_THROW(list.load(write(flybys("<Flyby length=\"4\">" + at("0") + "</Flyby><Flyby length=\"five\">" +
                                        at("0") + "</Flyby>"))),
                 AttributeFormatException);
    ASSERT_EQ(list.getFlybys().size(), 1u);
    EXPECT_EQ(list.getFlybys()[0].length, 4.0f);
}

TEST_F(FlybyFiles, APathIsDrawnUniformlyFromTheGamesGenerator) {
    ArenaFlybyList plain;
    ASSERT_EQ(plain.getFlybys().size(), 1u);
    expectDefault(plain.randomFlyby());

    ArenaFlybyList one(write(flybys("<Flyby length=\"9\">" + at("0") + "</Flyby>")));
    crt::srand(7);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(one.randomFlyby().length, 9.0f);

    ArenaFlybyList three(write(flybys("<Flyby length=\"0\">" + at("0") + "</Flyby><Flyby length=\"1\">" + at("0") +
                                      "</Flyby><Flyby length=\"2\">" + at("0") + "</Flyby>")));
    // rand() after srand(7): 61, 17422, 15215, 7040, 15521, 6516, 30152, 11794, 27727, 20344.
    crt::srand(7);
    const float expected[] = {0, 1, 1, 0, 1, 0, 2, 1, 2, 1};
    for (float length : expected) EXPECT_EQ(three.randomFlyby().length, length);
}

TEST_F(FlybyFiles, ThePacksNationalArenaHasThreePathsEndingAtTheMatchCamera) {
    ArenaFlybyList list(std::string(GAME_DIR) + "/Tavek_res/arenas/arena1/flybys.xml");
    ASSERT_EQ(list.getFlybys().size(), 3u);
    for (const Flyby& flyby : list.getFlybys()) {
        ASSERT_GE(flyby.keys.size(), 2u);
        EXPECT_TRUE(flyby.keys.front().cut);
        EXPECT_EQ(flyby.keys.back().location, Vector3(0.0f, 7.5f, 7.5f));
        EXPECT_EQ(flyby.keys.back().target, Vector3(0.0f, 2.0f, 0.0f));
        EXPECT_EQ(flyby.keys.back().t, flyby.length);
    }
}
