#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>
#include <xercesc/dom/DOMNode.hpp>

#include "persistence/AttributeNotFoundException.h"
#include "persistence/XercesUtils.h"
#include "tests/persistence/ScratchFolder.h"
#include "tests/persistence/XmlText.h"

namespace {

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float fromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The names of the element's child elements, in order.
std::string childNames(const PersistentObject& object) {
    std::string names;
    for (xercesc::DOMNode* node = object.getElement()->getFirstChild(); node; node = node->getNextSibling()) {
        if (node->getNodeType() != xercesc::DOMNode::ELEMENT_NODE) continue;
        if (!names.empty()) names += ",";
        names += XercesUtils::toChar(node->getNodeName());
    }
    return names;
}

}  // namespace

TEST(PersistenceWrite, ValuesUseTheFileConventions) {
    PersistentObject doc("R");
    doc.setInt("I", -42);
    doc.setFloat("F", 1.0f);
    doc.setBool("T", true);
    doc.setBool("N", false);
    doc.setString("S", "free text");
    EXPECT_EQ(doc.getChild("I").getString("value"), "-42");
    EXPECT_EQ(doc.getChild("F").getString("value"), "0x3F800000");
    EXPECT_EQ(doc.getChild("T").getString("value"), "True");
    EXPECT_EQ(doc.getChild("N").getString("value"), "False");
    EXPECT_EQ(doc.getChild("S").getString("value"), "free text");
    EXPECT_EQ(PersistentObject::formatFloat(-0.0f), "0x80000000");
    EXPECT_EQ(PersistentObject::formatFloat(0.25f), "0x3E800000");
}

TEST(PersistenceWrite, EveryFloatBitPatternRoundTrips) {
    const float samples[] = {0.0f, -0.0f, 1.0f / 3.0f, -123.456f, FLT_MIN, FLT_MAX, FLT_TRUE_MIN, 1e-42f,
                             std::numeric_limits<float>::infinity(), fromBits(0x7FC00123u), fromBits(0xFF800001u)};
    PersistentObject doc("R");
    for (float value : samples) {
        doc.setFloat("F", value);
        EXPECT_EQ(bitsOf(doc.getFloat("F")), bitsOf(value)) << PersistentObject::formatFloat(value);
    }
}

TEST(PersistenceWrite, ReplaceLeavesOneChildAtTheEnd) {
    PersistentObject doc("R");
    doc.setInt("A", 1);
    doc.setInt("B", 2);
    doc.setInt("A", 3);
    EXPECT_EQ(childNames(doc), "B,A");
    EXPECT_EQ(doc.getInt("A"), 3);
}

TEST(PersistenceWrite, WithoutReplaceTheFirstChildStillReads) {
    PersistentObject doc("R");
    doc.setInt("A", 1, false, false);
    doc.setInt("A", 2, false, false);
    EXPECT_EQ(childNames(doc), "A,A");
    EXPECT_EQ(doc.getInt("A"), 1);
}

TEST(PersistenceWrite, AttributeIsOverwrittenInItsPlace) {
    PersistentObject doc("R");
    doc.setInt("a", 1, true);
    doc.setInt("b", 2, true);
    doc.setInt("a", 3, true);
    xercesc::DOMNamedNodeMap* attributes = doc.getElement()->getAttributes();
    ASSERT_EQ(attributes->getLength(), 2u);
    EXPECT_EQ(XercesUtils::toChar(attributes->item(0)->getNodeName()), "a");
    EXPECT_EQ(doc.getInt("a"), 3);
}

TEST(PersistenceWrite, SetTextReplacesEveryShapeOfTheKey) {
    PersistentObject doc = loadXmlText("<R School=\"attr\"><School value=\"v\"/><School>text</School><Other/></R>");
    doc.setText("School", "Crane");
    EXPECT_EQ(childNames(doc), "Other,School");
    EXPECT_EQ(doc.getString("School"), "Crane");
    EXPECT_FALSE(doc.getElement()->hasAttribute(u"School"));
}

TEST(PersistenceWrite, RemoveValueWithAValueRemovesOnlyMatches) {
    PersistentObject doc = loadXmlText(
        "<R FighterPath=\"b.xml\"><FighterPath value=\"a.xml\"/><FighterPath value=\"b.xml\"/>"
        "<FighterPath>b.xml</FighterPath><FighterPath value=\"b.xml\"/></R>");
    doc.removeValue("FighterPath", std::string("b.xml"));
    // The attribute matched; the text-shaped child has no value attribute, so it reads as "".
    EXPECT_FALSE(doc.getElement()->hasAttribute(u"FighterPath"));
    std::vector<PersistentObject> left = doc.getChildren("FighterPath");
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].getString("value"), "a.xml");
    EXPECT_FALSE(left[1].getElement()->hasAttribute(u"value"));  // the text child

    doc.removeValue("FighterPath", std::string(""));
    EXPECT_EQ(doc.getChildren("FighterPath").size(), 1u);
    doc.removeValue("FighterPath");
    EXPECT_TRUE(doc.getChildren("FighterPath").empty());
    doc.removeValue("NotThere");
}

TEST(PersistenceWrite, WritingToAnEmptyObjectIsRefused) {
    PersistentObject empty;
    EXPECT_THROW(empty.setInt("A", 1), std::logic_error);
    EXPECT_THROW(empty.setText("A", "x"), std::logic_error);
    empty.removeValue("A");
    empty.removeChildren();
}

TEST(PersistenceWrite, InvalidKeyNameIsAProgrammingErrorNotACrash) {
    PersistentObject doc("R");
    EXPECT_THROW(doc.setInt("two words", 1), std::invalid_argument);
    EXPECT_THROW(doc.setInt("1st", 1, true), std::invalid_argument);
    EXPECT_THROW(PersistentObject("<bad>", nullptr), std::invalid_argument);
}
