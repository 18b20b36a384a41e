# What the build needs to know from the one table of the effect's identity,
# plugin/resources/DorvaneProperties.h: the entry point's name, the version,
# which must be the project's, and the file version Windows shows
# (version.build).
set(dorvane_properties_header "${PROJECT_SOURCE_DIR}/plugin/resources/DorvaneProperties.h")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${dorvane_properties_header}")
file(READ "${dorvane_properties_header}" dorvane_properties_text)

string(REGEX MATCH "kEntryPointName = \"([A-Za-z_][A-Za-z_0-9]*)\";" dorvane_match "${dorvane_properties_text}")
if(NOT dorvane_match)
    message(FATAL_ERROR "No kEntryPointName in ${dorvane_properties_header}")
endif()
set(DORVANE_ENTRY_POINT_NAME "${CMAKE_MATCH_1}")

set(dorvane_effect_version "")
foreach(part Major Minor Bug)
    string(REGEX MATCH "k${part}Version = ([0-9]+);" dorvane_match "${dorvane_properties_text}")
    list(APPEND dorvane_effect_version "${CMAKE_MATCH_1}")
endforeach()
list(JOIN dorvane_effect_version "." dorvane_effect_version)
string(REGEX MATCH "kBuildVersion = ([0-9]+);" dorvane_match "${dorvane_properties_text}")
set(DORVANE_FILE_VERSION "${dorvane_effect_version}.${CMAKE_MATCH_1}")
if(NOT dorvane_effect_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The project version ${PROJECT_VERSION} differs from the effect's "
                        "version ${dorvane_effect_version} in ${dorvane_properties_header}")
endif()
