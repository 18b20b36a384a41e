// Rectangle arithmetic for the smart-render passes.
#pragma once

#include "AE_EffectTypes.h"

// A rectangle covers the columns left <= x < right and the rows
// top <= y < bottom; it is empty when either span is.
bool IsEmptyRect(const PF_LRect* rect);

// Grows `dest` to cover `src` as well. An empty `dest` takes `src` as it is,
// even when `src` is empty too; an empty `src` leaves a non-empty `dest`
// alone.
void UnionLRect(const PF_LRect* src, PF_LRect* dest);

// Whether (x, y) lies on the outline through the rectangle's four edge
// coordinates; here `right` and `bottom` count as positions on the outline.
bool IsEdgePixel(const PF_LRect* rect, A_long x, A_long y);
