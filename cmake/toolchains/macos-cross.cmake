# Cross-build the macOS plug-in bundle on Linux. The compiler is the driver
# in cmake/macos-cross/, which Zig and LLVM's tools stand behind; the rest of
# the build is the one a Mac runs, CMAKE_OSX_ARCHITECTURES included.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_CXX_COMPILER "${CMAKE_CURRENT_LIST_DIR}/../macos-cross/c++")
# No Xcode here: the driver brings the SDK's headers and stubs.
set(CMAKE_OSX_SYSROOT "" CACHE PATH "")
# Nor an SDK per architecture for a universal build: one empty entry each.
list(LENGTH CMAKE_OSX_ARCHITECTURES dorvane_arch_count)
if(dorvane_arch_count GREATER 1)
    string(REPEAT ";" ${dorvane_arch_count} dorvane_no_sysroots)
    string(SUBSTRING "${dorvane_no_sysroots}" 1 -1 dorvane_no_sysroots)
    set(CMAKE_APPLE_ARCH_SYSROOTS "${dorvane_no_sysroots}" CACHE INTERNAL "")
endif()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

foreach(tool ar ranlib)
    string(TOUPPER "${tool}" variable)
    find_program(CMAKE_${variable} NAMES llvm-${tool} llvm-${tool}-16 llvm-${tool}-15 llvm-${tool}-14 REQUIRED)
endforeach()
find_program(CMAKE_INSTALL_NAME_TOOL NAMES llvm-install-name-tool llvm-install-name-tool-16
             llvm-install-name-tool-15 llvm-install-name-tool-14)

# The driver links bundles only, so CMake's own checks stop at a library.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
