# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the icon drawings with netpbm, run as
#   cmake -DXPMTOPPM=... -DPAMTOPNG=... -DPAMTOWINICON=... -DOUTPUT=out.png|out.ico
#         -DINPUTS=a.xpm[;b.xpm...] -P render.cmake
# A .png output takes one drawing; a .ico output takes every drawing as one image of the icon.
foreach(variable XPMTOPPM OUTPUT INPUTS)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "render.cmake: ${variable} is not set")
    endif()
endforeach()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
get_filename_component(output_name "${OUTPUT}" NAME)
set(work_dir "${output_dir}/${output_name}.work")
file(REMOVE_RECURSE "${work_dir}")
file(MAKE_DIRECTORY "${work_dir}")

# xpmtoppm reads the classic "static char*" declaration only; the drawings are const for C++.
set(pixmaps)
foreach(input IN LISTS INPUTS)
    get_filename_component(name "${input}" NAME_WE)
    file(READ "${input}" drawing)
    string(REPLACE "static const char*" "static char*" drawing "${drawing}")
    file(WRITE "${work_dir}/${name}.xpm" "${drawing}")
    execute_process(COMMAND "${XPMTOPPM}" "${work_dir}/${name}.xpm"
        OUTPUT_FILE "${work_dir}/${name}.ppm" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "xpmtoppm could not read ${input}")
    endif()
    list(APPEND pixmaps "${work_dir}/${name}.ppm")
endforeach()

if(OUTPUT MATCHES "\\.png$")
    list(LENGTH pixmaps count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "render.cmake: a PNG is made of one drawing, not ${count}")
    endif()
    execute_process(COMMAND "${PAMTOPNG}" ${pixmaps}
        OUTPUT_FILE "${work_dir}/out" RESULT_VARIABLE status)
elseif(OUTPUT MATCHES "\\.ico$")
    # pamtowinicon makes one icon image of each image in its input stream, in order.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E cat ${pixmaps}
        COMMAND "${PAMTOWINICON}"
        OUTPUT_FILE "${work_dir}/out" RESULT_VARIABLE status)
else()
    message(FATAL_ERROR "render.cmake: ${OUTPUT} is neither .png nor .ico")
endif()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not write ${OUTPUT}")
endif()
file(RENAME "${work_dir}/out" "${OUTPUT}")
file(REMOVE_RECURSE "${work_dir}")
