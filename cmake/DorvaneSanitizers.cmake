# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build, so the
# plug-in loaded into the instrumented host is instrumented too.
if(DORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)

    # Their run-time options, for every run of the tests however CTest is
    # started (a preset, scripts/test-all, an editor): a leak is an error, a
    # report stops the test and shows its stack. Options set by hand win.
    set(dorvane_sanitizer_options "${CMAKE_BINARY_DIR}/SanitizerOptions.cmake")
    file(CONFIGURE OUTPUT "${dorvane_sanitizer_options}" @ONLY CONTENT [[
if(NOT DEFINED ENV{ASAN_OPTIONS})
    set(ENV{ASAN_OPTIONS} "detect_leaks=1:abort_on_error=1")
endif()
if(NOT DEFINED ENV{UBSAN_OPTIONS})
    set(ENV{UBSAN_OPTIONS} "print_stacktrace=1:halt_on_error=1")
endif()
]])
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${dorvane_sanitizer_options}")
endif()
