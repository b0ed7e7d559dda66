// CUIPtrArray: growth steps, insert and remove bounds, copies.
#include <gtest/gtest.h>

#include "ui/core/UIPtrArray.h"

using Orvik::CUIPtrArray;

namespace {
void* Ptr(int n) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(n));
}
}  // namespace

TEST(UIPtrArrayTest, GrowsToElevenThenDoublesKeepingOneSlotSpare) {
    CUIPtrArray arr;
    EXPECT_EQ(arr.GetCapacity(), 0);
    arr.Add(Ptr(1));
    EXPECT_EQ(arr.GetCapacity(), 11);
    for (int i = 2; i <= 10; i++)
        arr.Add(Ptr(i));
    EXPECT_EQ(arr.GetCapacity(), 11);
    arr.Add(Ptr(11));
    EXPECT_EQ(arr.GetCapacity(), 22);
    ASSERT_EQ(arr.GetSize(), 11);
    for (int i = 0; i < 11; i++)
        EXPECT_EQ(arr[i], Ptr(i + 1));
}

TEST(UIPtrArrayTest, InsertAtChecksItsIndex) {
    CUIPtrArray arr;
    arr.Add(Ptr(1));
    arr.Add(Ptr(3));
    EXPECT_FALSE(arr.InsertAt(3, Ptr(9)));
    EXPECT_FALSE(arr.InsertAt(-1, Ptr(9)));
    EXPECT_EQ(arr.GetSize(), 2);
    EXPECT_TRUE(arr.InsertAt(1, Ptr(2)));
    EXPECT_TRUE(arr.InsertAt(3, Ptr(4)));  // index == count appends
    ASSERT_EQ(arr.GetSize(), 4);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(arr.GetAt(i), Ptr(i + 1));
}

TEST(UIPtrArrayTest, RemoveChecksItsRangeAndShiftsTheTail) {
    CUIPtrArray arr;
    for (int i = 1; i <= 5; i++)
        arr.Add(Ptr(i));
    EXPECT_FALSE(arr.Remove(0, 0));
    EXPECT_FALSE(arr.Remove(-1));
    EXPECT_FALSE(arr.Remove(4, 2));
    EXPECT_TRUE(arr.Remove(1, 2));
    ASSERT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr[0], Ptr(1));
    EXPECT_EQ(arr[1], Ptr(4));
    EXPECT_EQ(arr[2], Ptr(5));
    EXPECT_EQ(arr.Find(Ptr(4)), 1);
    EXPECT_EQ(arr.Find(Ptr(2)), -1);
    EXPECT_EQ(arr.GetAt(3), nullptr);
    EXPECT_EQ(arr.GetAt(-1), nullptr);
}

TEST(UIPtrArrayTest, CopyResizeAndEmpty) {
    CUIPtrArray arr(3);
    EXPECT_EQ(arr.GetCapacity(), 3);
    for (int i = 1; i <= 4; i++)
        arr.Add(Ptr(i));
    CUIPtrArray copy(arr);
    ASSERT_EQ(copy.GetSize(), 4);
    EXPECT_EQ(copy.GetCapacity(), 11);  // built by Add from nothing
    EXPECT_EQ(copy[3], Ptr(4));
    arr.Resize(5);
    EXPECT_EQ(arr.GetSize(), 5);
    EXPECT_EQ(arr[4], nullptr);
    arr.Empty();
    EXPECT_TRUE(arr.IsEmpty());
    EXPECT_EQ(arr.GetCapacity(), 0);
}
