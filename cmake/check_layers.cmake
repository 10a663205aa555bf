# Fails when a source folder includes a header of a folder it must not depend on.
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake
#
# Dependencies point one way: each folder stands on a tier and may include its own headers and
# those of folders on lower tiers. Folders on one tier do not include each other; what two of
# them need moves down, and a window that must make another act emits a signal that shell
# connects.
#   common  <-  platform  <-  notes, settings  <-  alarm  <-  calendar, overview, about  <-  shell
set(tier_common 0)
set(tier_platform 1)
set(tier_notes 2)
set(tier_settings 2)
set(tier_alarm 3)
set(tier_calendar 4)
set(tier_overview 4)
set(tier_about 4)
set(tier_shell 5)

file(GLOB sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*/*.h" "${SOURCE_DIR}/*/*.cpp")
set(violations "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT DEFINED tier_${folder})
        string(APPEND violations "\n  ${source}: the folder ${folder} has no tier here")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${line}")
        if(used STREQUAL folder)
            continue()
        endif()
        if(NOT DEFINED tier_${used} OR NOT tier_${used} LESS tier_${folder})
            string(APPEND violations "\n  ${source}: ${line}")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes that point the wrong way (see cmake/check_layers.cmake):"
                        "${violations}")
endif()
