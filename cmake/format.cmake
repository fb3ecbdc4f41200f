# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --build build --target format` reformats every C++ file of the project by .clang-format;
# `format-check` lists the files that differ and fails when any does (scripts/test runs it).
# Debian's clang-format package gives the unversioned name (clang-format-14 on Debian 12, -19 on 13);
# a versioned one alone also does, the newest first.
set(quorvane_clang_format_names clang-format)
foreach(version RANGE 30 14 -1)
  list(APPEND quorvane_clang_format_names clang-format-${version})
endforeach()
find_program(CLANG_FORMAT_EXECUTABLE NAMES ${quorvane_clang_format_names})
if(NOT CLANG_FORMAT_EXECUTABLE)
  message(STATUS "clang-format not found: no format target")
  return()
endif()
file(GLOB_RECURSE quorvane_format_files CONFIGURE_DEPENDS
  LIST_DIRECTORIES false
  RELATIVE ${PROJECT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/*.cpp ${PROJECT_SOURCE_DIR}/*.h ${PROJECT_SOURCE_DIR}/*.h.in)
# Build folders inside the source tree are not ours to format.
list(FILTER quorvane_format_files EXCLUDE REGEX "^build[^/]*/")
list(FILTER quorvane_format_files EXCLUDE REGEX "^web/(node_modules|dist)/")
add_custom_target(format
  COMMAND ${CLANG_FORMAT_EXECUTABLE} -i --style=file ${quorvane_format_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Formatting the C++ sources by .clang-format"
  VERBATIM)
add_custom_target(format-check
  COMMAND ${CLANG_FORMAT_EXECUTABLE} --dry-run --Werror --style=file ${quorvane_format_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Checking every C++ file against .clang-format"
  VERBATIM)
