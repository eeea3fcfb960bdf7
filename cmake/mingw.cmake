# What both MinGW toolchains share; the including file sets
# CMAKE_SYSTEM_PROCESSOR (i686 or x86_64). The win32-thread compilers are
# used on purpose: the posix ones pull in winpthread, which imports
# functions that Windows XP lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(mingw_triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER   ${mingw_triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-win32)
set(CMAKE_RC_COMPILER  ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
