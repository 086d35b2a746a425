# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the files the page points to into the site under names that carry their contents'
# digest, "ridi_core.wasm" as "ridi_core.0123456789abcdef.wasm", run as
#   cmake -DSITE=site_dir -DNAMES=names.txt "-DFILES=dir/a.wasm;dir/b.png" -P hashed_files.cmake
# A name so made never holds other bytes, so browsers and the service worker may keep a copy of
# it for good. Copies that earlier builds left in the site, by either name, are deleted. NAMES gets one line per
# file, its plain name and its name in the site: "ridi_core.wasm ridi_core.0123456789abcdef.wasm".
foreach(variable SITE NAMES FILES)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "hashed_files.cmake: ${variable} is not set")
    endif()
endforeach()

set(names "")
foreach(file IN LISTS FILES)
    get_filename_component(plain "${file}" NAME)
    get_filename_component(stem "${file}" NAME_WE)
    get_filename_component(extension "${file}" LAST_EXT)
    file(SHA256 "${file}" digest)
    string(SUBSTRING "${digest}" 0 16 digest)
    set(hashed "${stem}.${digest}${extension}")
    file(GLOB earlier RELATIVE "${SITE}" "${SITE}/${stem}.*${extension}")
    foreach(old IN LISTS earlier)
        if(old MATCHES "^${stem}\\.[0-9a-f]+\\${extension}$" AND NOT old STREQUAL hashed)
            file(REMOVE "${SITE}/${old}")
        endif()
    endforeach()
    file(REMOVE "${SITE}/${plain}")
    file(COPY_FILE "${file}" "${SITE}/${hashed}" ONLY_IF_DIFFERENT)
    string(APPEND names "${plain} ${hashed}\n")
endforeach()
file(WRITE "${NAMES}" "${names}")
