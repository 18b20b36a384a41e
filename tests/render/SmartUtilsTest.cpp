#include <gtest/gtest.h>

#include <ostream>

#include "Util/Smart_Utils.h"

static bool operator==(const PF_LRect& a, const PF_LRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
static std::ostream& operator<<(std::ostream& out, const PF_LRect& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

enum class Op { Union, Empty, Edge };

// Rectangles are (left, top, right, bottom), points (x, y).
struct RectCase {
    const char* what;
    Op op;
    PF_LRect rect;      // the union's source, or the rectangle asked about
    PF_LRect dest;      // the union's destination
    A_long x, y;        // the point asked about
    PF_LRect union_is;  // the destination afterwards
    bool answer;        // the predicate's answer
};

TEST(SmartUtils, RectangleCases) {
    constexpr PF_LRect kNone = {0, 0, 0, 0};
    constexpr PF_LRect kTen = {0, 0, 10, 10};
    const RectCase cases[] = {
        {"source into an empty destination", Op::Union, kTen, kNone, 0, 0, kTen, false},
        {"empty source leaves the destination", Op::Union, {5, 5, 5, 9}, kTen, 0, 0, kTen, false},
        {"empty source into empty destination is copied", Op::Union, {3, 3, 1, 1}, kNone, 0, 0, {3, 3, 1, 1}, false},
        {"overlapping rectangles grow to their hull", Op::Union, {-5, 2, 3, 20}, kTen, 0, 0, {-5, 0, 10, 20}, false},
        {"an inverted destination counts as empty", Op::Union, {1, 2, 3, 4}, {9, 9, 2, 2}, 0, 0, {1, 2, 3, 4}, false},
        {"no columns", Op::Empty, {0, 0, 0, 5}, kNone, 0, 0, kNone, true},
        {"no rows", Op::Empty, {0, 7, 4, 7}, kNone, 0, 0, kNone, true},
        {"one pixel", Op::Empty, {0, 0, 1, 1}, kNone, 0, 0, kNone, false},
        {"inverted", Op::Empty, {5, 0, 1, 3}, kNone, 0, 0, kNone, true},
        {"on the right edge", Op::Edge, kTen, kNone, 10, 5, kNone, true},
        {"on the top edge", Op::Edge, kTen, kNone, 5, 0, kNone, true},
        {"bottom-left corner", Op::Edge, kTen, kNone, 0, 10, kNone, true},
        {"bottom-right corner", Op::Edge, kTen, kNone, 10, 10, kNone, true},
        {"inside", Op::Edge, kTen, kNone, 5, 5, kNone, false},
        {"below the right edge's end", Op::Edge, kTen, kNone, 10, 11, kNone, false},
        {"left of the top edge's start", Op::Edge, kTen, kNone, -1, 0, kNone, false},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.what);
        switch (c.op) {
            case Op::Union: {
                PF_LRect dest = c.dest;
                const PF_LRect src = c.rect;
                UnionLRect(&src, &dest);
                EXPECT_EQ(dest, c.union_is);
                EXPECT_EQ(src, c.rect);
                break;
            }
            case Op::Empty: EXPECT_EQ(IsEmptyRect(&c.rect), c.answer) << c.rect; break;
            case Op::Edge: EXPECT_EQ(IsEdgePixel(&c.rect, c.x, c.y), c.answer) << c.x << ", " << c.y; break;
        }
    }
}

}  // namespace
