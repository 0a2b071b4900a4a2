# The warnings every target of the project is built with. The test build
# (tools/test) turns them into errors, so that a new warning fails CI
# instead of scrolling past.
option(PENNYWELL_WERROR "Treat compiler warnings as errors" OFF)

# Beyond -Wall -Wextra: a class with virtual functions and no virtual
# destructor, a virtual function hidden by an overload, C casts, casts that
# drop const, stray semicolons; with GCC also conditions tested twice and
# logical operators that look like bitwise ones. Qt's and the other
# libraries' headers come in as system headers, which are not warned about;
# the code moc writes passes them.
# Left out while the code doesn't pass them: -Wshadow (GCC counts a
# constructor's parameter named like its member), -Wuseless-cast (a cast that
# is needed where int64_t or time_t is another type), -Wconversion and
# -Wsign-conversion.
set(pennywell_gnu $<CXX_COMPILER_ID:GNU>)
set(pennywell_gnu12 $<AND:${pennywell_gnu},$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>)
add_library(pennywell_warnings INTERFACE)
target_compile_options(pennywell_warnings INTERFACE
    -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast -Wcast-qual -Wextra-semi
    $<${pennywell_gnu}:-Wduplicated-cond -Wlogical-op>
    # GCC takes an `if` around a GoogleTest assertion for an ambiguous else;
    # clang's same warning, which sees through the assertion macros, stays on.
    $<${pennywell_gnu}:-Wno-dangling-else>
    # GCC 12 at -O3 reports string copies that can't overlap (`"-" + text`)
    # as overlapping, and std::string members of an initialised array of
    # structs as maybe uninitialised.
    $<${pennywell_gnu12}:-Wno-restrict -Wno-maybe-uninitialized>
    $<$<BOOL:${PENNYWELL_WERROR}>:-Werror>)

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
