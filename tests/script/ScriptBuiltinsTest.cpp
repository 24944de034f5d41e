// Code run through the bridge sees only the restricted builtins: no files, no console. The
// older names the fighter scripts were written with still work.
#include <gtest/gtest.h>

#include "script/ScriptException.h"
#include "script/ScriptMaster.h"
#include "tests/script/ScriptTestFolder.h"

using Tavek::ScriptException;
using Tavek::ScriptMaster;

namespace {

std::string typeOfFailure(ScriptMaster& script, const std::string& code) {
    try {
        script.execute(code);
    } catch (const ScriptException& e) {
        return e.getType();
    }
    return "no failure";
}

}  // namespace

TEST(ScriptBuiltins, FilesAndTheConsoleAreOutOfReach) {
    ScriptMaster script("");
    for (const char* name : {"open", "input", "quit", "help", "copyright", "credits", "license", "breakpoint"}) {
        EXPECT_EQ(typeOfFailure(script, name), "<class 'NameError'>") << name;
    }
    // Not even through the dictionaries' own builtins entry.
    EXPECT_EQ(typeOfFailure(script, "__builtins__['open']"), "<class 'KeyError'>");
}

TEST(ScriptBuiltins, TheAllowedBuiltinsAreThere) {
    ScriptMaster script("");
    EXPECT_EQ(script.evalInt("len(sorted(set([3, 1, 3])))"), 2);
    EXPECT_EQ(script.evalInt("max(abs(-4), min(9, 5))"), 5);
    EXPECT_EQ(script.evalString("str(divmod(7, 2))"), "(3, 1)");
    EXPECT_TRUE(script.evalBool("isinstance(None, object) and callable(len)"));
    EXPECT_EQ(script.evalInt("__import__('math').floor(2.5)"), 2);
}

TEST(ScriptBuiltins, OlderNamesMapToTheirModernEquivalents) {
    ScriptMaster script("");
    EXPECT_EQ(script.evalInt("long(7.9)"), 7);
    EXPECT_EQ(script.evalString("unicode(12)"), "12");
    EXPECT_TRUE(script.evalBool("isinstance('a', basestring)"));
    EXPECT_EQ(script.evalInt("sum(xrange(4))"), 6);
    EXPECT_EQ(script.evalString("unichr(65)"), "A");
    EXPECT_EQ(script.evalInt("reduce(lambda a, b: a * b, [1, 2, 3, 4])"), 24);
    EXPECT_EQ(script.evalInt("apply(max, (3, 8))"), 8);
    EXPECT_EQ(script.evalInt("cmp(1, 2)"), -1);
    EXPECT_EQ(script.evalInt("cmp('b', 'a')"), 1);
    EXPECT_EQ(script.evalString("intern('stance')"), "stance");
    EXPECT_EQ(script.evalInt("len(buffer(b'abc'))"), 3);
    EXPECT_TRUE(script.evalBool("issubclass(ZeroDivisionError, StandardError)"));
    EXPECT_TRUE(script.evalBool("WindowsError is OSError"));
    EXPECT_EQ(typeOfFailure(script, "exit()"), "<class 'SystemExit'>");
    EXPECT_EQ(typeOfFailure(script, "coerce"), "<class 'NameError'>");
    EXPECT_EQ(typeOfFailure(script, "execfile"), "<class 'NameError'>");
}

TEST(ScriptBuiltins, ModulesKeepTheFullBuiltins) {
    ScriptTestFolder folder;
    folder.module("ordinary", "def has_open():\n    return callable(open)\n");
    ScriptMaster script(folder.folder());
    script.importModule("ordinary");
    EXPECT_TRUE(script.evalBool("ordinary.has_open()"));
}
