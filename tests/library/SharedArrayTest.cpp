#include <gtest/gtest.h>

#include "shared_array.h"

namespace {

struct Counted {
    ~Counted() { ++*destroyed; }
    int* destroyed = nullptr;
};

Counted* MakeArray(int size, int* destroyed) {
    Counted* array = new Counted[static_cast<size_t>(size)];
    for (int i = 0; i < size; ++i) array[i].destroyed = destroyed;
    return array;
}

TEST(SharedArray, LastReleaseFreesTheWholeArrayOnce) {
    int destroyed = 0;
    {
        shared_array<Counted> holder(MakeArray(3, &destroyed));
        EXPECT_NE(holder.get(), nullptr);
        holder.release();
        EXPECT_EQ(destroyed, 3);
        EXPECT_EQ(holder.get(), nullptr);
        holder.release();  // owns nothing any more
        EXPECT_EQ(destroyed, 3);
    }
    EXPECT_EQ(destroyed, 3);
}

TEST(SharedArray, DestructionReleasesAndEmptyHoldersAreHarmless) {
    int destroyed = 0;
    { shared_array<Counted> holder(MakeArray(2, &destroyed)); }
    EXPECT_EQ(destroyed, 2);
    { shared_array<char> from_null(nullptr); }
    {
        shared_array<char> empty;
        empty.release();
        EXPECT_EQ(empty.get(), nullptr);
    }
}

}  // namespace
