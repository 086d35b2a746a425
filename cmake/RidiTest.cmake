# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ridi_add_test(NAME SOURCES ... LIBRARIES ... [GTEST] [GUI])
#
# Adds a test executable built with the project's warnings. GTEST links GoogleTest's main and
# registers each test case with CTest; GUI runs the test on Qt's offscreen platform under a
# pinned locale. In a sanitizer build the tests run with the sanitizers' options.
#
# A cross build (Windows, with MinGW-w64) builds GoogleTest from Debian's source (package
# googletest) with the project's compiler, and runs each test program whole, once, through
# CMAKE_CROSSCOMPILING_EMULATOR (Wine): listing its cases would start Wine at build time or
# before the Wine set-up of the test run, and one start per program is much faster.
if(NOT BUILD_TESTING)
    # No test is built (as in Debian's nocheck builds): GoogleTest is not needed.
elseif(CMAKE_CROSSCOMPILING)
    set(RIDI_GTEST_SOURCE "/usr/src/googletest/googletest" CACHE PATH
        "GoogleTest's source, built for the target in a cross build")
    if(NOT EXISTS "${RIDI_GTEST_SOURCE}/CMakeLists.txt")
        message(FATAL_ERROR "A cross build needs GoogleTest's source in ${RIDI_GTEST_SOURCE} "
            "(Debian package googletest), or set RIDI_GTEST_SOURCE")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    add_subdirectory("${RIDI_GTEST_SOURCE}" "${PROJECT_BINARY_DIR}/googletest"
        EXCLUDE_FROM_ALL SYSTEM)
else()
    ridi_find_package(GTest libgtest-dev)
    include(GoogleTest)
endif()

function(ridi_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "GTEST;GUI" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ridi_warnings ${arg_LIBRARIES})
    set(environment "LC_ALL=C.UTF-8" "LANG=C.UTF-8" ${RIDI_SANITIZER_ENVIRONMENT})
    if(arg_GUI)
        list(APPEND environment "QT_QPA_PLATFORM=offscreen")
    endif()
    if(arg_GTEST)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        if(CMAKE_CROSSCOMPILING)
            add_test(NAME ${name} COMMAND ${name})
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
            ridi_wine_test(${name})
            return()
        endif()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
        # gtest_discover_tests would flatten a list-valued ENVIRONMENT into separate
        # properties, so the environment is set on the discovered tests afterwards, by a file
        # that CTest reads after the one that adds them.
        set(environment_file "${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake")
        file(WRITE "${environment_file}"
            "if(${name}_TESTS)\n"
            "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
            "endif()\n")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${environment_file}")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
        ridi_wine_test(${name})
    endif()
endfunction()
