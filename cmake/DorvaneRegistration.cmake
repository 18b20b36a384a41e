# The registration properties: has the generator (tools/pipl) write every
# form of the property list from plugin/resources/DorvaneProperties.h, and
# puts each form where its platform's host reads it. Included from plugin/,
# after the Dorvane target.

if(NOT CMAKE_CROSSCOMPILING)
    set(DORVANE_PIPL_GENERATOR "$<TARGET_FILE:dorvane-pipl>")
    set(DORVANE_PIPL_GENERATOR_DEPENDS dorvane-pipl)
else()
    # DORVANE_PIPL_GENERATOR comes from cmake/DorvaneBuildMachine.cmake.
    set(DORVANE_PIPL_GENERATOR_DEPENDS build_machine_programs "${DORVANE_PIPL_GENERATOR}")
endif()

# A bundle with an arm64 slice announces its entry point for arm64 too; one
# without must not, or an arm64 host would look for code that is not there.
set(DORVANE_PIPL_ARCH_OPTIONS "")
if(DORVANE_BUNDLE_HAS_ARM64)
    set(DORVANE_PIPL_ARCH_OPTIONS --arm64)
endif()

# Known to the whole build, so that the tests can read the files back.
set(DORVANE_REGISTRATION_DIR "${CMAKE_CURRENT_BINARY_DIR}/registration")
set(DORVANE_WINDOWS_PROPERTY_LIST "${DORVANE_REGISTRATION_DIR}/Dorvane.pipl" CACHE INTERNAL "")
set(DORVANE_WINDOWS_RESOURCE_SCRIPT "${DORVANE_REGISTRATION_DIR}/Dorvane.rc" CACHE INTERNAL "")
set(DORVANE_MAC_RESOURCE_FILE "${DORVANE_REGISTRATION_DIR}/Dorvane.rsrc" CACHE INTERNAL "")
set(DORVANE_INFO_PLIST "${DORVANE_REGISTRATION_DIR}/Info.plist" CACHE INTERNAL "")
set(DORVANE_PKGINFO "${DORVANE_REGISTRATION_DIR}/PkgInfo" CACHE INTERNAL "")
set(DORVANE_BUNDLE_EXECUTABLE "Dorvane" CACHE INTERNAL "")
add_custom_command(
    OUTPUT "${DORVANE_WINDOWS_PROPERTY_LIST}" "${DORVANE_WINDOWS_RESOURCE_SCRIPT}"
           "${DORVANE_MAC_RESOURCE_FILE}" "${DORVANE_INFO_PLIST}" "${DORVANE_PKGINFO}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${DORVANE_REGISTRATION_DIR}"
    COMMAND "${DORVANE_PIPL_GENERATOR}" ${DORVANE_PIPL_ARCH_OPTIONS}
            --windows-list "${DORVANE_WINDOWS_PROPERTY_LIST}"
            --windows-rc "${DORVANE_WINDOWS_RESOURCE_SCRIPT}"
            --mac-rsrc "${DORVANE_MAC_RESOURCE_FILE}"
            --info-plist "${DORVANE_INFO_PLIST}" --executable "${DORVANE_BUNDLE_EXECUTABLE}"
            --pkginfo "${DORVANE_PKGINFO}"
    DEPENDS ${DORVANE_PIPL_GENERATOR_DEPENDS}
    COMMENT "Writing the registration property list"
    VERBATIM)
set(DORVANE_REGISTRATION_OUTPUTS
    "${DORVANE_WINDOWS_PROPERTY_LIST}" "${DORVANE_MAC_RESOURCE_FILE}" "${DORVANE_INFO_PLIST}"
    "${DORVANE_PKGINFO}")

if(WIN32)
    # Inside the .aex, compiled by the toolchain's resource compiler.
    enable_language(RC)
    target_sources(Dorvane PRIVATE "${DORVANE_WINDOWS_RESOURCE_SCRIPT}")
