# Flags chosen by compiler, so that the same files build with GCC and Clang
# (Linux, mingw-w64, macOS) and with Visual Studio's compiler.

if(MSVC)
    # Standard C++ as written, C++ exceptions, UTF-8 sources.
    add_compile_options(/permissive- /EHsc /utf-8)
endif()

# The warning level every target of ours is built with.
function(dorvane_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
        if(DORVANE_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion)
        if(DORVANE_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()

# What ships is ISO C++ and nothing else: a GNU extension is an error even
# where warnings are not, since Visual Studio's compiler would refuse it.
function(dorvane_iso_only target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -pedantic-errors)
    endif()
endfunction()
