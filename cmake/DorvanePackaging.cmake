# Installing and packaging: `cmake --install` puts the plug-in where the host
# looks for it, and the `package` target makes an archive of the same tree.
# Included from plugin/, after DorvaneRegistration.

# The host's shared plug-in folder, the one every version of it searches.
if(WIN32)
    set(dorvane_host_common_dir "C:/Program Files/Adobe/Common")
    set(dorvane_plugin_dir "Plug-ins/7.0/MediaCore")
    set(dorvane_platform "windows-x64")
elseif(APPLE)
    set(dorvane_host_common_dir "/Library/Application Support/Adobe/Common")
    set(dorvane_plugin_dir "Plug-ins/7.0/MediaCore")
    set(dorvane_platform "macos")
else()
    # No host runs here: the library and its list go where the simulated
    # host's users can point it.
    set(dorvane_host_common_dir "")
    set(dorvane_plugin_dir "lib/dorvane")
    set(dorvane_platform "linux-x86_64")
endif()
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND dorvane_host_common_dir)
    set(CMAKE_INSTALL_PREFIX "${dorvane_host_common_dir}" CACHE PATH "Install prefix" FORCE)
endif()
set(DORVANE_PLUGIN_INSTALL_DIR "${dorvane_plugin_dir}" CACHE STRING
    "Where, under the install prefix, the plug-in goes")

install(TARGETS Dorvane LIBRARY DESTINATION "${DORVANE_PLUGIN_INSTALL_DIR}")
if(NOT WIN32 AND NOT APPLE)
    install(FILES "${DORVANE_BESIDE_RESOURCE_FILE}" DESTINATION "${DORVANE_PLUGIN_INSTALL_DIR}")
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
