# Makes the build's package and checks the archive: its name, and that it
# holds exactly the expected files. CPACK is the build's own cpack, not
# whichever one PATH finds first.
#   cmake -DCPACK=... -DBUILD_DIR=... -DSCRATCH=... -DNAME=x.zip -DEXPECTED="a|b"
#         [-DEXECUTABLE=file] -P check_package.cmake
# EXECUTABLE names an entry that must unpack executable (a script to run).
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${result}\n${output}")
endif()
file(GLOB archives RELATIVE "${SCRATCH}" "${SCRATCH}/*.zip" "${SCRATCH}/*.tar.gz")
if(NOT archives STREQUAL NAME)
    message(FATAL_ERROR "packages made: ${archives}; expected: ${NAME}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${SCRATCH}/${NAME}"
                RESULT_VARIABLE result OUTPUT_VARIABLE listing)
if(EXECUTABLE)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tvf "${SCRATCH}/${NAME}" OUTPUT_VARIABLE long_listing)
    string(REGEX MATCH "\n-rwx[^\n]* ${EXECUTABLE}\n" executable_entry "\n${long_listing}")
    if(NOT executable_entry)
        message(FATAL_ERROR "${NAME}: ${EXECUTABLE} does not unpack executable:\n${long_listing}")
    endif()
endif()
file(REMOVE_RECURSE "${SCRATCH}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot list ${NAME}")
endif()
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "/$")  # folders
list(SORT entries)
string(REPLACE "|" ";" expected "${EXPECTED}")
list(SORT expected)
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "${NAME} holds: ${entries}\nexpected: ${expected}")
endif()
message(STATUS "${NAME}: ${entries}")
