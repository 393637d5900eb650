# Cross-compiles for 64-bit Windows with Debian's mingw-w64 compiler (package
# g++-mingw-w64-x86-64). Only the toolkit-free parts build this way: there is no Qt for it here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VEXOLAN_MINGW_TRIPLET x86_64-w64-mingw32)
if(NOT CMAKE_CXX_COMPILER)
    # The posix flavour has the C++ standard library's threads; either compiles this code.
    find_program(CMAKE_CXX_COMPILER
        NAMES ${VEXOLAN_MINGW_TRIPLET}-g++-posix ${VEXOLAN_MINGW_TRIPLET}-g++ REQUIRED)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${VEXOLAN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
