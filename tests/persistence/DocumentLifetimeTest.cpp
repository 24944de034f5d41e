// A document's owner and its views share it: a view kept after its owner was closed, reloaded,
// moved from or destroyed still reads and writes the document it was taken from, which goes
// with the last of them. The sanitizer build turns any read of freed memory here into a failure.
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "tests/persistence/ScratchFolder.h"

TEST(DocumentLifetime, ViewsOutliveTheirOwnerHoweverItLetsGo) {
    ScratchFolder folder;
    folder.write("fighter.xml",
                 "<Fighter><Age value=\"40\"/><Championship><CurrentTier value=\"3\"/>"
                 "<CurrentTournament name=\"Spring Open\"/></Championship></Fighter>");
    folder.write("other.xml", "<Fighter><Age value=\"19\"/></Fighter>");
    const std::string file = folder.file("fighter.xml");
    const char* endings[] = {"closed", "reloaded", "moved from", "destroyed"};
    for (int ending = 0; ending < 4; ++ending) {
        auto owner = std::make_unique<PersistentObject>();
        owner->load(file);
        PersistentObject root = *owner;
        PersistentObject championship = owner->getChild("Championship");
        std::vector<PersistentObject> tournaments = championship.getChildren("CurrentTournament");
        PersistentObject fromElement(championship.getElement());

        if (ending == 0) owner->close();
        if (ending == 1) owner->load(folder.file("other.xml"));
        if (ending == 2) PersistentObject taken = std::move(*owner);
        if (ending == 3) owner.reset();

        SCOPED_TRACE(std::string("owner ") + endings[ending]);
        EXPECT_EQ(root.getInt("Age"), 40);
        EXPECT_EQ(championship.getInt("CurrentTier"), 3);
        EXPECT_EQ(tournaments.at(0).getString("name"), "Spring Open");
        EXPECT_EQ(fromElement.getTagName(), "Championship");
        // Writes reach the kept document, and it still saves whole.
        fromElement.setInt("CurrentTier", 4);
        EXPECT_EQ(root.getChild("Championship").getInt("CurrentTier"), 4);
        tournaments.at(0).save(folder.file("kept.xml"));
        PersistentObject kept;
        kept.load(folder.file("kept.xml"));
        EXPECT_EQ(kept.getChild("Championship").getInt("CurrentTier"), 4);
        if (ending == 1) {
            EXPECT_EQ(owner->getInt("Age"), 19);
        }
    }
}
