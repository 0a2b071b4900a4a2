# The program's identity on the desktop, shared by the program (its window
# icon) and by the install rules in data/: the one application id names the
# desktop entry, the AppStream metadata, the file type's package and the icon.

set(PENNYWELL_APP_ID "io.github.pennywell.Pennywell")
# Not registered with IANA, hence the x- prefix.
set(PENNYWELL_MIME_TYPE "application/x-pennywell-book")
# The date of the newest release in CHANGELOG.md, for the manual pages; the
# test changelog_in_step checks that it is the release of the project's version.
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)
pennywell_changelog(newest newest_release)
string(STRIP "${newest_release}" newest_release)
string(REGEX REPLACE "^([^ ]+) ([^ ]+)$" "\\1;\\2" newest_release "${newest_release}")
list(GET newest_release 0 PENNYWELL_RELEASE_VERSION)
list(GET newest_release 1 PENNYWELL_RELEASE_DATE)
if(NOT PENNYWELL_RELEASE_VERSION VERSION_EQUAL PROJECT_VERSION)
    message(WARNING "CHANGELOG.md's newest release is ${PENNYWELL_RELEASE_VERSION}, the project's version "
                    "${PROJECT_VERSION}: write the release in CHANGELOG.md")
endif()
set(PENNYWELL_ICON_SVG "${PROJECT_SOURCE_DIR}/data/icons/${PENNYWELL_APP_ID}.svg")
# The sizes desktops and file managers look for in the hicolor theme.
set(PENNYWELL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(PENNYWELL_ICON_DIR "${PROJECT_BINARY_DIR}/icons")

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# pennywell_add_icon_resource(TARGET): renders the icon at every size (the
# SVG is the only source; the PNGs are build products) and compiles them into
# TARGET as the resources :/icons/SIZE/<app id>.png.
function(pennywell_add_icon_resource target)
    set(pngs)
    foreach(size IN LISTS PENNYWELL_ICON_SIZES)
        set(png "${PENNYWELL_ICON_DIR}/${size}/${PENNYWELL_APP_ID}.png")
        add_custom_command(
            OUTPUT "${png}"
            COMMAND "${CMAKE_COMMAND}" -E make_directory "${PENNYWELL_ICON_DIR}/${size}"
            COMMAND "${RSVG_CONVERT}" --width=${size} --height=${size} --output=${png} "${PENNYWELL_ICON_SVG}"
            DEPENDS "${PENNYWELL_ICON_SVG}"
            COMMENT "Rendering the ${size}x${size} icon"
            VERBATIM)
        list(APPEND pngs "${png}")
    endforeach()
    qt_add_resources(${target} "appicon" PREFIX "/icons" BASE "${PENNYWELL_ICON_DIR}" FILES ${pngs})
    target_compile_definitions(${target} PUBLIC PENNYWELL_APP_ID="${PENNYWELL_APP_ID}")
endfunction()
