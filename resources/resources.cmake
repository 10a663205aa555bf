# Lays the files the program reads beside it in the runnable application folder.
set(ALMANOR_APP_FILES
    ${CMAKE_CURRENT_LIST_DIR}/alarm.wav
    ${CMAKE_CURRENT_LIST_DIR}/chime.wav
    ${CMAKE_CURRENT_LIST_DIR}/almanor.hlp)
foreach(file ${ALMANOR_APP_FILES})
    if(EXISTS ${file})
        get_filename_component(name ${file} NAME)
        add_custom_command(TARGET almanor POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${ALMANOR_APP_DIR}/${name})
        install(FILES ${file} DESTINATION .)
    endif()
endforeach()
install(TARGETS almanor RUNTIME DESTINATION .)
