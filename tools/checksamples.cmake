# The sample books in examples/ are exactly what tools/makesample writes, so
# a change to the generator or the file format shows up here until the books
# are written again.
foreach(sample IN ITEMS "en;household.pwdb" "zh_TW;household-zh_TW.pwdb")
    list(GET sample 0 language)
    list(GET sample 1 name)
    execute_process(COMMAND "${MAKESAMPLE}" --lang ${language} "${OUT}/${name}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "makesample --lang ${language} failed")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${EXAMPLES}/${name}"
        RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "examples/${name} is not what makesample --lang ${language} writes; write it again")
    endif()
endforeach()
