# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The compile and link options of every target, in one INTERFACE target: warnings, hardening as
# Debian builds its packages, the sanitizers when asked for. quorvane_link_build_options(), called once
# at the end of the top CMakeLists.txt, links it into every target the build defines, so a new target
# (a test, a fuzzer, a benchmark) gets the same options without a line of its own.

include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_note LANGUAGES CXX)
if(EMSCRIPTEN)
  # WebAssembly modules are not loaded at an address.
elseif(CMAKE_CXX_LINK_PIE_SUPPORTED)
  # Position-independent executables, so that address-space randomisation moves the program too.
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
else()
  message(WARNING "The linker cannot make position-independent executables: ${pie_note}")
endif()

add_library(quorvane_build_options INTERFACE)

# Warnings; with CI=true in the environment they are errors.
target_compile_options(quorvane_build_options INTERFACE
  -Wall -Wextra -Wpedantic
  -Wformat=2 -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
if("$ENV{CI}" STREQUAL "true")
  target_compile_options(quorvane_build_options INTERFACE -Werror)
endif()

# Qt's implicit conversions between bytes and text are where encodings go wrong: spell them out.
target_compile_definitions(quorvane_build_options INTERFACE
  QT_NO_CAST_FROM_BYTEARRAY QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING)

if(QUORVANE_SANITIZE)
  target_compile_options(quorvane_build_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
    # GCC 12 under the sanitizers warns falsely inside the standard library's <regex>.
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
  target_link_options(quorvane_build_options INTERFACE -fsanitize=address,undefined)
endif()

# Hardening as dpkg-buildflags gives it. The sanitizers and the fuzzers check memory themselves, and
# the fortified string functions would hide faults from them; glibc fortifies only optimised code.
# WebAssembly has none of these: its stack lives apart from its memory and it has no ELF to harden.
if(NOT EMSCRIPTEN)
  if(NOT QUORVANE_SANITIZE AND NOT QUORVANE_FUZZ)
    target_compile_options(quorvane_build_options INTERFACE -fstack-protector-strong)
    # Stack clash probes, where the compiler has them (GCC does), as Debian's later releases build.
    # Control-flow marks (-fcf-protection) are left out: Debian 12's and 13's C start-up files carry none, so
    # the linker drops the mark from every program anyway.
    include(CheckCXXCompilerFlag)
    check_cxx_compiler_flag(-fstack-clash-protection QUORVANE_HAS_STACK_CLASH_PROTECTION)
    if(QUORVANE_HAS_STACK_CLASH_PROTECTION)
      target_compile_options(quorvane_build_options INTERFACE -fstack-clash-protection)
    endif()
    if(NOT "${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
      target_compile_definitions(quorvane_build_options INTERFACE
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    endif()
  endif()
  target_link_options(quorvane_build_options INTERFACE LINKER:-z,relro LINKER:-z,now)
  # Relative relocations packed (DT_RELR, glibc 2.36 and binutils 2.38 on): at every start the loader reads
  # a few kilobytes instead of one 24-byte entry for each pointer in the program's tables.
  include(CheckLinkerFlag)
  check_linker_flag(CXX "LINKER:-z,pack-relative-relocs" QUORVANE_HAS_PACKED_RELOCATIONS)
  if(QUORVANE_HAS_PACKED_RELOCATIONS)
    target_link_options(quorvane_build_options INTERFACE LINKER:-z,pack-relative-relocs)
  endif()
endif()

# Links quorvane_build_options into every target defined in DIR and the folders below it.
function(quorvane_link_build_options dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_link_libraries(${target} PRIVATE quorvane_build_options)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    quorvane_link_build_options(${subdir})
  endforeach()
endfunction()
