# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix).
# The POSIX-threads variant of the compiler is the one whose libstdc++ has std::thread and
# friends; everything is linked statically, so the programs need no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)
find_program(RIDI_MINGW_CXX ${CMAKE_CXX_COMPILER})
if(NOT RIDI_MINGW_CXX)
    message(FATAL_ERROR "the compiler ${CMAKE_CXX_COMPILER} not found: install the Debian package "
        "g++-mingw-w64-x86-64-posix (apt-get install g++-mingw-w64-x86-64-posix); "
        "scripts/windows installs everything")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each function and datum in a section of its own, and the sections nothing uses left out of
# the programs: the static C++ library brings much that they never call.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")

# Release at -Os: the programs are downloads. Not -O3: GCC 12 there warns falsely of overlapping
# copies inside std::string (GCC bug 105329), and the warnings are errors in the project's own
# builds.
# (CMake would add its -O3 to flags given as _INIT, so these are the cache's first values.)
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of Release builds")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of Release builds")
