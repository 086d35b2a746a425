# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Empties the folder OUTPUT, then runs COMMAND (a list) and fails when it fails:
#   cmake -DOUTPUT=folder "-DCOMMAND=program;argument;..." -P fresh_run.cmake
# so that nothing an earlier run left there passes for the result of this one.
file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    list(JOIN COMMAND " " command_line)
    message(FATAL_ERROR "failed (${status}): ${command_line}")
endif()
