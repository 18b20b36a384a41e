// Pixel buffers the host makes for a render: 8-bit, 16-bit and 32-bit float
// pixels, with rows that may be padded past their pixels.
#pragma once

#include <cstddef>
#include <vector>

#include "AE_EffectTypes.h"

namespace simhost {

enum class PixelDepth { Eight, Sixteen, Float };

size_t BytesPerPixel(PixelDepth depth);
// The bits per channel the host reports in its render records.
short BitsPerChannel(PixelDepth depth);
const char* DepthName(PixelDepth depth);

class PixelWorld {
public:
    // The byte the host leaves in a row's padding, to show who wrote there.
    static constexpr unsigned char kPaddingByte = 0xCD;

    // Throws std::invalid_argument unless width and height are positive and
    // the padding is not negative.
    PixelWorld(PixelDepth depth, A_long width, A_long height, A_long row_padding = 0);
    // The effect holds pointers into the buffer: it stays where it is.
    PixelWorld(const PixelWorld&) = delete;
    PixelWorld& operator=(const PixelWorld&) = delete;

    PF_EffectWorld* World() { return &world_; }
    const PF_EffectWorld* World() const { return &world_; }
    PixelDepth Depth() const { return depth_; }
    A_long Width() const { return world_.width; }
    A_long Height() const { return world_.height; }
    A_long RowBytes() const { return world_.rowbytes; }
    PF_LRect Bounds() const { return {0, 0, world_.width, world_.height}; }

    // A pattern that differs in every channel of every pixel and with the
    // seed; float channels hold ordinary values between 0 and 1.
    void FillPattern(unsigned seed);
    // Every byte, padding included.
    void FillBytes(unsigned char value);

    // The pixels row after row, without the padding.
    std::vector<unsigned char> PixelBytes() const;
    bool PaddingIs(unsigned char value) const;

private:
    size_t RowPixelBytes() const;
    unsigned char* Row(A_long y);
    const unsigned char* Row(A_long y) const;

    PixelDepth depth_;
    std::vector<unsigned char> bytes_;
    PF_EffectWorld world_;
};

}  // namespace simhost
