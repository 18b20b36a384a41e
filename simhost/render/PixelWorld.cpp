#include "render/PixelWorld.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace simhost {

namespace {

constexpr int kChannels = 4;

// A channel value that changes with position, channel and seed.
unsigned PatternValue(A_long x, A_long y, int channel, unsigned seed) {
    return static_cast<unsigned>(x) * 7919u + static_cast<unsigned>(y) * 104729u +
           static_cast<unsigned>(channel) * 613u + seed * 2654435761u;
}

}  // namespace

size_t BytesPerPixel(PixelDepth depth) {
    switch (depth) {
        case PixelDepth::Eight: return sizeof(PF_Pixel8);
        case PixelDepth::Sixteen: return sizeof(PF_Pixel16);
        case PixelDepth::Float: return sizeof(PF_PixelFloat);
    }
    return 0;
}

short BitsPerChannel(PixelDepth depth) {
    switch (depth) {
        case PixelDepth::Eight: return 8;
        case PixelDepth::Sixteen: return 16;
        case PixelDepth::Float: return 32;
    }
    return 0;
}

const char* DepthName(PixelDepth depth) {
    switch (depth) {
        case PixelDepth::Eight: return "8-bit";
        case PixelDepth::Sixteen: return "16-bit";
        case PixelDepth::Float: return "32-bit float";
    }
    return "unknown depth";
}

PixelWorld::PixelWorld(PixelDepth depth, A_long width, A_long height, A_long row_padding)
    : depth_(depth) {
    if (width <= 0 || height <= 0 || row_padding < 0) {
        throw std::invalid_argument("a pixel world needs a positive size and no negative padding");
    }
    const long long row_bytes = static_cast<long long>(width) * static_cast<long long>(BytesPerPixel(depth)) + row_padding;
    if (row_bytes > std::numeric_limits<A_long>::max()) throw std::invalid_argument("pixel rows too long");
    bytes_.assign(static_cast<size_t>(row_bytes) * static_cast<size_t>(height), kPaddingByte);
    std::memset(&world_, 0, sizeof(world_));
    world_.data = bytes_.data();
    world_.rowbytes = static_cast<A_long>(row_bytes);
    world_.width = width;
    world_.height = height;
    world_.extent_hint = Bounds();
    world_.pix_aspect_ratio = {1, 1};
}

size_t PixelWorld::RowPixelBytes() const {
    return static_cast<size_t>(world_.width) * BytesPerPixel(depth_);
}

unsigned char* PixelWorld::Row(A_long y) {
    return bytes_.data() + static_cast<size_t>(y) * static_cast<size_t>(world_.rowbytes);
}

const unsigned char* PixelWorld::Row(A_long y) const {
    return bytes_.data() + static_cast<size_t>(y) * static_cast<size_t>(world_.rowbytes);
}

void PixelWorld::FillPattern(unsigned seed) {
    for (A_long y = 0; y < world_.height; ++y) {
        unsigned char* row = Row(y);
        for (A_long x = 0; x < world_.width; ++x) {
            for (int channel = 0; channel < kChannels; ++channel) {
                const unsigned value = PatternValue(x, y, channel, seed);
                const size_t offset = static_cast<size_t>(x) * BytesPerPixel(depth_);
                switch (depth_) {
                    case PixelDepth::Eight:
                        row[offset + static_cast<size_t>(channel)] = static_cast<unsigned char>(value & 0xFFu);
                        break;
                    case PixelDepth::Sixteen: {
                        const auto wide = static_cast<std::uint16_t>(value & 0xFFFFu);
                        std::memcpy(row + offset + static_cast<size_t>(channel) * sizeof(wide), &wide, sizeof(wide));
                        break;
                    }
                    case PixelDepth::Float: {
                        const float real = static_cast<float>(value % 4096u) / 4095.0f;
                        std::memcpy(row + offset + static_cast<size_t>(channel) * sizeof(real), &real, sizeof(real));
                        break;
                    }
                }
            }
        }
        std::memset(row + RowPixelBytes(), kPaddingByte, static_cast<size_t>(world_.rowbytes) - RowPixelBytes());
    }
}

void PixelWorld::FillBytes(unsigned char value) { std::memset(bytes_.data(), value, bytes_.size()); }

std::vector<unsigned char> PixelWorld::PixelBytes() const {
    std::vector<unsigned char> pixels;
    pixels.reserve(RowPixelBytes() * static_cast<size_t>(world_.height));
    for (A_long y = 0; y < world_.height; ++y) pixels.insert(pixels.end(), Row(y), Row(y) + RowPixelBytes());
    return pixels;
}

bool PixelWorld::PaddingIs(unsigned char value) const {
    for (A_long y = 0; y < world_.height; ++y) {
        for (const unsigned char* byte = Row(y) + RowPixelBytes(); byte != Row(y) + world_.rowbytes; ++byte) {
            if (*byte != value) return false;
        }
    }
    return true;
}

}  // namespace simhost
