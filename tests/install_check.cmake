# Installs the built program into a fresh folder, with a fresh home folder, and checks that the
# result is a complete portable folder with a menu entry that starts the installed program.
# Run with -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder>.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/Almanor")
set(home "${WORK_DIR}/home")
set(autostart_entry "${home}/.config/autostart/almanor.desktop")
foreach(autostart OFF ON)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env HOME=${home} --unset=XDG_DATA_HOME --unset=XDG_CONFIG_HOME
                ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${prefix}
                -DALMANOR_INSTALL_AUTOSTART=${autostart} -P "${BUILD_DIR}/cmake_install.cmake"
        RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "installing failed: ${result}")
    endif()
    if(autostart AND NOT EXISTS "${autostart_entry}")
        message(FATAL_ERROR "no autostart entry at ${autostart_entry}")
    elseif(NOT autostart AND EXISTS "${autostart_entry}")
        message(FATAL_ERROR "an autostart entry nobody asked for")
    endif()
endforeach()
foreach(name almanor alarm.wav chime.wav almanor.hlp almanor.de.hlp almanor.fr.hlp almanor.png
             almanor.desktop)
    if(NOT EXISTS "${prefix}/${name}")
        message(FATAL_ERROR "the installed folder lacks ${name}")
    endif()
endforeach()
set(entry "${home}/.local/share/applications/almanor.desktop")
if(NOT EXISTS "${entry}")
    message(FATAL_ERROR "no menu entry at ${entry}")
endif()
file(STRINGS "${entry}" exec REGEX "^Exec=")
file(STRINGS "${entry}" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=${prefix}/almanor" OR NOT icon STREQUAL "Icon=${prefix}/almanor.png")
    message(FATAL_ERROR "the menu entry points elsewhere: ${exec} ${icon}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "installed folder and menu entry are complete")
