// Every script failure becomes a ScriptException: the error's type and message, and a trace
// of the failing code followed by one "file:line  function" line per frame.
#include <Python.h>

#include <gtest/gtest.h>

#include "script/ScriptException.h"
#include "script/ScriptMaster.h"
#include "tests/script/ScriptTestFolder.h"

using Tavek::ScriptException;
using Tavek::ScriptMaster;

namespace {

template <typename Call>
ScriptException failureOf(Call call) {
    try {
        call();
    } catch (const ScriptException& e) {
        return e;
    }
    ADD_FAILURE() << "no ScriptException";
    return ScriptException("", "", "");
}

}  // namespace

TEST(ScriptErrors, DescribeShowsTypeMessageAndEveryFrameWithFileAndLine) {
    ScriptTestFolder folder;
    folder.module("brokenai",
                  "def decide(state):\n"
                  "    return choose(state)\n"
                  "\n"
                  "def choose(state):\n"
                  "    return 10 // state\n");
    ScriptMaster script(folder.folder());
    script.importModule("brokenai");

    ScriptException e = failureOf([&] { script.evalInt("brokenai.decide(0)"); });
    const std::string file = folder.file("brokenai.py");
    EXPECT_EQ(e.getType(), "<class 'ZeroDivisionError'>");
    EXPECT_EQ(e.getMessage(), "integer division or modulo by zero");
    EXPECT_EQ(e.describe(),
              "An exception occurred inside a script:\n\n"
              "<class 'ZeroDivisionError'>: integer division or modulo by zero\n\n"
              "brokenai.decide(0)\n"
              "<string>:1  <module>\n" +
                  file + ":2  decide\n" + file + ":5  choose\n");
}

TEST(ScriptErrors, ASyntaxErrorsTraceBeginsWithTheExpression) {
    ScriptMaster script("");
    ScriptException e = failureOf([&] { script.evaluate("1 +"); });
    EXPECT_EQ(e.getType(), "<class 'SyntaxError'>");
    EXPECT_NE(e.getMessage().find("invalid syntax"), std::string::npos);
    EXPECT_EQ(e.describe().find("An exception occurred inside a script:\n\n<class 'SyntaxError'>: "), 0u);
    EXPECT_NE(e.describe().find("\n\n1 +\n"), std::string::npos);
}

TEST(ScriptErrors, AnErrorRaisedWithoutMessageHasAnEmptyMessage) {
    ScriptMaster script("");
    ScriptException e = failureOf([&] { script.execute("raise KeyboardInterrupt"); });
    EXPECT_EQ(e.getType(), "<class 'KeyboardInterrupt'>");
    EXPECT_EQ(e.getMessage(), "");
    EXPECT_EQ(e.describe(),
              "An exception occurred inside a script:\n\n<class 'KeyboardInterrupt'>: \n\n"
              "raise KeyboardInterrupt\n<string>:1  <module>\n");
}

TEST(ScriptErrors, AScriptThatExitsOnlyEndsTheScript) {
    ScriptMaster script("");
    ScriptException e = failureOf([&] { script.execute("exit(3)"); });
    EXPECT_EQ(e.getType(), "<class 'SystemExit'>");
    EXPECT_EQ(e.getMessage(), "3");
    EXPECT_EQ(script.evalInt("1"), 1);
}

TEST(ScriptErrors, TheErrorIsClearedOnceThrown) {
    ScriptMaster script("");
    EXPECT_THROW(script.execute("undefined_name"), ScriptException);
    EXPECT_NO_THROW(script.checkError("after"));
    EXPECT_EQ(script.evalString("'still running'"), "still running");
}

TEST(ScriptErrors, CheckErrorThrowsAPendingErrorAndClearErrorForgetsIt) {
    ScriptMaster script("");
    PyErr_SetString(PyExc_ValueError, "bad choice");
    ScriptException e = failureOf([&] { script.checkError("decide"); });
    EXPECT_EQ(e.describe(), "An exception occurred inside a script:\n\n<class 'ValueError'>: bad choice\n\ndecide\n");

    PyErr_SetString(PyExc_ValueError, "bad choice");
    script.clearError();
    EXPECT_NO_THROW(script.checkError("decide"));
}
