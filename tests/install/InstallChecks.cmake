# Installing and packaging, tried as a user would: exactly the plug-in's
# files in the plug-in folder; a cross-build staging them in the build
# unless told otherwise; the archive laid out Plug-ins/7.0/MediaCore/...
# with its README, licence and, for macOS, the installer. Included by the
# tests of every build.
if(WIN32)
    set(dorvane_plugin_files "Dorvane.aex")
elseif(APPLE)
    set(dorvane_plugin_files Dorvane.plugin/Contents/Info.plist Dorvane.plugin/Contents/PkgInfo
                             Dorvane.plugin/Contents/MacOS/Dorvane Dorvane.plugin/Contents/Resources/Dorvane.rsrc)
    if(DORVANE_SEAL_BUNDLE)
        list(APPEND dorvane_plugin_files Dorvane.plugin/Contents/_CodeSignature/CodeResources)
    endif()
else()
    set(dorvane_plugin_files Dorvane.rsrc Dorvane.so)
endif()
list(TRANSFORM dorvane_plugin_files PREPEND "${DORVANE_PLUGIN_INSTALL_DIR}/")
list(JOIN dorvane_plugin_files "|" dorvane_installed)

set(dorvane_install_checks "${CMAKE_CURRENT_LIST_DIR}")
add_test(NAME install_puts_the_plugin_in_the_plugin_folder
    COMMAND "${CMAKE_COMMAND}" "-DBUILD_DIR=${CMAKE_BINARY_DIR}"
            "-DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-check" "-DEXPECTED=${dorvane_installed}"
            -P "${dorvane_install_checks}/check_install.cmake")
if(CMAKE_CROSSCOMPILING)
    add_test(NAME install_of_a_cross_build_stays_in_the_build
        COMMAND "${CMAKE_COMMAND}" "-DBUILD_DIR=${CMAKE_BINARY_DIR}" -DDEFAULT_PREFIX=ON
                "-DPREFIX=${DORVANE_STAGING_PREFIX}" "-DEXPECTED=${dorvane_installed}"
                -P "${dorvane_install_checks}/check_install.cmake")
endif()
set(dorvane_package_notes "README.txt|LICENSE.txt")
set(dorvane_package_executable "")
if(APPLE)
    string(APPEND dorvane_package_notes "|${DORVANE_MAC_INSTALLER_NAME}")
    set(dorvane_package_executable "-DEXECUTABLE=${DORVANE_MAC_INSTALLER_NAME}")
endif()
if(DORVANE_PACKAGE_FILE)
    add_test(NAME package_holds_the_plugin_folder_readme_and_licence
        COMMAND "${CMAKE_COMMAND}" "-DCPACK=${CMAKE_CPACK_COMMAND}" "-DBUILD_DIR=${CMAKE_BINARY_DIR}"
                "-DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/package-check" "-DNAME=${DORVANE_PACKAGE_FILE}"
                "-DEXPECTED=${dorvane_package_notes}|${dorvane_installed}" ${dorvane_package_executable}
                -P "${dorvane_install_checks}/check_package.cmake")
endif()
# The macOS installer, run here with stand-ins for xattr and codesign: the
# one script every macOS package carries, so any build but Windows runs it.
if(NOT WIN32)
    add_test(NAME macos_installer_seals_and_replaces_cleanly
        COMMAND sh "${dorvane_install_checks}/check_installer.sh" "${DORVANE_MAC_INSTALLER}")
endif()

# Every install writes the build's install manifest: one at a time.
get_directory_property(dorvane_tests TESTS)
list(FILTER dorvane_tests INCLUDE REGEX "^(install|package)_")
set_tests_properties(${dorvane_tests} PROPERTIES RESOURCE_LOCK dorvane_install)
