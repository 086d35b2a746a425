# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A cross build for Windows runs its test programs under Wine: CMAKE_CROSSCOMPILING_EMULATOR is
# tests/windows/wine_run.sh with a Wine prefix in the build folder, so that add_test(COMMAND
# target) runs target.exe under Wine. RIDI_WINE_RUN is the same command, for tests that start a
# Windows program through a script.
#
# ridi_wine_test(TEST...) marks tests that run Windows programs: they need the fixture
# ridi_wine (tests/windows), which makes the prefix and starts Wine's server and services with
# their streams closed before them, and ends them after. In a native build it does nothing.
set(RIDI_WINE_RUN "")
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(RIDI_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine/prefix")
    set(RIDI_WINE_RUN "${PROJECT_SOURCE_DIR}/tests/windows/wine_run.sh" "${RIDI_WINE_PREFIX}")
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${RIDI_WINE_RUN})
    endif()
endif()

function(ridi_wine_test)
    if(RIDI_WINE_RUN)
        set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED ridi_wine)
    endif()
endfunction()
