# Cross-compiles 32-bit Windows programs with Debian's mingw-w64.
# KXFIX_THREADS picks the compiler variant: "win32" for what we ship (it loads on
# Windows XP), "posix" for the tests (GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
if(NOT KXFIX_THREADS)
  set(KXFIX_THREADS win32)
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KXFIX_THREADS)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${KXFIX_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${KXFIX_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
