# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the files of FILES, one after the other, into OUTPUT, run as
#   cmake "-DFILES=a.js;b.js" -DOUTPUT=out.js -P joined_files.cmake
foreach(variable FILES OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "joined_files.cmake: ${variable} is not set")
    endif()
endforeach()
set(joined "")
foreach(file IN LISTS FILES)
    file(READ "${file}" text)
    string(APPEND joined "${text}\n")
endforeach()
file(WRITE "${OUTPUT}" "${joined}")
