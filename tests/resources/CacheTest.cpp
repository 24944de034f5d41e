#include <gtest/gtest.h>

#include "resources/DataCache.h"
#include "resources/FileMemory.h"

TEST(Cache, FindAddsAReferenceEachTimeItSucceeds) {
    DataCache<int> cache;
    cache.insert("a.x", 7);
    int value = 0;
    ASSERT_TRUE(cache.find("a.x", value));
    EXPECT_EQ(value, 7);
    ASSERT_TRUE(cache.find("a.x", value));
    EXPECT_EQ(cache.references("a.x"), 3u);
    // A caller that only wanted the value must release once per find.
    EXPECT_FALSE(cache.release("a.x"));
    EXPECT_FALSE(cache.release("a.x"));
    EXPECT_TRUE(cache.release("a.x"));
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_FALSE(cache.find("a.x", value));
}

TEST(Cache, MissLeavesTheOutputAlone) {
    DataCache<int> cache;
    int value = 42;
    EXPECT_FALSE(cache.find("absent", value));
    EXPECT_EQ(value, 42);
}

TEST(Cache, ReleaseOfAnUncachedNameChangesNothing) {
    DataCache<int> cache;
    cache.insert("kept", 1);
    EXPECT_FALSE(cache.release("other"));
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(cache.references("kept"), 1u);
}

TEST(Cache, NamesCompareExactly) {
    DataCache<int> cache;
    cache.insert("gui\\A.x", 1);
    cache.insert("gui/A.x", 2);
    cache.insert("gui\\a.x", 3);
    int value = 0;
    ASSERT_TRUE(cache.find("gui/A.x", value));
    EXPECT_EQ(value, 2);
    EXPECT_EQ(cache.size(), 3u);
}

TEST(Cache, InsertingAPresentNameThrowsAndKeepsTheFirstValue) {
    DataCache<int> cache;
    cache.insert("dup.x", 1);
    try {
        cache.insert("dup.x", 2);
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "The cache already contains \"dup.x\"");
    }
    int value = 0;
    ASSERT_TRUE(cache.find("dup.x", value));
    EXPECT_EQ(value, 1);
    EXPECT_EQ(cache.references("dup.x"), 2u);
}

TEST(Cache, NeverDestroysItsValues) {
    // The caller who receives true from release owns the value again: freeing it here must be
    // the only free (a second one would be reported by the sanitizer run).
    auto* block = new FileMemory;
    {
        DataCache<FileMemory*> cache;
        cache.insert("kept.x", block);
        cache.insert("left.x", block);
        ASSERT_TRUE(cache.release("kept.x"));
    }  // destroying a cache that still holds an entry frees nothing either
    delete block;
}
