// Evaluation and execution through the bridge: typed results, the two pairs of dictionaries,
// and the interpreter's lifetime and isolation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/win32/crt.h"
#include "script/ScriptException.h"
#include "script/ScriptMaster.h"
#include "tests/script/ScriptTestFolder.h"

using Tavek::ScriptException;
using Tavek::ScriptMaster;

TEST(ScriptMaster, TypedEvaluation) {
    ScriptMaster script("");
    EXPECT_EQ(script.evalInt("7 // 2"), 3);
    EXPECT_DOUBLE_EQ(script.evalDouble("1 / 4"), 0.25);
    EXPECT_DOUBLE_EQ(script.evalDouble("3"), 3.0);
    EXPECT_FLOAT_EQ(script.evalFloat("0.5 + 0.25"), 0.75f);
    EXPECT_EQ(script.evalString("'kick' * 2"), "kickkick");
    EXPECT_EQ(script.evalString("[1, None]"), "[1, None]");
    EXPECT_EQ(script.evalLong("-12"), -12);
}

TEST(ScriptMaster, FloatsAreTruncatedWhereAWholeNumberIsWanted) {
    ScriptMaster script("");
    EXPECT_EQ(script.evalInt("3.9"), 3);
    EXPECT_EQ(script.evalInt("-3.9"), -3);
    EXPECT_EQ(script.evalInt("True"), 1);
    EXPECT_EQ(script.evalInt("2**31 - 1"), 2147483647);
    EXPECT_EQ(script.evalInt("-2**31"), -2147483647 - 1);
}

TEST(ScriptMaster, TextAndValuesBeyond32BitsAreNotWholeNumbers) {
    ScriptMaster script("");
    try {
        script.evalInt("'5'");
        FAIL() << "text counted as a number";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.getType(), "<class 'TypeError'>");
    }
    try {
        script.evalInt("2**31");
        FAIL() << "a value beyond 32 bits was accepted";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.getType(), "<class 'OverflowError'>");
    }
    EXPECT_THROW(script.evalInt("None"), ScriptException);
    EXPECT_THROW(script.evalInt("float('nan')"), ScriptException);
    EXPECT_THROW(script.evalDouble("'0.5'"), ScriptException);
    // The interpreter is usable after each failure.
    EXPECT_EQ(script.evalInt("40 + 2"), 42);
}

TEST(ScriptMaster, OnlyTheTrueObjectIsTrue) {
    ScriptMaster script("");
    EXPECT_FALSE(script.evalBool("1"));
    EXPECT_FALSE(script.evalBool("'yes'"));
    EXPECT_TRUE(script.evalBool("1 == 1"));
    EXPECT_FALSE(script.evalBool("1 == 2"));
}

TEST(ScriptMaster, StatementsRunInTheInstancesOwnDictionariesOrInTheMainModule) {
    ScriptMaster script("");
    script.execute("stance = 'R'\ndef mirrored(s):\n    return 'L' if s == 'R' else 'R'\n");
    EXPECT_EQ(script.evalString("mirrored(stance)"), "L");

    script.execute("shared = 5", true);
    EXPECT_NO_THROW(script.execute("assert shared == 5", true));
    EXPECT_THROW(script.execute("assert shared == 6", true), ScriptException);
    EXPECT_THROW(script.evalInt("shared"), ScriptException);
    EXPECT_THROW(script.evalInt("open"), ScriptException);
}

TEST(ScriptMaster, TwoInstancesKeepTheirOwnNames) {
    ScriptMaster first("");
    ScriptMaster second("");
    EXPECT_EQ(ScriptMaster::getInstanceCount(), 2);
    first.execute("who = 'first'");
    second.execute("who = 'second'");
    EXPECT_EQ(first.evalString("who"), "first");
    EXPECT_EQ(second.evalString("who"), "second");
}

