# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds carry Debian's hardening flags: fortified libc calls, a strong stack
# protector, position-independent executables and full RELRO with immediate binding (on
# Windows: address space layout randomisation and no execution of data).
# Sanitizer builds leave them out (ASan replaces the fortified calls), and so do debug builds,
# where _FORTIFY_SOURCE has no effect without optimisation.
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
    target_compile_options(ridi_hardening INTERFACE
        $<$<CONFIG:${configs}>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong>)
    if(WIN32)
        # MinGW-w64: the stack protector's library comes with the flag at link time; the
        # programs are relocatable (ASLR, with 64-bit addresses) and their data never runs.
        target_link_options(ridi_hardening INTERFACE $<$<CONFIG:${configs}>:-fstack-protector-strong
            LINKER:--dynamicbase,--high-entropy-va,--nxcompat>)
    else()
        target_link_options(ridi_hardening INTERFACE $<$<CONFIG:${configs}>:LINKER:-z,relro,-z,now>)
    endif()
    unset(configs)
endif()
