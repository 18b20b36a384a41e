#include "EffectAllocations.h"

#include <link.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

// Where the effect's code lies in memory.
struct CodeRange {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    bool Holds(const void* address) const {
        const auto at = reinterpret_cast<std::uintptr_t>(address);
        return at >= begin && at < end;
    }
};

// The blocks the effect holds at once are few; their addresses and sizes are
// kept aside, so that every block stays a plain malloc block, just as the C++
// runtime's own operator new makes it.
constexpr std::size_t kMostHeldBlocks = 4096;

struct HeldBlock {
    void* address;
    std::size_t size;
};

struct Watch {
    bool on = false;
    bool overflowed = false;
    CodeRange effect;
    EffectAllocations seen;
    std::size_t held_bytes = 0;
    std::size_t held_count = 0;
    HeldBlock held[kMostHeldBlocks];
};
Watch watch;

CodeRange CodeOf(const std::string& path) {
    struct Search {
        const char* path;
        CodeRange range;
    } search{path.c_str(), {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) -> int {
            Search& s = *static_cast<Search*>(data);
            if (std::strcmp(info->dlpi_name, s.path) != 0) return 0;
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
                const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
                if (s.range.begin == 0 || begin < s.range.begin) s.range.begin = begin;
                if (begin + segment.p_memsz > s.range.end) s.range.end = begin + segment.p_memsz;
            }
            return 1;
        },
        &search);
    return search.range;
}

void* Allocate(std::size_t size, const void* caller) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    if (watch.on && watch.effect.Holds(caller)) {
        ++watch.seen.count;
        watch.held_bytes += size;
        if (watch.held_bytes > watch.seen.peak_bytes) watch.seen.peak_bytes = watch.held_bytes;
        if (watch.held_count < kMostHeldBlocks) {
            watch.held[watch.held_count++] = {block, size};
        } else {
            watch.overflowed = true;
        }
    }
    return block;
}

void Free(void* block) noexcept {
    for (std::size_t i = 0; i < watch.held_count; ++i) {
        if (watch.held[i].address != block) continue;
        watch.held_bytes -= watch.held[i].size;
        watch.held[i] = watch.held[--watch.held_count];
        break;
    }
    std::free(block);
}

}  // namespace

EffectHeapWatch::EffectHeapWatch(const std::string& plugin_path) {
    watch.effect = CodeOf(plugin_path);
    if (watch.effect.end == 0) throw std::runtime_error(plugin_path + " is not loaded");
    watch.seen = {};
    watch.held_bytes = 0;
    watch.held_count = 0;
    watch.overflowed = false;
    watch.on = true;
}

EffectHeapWatch::~EffectHeapWatch() { watch.on = false; }

EffectAllocations EffectHeapWatch::Seen() const {
    if (watch.overflowed) throw std::runtime_error("the effect held more blocks at once than can be counted");
    return watch.seen;
}

void* operator new(std::size_t size) { return Allocate(size, __builtin_return_address(0)); }
void* operator new[](std::size_t size) { return Allocate(size, __builtin_return_address(0)); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
