# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads, so std::thread works)
# and runs the programs the build or its tests start under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(q6_mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${q6_mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${q6_mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${q6_mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${q6_mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries linked in, so a program runs without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# A wine prefix of the build's own, made on first use and thrown away with the build; no display
# is needed for console programs, and the dialogs offering Mono and Gecko stay away.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
          DISPLAY= wine)
endif()
