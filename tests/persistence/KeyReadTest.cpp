#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "persistence/AttributeFormatException.h"
#include "persistence/AttributeNotFoundException.h"
#include "tests/persistence/XmlText.h"

namespace {

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The type an unreadable key reports, or "" when it read.
template <typename Read>
std::string formatErrorOf(Read read) {
    try {
        read();
    } catch (const AttributeFormatException& e) {
        return e.getType();
    }
    return "";
}

}  // namespace

TEST(PersistenceKeys, AttributeWinsOverChildAndValueWinsOverText) {
    PersistentObject doc = loadXmlText(
        "<R K=\"1\"><K value=\"2\"/>"
        "<A value=\"7\">9</A><B>9</B><C/><D value=\"\">5</D></R>");
    EXPECT_EQ(doc.getInt("K"), 1);
    EXPECT_EQ(doc.getInt("A"), 7);
    EXPECT_EQ(doc.getInt("B"), 9);
    EXPECT_EQ(doc.getString("C"), "");
    EXPECT_EQ(doc.getString("D"), "");  // an empty value attribute still wins over the text
}

TEST(PersistenceKeys, TextShapeReadsAllDescendantText) {
    PersistentObject doc = loadXmlText("<R><School>Tiger <b>Claw</b></School></R>");
    EXPECT_EQ(doc.getString("School"), "Tiger Claw");
}

TEST(PersistenceKeys, EmptyChildIsAFormatErrorForNumbersAndBooleans) {
    PersistentObject doc = loadXmlText("<R><C/></R>");
    EXPECT_EQ(formatErrorOf([&] { doc.getInt("C"); }), "%d");
    EXPECT_EQ(formatErrorOf([&] { doc.getFloat("C"); }), "%f");
    EXPECT_EQ(formatErrorOf([&] { doc.getBool("C"); }), "bool");
}

TEST(PersistenceKeys, MissingKeyRaisesNotFoundForEveryType) {
    PersistentObject doc = loadXmlText("<R/>");
    EXPECT_THROW(doc.getString("X"), AttributeNotFoundException);
    EXPECT_THROW(doc.getInt("X"), AttributeNotFoundException);
    EXPECT_THROW(doc.getFloat("X"), AttributeNotFoundException);
    EXPECT_THROW(doc.getBool("X"), AttributeNotFoundException);
    EXPECT_FALSE(doc.getText("X").has_value());
    EXPECT_EQ(doc.getValue("X"), nullptr);
}

TEST(PersistenceKeys, NamesMatchCaseSensitively) {
    PersistentObject doc = loadXmlText("<R age=\"3\"/>");
    EXPECT_THROW(doc.getInt("Age"), AttributeNotFoundException);
}

TEST(PersistenceKeys, IntegersReadLikeTheClassicScan) {
    EXPECT_EQ(PersistentObject::parseInt("k", "  7"), 7);
    EXPECT_EQ(PersistentObject::parseInt("k", "\n\t-12"), -12);
    EXPECT_EQ(PersistentObject::parseInt("k", "+5"), 5);
    EXPECT_EQ(PersistentObject::parseInt("k", "12abc"), 12);
    EXPECT_EQ(PersistentObject::parseInt("k", "0x10"), 0);
    EXPECT_EQ(PersistentObject::parseInt("k", "-2147483648"), INT32_MIN);
    EXPECT_EQ(PersistentObject::parseInt("k", "2147483647"), INT32_MAX);
}

TEST(PersistenceKeys, UnreadableIntegersAreFormatErrors) {
    for (const char* text : {"", "   ", "abc", "-", "+ 3", "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(formatErrorOf([&] { PersistentObject::parseInt("k", text); }), "%d") << text;
    }
}

TEST(PersistenceKeys, FloatsReadAsBitPatternsOrDecimals) {
    EXPECT_EQ(PersistentObject::parseFloat("k", "0x3F800000"), 1.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "0x3f800000"), 1.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "1.5"), 1.5f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "0.25"), 0.25f);
    EXPECT_EQ(PersistentObject::parseFloat("k", " -2.5e1"), -25.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", ".5"), 0.5f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "3."), 3.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "7kg"), 7.0f);
}

TEST(PersistenceKeys, BitPatternNeedsLowerCaseXAndReadsAtMostEightDigits) {
    // A capital X is no bit pattern: the decimal scan stops after the leading zero.
    EXPECT_EQ(PersistentObject::parseFloat("k", "0X3F800000"), 0.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "0x"), 0.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "0xZZ"), 0.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", " 0x3F800000"), 0.0f);
    EXPECT_EQ(PersistentObject::parseFloat("k", "0x3F8000001"), 1.0f);
    EXPECT_EQ(bitsOf(PersistentObject::parseFloat("k", "0x1")), 1u);
}

TEST(PersistenceKeys, HexInfinityAndNanTextAreNotNumbers) {
    // The C library's float scan would read all of these; game files never hold them.
    for (const char* text : {"inf", "-INF", "nan", "NaN(1)", "infinity", "1e999", "-1e39", "abc", "", "  ", "-", "."}) {
        EXPECT_EQ(formatErrorOf([&] { PersistentObject::parseFloat("k", text); }), "%f") << text;
    }
    // Hex float text is read as the bit pattern of its leading digits, never as 3.0.
    EXPECT_EQ(bitsOf(PersistentObject::parseFloat("k", "0x1.8p1")), 1u);
}

TEST(PersistenceKeys, BooleansAreExactlyTrueOrFalse) {
    PersistentObject doc = loadXmlText("<R a=\"True\" b=\"False\" c=\"true\" d=\" True\" e=\"1\" f=\"\"/>");
    EXPECT_TRUE(doc.getBool("a"));
    EXPECT_FALSE(doc.getBool("b"));
    for (const char* key : {"c", "d", "e", "f"}) EXPECT_EQ(formatErrorOf([&] { doc.getBool(key); }), "bool") << key;
}

TEST(PersistenceKeys, FormatErrorCarriesTheTextFound) {
    PersistentObject doc = loadXmlText("<R><Age value=\"abc\"/></R>");
    try {
        doc.getInt("Age");
        FAIL();
    } catch (const AttributeFormatException& e) {
        EXPECT_EQ(e.getMessage(), "Could not parse attribute Age as '%d' (abc)");
    }
}

TEST(PersistenceKeys, EmptyObjectHasNoKeys) {
    PersistentObject empty;
    EXPECT_THROW(empty.getInt("A"), AttributeNotFoundException);
    EXPECT_TRUE(empty.getChildren("A").empty());
}
