# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX threads), for running under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime libraries, so the executables start under Wine without looking for mingw's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# GoogleTest is not packaged for mingw; Debian's source package is built along with the tests.
set(PAIRFINDER_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")

# Test executables are listed and run through Wine.
find_program(PAIRFINDER_WINE NAMES wine wine64)
if(PAIRFINDER_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PAIRFINDER_WINE})
endif()
