# The program's identity as the outside world reads it. The version is stated once, in
# project(VERSION); everything else is derived from it here.

# The application id names the desktop entry, the icons and the metainfo alike.
set(SUMORA_APP_ID "org.sumora.Sumora")

# The version as the program shows it: the major number, a point and the minor number in two
# digits ("1.00").
if(PROJECT_VERSION_MINOR LESS 10)
    set(SUMORA_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(SUMORA_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

# Windows' version resource wants four numbers; project(VERSION 1.0) leaves the last two unset.
set(SUMORA_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR}")
foreach(part IN ITEMS PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        string(APPEND SUMORA_VERSION_NUMBERS ",0")
    else()
        string(APPEND SUMORA_VERSION_NUMBERS ",${PROJECT_VERSION_${part}}")
    endif()
endforeach()

# Where the resource script finds the icon, the manifest and the resource numbers.
set(SUMORA_RESOURCES_DIR "${PROJECT_SOURCE_DIR}/resources")

# Published with the desktop metadata. The web addresses are placeholders under a reserved domain
# until the project has a home of its own; packagers set them on the command line.
set(SUMORA_RELEASE_DATE "2026-12-06")
set(SUMORA_PROJECT_LICENSE "LicenseRef-proprietary")
set(SUMORA_HOMEPAGE_URL "https://sumora.example.org" CACHE STRING "Sumora's home page")
set(SUMORA_SCREENSHOT_URL "${SUMORA_HOMEPAGE_URL}/screenshots" CACHE STRING
    "Web folder that holds the files of docs/screenshots")
