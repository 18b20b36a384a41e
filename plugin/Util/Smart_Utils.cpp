#include "Util/Smart_Utils.h"

#include <algorithm>

bool IsEmptyRect(const PF_LRect* rect) {
    return rect->left >= rect->right || rect->top >= rect->bottom;
}

void UnionLRect(const PF_LRect* src, PF_LRect* dest) {
    if (IsEmptyRect(dest)) {
        *dest = *src;
    } else if (!IsEmptyRect(src)) {
        dest->left = std::min(dest->left, src->left);
        dest->top = std::min(dest->top, src->top);
        dest->right = std::max(dest->right, src->right);
        dest->bottom = std::max(dest->bottom, src->bottom);
    }
}

bool IsEdgePixel(const PF_LRect* rect, A_long x, A_long y) {
    const bool on_vertical_edge = x == rect->left || x == rect->right;
    const bool on_horizontal_edge = y == rect->top || y == rect->bottom;
    if (on_vertical_edge) return rect->top <= y && y <= rect->bottom;
    if (on_horizontal_edge) return rect->left <= x && x <= rect->right;
    return false;
}
