# dorvane-pipl --print run on the plug-in this build makes, where each
# platform's host reads its list: inside the .aex, in the bundle, or in the
# resource file beside the Linux library. Included by the tests of every build.
if(CMAKE_CROSSCOMPILING)
    set(dorvane_pipl_tool "${DORVANE_PIPL_GENERATOR}")
else()
    set(dorvane_pipl_tool "$<TARGET_FILE:dorvane-pipl>")
endif()
if(WIN32)
    set(dorvane_printed "$<TARGET_FILE:Dorvane>" Windows 8664 12)
elseif(APPLE AND DORVANE_BUNDLE_HAS_ARM64)
    set(dorvane_printed "$<TARGET_BUNDLE_DIR:Dorvane>" macOS "mi64 ma64" 13)
elseif(APPLE)
    set(dorvane_printed "$<TARGET_BUNDLE_DIR:Dorvane>" macOS mi64 12)
else()
    # The library itself, as a user names it: the printer finds the resource
    # file beside it, as the host does.
    set(dorvane_printed "$<TARGET_FILE:Dorvane>" macOS mi64 12)
endif()
add_test(NAME pipl_prints_the_list_the_host_reads
    COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/check_pipl_print.sh" "${dorvane_pipl_tool}" ${dorvane_printed}
            "${DORVANE_MAC_RESOURCE_FILE}")
