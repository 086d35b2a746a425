# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Build for the browser with Debian's emscripten (package emscripten): its own toolchain file,
# or one line that names the package when it is not installed.
set(RIDI_EMSCRIPTEN_TOOLCHAIN /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    CACHE FILEPATH "emscripten's CMake toolchain file")
if(NOT EXISTS "${RIDI_EMSCRIPTEN_TOOLCHAIN}")
    message(FATAL_ERROR "emscripten not found (${RIDI_EMSCRIPTEN_TOOLCHAIN}): install the Debian "
        "package emscripten (apt-get install emscripten); scripts/web installs everything")
endif()
include("${RIDI_EMSCRIPTEN_TOOLCHAIN}")
