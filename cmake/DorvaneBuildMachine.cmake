# The programs a cross-build runs on the build machine (the property list
# generator, the bundle checks, and for a macOS build the simulated host
# with the tests it runs the bundle's code in), built by that machine's own
# compilers in a nested build of this tree. Included from the top level
# when cross-building.
include(ExternalProject)

set(DORVANE_BUILD_MACHINE_DIR "${CMAKE_BINARY_DIR}/build-machine")
set(DORVANE_PIPL_GENERATOR "${DORVANE_BUILD_MACHINE_DIR}/tools/pipl/dorvane-pipl")
set(dorvane_build_machine_programs "${DORVANE_PIPL_GENERATOR}")

# The bundle checks (and GoogleTest under them) only for a tested macOS build:
# a Windows build has no bundle to check.
set(dorvane_tested_bundle "")
if(APPLE AND DORVANE_TESTS)
    set(dorvane_build_machine_tests ON)
    set(DORVANE_BUNDLE_FILES_CHECK "${DORVANE_BUILD_MACHINE_DIR}/tests/bundle/mac_bundle_files_tests")
    list(APPEND dorvane_build_machine_programs "${DORVANE_BUNDLE_FILES_CHECK}")
    # The bundle's x86_64 code runs on this machine in the simulated host:
    # the nested build also builds the host and the integration tests
    # (the press, its faults and bounds, the render) with the bundle as
    # their plug-in, beside a Linux build of it to compare with. Their
    # cases are this build's tests too, so a fault only the macOS build
    # has fails here.
    set(dorvane_tested_bundle "$<TARGET_BUNDLE_DIR:Dorvane>")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
        "${DORVANE_BUILD_MACHINE_DIR}/tests/CTestTestfile.cmake")
else()
    set(dorvane_build_machine_tests OFF)
endif()

ExternalProject_Add(build_machine_programs
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${DORVANE_BUILD_MACHINE_DIR}"
    CMAKE_ARGS -DDORVANE_BUILD_MACHINE_PROGRAMS=ON -DCMAKE_BUILD_TYPE=Release
               -DDORVANE_WERROR=${DORVANE_WERROR} -DDORVANE_TESTS=${dorvane_build_machine_tests}
               -DDORVANE_TESTED_BUNDLE=${dorvane_tested_bundle}
    # The nested build decides itself whether anything changed.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${dorvane_build_machine_programs}
    INSTALL_COMMAND "")
