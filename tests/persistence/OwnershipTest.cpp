#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"

TEST(PersistenceOwnership, CopyOfAnOwnerIsAView) {
    PersistentObject owner("R");
    owner.setInt("A", 1);
    {
        PersistentObject copy = owner;
        EXPECT_FALSE(copy.isOwner());
        EXPECT_EQ(copy.getDocument(), owner.getDocument());
        copy.setInt("A", 2);
    }  // the copy lets go without releasing the document
    EXPECT_EQ(owner.getInt("A"), 2);
}

TEST(PersistenceOwnership, MoveHandsOwnershipOver) {
    PersistentObject owner("R");
    owner.setInt("A", 3);
    PersistentObject moved = std::move(owner);
    EXPECT_TRUE(moved.isOwner());
    EXPECT_EQ(owner.getDocument(), nullptr);
    EXPECT_EQ(moved.getInt("A"), 3);

    std::vector<PersistentObject> documents;
    documents.push_back(std::move(moved));
    for (int i = 0; i < 20; ++i) documents.emplace_back("More");  // reallocations move owners
    EXPECT_EQ(documents.front().getInt("A"), 3);
    EXPECT_TRUE(documents.back().isOwner());
}

TEST(PersistenceOwnership, AssigningAViewOfItsOwnDocumentKeepsOwnership) {
    PersistentObject owner("R");
    PersistentObject child("C", &owner);
    child.setInt("A", 4);
    owner = owner.getChild("C");
    EXPECT_TRUE(owner.isOwner());
    EXPECT_EQ(owner.getInt("A"), 4);
}

TEST(PersistenceOwnership, CreateUnderOwnDocumentKeepsOwnership) {
    PersistentObject owner("R");
    owner.create("C", owner.getElement());
    EXPECT_TRUE(owner.isOwner());
    EXPECT_EQ(owner.getTagName(), "C");
    owner.close();
    EXPECT_EQ(owner.getDocument(), nullptr);
    EXPECT_EQ(owner.getElement(), nullptr);
}

TEST(PersistenceOwnership, CreatingUnderAnEmptyParentIsRefused) {
    PersistentObject empty;
    EXPECT_THROW(PersistentObject("C", &empty), std::logic_error);
}
