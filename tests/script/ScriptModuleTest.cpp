// Importing and reloading the scripts of the script folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "script/ScriptException.h"
#include "script/ScriptMaster.h"
#include "tests/script/ScriptTestFolder.h"

using Tavek::ScriptException;
using Tavek::ScriptMaster;

TEST(ScriptModules, AnImportedModuleIsBoundUnderItsName) {
    ScriptTestFolder folder;
    folder.module("fighter", "HEALTH = 100\ndef damaged(by):\n    return HEALTH - by\n");
    ScriptMaster script(folder.folder());
    script.importModule("fighter");
    EXPECT_EQ(script.evalInt("fighter.damaged(30)"), 70);
    script.execute("fighter.HEALTH = 50");
    EXPECT_EQ(script.evalInt("fighter.damaged(30)"), 20);
}

TEST(ScriptModules, ADottedNameBindsTheInnermostModule) {
    ScriptTestFolder folder;
    std::filesystem::create_directories(folder.file("ai"));
    folder.write("ai/__init__.py", "");
    folder.write("ai/defensive.py", "STYLE = 'counter'\n");
    ScriptMaster script(folder.folder());
    script.importModule("ai.defensive");
    EXPECT_EQ(script.evalString("globals()['ai.defensive'].STYLE"), "counter");
}

TEST(ScriptModules, AModuleWrittenAfterStartIsFoundAndNoBytecodeIsWritten) {
    ScriptTestFolder folder;
    ScriptMaster script(folder.folder());
    EXPECT_THROW(script.importModule("latecomer"), ScriptException);
    folder.module("latecomer", "READY = True\n");
    script.importModule("latecomer");
    EXPECT_TRUE(script.evalBool("latecomer.READY"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("__pycache__")));
}

TEST(ScriptModules, ReloadPicksUpAnEditedModule) {
    ScriptTestFolder folder;
    folder.module("controls", "KICK = 1\n");
    ScriptMaster script(folder.folder());
    script.importModule("controls");
    folder.module("controls", "KICK = 2\nBLOCK = 3\n");
    script.reloadModule("controls");
    EXPECT_EQ(script.evalInt("controls.KICK + controls.BLOCK"), 5);
}

TEST(ScriptModules, ReloadOfANameNeverImportedFailsCleanly) {
    ScriptMaster script("");
    try {
        script.reloadModule("neverimported");
        FAIL() << "reload of a name never imported succeeded";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.getType(), "<class 'TypeError'>");
        EXPECT_EQ(e.getMessage(), "reload() argument must be a module");
        EXPECT_EQ(e.describe(),
                  "An exception occurred inside a script:\n\n<class 'TypeError'>: reload() argument must be a "
                  "module\n\nreload(neverimported)\n");
    }
    // A name that is bound but is no module fails the same way.
    script.execute("stance = 'L'");
    EXPECT_THROW(script.reloadModule("stance"), ScriptException);
    EXPECT_EQ(script.evalInt("3"), 3);
}

TEST(ScriptModules, ABrokenModuleFailsWithItsFileAndLine) {
    ScriptTestFolder folder;
    folder.module("oldstyle", "def decide():\n    print 'kick'\n");
    ScriptMaster script(folder.folder());
    try {
        script.importModule("oldstyle");
        FAIL() << "a module with a syntax error was imported";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.getType(), "<class 'SyntaxError'>");
        EXPECT_NE(e.getMessage().find("oldstyle.py, line 2"), std::string::npos) << e.getMessage();
        EXPECT_NE(e.describe().find("\n\nimport oldstyle\n"), std::string::npos);
    }
    EXPECT_THROW(script.importModule("missingmodule"), ScriptException);
    EXPECT_THROW(script.importModule(""), ScriptException);
}
