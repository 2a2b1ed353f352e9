# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DVERSION=<project version> -DSOURCE=<source folder> -P check-versions.cmake
# The newest entry of the Debian changelog and of the AppStream releases
# must be the version project(VERSION) gives the program.
file(STRINGS ${SOURCE}/packaging/changelog first_line LIMIT_COUNT 1)
string(REGEX MATCH "^tzolkara \\(([^)]+)\\)" _ "${first_line}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "packaging/changelog begins with version '${CMAKE_MATCH_1}', "
                        "the program is ${VERSION}")
endif()
file(READ ${SOURCE}/packaging/example.tzolkara.tzolkara.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the metainfo's newest release is '${CMAKE_MATCH_1}', "
                        "the program is ${VERSION}")
endif()
