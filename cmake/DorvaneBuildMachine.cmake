# The programs a cross-build runs on the build machine (the property list
# generator, the bundle checks), built by that machine's own compilers in a
# nested build of this tree. Included from the top level when cross-building.
include(ExternalProject)

set(DORVANE_BUILD_MACHINE_DIR "${CMAKE_BINARY_DIR}/build-machine")
set(DORVANE_PIPL_GENERATOR "${DORVANE_BUILD_MACHINE_DIR}/tools/pipl/dorvane-pipl")
set(DORVANE_BUNDLE_FILES_CHECK "${DORVANE_BUILD_MACHINE_DIR}/tests/bundle/mac_bundle_files_tests")

ExternalProject_Add(build_machine_programs
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${DORVANE_BUILD_MACHINE_DIR}"
    CMAKE_ARGS -DDORVANE_BUILD_MACHINE_PROGRAMS=ON -DCMAKE_BUILD_TYPE=Release
               -DDORVANE_WERROR=${DORVANE_WERROR}
    # The nested build decides itself whether anything changed.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS "${DORVANE_PIPL_GENERATOR}" "${DORVANE_BUNDLE_FILES_CHECK}"
    INSTALL_COMMAND "")
