// The script names of one belt level, handed out as a shuffle bag.
#include <gtest/gtest.h>

#include <map>

#include "persistence/PersistentObject.h"
#include "platform/win32/crt.h"
#include "script/ScriptList.h"
#include "tests/persistence/ScratchFolder.h"

namespace {

PersistentObject loadLevel(const ScratchFolder& folder, const std::string& xml) {
    folder.write("scripts.xml", xml);
    PersistentObject document;
    document.load(folder.file("scripts.xml"));
    return document;
}

}  // namespace

TEST(ScriptList, EachNameComesOnceInEveryPass) {
    ScratchFolder folder;
    PersistentObject level = loadLevel(
        folder, "<level Belt=\"yellow\"><AI script=\"rusher\"/><AI/><Note script=\"x\"/><AI script=\"blocker\"/>"
                "<AI><script value=\"counter\"/></AI></level>");
    ScriptList list(level, "AI");
    EXPECT_EQ(list.getNames(), (std::vector<std::string>{"rusher", "blocker", "counter"}));
    crt::srand(7);
    for (int pass = 0; pass < 4; ++pass) {
        std::map<std::string, int> seen;
        for (int i = 0; i < 3; ++i) ++seen[list.getScript()];
        EXPECT_EQ(seen, (std::map<std::string, int>{{"blocker", 1}, {"counter", 1}, {"rusher", 1}}));
    }
}

TEST(ScriptList, AnEmptyListGivesAnEmptyName) {
    ScratchFolder folder;
    PersistentObject level = loadLevel(folder, "<level Belt=\"black\"/>");
    ScriptList list(level, "AI");
    EXPECT_EQ(list.getScript(), "");
    EXPECT_EQ(list.getScript(), "");
}
