# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds carry Debian's hardening flags: fortified libc calls, a strong stack
# protector, position-independent executables and full RELRO with immediate binding (on
# Windows: address space layout randomisation and no execution of data).
# Sanitizer builds leave them out (ASan replaces the fortified calls), and so do debug builds,
# where _FORTIFY_SOURCE has no effect without optimisation.
#
# RIDI_HARDENED tells whether this configuration is hardened, so that a test can check the
# built programs.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT RIDI_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(RIDI_HARDENED ON)
    add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
    if(WIN32)
        # MinGW-w64: the stack protector's library comes with the flag at link time; the
        # programs are relocatable (ASLR, with 64-bit addresses) and their data never runs.
        add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
    else()
        add_link_options(-Wl,-z,relro,-z,now)
    endif()
else()
    set(RIDI_HARDENED OFF)
endif()
