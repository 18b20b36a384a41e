# Installing and packaging: `cmake --install` puts the plug-in where the host
# looks for it, and the `package` target makes an archive of the same tree,
# with a short README and the licence beside it. Included from plugin/,
# after DorvaneRegistration.

# The installer each macOS package carries; the tests run it with stand-ins.
set(DORVANE_MAC_INSTALLER_NAME "Install Dorvane.command" CACHE INTERNAL "")
set(DORVANE_MAC_INSTALLER "${PROJECT_SOURCE_DIR}/packaging/macos/${DORVANE_MAC_INSTALLER_NAME}" CACHE INTERNAL "")

# The host's shared plug-in folder, the one every version of it searches.
if(WIN32)
    set(dorvane_host_common_dir "C:/Program Files/Adobe/Common")
    set(dorvane_plugin_dir "Plug-ins/7.0/MediaCore")
    set(dorvane_platform "windows-x64")
elseif(APPLE)
    set(dorvane_host_common_dir "/Library/Application Support/Adobe/Common")
    set(dorvane_plugin_dir "Plug-ins/7.0/MediaCore")
    # Named by architecture: universal, the one Mac users take, or the
    # x86_64-only build for Intel Macs.
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
        set(DORVANE_PACKAGE_FOR "for Windows x64")
        set(DORVANE_PACKAGE_HOW_TO_INSTALL
            "Installing: unpack this archive into Adobe's Common folder,\n"
            "  ${DORVANE_PACKAGE_COMMON_DIR}\n"
            "so that Dorvane.aex lands in its ${DORVANE_PLUGIN_INSTALL_DIR} folder,\n"
            "and restart the host. The effect is listed under MureloUtility.\n")
    else()
        if(DORVANE_BUNDLE_HAS_ARM64)
            set(DORVANE_PACKAGE_FOR "for every Mac: Apple silicon and Intel (universal)")
        else()
            set(DORVANE_PACKAGE_FOR
                "for Intel Macs only. On Apple silicon take\n"
                "Dorvane-${PROJECT_VERSION}-macos-universal.zip instead: a host running natively there\n"
                "does not list this one")
        endif()
        set(DORVANE_PACKAGE_HOW_TO_INSTALL
            "Installing: double-click \"${DORVANE_MAC_INSTALLER_NAME}\" in Finder, or run in Terminal\n"
            "  sudo sh \"${DORVANE_MAC_INSTALLER_NAME}\"\n"
            "It copies Dorvane.plugin into\n"
            "  ${DORVANE_PACKAGE_COMMON_DIR}/${DORVANE_PLUGIN_INSTALL_DIR}\n"
            "(or --dest DIR), removes the quarantine mark a download leaves, seals the\n"
            "bundle with an ad-hoc signature, which hosts that load only signed plug-ins\n"
            "require, and verifies it. --uninstall removes it, and --help says more. It\n"
            "needs codesign (xcode-select --install). Then restart the host: the effect\n"
            "is listed under MureloUtility.\n"
            "\n"
            "Copying the bundle by hand instead leaves it unsealed and quarantined, and\n"
            "the host will not load it.\n")
    endif()
    string(JOIN "" DORVANE_PACKAGE_FOR ${DORVANE_PACKAGE_FOR})
    string(JOIN "" DORVANE_PACKAGE_HOW_TO_INSTALL ${DORVANE_PACKAGE_HOW_TO_INSTALL})
    configure_file("${PROJECT_SOURCE_DIR}/cmake/package-README.txt.in"
                   "${CMAKE_CURRENT_BINARY_DIR}/package/README.txt" @ONLY NEWLINE_STYLE UNIX)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/package/README.txt" DESTINATION .
            COMPONENT PackageNotes EXCLUDE_FROM_ALL)
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt
            COMPONENT PackageNotes EXCLUDE_FROM_ALL)
    if(APPLE)
        # Beside Plug-ins/, where it finds the bundle; executable, so that
        # Finder runs it with a double-click.
        install(PROGRAMS "${DORVANE_MAC_INSTALLER}" DESTINATION .
                COMPONENT PackageNotes EXCLUDE_FROM_ALL)
    endif()
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
