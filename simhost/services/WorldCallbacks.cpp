// The pixel-world routines of the utility callbacks: the host's copy of one
// world, or a rectangle of it, into another.
#include <cstring>

#include "services/Serve.h"
#include "render/PixelWorld.h"
#include "services/Services.h"

namespace simhost {

namespace {

bool InsideWorld(const PF_Rect& rect, const PF_EffectWorld& world) {
    return rect.left >= 0 && rect.top >= 0 && rect.left < rect.right && rect.top < rect.bottom &&
           rect.right <= world.width && rect.bottom <= world.height;
}

unsigned char* PixelAt(const PF_EffectWorld& world, A_long x, A_long y, size_t pixel_bytes) {
    return static_cast<unsigned char*>(world.data) + static_cast<size_t>(y) * static_cast<size_t>(world.rowbytes) +
           static_cast<size_t>(x) * pixel_bytes;
}

PF_Err CopyWorld(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                 PF_Rect* dst_r) {
    return Serve(Op::copy, Args(effect_ref, src, dst, src_r, dst_r), [&](ServiceContext& host) -> A_Err {
        if (!host.KnowsEffect(effect_ref)) return PF_Err_BAD_CALLBACK_PARAM;
        const std::optional<PixelDepth> src_depth = host.worlds().DepthOf(src);
        const std::optional<PixelDepth> dst_depth = host.worlds().DepthOf(dst);
        if (!src_depth || !dst_depth) {
            host.ledger().Violation("copied a world the host never made");
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        // Depth conversion and scaling are not served: the effect never asks
        // for them.
        if (*src_depth != *dst_depth) return PF_Err_BAD_CALLBACK_PARAM;
        const PF_Rect from = src_r != nullptr ? *src_r : PF_Rect{0, 0, src->width, src->height};
        const PF_Rect to = dst_r != nullptr ? *dst_r : PF_Rect{0, 0, dst->width, dst->height};
        if (!InsideWorld(from, *src) || !InsideWorld(to, *dst) || from.right - from.left != to.right - to.left ||
            from.bottom - from.top != to.bottom - to.top) {
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        const size_t pixel_bytes = BytesPerPixel(*src_depth);
        const size_t row_bytes = static_cast<size_t>(from.right - from.left) * pixel_bytes;
        for (A_long row = 0; row < from.bottom - from.top; ++row) {
            std::memmove(PixelAt(*dst, to.left, to.top + row, pixel_bytes),
                         PixelAt(*src, from.left, from.top + row, pixel_bytes), row_bytes);
        }
        return PF_Err_NONE;
    });
}

}  // namespace

void FillWorldCallbacks(PF_UtilCallbacks& utils) { utils.copy = CopyWorld; }

}  // namespace simhost
