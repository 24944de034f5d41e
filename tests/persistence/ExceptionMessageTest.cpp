#include <gtest/gtest.h>

#include "persistence/AttributeFormatException.h"
#include "persistence/AttributeNotFoundException.h"
#include "persistence/ElementNotFoundException.h"
#include "persistence/XMLFileException.h"

TEST(PersistenceExceptions, MessagesNameTheKeyTextAndType) {
    EXPECT_EQ(AttributeFormatException("Age", "abc", "%d").getMessage(), "Could not parse attribute Age as '%d' (abc)");
    EXPECT_EQ(AttributeNotFoundException("Name").getMessage(), "Attribute could not be found: Name");
    EXPECT_EQ(ElementNotFoundException("Last").getMessage(), "Element could not be found: Last");
    EXPECT_EQ(XMLFileException("disk full").getMessage(), "disk full");
}

