#include "EffectAllocations.h"

#include <execinfo.h>
#include <link.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

struct AddressRange {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    bool Holds(std::uintptr_t address) const { return address >= begin && address < end; }
};

// The blocks the effect holds at once are few; their addresses and sizes are
// kept aside, so that every other block is a plain malloc block, just as the
// C++ runtime's own operator new makes it.
constexpr std::size_t kMostHeldBlocks = 4096;

struct HeldBlock {
    void* address;
    std::size_t size;
};

// Where the effect's code lies, and the C++ runtime's, which allocates on
// behalf of whoever called it (strings, say).
struct Watch {
    bool on = false;
    AddressRange effect;
    AddressRange runtime;
    EffectAllocations seen;
    std::size_t held_bytes = 0;
    HeldBlock held[kMostHeldBlocks];
    std::size_t held_count = 0;
    bool overflowed = false;
};
Watch watch;

AddressRange CodeOf(const char* name_part, bool exact) {
    struct Search {
        const char* name;
        bool exact;
        AddressRange range;
    } search{name_part, exact, {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) -> int {
            Search& s = *static_cast<Search*>(data);
            const bool match = s.exact ? std::strcmp(info->dlpi_name, s.name) == 0
                                       : std::strstr(info->dlpi_name, s.name) != nullptr;
            if (!match) return 0;
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

// The effect's, when the first caller outside the C++ runtime is its code.
bool AskedByEffect(void* caller) {
    const auto address = reinterpret_cast<std::uintptr_t>(caller);
    if (!watch.runtime.Holds(address)) return watch.effect.Holds(address);
    void* frames[32];
    const int depth = backtrace(frames, 32);
    int i = 0;
    while (i < depth && frames[i] != caller) ++i;
    for (; i < depth; ++i) {
        const auto frame = reinterpret_cast<std::uintptr_t>(frames[i]);
        if (!watch.runtime.Holds(frame)) return watch.effect.Holds(frame);
    }
    return false;
}

void* Allocate(std::size_t size, void* caller) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    if (watch.on && AskedByEffect(caller)) {
        if (watch.held_count < kMostHeldBlocks) {
            watch.held[watch.held_count++] = {block, size};
        } else {
            watch.overflowed = true;
        }
        ++watch.seen.count;
        watch.held_bytes += size;
        if (watch.held_bytes > watch.seen.peak_bytes) watch.seen.peak_bytes = watch.held_bytes;
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

EffectAllocations CountEffectAllocations(const std::string& plugin_path, const std::function<void()>& work) {
    watch.effect = CodeOf(plugin_path.c_str(), true);
    watch.runtime = CodeOf("libstdc++", false);
    if (watch.effect.end == 0) throw std::runtime_error(plugin_path + " is not loaded");
    watch.seen = {};
    watch.held_bytes = 0;
    watch.held_count = 0;
    watch.overflowed = false;
    watch.on = true;
    work();
    watch.on = false;
    if (watch.overflowed) throw std::runtime_error("the effect held more blocks at once than can be counted");
    return watch.seen;
}

void* operator new(std::size_t size) { return Allocate(size, __builtin_return_address(0)); }
void* operator new[](std::size_t size) { return Allocate(size, __builtin_return_address(0)); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
