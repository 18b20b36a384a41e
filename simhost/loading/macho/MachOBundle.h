// A macOS bundle's x86_64 code made runnable in a Linux process, as dyld
// would make it on a Mac: the segments mapped, pointers slid to where
// they landed, every import bound at once (the lazy ones too), and the
// frames described to libgcc's unwinder so exceptions cross them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "loading/macho/LinuxImports.h"
#include "loading/macho/MachOFile.h"

namespace simhost::macho {

class MachOBundle {
public:
    // Throws MachOError naming the file and why it cannot run.
    explicit MachOBundle(const std::string& code_path);
    ~MachOBundle();
    MachOBundle(const MachOBundle&) = delete;
    MachOBundle& operator=(const MachOBundle&) = delete;

    // The address of an exported C function named `symbol`, or null.
    // Throws MachOError when the export lies outside the image.
    void* Find(const std::string& symbol) const;

private:
    // The image's memory, unmapped when the bundle goes.
    class Mapping {
    public:
        explicit Mapping(std::size_t size);
        ~Mapping();
        Mapping(const Mapping&) = delete;
        Mapping& operator=(const Mapping&) = delete;
        std::uint8_t* Base() const { return base_; }
        std::size_t Size() const { return size_; }

    private:
        std::uint8_t* base_;
        std::size_t size_;
    };

    void Fix();
    void Protect() const;
    void RegisterFrames();
    std::uint8_t* At(std::size_t segment, std::uint64_t offset) const;

    MachOFile file_;
    std::uint64_t lowest_address_;
    Mapping mapping_;
    std::uint8_t* header_;  // the mapped Mach-O header, which offsets count from
    MacSystemData system_data_;
    std::vector<std::uint8_t> frames_;
    void (*deregister_frames_)(void*) = nullptr;
};

}  // namespace simhost::macho
