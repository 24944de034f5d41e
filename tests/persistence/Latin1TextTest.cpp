#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "persistence/XercesUtils.h"
#include "tests/persistence/ScratchFolder.h"

TEST(PersistenceText, EveryByteSurvivesConversion) {
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    std::u16string xml = XercesUtils::toXMLCh(all);
    ASSERT_EQ(xml.size(), all.size());
    EXPECT_EQ(xml[0xE9 - 1], u'\u00E9');
    EXPECT_EQ(XercesUtils::toChar(xml.c_str()), all);
}

TEST(PersistenceText, WideCharactersBecomeOneQuestionMark) {
    EXPECT_EQ(XercesUtils::toChar(u"a\u20ACb"), "a?b");
    EXPECT_EQ(XercesUtils::toChar(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(XercesUtils::toChar(nullptr), "");
}

TEST(PersistenceText, AccentedGameTextRoundTripsThroughAFile) {
    ScratchFolder folder;
    const std::string name = "Jos\xE9 M\xFCller \xAB\xDF\xBB";
    const std::string school = "Caf\xE9 <Dojang> & \"Sons\"";
    {
        PersistentObject document("Fighter");
        document.setString("name", name, true);
        document.setText("School", school);
        document.save(folder.file("fighter0.xml"));
    }
    // The file is proper UTF-8, as any XML tool expects.
    EXPECT_NE(folder.read("fighter0.xml").find("Jos\xC3\xA9"), std::string::npos);
    PersistentObject back;
    back.load(folder.file("fighter0.xml"));
    EXPECT_EQ(back.getString("name"), name);
    EXPECT_EQ(back.getString("School"), school);
}

TEST(PersistenceText, HandWrittenLatin1FileReads) {
    ScratchFolder folder;
    folder.write("names.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Names><Name value=\"Ren\xE9\"/></Names>");
    PersistentObject document;
    document.load(folder.file("names.xml"));
    EXPECT_EQ(document.getChild("Name").getString("value"), "Ren\xE9");
}
