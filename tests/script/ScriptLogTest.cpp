// The native module "log": scripts write one value per call to the debug output.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_host.h"
#include "script/ScriptException.h"
#include "script/ScriptMaster.h"
#include "tests/script/ScriptTestFolder.h"

using Tavek::ScriptException;
using Tavek::ScriptMaster;

namespace {

class ScriptLog : public ::testing::Test {
protected:
    void SetUp() override {
        win32::setDebugSink([this](const char* text) { written += text; });
    }
    void TearDown() override { win32::setDebugSink(nullptr); }

    std::string written;
};

const char* const noArguments =
    "An exception occurred inside a script:\n\nScriptException: No arguments passed to log()\n\n";

}  // namespace

TEST_F(ScriptLog, WritesOnlyTheFirstValueAndANewline) {
    ScriptMaster script("");
    script.execute("log(1, 2)");
    script.execute("log('guard up')");
    script.execute("log([0.5, None])");
    EXPECT_EQ(written, "1\nguard up\n[0.5, None]\n");
}

TEST_F(ScriptLog, ModulesImportItToo) {
    ScriptTestFolder folder;
    folder.module("chatty", "import log\ndef speak():\n    log.log('from a module')\n    return 7\n");
    ScriptMaster script(folder.folder());
    script.importModule("chatty");
    EXPECT_EQ(script.evalInt("chatty.speak()"), 7);
    EXPECT_EQ(written, "from a module\n");
}

TEST_F(ScriptLog, WithoutAValueTheScriptStopsWithAScriptException) {
    ScriptMaster script("");
    try {
        script.execute("log()");
        FAIL() << "log() without a value did not fail";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.getType(), "ScriptException");
        EXPECT_EQ(e.getMessage(), "No arguments passed to log()");
        EXPECT_EQ(e.describe(), noArguments);
    }
    EXPECT_EQ(written, "");
    // The interpreter is unharmed.
    EXPECT_EQ(script.evalInt("2 + 2"), 4);
    script.execute("log('after')");
    EXPECT_EQ(written, "after\n");
}

TEST_F(ScriptLog, AScriptCannotSwallowTheFailure) {
    ScriptTestFolder folder;
    folder.module("careless",
                  "def decide():\n"
                  "    try:\n"
                  "        log()\n"
                  "    except Exception:\n"
                  "        pass\n"
                  "    return 1\n"
                  "from log import log\n");
    ScriptMaster script(folder.folder());
    script.importModule("careless");
    try {
        script.evalInt("careless.decide()");
        FAIL() << "the failure of log() was lost";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.describe(), noArguments);
    }
    EXPECT_EQ(script.evalInt("5"), 5);
}
