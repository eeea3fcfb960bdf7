# Cross-compiles for 64-bit Windows (x86-64): the build the tests run where
# no 32-bit code runs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
