# Installs a build into a scratch prefix and checks that exactly the
# plug-in's files land in the plug-in folder.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED="a|b" -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
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
