// A Mach-O file the simulated host will not run; the message says why.
#pragma once

#include <stdexcept>

namespace simhost::macho {

class MachOError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace simhost::macho
