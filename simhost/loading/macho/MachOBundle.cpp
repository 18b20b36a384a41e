#include "loading/macho/MachOBundle.h"

#include <dlfcn.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstring>

#include "loading/macho/CompactUnwind.h"
#include "loading/macho/DyldInfo.h"
#include "loading/macho/MachOError.h"

namespace simhost::macho {

namespace {

// x86_64 Mach-O segments start on 4 KiB pages, as Linux's do.
constexpr std::uint64_t kPageSize = 4096;

std::uint64_t PageRounded(std::uint64_t size) { return (size + kPageSize - 1) / kPageSize * kPageSize; }

// The segments that take memory; a zero page (none in a bundle) would not.
bool Mapped(const Segment& segment) { return segment.vm_size != 0 && segment.initial_protection != 0; }

std::uint64_t LowestAddress(const MachOFile& file) {
    std::uint64_t lowest = UINT64_MAX;
    for (const Segment& segment : file.segments) {
        if (!Mapped(segment)) continue;
        if (segment.vm_address % kPageSize != 0) {
            throw MachOError("segment " + segment.name + " does not start on a page");
        }
        lowest = std::min(lowest, segment.vm_address);
    }
    if (lowest == UINT64_MAX) throw MachOError("no segment to map");
    return lowest;
}

std::size_t ImageSize(const MachOFile& file, std::uint64_t lowest) {
    std::uint64_t highest = lowest;
    for (const Segment& segment : file.segments) {
        if (Mapped(segment)) highest = std::max(highest, segment.vm_address + segment.vm_size);
    }
    return static_cast<std::size_t>(PageRounded(highest - lowest));
}

template <typename Function>
Function LibgccRoutine(const char* name) {
    void* address = dlsym(RTLD_DEFAULT, name);
    if (address == nullptr) throw MachOError(std::string("this process has no ") + name + " to describe frames to");
    return reinterpret_cast<Function>(address);
}

}  // namespace

MachOBundle::Mapping::Mapping(std::size_t size) : base_(nullptr), size_(size) {
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw MachOError("cannot map " + std::to_string(size) + " bytes");
    base_ = static_cast<std::uint8_t*>(memory);
}

MachOBundle::Mapping::~Mapping() { munmap(base_, size_); }

MachOBundle::MachOBundle(const std::string& code_path) try
    : file_(ReadX86_64Bundle(code_path)),
      lowest_address_(LowestAddress(file_)),
      mapping_(ImageSize(file_, lowest_address_)),
      header_(nullptr) {
    for (const Segment& segment : file_.segments) {
        if (!Mapped(segment)) continue;
        std::memcpy(mapping_.Base() + (segment.vm_address - lowest_address_),
                    file_.bytes.data() + segment.file_offset, segment.file_size);
        if (segment.file_offset == 0 && segment.file_size != 0) {
            header_ = mapping_.Base() + (segment.vm_address - lowest_address_);
        }
    }
    if (header_ == nullptr) throw MachOError("no segment maps the Mach-O header");
    Fix();
    Protect();
    // Last, as nothing after it may fail: the destructor, which takes the
    // frames back, runs only for a bundle fully made.
    RegisterFrames();
} catch (const MachOError& e) {
    throw MachOError(code_path + ": " + e.what());
}

MachOBundle::~MachOBundle() {
    if (deregister_frames_ != nullptr) deregister_frames_(frames_.data());
}

std::uint8_t* MachOBundle::At(std::size_t segment, std::uint64_t offset) const {
    return mapping_.Base() + (file_.segments[segment].vm_address - lowest_address_) + offset;
}

void MachOBundle::Fix() {
    const std::uint64_t slide = reinterpret_cast<std::uintptr_t>(mapping_.Base()) - lowest_address_;
    ForEachRebase(file_, [&](const Place& place) {
        std::uint64_t pointer = 0;
        std::memcpy(&pointer, At(place.segment, place.offset), sizeof(pointer));
        pointer += slide;
        std::memcpy(At(place.segment, place.offset), &pointer, sizeof(pointer));
    });
    // The lazy binds too, so that no call ever goes through dyld's binder.
    for (const ByteRange* binds : {&file_.binds, &file_.lazy_binds}) {
        ForEachBind(file_, *binds, [&](const Bind& bind) {
            const std::uint64_t pointer =
                reinterpret_cast<std::uintptr_t>(LinuxAddressOf(bind.symbol, system_data_)) +
                static_cast<std::uint64_t>(bind.addend);
            std::memcpy(At(bind.place.segment, bind.place.offset), &pointer, sizeof(pointer));
        });
    }
}

void MachOBundle::RegisterFrames() {
    const Section* unwind = file_.FindSection("__TEXT", "__unwind_info");
    if (unwind == nullptr) return;
    const std::uint64_t header_address =
        lowest_address_ + static_cast<std::uint64_t>(header_ - mapping_.Base());
    const std::size_t mapped_from_header = mapping_.Size() - static_cast<std::size_t>(header_ - mapping_.Base());
    frames_ = TranslateUnwindInfo(header_, mapped_from_header, unwind->vm_address - header_address, unwind->size);
    const auto register_frames = LibgccRoutine<void (*)(void*)>("__register_frame");
    deregister_frames_ = LibgccRoutine<void (*)(void*)>("__deregister_frame");
    register_frames(frames_.data());
}

void MachOBundle::Protect() const {
    constexpr std::uint32_t kRead = 1, kWrite = 2, kExecute = 4;
    for (const Segment& segment : file_.segments) {
        if (!Mapped(segment)) continue;
        int protection = PROT_NONE;
        if ((segment.initial_protection & kRead) != 0) protection |= PROT_READ;
        if ((segment.initial_protection & kWrite) != 0) protection |= PROT_WRITE;
        if ((segment.initial_protection & kExecute) != 0) protection |= PROT_EXEC;
        if (mprotect(mapping_.Base() + (segment.vm_address - lowest_address_),
                     static_cast<std::size_t>(PageRounded(segment.vm_size)), protection) != 0) {
            throw MachOError("cannot protect segment " + segment.name);
        }
    }
}

void* MachOBundle::Find(const std::string& symbol) const {
    const std::optional<std::uint64_t> offset = FindExport(file_, "_" + symbol);
    if (!offset) return nullptr;
    if (*offset >= mapping_.Size() - static_cast<std::size_t>(header_ - mapping_.Base())) {
        throw MachOError(symbol + " is exported at an address outside the image");
    }
    return header_ + *offset;
}

}  // namespace simhost::macho
