# The warnings every target of the project is built with. The test build
# (tools/test) turns them into errors, so that a new warning fails CI
# instead of scrolling past.
option(PENNYWELL_WERROR "Treat compiler warnings as errors" OFF)

add_library(pennywell_warnings INTERFACE)
target_compile_options(pennywell_warnings INTERFACE -Wall -Wextra $<$<BOOL:${PENNYWELL_WERROR}>:-Werror>)

# pennywell_build_options(TARGET...): the project's warnings for these targets.
function(pennywell_build_options)
    foreach(target IN LISTS ARGN)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            target_link_libraries(${target} INTERFACE pennywell_warnings)
        elseif(type MATCHES "EXECUTABLE|LIBRARY")
            target_link_libraries(${target} PRIVATE pennywell_warnings)
        endif()
    endforeach()
endfunction()

# The same for every target the calling folder's CMakeLists.txt defined.
function(pennywell_build_options_of_folder)
    get_property(targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
    pennywell_build_options(${targets})
endfunction()
