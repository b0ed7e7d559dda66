// CUIStringMap: buckets, hash, case-sensitive keys, move-to-front and enumeration.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/core/UIStringMap.h"

using Orvik::CUIStringMap;

namespace {

void* Ptr(int n) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(n));
}

// Keys "k0", "k1", ... that land in the same bucket of a map of nBuckets.
std::vector<std::string> CollidingKeys(int nBuckets, size_t nWanted) {
    std::map<DWORD, std::vector<std::string>> byBucket;
    for (int i = 0;; i++) {
        std::string key = "k";
        key += std::to_string(i);
        auto& lst = byBucket[CUIStringMap::HashKey(key.c_str()) % DWORD(nBuckets)];
        lst.push_back(key);
        if (lst.size() == nWanted)
            return lst;
    }
}

std::vector<std::string> Enumerate(const CUIStringMap& map) {
    std::vector<std::string> keys;
    for (int i = 0; i < map.GetSize(); i++)
        keys.push_back(map.GetAt(i));
    return keys;
}

}  // namespace

TEST(UIStringMapTest, HashWalksBackwardsOverSignedBytes) {
    EXPECT_EQ(CUIStringMap::HashKey(""), 0u);
    EXPECT_EQ(CUIStringMap::HashKey("ab"), 98u * 33u + 97u);
    EXPECT_EQ(CUIStringMap::HashKey("\x80"), 0xFFFFFF80u);
}

TEST(UIStringMapTest, HasAtLeastSixteenBucketsUnlessResized) {
    EXPECT_EQ(CUIStringMap().GetBucketCount(), 83);
    CUIStringMap map(4);
    EXPECT_EQ(map.GetBucketCount(), 16);
    map.Insert("a", Ptr(1));
    map.Resize(4);
    EXPECT_EQ(map.GetBucketCount(), 4);
    EXPECT_EQ(map.GetSize(), 0);
    map.Resize(0);
    EXPECT_FALSE(map.Insert("a", Ptr(1)));
    EXPECT_EQ(map.Find("a"), nullptr);
}

TEST(UIStringMapTest, InsertSetAndRemove) {
    CUIStringMap map;
    EXPECT_TRUE(map.Insert("font", Ptr(1)));
    EXPECT_FALSE(map.Insert("font", Ptr(2)));
    EXPECT_EQ(map.Find("font"), Ptr(1));
    EXPECT_EQ(map.Set("font", Ptr(3)), Ptr(1));
    EXPECT_EQ(map.Set("image", Ptr(4)), nullptr);
    EXPECT_EQ(map.GetSize(), 2);
    EXPECT_TRUE(map.Remove("font"));
    EXPECT_FALSE(map.Remove("font"));
    EXPECT_EQ(map.GetSize(), 1);
    map.RemoveAll();
    EXPECT_EQ(map.GetSize(), 0);
    EXPECT_EQ(map.GetBucketCount(), 83);
    EXPECT_EQ(map.GetAt(0), nullptr);
}

TEST(UIStringMapTest, KeysAreCaseSensitive) {
    CUIStringMap map;
    map.Insert("Button", Ptr(1));
    map.Insert("button", Ptr(2));
    EXPECT_EQ(map.GetSize(), 2);
    EXPECT_EQ(map.Find("Button"), Ptr(1));
    EXPECT_EQ(map.Find("button"), Ptr(2));
    EXPECT_EQ(map.Find("BUTTON"), nullptr);
}

TEST(UIStringMapTest, FindMovesTheNodeToTheFrontOfTheEnumeration) {
    std::vector<std::string> keys = CollidingKeys(16, 2);
    CUIStringMap map(16);
    map.Insert(keys[0].c_str(), Ptr(1));
    map.Insert(keys[1].c_str(), Ptr(2));  // the newer node heads the chain
    EXPECT_EQ(Enumerate(map), (std::vector<std::string>{keys[1], keys[0]}));
    map.Find(keys[0].c_str(), false);
    EXPECT_EQ(Enumerate(map), (std::vector<std::string>{keys[1], keys[0]}));
    map.Find(keys[0].c_str());
    EXPECT_EQ(Enumerate(map), (std::vector<std::string>{keys[0], keys[1]}));
}

TEST(UIStringMapTest, EnumerationRunsFromTheLastBucketToTheFirst) {
    CUIStringMap map(16);
    std::map<DWORD, std::string> byBucket;
    for (int i = 0; byBucket.size() < 3; i++) {
        std::string key = "e";
        key += std::to_string(i);
        byBucket.emplace(CUIStringMap::HashKey(key.c_str()) % 16, key);
    }
    for (auto& entry : byBucket)
        map.Insert(entry.second.c_str(), nullptr);
    std::vector<std::string> expected;
    for (auto it = byBucket.rbegin(); it != byBucket.rend(); ++it)
        expected.push_back(it->second);
    EXPECT_EQ(Enumerate(map), expected);
}

TEST(UIStringMapTest, LoopOverGetAtWithFindVisitsEveryEntryOnce) {
    CUIStringMap map(16);
    std::vector<std::string> chain = CollidingKeys(16, 6);
    for (const auto& key : chain)
        map.Insert(key.c_str(), nullptr);
    for (int i = 0; i < 40; i++)
        map.Insert(("other" + std::to_string(i)).c_str(), nullptr);
    std::map<std::string, int> visits;
    for (int i = 0; i < map.GetSize(); i++) {
        const char* key = map.GetAt(i);
        ASSERT_NE(key, nullptr);
        map.Find(key);
        visits[key]++;
    }
    EXPECT_EQ(visits.size(), size_t(map.GetSize()));
    for (const auto& entry : visits)
        EXPECT_EQ(entry.second, 1) << entry.first;
}
