# Every text of the program has a finished translation in each .ts file: lupdate, run over the
# sources into copies of the files, leaves none unfinished or empty. A text added or changed in
# the sources fails this until `cmake --build build --target update_translations` has brought
# it into the .ts files and a translator has finished it there.
file(REMOVE_RECURSE ${WORK_DIR})
file(GLOB translations ${SOURCE_DIR}/translations/*.ts)
file(COPY ${translations} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
execute_process(COMMAND ${LUPDATE} -no-obsolete -I ${SOURCE_DIR}/src ${sources} -ts ${copies}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed OR NOT copies)
    message(FATAL_ERROR "lupdate could not read the sources into the translations")
endif()
foreach(copy ${copies})
    file(STRINGS ${copy} unfinished REGEX "type=\"unfinished\"|<translation></translation>")
    list(LENGTH unfinished count)
    if(count GREATER 0)
        get_filename_component(name ${copy} NAME)
        message(SEND_ERROR "${name}: ${count} texts have no finished translation")
    endif()
endforeach()