TEST(ScriptMaster, TheInterpreterStartsAgainAfterTheLastInstance) {
    {
        ScriptMaster script("");
        script.execute("x = 1");
    }
    EXPECT_EQ(ScriptMaster::getInstanceCount(), 0);
    ScriptMaster again("");
    EXPECT_EQ(again.evalInt("6 * 7"), 42);
    EXPECT_THROW(again.evalInt("x"), ScriptException);
}

// One seed replays the game: the first instance seeds the scripts' random with the C runtime's
// seed, and the runtime's own sequence goes on as if nothing had been drawn.
TEST(ScriptMaster, TheScriptsRandomStartsFromTheRuntimesSeedWithoutADraw) {
    ASSERT_EQ(ScriptMaster::getInstanceCount(), 0);
    std::string expected;
    {
        ScriptMaster reference("");
        reference.importModule("random");
        reference.execute("random.seed(2718281)");
        expected = reference.evalString("[random.random() for _ in range(3)]");
    }
    crt::srand(2718281);
    const int firstDraw = crt::rand();
    crt::srand(2718281);
    ScriptMaster script("");
    EXPECT_EQ(crt::rand(), firstDraw);
    script.importModule("random");
    EXPECT_EQ(script.evalString("[random.random() for _ in range(3)]"), expected);

    // A second instance joins the running interpreter and leaves its random as it is.
    const std::string next = script.evalString("random.getstate()");
    ScriptMaster second("");
    EXPECT_EQ(script.evalString("random.getstate()"), next);
}

TEST(ScriptMaster, TheScriptFolderGoesFirstOnTheModulePathAndAnEmptyOneChangesNothing) {
    ScriptTestFolder folder;
    std::string plainPath;
    {
        ScriptMaster script("");
        plainPath = script.evalString("__import__('sys').path");
    }
    ScriptMaster script(folder.folder());
    EXPECT_EQ(script.evalString("__import__('sys').path[0]"), folder.folder());
    EXPECT_EQ(script.evalString("__import__('sys').path[1:]"), plainPath);
}

TEST(ScriptMaster, GameFoldersWithBackslashesBecomeHostPaths) {
    ScriptTestFolder folder;
    std::filesystem::create_directories(folder.file("Tavek_res/scripts"));
    std::string gamePath = folder.folder() + "\\tavek_res\\SCRIPTS";
    ScriptMaster script(gamePath);
    EXPECT_EQ(script.evalString("__import__('sys').path[0]"), folder.file("Tavek_res/scripts"));
}

TEST(ScriptMaster, TheInterpreterIgnoresTheUsersPythonSetup) {
    ScriptTestFolder folder;
    ::setenv("PYTHONPATH", folder.folder().c_str(), 1);
    ScriptMaster script("");
    ::unsetenv("PYTHONPATH");
    EXPECT_FALSE(script.evalBool("__import__('sys').path.count('" + folder.folder() + "') > 0"));
    EXPECT_EQ(script.evalInt("__import__('sys').flags.isolated"), 1);
    EXPECT_EQ(script.evalInt("__import__('sys').flags.no_site"), 1);
    EXPECT_EQ(script.evalInt("__import__('sys').flags.hash_randomization"), 0);
    EXPECT_TRUE(script.evalBool("__import__('sys').dont_write_bytecode"));
    // The system's own interpreter library, whatever python3 comes first on the PATH.
    EXPECT_EQ(script.evalString("__import__('sys').version_info[:2]"), "(3, 11)");
    EXPECT_EQ(script.evalString("__import__('os').__file__"), "/usr/lib/python3.11/os.py");
}

TEST(ScriptMaster, GameTextIsSingleByte) {
    ScriptMaster script("");
    // A Latin-1 byte in the code comes back as the same byte.
    EXPECT_EQ(script.evalString("'Jos\xe9'"), "Jos\xe9");
    EXPECT_EQ(script.evalInt("len('Jos\xe9')"), 4);
    // A character the game cannot show becomes '?'.
    EXPECT_EQ(script.evalString("'\\u20ac5'"), "?5");
}
