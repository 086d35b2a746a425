# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# RIDI_SANITIZE: everything, tests included, built with AddressSanitizer (with LeakSanitizer)
# and UndefinedBehaviorSanitizer. Any report ends the program with a failure. GCC's
# "undefined" leaves out float-cast-overflow, so it is named on its own.
#
# RIDI_FUZZ (clang only): also instrument everything for libFuzzer, so that fuzz/ builds the
# fuzz targets as libFuzzer programs.
option(RIDI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(RIDI_FUZZ "Build the fuzz targets with libFuzzer (clang only)" OFF)

# The run-time options of the sanitizers, for every test of ridi_add_test.
set(RIDI_SANITIZER_ENVIRONMENT "")

if(RIDI_SANITIZE)
    set(sanitizers -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
    add_compile_options(${sanitizers} -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
    add_link_options(${sanitizers})
    # The instrumentation changes GCC's inlining enough for false "may be used uninitialized"
    # reports inside libstdc++ (std::regex, std::function); the plain build keeps the check.
    add_compile_options($<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
    set(suppressions "${CMAKE_CURRENT_LIST_DIR}/../tests/sanitizers")
    cmake_path(NORMAL_PATH suppressions)
    set(RIDI_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:strict_init_order=1"
        "LSAN_OPTIONS=suppressions=${suppressions}/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

if(RIDI_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "RIDI_FUZZ needs clang (for example CXX=clang++-14)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
