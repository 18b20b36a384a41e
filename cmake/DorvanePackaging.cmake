# Installing and packaging: `cmake --install` puts the plug-in where the host
# looks for it, and the `package` target makes an archive of the same tree,
# with a short README and the licence beside it. Included from plugin/,
# after DorvaneRegistration.

# The host's shared plug-in folder, the one every version of it searches.
if(WIN32)
    set(dorvane_host_common_dir "C:/Program Files/Adobe/Common")
    set(dorvane_plugin_dir "Plug-ins/7.0/MediaCore")
    set(dorvane_platform "windows-x64")
elseif(APPLE)
    set(dorvane_host_common_dir "/Library/Application Support/Adobe/Common")
    set(dorvane_plugin_dir "Plug-ins/7.0/MediaCore")
    # Named by architecture: the x86_64 deliverable, or universal.
    if(DORVANE_BUNDLE_HAS_ARM64)
        set(dorvane_platform "macos-universal")
    else()
        set(dorvane_platform "macos-x86_64")
    endif()
else()
    # No host runs here: the library and its list go where the simulated
    # host's users can point it.
    set(dorvane_host_common_dir "")
    set(dorvane_plugin_dir "lib/dorvane")
    set(dorvane_platform "linux-x86_64")
endif()
# The host's folder is on another machine when cross-building: the tree is
# staged in the build, ready to copy (or --prefix to put it elsewhere).
set(DORVANE_STAGING_PREFIX "${CMAKE_BINARY_DIR}/stage" CACHE INTERNAL "")
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND dorvane_host_common_dir)
    if(CMAKE_CROSSCOMPILING)
        set(CMAKE_INSTALL_PREFIX "${DORVANE_STAGING_PREFIX}" CACHE PATH "Install prefix" FORCE)
    else()
        set(CMAKE_INSTALL_PREFIX "${dorvane_host_common_dir}" CACHE PATH "Install prefix" FORCE)
    endif()
endif()
set(DORVANE_PLUGIN_INSTALL_DIR "${dorvane_plugin_dir}" CACHE STRING
    "Where, under the install prefix, the plug-in goes")

install(TARGETS Dorvane LIBRARY DESTINATION "${DORVANE_PLUGIN_INSTALL_DIR}" COMPONENT Plugin)
if(NOT WIN32 AND NOT APPLE)
    install(FILES "${DORVANE_BESIDE_RESOURCE_FILE}" DESTINATION "${DORVANE_PLUGIN_INSTALL_DIR}" COMPONENT Plugin)
endif()

# The package's own notes, beside Plug-ins/: only in the archive, never in
# the host's folder.
if(dorvane_host_common_dir)
    set(DORVANE_PACKAGE_PLATFORM "${dorvane_platform}")
    set(DORVANE_PACKAGE_COMMON_DIR "${dorvane_host_common_dir}")
    if(WIN32)
        string(REPLACE "/" "\\" DORVANE_PACKAGE_COMMON_DIR "${DORVANE_PACKAGE_COMMON_DIR}")
        set(DORVANE_PACKAGE_PLUGIN "Dorvane.aex")
        set(DORVANE_PACKAGE_SIGNING "")
    else()
        set(DORVANE_PACKAGE_PLUGIN "the Dorvane.plugin bundle")
        set(DORVANE_PACKAGE_SIGNING
            "\nThe bundle's code carries only the ad-hoc signature its linker wrote. Hosts that\n"
            "load only signed plug-ins need it signed on a Mac before it is installed:\n"
            "  codesign --force --sign - Dorvane.plugin\n"
            "(or with a Developer ID, and notarized, to give it to others).\n")
        string(JOIN "" DORVANE_PACKAGE_SIGNING ${DORVANE_PACKAGE_SIGNING})
    endif()
    configure_file("${PROJECT_SOURCE_DIR}/cmake/package-README.txt.in"
                   "${CMAKE_CURRENT_BINARY_DIR}/package/README.txt" @ONLY NEWLINE_STYLE UNIX)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/package/README.txt" DESTINATION .
            COMPONENT PackageNotes EXCLUDE_FROM_ALL)
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt
            COMPONENT PackageNotes EXCLUDE_FROM_ALL)
    set(CPACK_INSTALL_CMAKE_PROJECTS
        "${CMAKE_BINARY_DIR};Dorvane;Plugin;/" "${CMAKE_BINARY_DIR};Dorvane;PackageNotes;/")
    set(DORVANE_PACKAGE_FILE "Dorvane-${PROJECT_VERSION}-${dorvane_platform}.zip" CACHE INTERNAL "")
endif()

set(CPACK_PACKAGE_NAME "Dorvane")
set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "Dorvane-${PROJECT_VERSION}-${dorvane_platform}")

set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
if(WIN32 OR APPLE)
    set(CPACK_GENERATOR "ZIP")
else()
    set(CPACK_GENERATOR "TGZ")
endif()
include(CPack)
