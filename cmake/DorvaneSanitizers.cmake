# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build, so the
# plug-in loaded into the instrumented host is instrumented too.
if(DORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
