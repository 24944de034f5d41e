// How deep a game file may nest: deep enough for any file the game writes, and a hostile
// file refused with a message instead of overflowing the stack.
#include <string>

#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "tests/persistence/ScratchFolder.h"

namespace {

std::string nested(int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i) text += "<a>\n";
    text += "<Name value=\"deep\"/>";
    for (int i = 0; i < levels; ++i) text += "</a>\n";
    return text;
}

}  // namespace

TEST(PersistenceNesting, TwoHundredFiftySixLevelsLoadAndAnyMoreAreRefusedByName) {
    ScratchFolder folder;
    folder.write("fits.xml", nested(255));  // with the innermost element: 256 levels
    PersistentObject fits;
    fits.load(folder.file("fits.xml"));
    EXPECT_EQ(fits.getTagName(), "a");

    for (int levels : {256, 175000}) {
        folder.write("deep.xml", nested(levels));
        PersistentObject deep;
        try {
            deep.load(folder.file("deep.xml"));
            ADD_FAILURE() << levels << " levels loaded";
        } catch (const XMLFileException& e) {
            EXPECT_NE(e.getMessage().find(folder.file("deep.xml")), std::string::npos) << e.getMessage();
            EXPECT_NE(e.getMessage().find("nested too deeply"), std::string::npos) << e.getMessage();
        }
        EXPECT_FALSE(deep.isOwner());
    }
}
