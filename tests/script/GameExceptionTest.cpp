// Every error the game raises on purpose is one kind of std::exception whose what() is the
// message it has always had, so a boundary (the frame loop, a screen, the plug-in) reports any
// of them with one catch, while the catches of each type keep working as before.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "persistence/AttributeFormatException.h"
#include "persistence/AttributeNotFoundException.h"
#include "persistence/ElementNotFoundException.h"
#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "script/ScriptException.h"
#include "script/ScriptMaster.h"

namespace {

// The message of whatever call throws, caught as a std::exception, and its own text.
struct Caught {
    std::string what;
    std::string own;
    bool asGameException = false;
};

template <typename Own, typename Text>
Caught catchFrom(const std::function<void()>& call, Text ownText) {
    Caught caught;
    try {
        try {
            call();
        } catch (const Own& e) {
            caught.own = ownText(e);
            throw;
        }
    } catch (const GameException&) {
        caught.asGameException = true;
        try {
            throw;
        } catch (const std::exception& e) {
            caught.what = e.what();
        }
    }
    return caught;
}

}  // namespace

TEST(GameExceptions, EachIsAStdExceptionWhoseWhatIsItsMessage) {
    PersistentObject record("Fighter");
    record.setText("Age", "old");
    auto message = [](const auto& e) { return std::string(e.getMessage()); };
    const std::vector<std::pair<Caught, std::string>> cases = {
        {catchFrom<AttributeFormatException>([&] { record.getInt("Age"); }, message),
         "Could not parse attribute Age as '%d' (old)"},
        {catchFrom<AttributeNotFoundException>([&] { record.getInt("Rank"); }, message),
         "Attribute could not be found: Rank"},
        {catchFrom<ElementNotFoundException>([&] { record.getChild("Championship"); }, message),
         "Element could not be found: Championship"},
        {catchFrom<XMLFileException>([&] { PersistentObject().save("c:\\profile.xml"); }, message),
         "Could not save c:\\profile.xml: there is no document to write"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& [caught, expected] = cases[i];
        EXPECT_TRUE(caught.asGameException) << "case " << i;
        EXPECT_EQ(caught.own, expected) << "case " << i;
        EXPECT_EQ(caught.what, expected) << "case " << i;
    }
}

TEST(GameExceptions, AScriptFailureReadsAsTheTextShownToThePlayerAndSurvivesACopy) {
    Tavek::ScriptMaster script("");
    auto describe = [](const Tavek::ScriptException& e) { return e.describe(); };
    Caught caught = catchFrom<Tavek::ScriptException>([&] { script.evaluate("1 // 0"); }, describe);
    EXPECT_TRUE(caught.asGameException);
    EXPECT_EQ(caught.what, caught.own);
    EXPECT_EQ(caught.what.find("An exception occurred inside a script:\n\n<class 'ZeroDivisionError'>: "), 0u);

    const Tavek::ScriptException original("NameError", "name 'x' is not defined", "fighter.py:12 decide");
    const Tavek::ScriptException copy(original);
    EXPECT_STREQ(copy.what(), original.describe().c_str());
    EXPECT_EQ(copy.getMessage(), "name 'x' is not defined");
}
