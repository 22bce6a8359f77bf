# Installs BUILD_DIR into PREFIX and checks that exactly the expected files land there, named so
# that the menu entry, its icon and the software-centre metadata find one another.
# Arguments: BUILD_DIR, PREFIX, APP_ID, VERSION.

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE status
    OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(icon_sizes 32 48 64 128 256)
set(expected
    bin/sumora
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " want "${expected}")
    string(REPLACE ";" "\n  " got "${installed}")
    message(FATAL_ERROR "installed files differ\nexpected:\n  ${want}\ninstalled:\n  ${got}")
endif()

set(failures "")
function(expect_line file regex what)
    file(STRINGS "${PREFIX}/${file}" lines REGEX "${regex}")
    if(NOT lines)
        set(failures "${failures}\n${file}: ${what}" PARENT_SCOPE)
    endif()
endfunction()

# The menu entry starts the installed binary by name and shows the themed icon.
expect_line(share/applications/${APP_ID}.desktop "^Exec=sumora$" "Exec is not the binary")
expect_line(share/applications/${APP_ID}.desktop "^Icon=${APP_ID}$" "Icon is not the app id")
expect_line(share/metainfo/${APP_ID}.metainfo.xml "<id>${APP_ID}</id>" "id")
expect_line(share/metainfo/${APP_ID}.metainfo.xml
    "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" "launchable")
expect_line(share/metainfo/${APP_ID}.metainfo.xml
    "<release version=\"${VERSION}\"" "release version ${VERSION}")

# Each icon has the size of the folder the theme looks it up in (PNG header: width, height).
foreach(size IN LISTS icon_sizes)
    set(icon share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    file(READ "${PREFIX}/${icon}" header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        set(failures "${failures}\n${icon}: ${width}x${height}")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "install checks failed:${failures}")
endif()
