#include <set>

#include <gtest/gtest.h>

#include "persistence/ElementNotFoundException.h"
#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/crt.h"
#include "state/NameGenerator.h"
#include "tests/persistence/ScratchFolder.h"

using Tavek::NameGenerator;

namespace {

std::string namesFile(const std::string& last, const std::string& male, const std::string& female) {
    return "<Names><Last>" + last + "</Last><First type=\"m\">" + male + "</First><First type=\"f\">" + female +
           "</First></Names>";
}

std::string entries(std::initializer_list<const char*> names) {
    std::string xml;
    for (const char* name : names) xml += std::string("<Name value=\"") + name + "\"/>";
    return xml;
}

}  // namespace

TEST(NameGenerator, SeededSequenceFollowsTheClassicShuffle) {
    ScratchFolder folder;
    folder.write("names.xml", namesFile(entries({"alpha", "bravo", "charlie", "delta", "echo"}),
                                        entries({"adam", "bob", "carl"}), entries({"ann", "beth"})));
    NameGenerator generator(folder.file("names.xml"));
    crt::srand(12345);
    std::vector<std::string> made;
    for (bool male : {true, false, true, true, false, true, false, true}) made.push_back(generator.makeName(male));
    // Worked out by hand from the shuffle's definition and the runtime's generator.
    const std::vector<std::string> expected = {"Carl Echo",   "Ann Bravo",   "Adam Alpha",  "Bob Charlie",
                                               "Beth Delta",  "Carl Charlie", "Beth Alpha", "Adam Echo"};
    EXPECT_EQ(made, expected);
}

TEST(NameGenerator, LongListsWidenTheRandomRange) {
    ScratchFolder folder;
    std::string many;
    for (int i = 0; i < 32769; ++i) many += "<Name value=\"n" + std::to_string(i) + "\"/>";
    folder.write("names.xml", namesFile(many, "", ""));
    PersistentObject document;
    document.load(folder.file("names.xml"));
    NameGenerator::NameList list(document.getChild("Last"));
    crt::srand(7);
    std::vector<std::string> drawn;
    for (int i = 0; i < 32769; ++i) drawn.push_back(list.next());
    EXPECT_EQ(drawn[0], "n16132");
    EXPECT_EQ(drawn[1], "n5268");
    EXPECT_EQ(drawn[2], "n32390");
    EXPECT_EQ(drawn[32766], "n18481");
    EXPECT_EQ(drawn[32768], "n14816");
    EXPECT_EQ(std::set<std::string>(drawn.begin(), drawn.end()).size(), 32769u);
}

TEST(NameGenerator, EveryNameOncePerPass) {
    ScratchFolder folder;
    folder.write("names.xml", namesFile(entries({"a", "b", "c"}), "", ""));
    PersistentObject document;
    document.load(folder.file("names.xml"));
    NameGenerator::NameList list(document.getChild("Last"));
    crt::srand(1);
    for (int pass = 0; pass < 4; ++pass) {
        std::set<std::string> seen;
        for (int i = 0; i < 3; ++i) seen.insert(list.next());
        EXPECT_EQ(seen, (std::set<std::string>{"a", "b", "c"})) << "pass " << pass;
    }
}

TEST(NameGenerator, EmptyFemaleListLeavesTheBlank) {
    ScratchFolder folder;
    folder.write("names.xml", namesFile(entries({"lee"}), entries({"sam"}), ""));
    NameGenerator generator(folder.file("names.xml"));
    EXPECT_EQ(generator.makeName(false), " Lee");
    EXPECT_EQ(generator.makeName(true), "Sam Lee");
}

TEST(NameGenerator, ValueChildAndNamesWithoutValue) {
    ScratchFolder folder;
    folder.write("names.xml", namesFile("<Name><value>park</value></Name><Name/><Name value=\"\"/><Name>x</Name>",
                                        entries({"jo"}), entries({"di"})));
    PersistentObject document;
    document.load(folder.file("names.xml"));
    NameGenerator::NameList list(document.getChild("Last"));
    // The text-only Name has no value key and is skipped; an empty value is a name.
    EXPECT_EQ(list.getNames(), (std::vector<std::string>{"park", ""}));
}

TEST(NameGenerator, CapitaliseIsSafeForEveryByte) {
    EXPECT_EQ(Tavek::capitalise("mCdONALD"), "Mcdonald");
    EXPECT_EQ(Tavek::capitalise("x"), "X");
    EXPECT_EQ(Tavek::capitalise(""), "");
    // Bytes above 127 are name letters, not negative codes; the C locale leaves them as they are.
    EXPECT_EQ(Tavek::capitalise("\xE9MILE"), "\xE9mile");
    EXPECT_EQ(Tavek::capitalise("\xFF\x80Z"), "\xFF\x80z");
}

TEST(NameGenerator, MissingFileOrListIsReported) {
    ScratchFolder folder;
    EXPECT_THROW(NameGenerator(folder.file("names.xml")), XMLFileException);
    folder.write("names.xml", "<Names><Last/><First type=\"m\"/></Names>");
    EXPECT_THROW(NameGenerator(folder.file("names.xml")), ElementNotFoundException);
    folder.write("names.xml", "<Names><First type=\"m\"/><First type=\"f\"/></Names>");
    EXPECT_THROW(NameGenerator(folder.file("names.xml")), ElementNotFoundException);
}
