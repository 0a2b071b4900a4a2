# The releases are written once, in CHANGELOG.md; tools/changelog reads it
# for the build: the newest release's date (the metainfo, the manual pages),
# the Debian changelog and the metainfo's <releases>. Read when CMake runs,
# which it does again whenever CHANGELOG.md changes.

# pennywell_changelog(WHAT VARIABLE): what `tools/changelog WHAT` prints.
function(pennywell_changelog what variable)
    execute_process(
        COMMAND bash "${PROJECT_SOURCE_DIR}/tools/changelog" --file "${PROJECT_SOURCE_DIR}/CHANGELOG.md" ${what}
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "tools/changelog ${what} failed: ${errors}")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
        "${PROJECT_SOURCE_DIR}/CHANGELOG.md" "${PROJECT_SOURCE_DIR}/tools/changelog")
    set(${variable} "${output}" PARENT_SCOPE)
endfunction()
