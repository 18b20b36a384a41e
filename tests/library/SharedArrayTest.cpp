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

// Copies share the array: it lives until the last of them lets go, however
// they were made or reassigned, and is freed exactly once.
TEST(SharedArray, CopiesShareTheArrayUntilTheLastLetsGo) {
    int destroyed = 0;
    int other_destroyed = 0;
    {
        shared_array<Counted> first(MakeArray(2, &destroyed));
        shared_array<Counted> other(MakeArray(1, &other_destroyed));
        {
            const shared_array<Counted> copy(first);
            EXPECT_EQ(copy.get(), first.get());
            other = first;  // lets go of its own array, which had one holder
            EXPECT_EQ(other_destroyed, 1);
            EXPECT_EQ(other.get(), first.get());
            first.release();
        }
        EXPECT_EQ(destroyed, 0);  // `other` still holds it
        const shared_array<Counted>& same = other;
        other = same;  // assigning a holder to itself keeps the array
        EXPECT_EQ(destroyed, 0);
        other.release();
        EXPECT_EQ(destroyed, 2);
    }
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(other_destroyed, 1);
}

}  // namespace
