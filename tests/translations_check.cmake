# Collects the translatable strings of the sources into a copy of the .ts file and
# fails on any without a finished translation: a new tr() string left untranslated,
# or one whose English changed.
# Arguments: LUPDATE, TS (the translation file), COPY (where to write), SOURCES (;-list).
file(COPY_FILE ${TS} ${COPY})
execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${SOURCES} -ts ${COPY}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status})")
endif()
file(STRINGS ${COPY} lines)
set(source "")
set(missing "")
foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)")
        set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"unfinished\"")
        string(APPEND missing "\n  ${source}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "Without a Chinese translation in ${TS}:${missing}\n"
        "Run `cmake --build build --target update_translations`, then translate them.")
endif()
