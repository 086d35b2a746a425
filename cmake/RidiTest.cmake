# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ridi_add_test(NAME SOURCES ... LIBRARIES ... [GTEST] [GUI])
#
# Adds a test executable built with the project's warnings. GTEST links GoogleTest's main and
# registers each test case with CTest; GUI runs the test on Qt's offscreen platform under a
# pinned locale. In a sanitizer build the tests run with the sanitizers' options.
find_package(GTest)
include(GoogleTest)

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
    endif()
endfunction()
