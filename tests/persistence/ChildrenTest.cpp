#include <gtest/gtest.h>

#include <xercesc/dom/DOMElement.hpp>

#include "persistence/ElementNotFoundException.h"
#include "tests/persistence/XmlText.h"

TEST(PersistenceChildren, FilterByAttributeValue) {
    PersistentObject doc = loadXmlText(
        "<Names><First type=\"f\"><Name value=\"ann\"/></First><First type=\"m\"><Name value=\"bob\"/></First>"
        "<First><Name value=\"x\"/></First><First type=\"\"/><Last/></Names>");
    EXPECT_EQ(doc.getChildren("First").size(), 4u);
    EXPECT_EQ(doc.getChild("First", "type", "m").getChild("Name").getString("value"), "bob");
    EXPECT_EQ(doc.getChildren("First", "type", "").size(), 1u);  // only an attribute that is empty
    EXPECT_THROW(doc.getChild("First", "type", "x"), ElementNotFoundException);
    EXPECT_THROW(doc.getChild("Middle"), ElementNotFoundException);
    EXPECT_EQ(doc.findChildren("First", "", "", true).size(), 1u);
}

TEST(PersistenceChildren, ChildViewsWriteIntoTheSameDocument) {
    PersistentObject doc("Fighter");
    PersistentObject championship("Championship", &doc);
    EXPECT_FALSE(championship.isOwner());
    EXPECT_EQ(championship.getDocument(), doc.getDocument());
    championship.setInt("CurrentTier", 2);
    EXPECT_EQ(doc.getChild("Championship").getInt("CurrentTier"), 2);
    EXPECT_EQ(championship.getTagName(), "Championship");
}

TEST(PersistenceChildren, RemoveChildOnlyRemovesDirectChildren) {
    PersistentObject doc = loadXmlText("<R><A><B/></A><A/></R>");
    PersistentObject first = doc.getChild("A");
    PersistentObject grandChild = first.getChild("B");
    doc.removeChild(grandChild);  // not a child of R: nothing happens
    EXPECT_EQ(first.getChildren("B").size(), 1u);
    doc.removeChild(first);
    EXPECT_EQ(doc.getChildren("A").size(), 1u);
    EXPECT_TRUE(doc.getChild("A").getChildren("B").empty());
}

TEST(PersistenceChildren, RemoveChildrenClearsEveryKindOfNode) {
    PersistentObject doc = loadXmlText("<R a=\"1\">text<!-- c --><A/><B/></R>");
    doc.removeChildren();
    EXPECT_EQ(doc.getElement()->getFirstChild(), nullptr);
    EXPECT_EQ(doc.getInt("a"), 1);  // attributes are not children
}

TEST(PersistenceChildren, ViewOfARemovedChildStaysUsable) {
    PersistentObject doc = loadXmlText("<R><Fighter><Age value=\"20\"/></Fighter></R>");
    PersistentObject fighter = doc.getChild("Fighter");
    doc.removeValue("Fighter");
    EXPECT_EQ(fighter.getInt("Age"), 20);
    EXPECT_TRUE(doc.getChildren("Fighter").empty());
}