elseif(APPLE)
    # Dorvane.plugin/Contents/{MacOS/Dorvane, Resources/Dorvane.rsrc, Info.plist, PkgInfo}.
    set_target_properties(Dorvane PROPERTIES
        BUNDLE TRUE
        BUNDLE_EXTENSION plugin
        OUTPUT_NAME "${DORVANE_BUNDLE_EXECUTABLE}"
        SUFFIX "")
    target_link_options(Dorvane PRIVATE
        "LINKER:-exported_symbols_list,${PROJECT_SOURCE_DIR}/plugin/resources/exports.exp")
    set_property(TARGET Dorvane APPEND PROPERTY LINK_DEPENDS
        "${PROJECT_SOURCE_DIR}/plugin/resources/exports.exp")
    # After the link, so that these replace the Info.plist CMake writes. CMake
    # writes its own again each time it generates the build, and the link is
    # what copies ours in: so the link also follows each generation (the
    # stamp) and each change of the files copied.
    set(dorvane_generation_stamp "${CMAKE_CURRENT_BINARY_DIR}/bundle-generated.stamp")
    file(TOUCH "${dorvane_generation_stamp}")
    set_property(TARGET Dorvane APPEND PROPERTY LINK_DEPENDS
        "${dorvane_generation_stamp}" "${DORVANE_MAC_RESOURCE_FILE}" "${DORVANE_INFO_PLIST}" "${DORVANE_PKGINFO}")
    add_custom_command(TARGET Dorvane POST_BUILD
        COMMAND "${CMAKE_COMMAND}" -E make_directory "$<TARGET_BUNDLE_CONTENT_DIR:Dorvane>/Resources"
        COMMAND "${CMAKE_COMMAND}" -E copy "${DORVANE_MAC_RESOURCE_FILE}"
                "$<TARGET_BUNDLE_CONTENT_DIR:Dorvane>/Resources/Dorvane.rsrc"
        COMMAND "${CMAKE_COMMAND}" -E copy "${DORVANE_INFO_PLIST}"
                "$<TARGET_BUNDLE_CONTENT_DIR:Dorvane>/Info.plist"
        COMMAND "${CMAKE_COMMAND}" -E copy "${DORVANE_PKGINFO}"
                "$<TARGET_BUNDLE_CONTENT_DIR:Dorvane>/PkgInfo"
        VERBATIM)
    # Built on a Mac, the bundle is sealed there, once its files are in place:
    # hosts that load only signed plug-ins refuse it otherwise. Ad hoc by
    # default; a real identity also gets the hardened runtime and a secure
    # timestamp, which notarizing needs. A cross-build cannot seal: its
    # package's installer does so on the user's Mac.
    set(DORVANE_SEAL_BUNDLE OFF CACHE INTERNAL "")
    if(NOT CMAKE_CROSSCOMPILING)
        set(DORVANE_SEAL_BUNDLE ON CACHE INTERNAL "")
        if(NOT DORVANE_CODESIGN_IDENTITY)
            set(DORVANE_CODESIGN_IDENTITY "-" CACHE STRING
                "codesign identity that seals the bundle; - for an ad-hoc signature" FORCE)
        endif()
        set(dorvane_codesign_options "")
        if(NOT DORVANE_CODESIGN_IDENTITY STREQUAL "-")
            set(dorvane_codesign_options --options runtime --timestamp)
        endif()
        add_custom_command(TARGET Dorvane POST_BUILD
            COMMAND codesign --force ${dorvane_codesign_options} --sign "${DORVANE_CODESIGN_IDENTITY}"
                    "$<TARGET_BUNDLE_DIR:Dorvane>"
            VERBATIM)
    endif()
else()
    # The library for the simulated host, with its list beside it as the
    # macOS build keeps it.
    set(DORVANE_BESIDE_RESOURCE_FILE "${CMAKE_CURRENT_BINARY_DIR}/Dorvane.rsrc")
    add_custom_command(
        OUTPUT "${DORVANE_BESIDE_RESOURCE_FILE}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${DORVANE_MAC_RESOURCE_FILE}" "${DORVANE_BESIDE_RESOURCE_FILE}"
        DEPENDS "${DORVANE_MAC_RESOURCE_FILE}"
        VERBATIM)
    list(APPEND DORVANE_REGISTRATION_OUTPUTS "${DORVANE_BESIDE_RESOURCE_FILE}")
endif()

# Every form is written with the plug-in, whichever form it takes in, since
# the tests read them all.
add_custom_target(DorvaneRegistration DEPENDS ${DORVANE_REGISTRATION_OUTPUTS})
add_dependencies(Dorvane DorvaneRegistration)
