# Lays the files the program reads beside it in the runnable application folder. Each copy
# depends on its source, so an edited sound or help file reaches the folder with the next
# build even when the program itself is not relinked.
set(ALMANOR_APP_FILES
    ${CMAKE_CURRENT_LIST_DIR}/alarm.wav
    ${CMAKE_CURRENT_LIST_DIR}/chime.wav
    ${CMAKE_CURRENT_LIST_DIR}/almanor.hlp
    ${CMAKE_CURRENT_LIST_DIR}/almanor.de.hlp
    ${CMAKE_CURRENT_LIST_DIR}/almanor.fr.hlp)
set(ALMANOR_APP_FILE_COPIES)
foreach(file ${ALMANOR_APP_FILES})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${ALMANOR_APP_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${ALMANOR_APP_DIR}/${name}
        DEPENDS ${file}
        COMMENT "Copying ${name} into the application folder")
    list(APPEND ALMANOR_APP_FILE_COPIES ${ALMANOR_APP_DIR}/${name})
endforeach()
add_custom_target(almanor_app_files ALL DEPENDS ${ALMANOR_APP_FILE_COPIES})
add_dependencies(almanor almanor_app_files)

if(ALMANOR_SYSTEM_INSTALL)
    include(${PROJECT_SOURCE_DIR}/packaging/package.cmake)
    return()
endif()
install(FILES ${ALMANOR_APP_FILES} DESTINATION .)
install(TARGETS almanor RUNTIME DESTINATION .)

# On Linux the installed folder also gets a desktop entry and the icon, and the entry is put
# into the user's applications menu. The program keeps its notes in its own folder when the
# user can write it (for example ~/Almanor), else in the user's data folder.
if(UNIX AND NOT APPLE)
    option(ALMANOR_INSTALL_MENU_ENTRY "Add Almanor to the user's applications menu on install" ON)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/almanor.png DESTINATION .)
    install(CODE "
        set(ALMANOR_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/almanor\")
        set(ALMANOR_INSTALLED_ICON \"\${CMAKE_INSTALL_PREFIX}/almanor.png\")
        configure_file(\"${CMAKE_CURRENT_LIST_DIR}/almanor.desktop.in\"
                       \"\${CMAKE_INSTALL_PREFIX}/almanor.desktop\" @ONLY)
        message(STATUS \"Installing: \${CMAKE_INSTALL_PREFIX}/almanor.desktop\")")
    if(ALMANOR_INSTALL_MENU_ENTRY)
        install(CODE "
            if(DEFINED ENV{XDG_DATA_HOME})
                set(menu \"\$ENV{XDG_DATA_HOME}/applications\")
            else()
                set(menu \"\$ENV{HOME}/.local/share/applications\")
            endif()
            file(MAKE_DIRECTORY \"\${menu}\")
            file(COPY \"\${CMAKE_INSTALL_PREFIX}/almanor.desktop\" DESTINATION \"\${menu}\")
            message(STATUS \"Installing: \${menu}/almanor.desktop\")")
    endif()
    # A tray planner is at hand from the login on, if the user wants that; the same entry in
    # the autostart folder starts it. Also decided when installing:
    # cmake -DALMANOR_INSTALL_AUTOSTART=ON -DCMAKE_INSTALL_PREFIX=... -P cmake_install.cmake
    option(ALMANOR_INSTALL_AUTOSTART "Start Almanor at login (an entry in ~/.config/autostart)"
           OFF)
    install(CODE "
        if(NOT DEFINED ALMANOR_INSTALL_AUTOSTART)
            set(ALMANOR_INSTALL_AUTOSTART ${ALMANOR_INSTALL_AUTOSTART})
        endif()
        if(ALMANOR_INSTALL_AUTOSTART)
            if(DEFINED ENV{XDG_CONFIG_HOME})
                set(autostart \"\$ENV{XDG_CONFIG_HOME}/autostart\")
            else()
                set(autostart \"\$ENV{HOME}/.config/autostart\")
            endif()
            file(MAKE_DIRECTORY \"\${autostart}\")
            file(COPY \"\${CMAKE_INSTALL_PREFIX}/almanor.desktop\" DESTINATION \"\${autostart}\")
            message(STATUS \"Installing: \${autostart}/almanor.desktop\")
        endif()")
endif()
