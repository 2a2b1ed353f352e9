# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation in TS_DIR has a message left unfinished or empty.
file(GLOB ts_files ${TS_DIR}/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no translations in ${TS_DIR}")
endif()
foreach(ts IN LISTS ts_files)
    file(READ ${ts} content)
    string(REGEX MATCHALL "<translation[^>]*type=\"(unfinished|vanished|obsolete)\"" unfinished "${content}")
    string(REGEX MATCHALL "<translation></translation>" empty "${content}")
    list(LENGTH unfinished count)
    list(LENGTH empty empty_count)
    if(count GREATER 0 OR empty_count GREATER 0)
        message(FATAL_ERROR "${ts}: ${count} unfinished and ${empty_count} empty messages")
    endif()
endforeach()
