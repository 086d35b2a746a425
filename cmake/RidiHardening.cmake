# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds carry Debian's hardening flags: fortified libc calls, a strong stack
# protector, position-independent executables and full RELRO with immediate binding (on
# Windows: address space layout randomisation and no execution of data).
# Sanitizer builds leave them out (ASan replaces the fortified calls), and so do debug builds,
# where _FORTIFY_SOURCE has no effect without optimisation.
#
# The builder's own flags come first: a hardening flag is added only where the flags the build
# was given (CXXFLAGS and LDFLAGS, or CMAKE_CXX_FLAGS and CMAKE_EXE_LINKER_FLAGS) say nothing
# of it. So Debian's package build, which passes dpkg-buildflags' flags (debian/rules), gets
# exactly those, and a packager's choice, such as another _FORTIFY_SOURCE level, stands.
#
# The flags are the usage requirements of the target ridi_hardening, chosen per configuration,
# so that multi-configuration generators give them to the release configurations only.
# RIDI_HARDENED_CONFIGS lists those configurations (none in a sanitizer build), so that a test
# can check the built programs.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_library(ridi_hardening INTERFACE)
if(RIDI_SANITIZE OR EMSCRIPTEN)
    # WebAssembly has no such flags: its memory safety comes from the engine that runs it.
    set(RIDI_HARDENED_CONFIGS "")
else()
    set(RIDI_HARDENED_CONFIGS Release RelWithDebInfo MinSizeRel)
    list(JOIN RIDI_HARDENED_CONFIGS "," configs)
    set(given "${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}")
    set(compile_flags)
    set(link_flags)
    if(NOT given MATCHES "_FORTIFY_SOURCE")
        list(APPEND compile_flags -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
    endif()
    if(NOT given MATCHES "-f(no-)?stack-protector")
        list(APPEND compile_flags -fstack-protector-strong)
        if(WIN32)
            # MinGW-w64: the stack protector's library comes with the flag at link time.
            list(APPEND link_flags -fstack-protector-strong)
        endif()
    endif()
    if(WIN32)
        # The programs are relocatable (ASLR, with 64-bit addresses) and their data never runs.
        list(APPEND link_flags LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
    elseif(NOT given MATCHES "relro|[,= ]now")
        list(APPEND link_flags LINKER:-z,relro,-z,now)
    endif()
    target_compile_options(ridi_hardening INTERFACE $<$<CONFIG:${configs}>:${compile_flags}>)
    target_link_options(ridi_hardening INTERFACE $<$<CONFIG:${configs}>:${link_flags}>)
    unset(given)
    unset(configs)
endif()
