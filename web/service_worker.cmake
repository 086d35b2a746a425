# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker of the site, run as
#   cmake -DSITE=site_dir -DTEMPLATE=sw.js.in -DVERSION=x.y.z.w -P service_worker.cmake
# It lists every file of the site with its SHA-256 digest, the page under the site's own
# address, "./", and names its cache after the version and the files' contents: a site that
# differs in any byte gets a cache of its own.
foreach(variable SITE TEMPLATE VERSION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "service_worker.cmake: ${variable} is not set")
    endif()
endforeach()

file(GLOB files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(RIDI_FILES "")
foreach(file IN LISTS files)
    if(IS_DIRECTORY "${SITE}/${file}")
        message(FATAL_ERROR "service_worker.cmake: the site holds a folder, ${file}")
    endif()
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
    set(address "${file}")
    if(file STREQUAL "index.html")
        set(address "./")
    endif()
    if(NOT RIDI_FILES STREQUAL "")
        string(APPEND RIDI_FILES ",")
    endif()
    string(APPEND RIDI_FILES "\n    [\"${address}\", \"${digest}\"]")
endforeach()
string(SHA256 contents "${digests}")
string(SUBSTRING "${contents}" 0 16 contents)
set(RIDI_CACHE "ridi-${VERSION}-${contents}")
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
