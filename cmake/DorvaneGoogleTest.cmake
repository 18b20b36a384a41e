# GoogleTest for the test programs: an installed package when there is one
# for the target, else built from the sources Debian ships (as a cross-build
# needs, since the installed one is built for this machine).
find_package(GTest CONFIG QUIET)
if(NOT GTest_FOUND)
    set(DORVANE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources, as Debian ships them")
    if(NOT EXISTS "${DORVANE_GTEST_SOURCE}/CMakeLists.txt")
        message(FATAL_ERROR "GoogleTest is neither installed for this target nor in ${DORVANE_GTEST_SOURCE}; "
                            "install it (scripts/install-deps native) or set DORVANE_GTEST_SOURCE")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory("${DORVANE_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
endif()
include(GoogleTest)
