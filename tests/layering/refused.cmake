# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=... -DTARGET=... -DHEADER=... -P refused.cmake: passes only
# when building TARGET fails because the compiler cannot find HEADER.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} compiled: a lower layer reached ${HEADER}")
endif()
string(FIND "${output}" "${HEADER}: No such file or directory" refused)
if(refused EQUAL -1)
    message(FATAL_ERROR "${TARGET} failed for another reason:\n${output}")
endif()
message(STATUS "${TARGET}: ${HEADER} refused, as it must be")
