# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the build finds on the build machine, each with the Debian package that brings it: a
# configuration without one stops with a line that names the package to install.

# ridi_missing(WHAT PACKAGE): stops the configuration, naming the package. In a Debian package
# build (debian/rules gives RIDI_DEBIAN_VERSION) only the Build-Depends are installed, so the
# package belongs there.
function(ridi_missing what package)
    if(DEFINED RIDI_DEBIAN_VERSION)
        message(FATAL_ERROR "${what} not found: add ${package} to the Build-Depends in "
            "debian/control")
    endif()
    message(FATAL_ERROR "${what} not found: install the Debian package ${package} "
        "(apt-get install ${package}); scripts/run and scripts/test install everything")
endfunction()

# ridi_find_program(VARIABLE PROGRAM PACKAGE): find_program, or stop.
function(ridi_find_program variable program package)
    find_program(${variable} ${program})
    if(NOT ${variable})
        ridi_missing("the program ${program}" ${package})
    endif()
endfunction()

# ridi_find_package(NAME PACKAGE [find_package arguments...]): find_package, or stop.
macro(ridi_find_package name package)
    find_package(${name} ${ARGN})
    if(NOT ${name}_FOUND)
        ridi_missing("${name} ${ARGN}" ${package})
    endif()
endmacro()
