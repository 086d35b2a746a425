# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each file of FOLDER includes only files of the layers below its own: LAYERS holds the layers
# from the top, separated by "|", each the names of its files without their endings, separated
# by blanks. A file of FOLDER in no layer is a fault as well.
#   usage: cmake -DFOLDER=DIR -DLAYERS=LAYERS -P include_layers.cmake
string(REPLACE "|" ";" layers "${LAYERS}")
set(depth 0)
foreach(layer IN LISTS layers)
    string(REPLACE " " ";" names "${layer}")
    foreach(name IN LISTS names)
        set(depth_${name} ${depth})
    endforeach()
    math(EXPR depth "${depth} + 1")
endforeach()

file(GLOB files RELATIVE "${FOLDER}" "${FOLDER}/*.cpp" "${FOLDER}/*.hpp")
set(faults "")
foreach(file IN LISTS files)
    string(REGEX REPLACE "\\.[ch]pp$" "" name "${file}")
    if(NOT DEFINED depth_${name})
        list(APPEND faults "${file} is in no layer")
        continue()
    endif()
    # The folder's own files, named without a folder.
    file(STRINGS "${FOLDER}/${file}" includes REGEX "^#include \"[^/\"]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\\.[ch]pp\".*" "\\1" included "${line}")
        if(NOT included STREQUAL name AND NOT depth_${included} GREATER depth_${name})
            list(APPEND faults "${file} includes ${included}, which is not in a layer below it")
        endif()
    endforeach()
endforeach()
list(LENGTH files count)
if(faults)
    list(JOIN faults "\n  " said)
    message(FATAL_ERROR "includes against the layers of ${FOLDER}:\n  ${said}")
endif()
message(STATUS "${count} files, each including only files of the layers below its own")
