// Every error the game raises on purpose is a std::exception whose what() is the message it has
// always had, so a boundary (the frame loop, a screen, the plug-in) reports any of them with one
// catch, while the catches of each type keep working as before.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "script/ScriptException.h"
#include "script/ScriptMaster.h"

TEST(GameExceptions, EachIsAStdExceptionWhoseWhatIsItsMessage) {
    PersistentObject record("Fighter");
    record.setText("Age", "old");
    const std::vector<std::pair<std::function<void()>, std::string>> failures = {
        {[&] { record.getInt("Age"); }, "Could not parse attribute Age as '%d' (old)"},
        {[&] { record.getInt("Rank"); }, "Attribute could not be found: Rank"},
        {[&] { record.getChild("Championship"); }, "Element could not be found: Championship"},
        {[] { PersistentObject().save("c:\\profile.xml"); },
         "Could not save c:\\profile.xml: there is no document to write"},
        {[] { throw Tavek::ScriptException("NameError", "name 'x' is not defined", "fighter.py:12  decide\n"); },
         "An exception occurred inside a script:\n\nNameError: name 'x' is not defined\n\nfighter.py:12  decide\n"},
    };
    for (size_t i = 0; i < failures.size(); ++i) {
        try {
            failures[i].first();
            ADD_FAILURE() << "case " << i << " raised nothing";
        } catch (const std::exception& e) {
            EXPECT_NE(dynamic_cast<const GameException*>(&e), nullptr) << "case " << i;
            EXPECT_EQ(e.what(), failures[i].second) << "case " << i;
        }
    }
}

TEST(GameExceptions, AScriptFailureReadsAsTheTextShownToThePlayerWhereverItIsCopied) {
    Tavek::ScriptMaster script("");
    try {
        script.evaluate("1 // 0");
        ADD_FAILURE() << "the script did not fail";
    } catch (const Tavek::ScriptException& e) {
        const Tavek::ScriptException copy(e);
        EXPECT_EQ(copy.what(), e.describe());
        EXPECT_EQ(copy.describe().find("An exception occurred inside a script:\n\n<class 'ZeroDivisionError'>: "), 0u);
    }
}
