# Runs one scenario through the driver and compares its output with the golden file.
get_filename_component(actual_dir ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${actual_dir})
# LANG, when given, is the language of the words (the driver's --lang).
set(language_option)
if(LANG)
    set(language_option --lang ${LANG})
endif()
# READS, when on, adds the line on how the boxes are read (the driver's --reads).
if(READS)
    list(APPEND language_option --reads)
endif()
execute_process(
    COMMAND ${DRIVER} ${language_option} ${SCENARIO}
    OUTPUT_FILE ${ACTUAL}
    ERROR_VARIABLE driver_errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "oltrave-scenario exited with ${status}:\n${driver_errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
    RESULT_VARIABLE different)
if(different)
    execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
    message(FATAL_ERROR "${SCENARIO} differs from its golden output (diff above)")
endif()
