# Lays the files the program reads beside it in the runnable application folder. Each copy
# depends on its source, so an edited sound or help file reaches the folder with the next
# build even when the program itself is not relinked.
set(ALMANOR_APP_FILES
    ${CMAKE_CURRENT_LIST_DIR}/alarm.wav
    ${CMAKE_CURRENT_LIST_DIR}/chime.wav
    ${CMAKE_CURRENT_LIST_DIR}/almanor.hlp)
set(ALMANOR_APP_FILE_COPIES)
foreach(file ${ALMANOR_APP_FILES})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${ALMANOR_APP_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${ALMANOR_APP_DIR}/${name}
        DEPENDS ${file}
        COMMENT "Copying ${name} into the application folder")
    list(APPEND ALMANOR_APP_FILE_COPIES ${ALMANOR_APP_DIR}/${name})
    install(FILES ${file} DESTINATION .)
endforeach()
add_custom_target(almanor_app_files ALL DEPENDS ${ALMANOR_APP_FILE_COPIES})
add_dependencies(almanor almanor_app_files)
install(TARGETS almanor RUNTIME DESTINATION .)
