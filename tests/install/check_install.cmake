# Installs a build and checks that exactly the plug-in's files land in the
# plug-in folder:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED="a|b" -P check_install.cmake
# With -DDEFAULT_PREFIX=ON it installs without --prefix, as a user first
# tries, and looks under PREFIX, where the build's default must put it.
# It empties PREFIX and reads everything under it: a folder of its own.
if(NOT IS_ABSOLUTE "${PREFIX}")
    message(FATAL_ERROR "PREFIX must be an absolute folder, not '${PREFIX}'")
endif()
set(prefix_option --prefix "${PREFIX}")
if(DEFAULT_PREFIX)
    # A test writes nowhere but its own folder: a build whose default is
    # elsewhere (a prefix set by hand, or a wrong default) fails unwritten.
    load_cache("${BUILD_DIR}" READ_WITH_PREFIX built_ CMAKE_INSTALL_PREFIX)
    if(NOT built_CMAKE_INSTALL_PREFIX STREQUAL PREFIX)
        message(FATAL_ERROR "the build installs into '${built_CMAKE_INSTALL_PREFIX}' by default, "
                            "not into ${PREFIX}; not installing there")
    endif()
    set(prefix_option "")
endif()
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" ${prefix_option}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
string(REPLACE "|" ";" expected "${EXPECTED}")
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(REMOVE_RECURSE "${PREFIX}")
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed: ${installed}\nexpected: ${expected}")
endif()
message(STATUS "installed: ${installed}")
