# Cross-compiling qodata for 64-bit Windows with MinGW-w64 on Linux; the programs run under Wine.
# The POSIX-threads variant of the compiler is used: the default (win32-threads) one lacks
# std::mutex and std::thread, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QODATA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QODATA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QODATA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QODATA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QODATA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime is linked in statically (libgcc, libstdc++ and winpthread), so qodata.dll and the
# test programs need no MinGW DLLs beside them, on Windows or under Wine.
set(QODATA_MINGW_STATIC_RUNTIME "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${QODATA_MINGW_STATIC_RUNTIME}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${QODATA_MINGW_STATIC_RUNTIME}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${QODATA_MINGW_STATIC_RUNTIME}")

# Test programs (and GoogleTest's test discovery) run through Wine.
find_program(QODATA_WINE NAMES wine wine64)
if(QODATA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QODATA_WINE})
endif()
