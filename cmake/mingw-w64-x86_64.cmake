# Cross compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX threads flavour, which
# std::thread and friends need). Used by scripts/test-windows-core; the result runs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ALMANOR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ALMANOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ALMANOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ALMANOR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ALMANOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A self-contained executable: no libgcc, libstdc++ or winpthread DLLs to copy next to it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests registered with CTest run through Wine.
find_program(ALMANOR_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ALMANOR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ALMANOR_WINE})
endif()
