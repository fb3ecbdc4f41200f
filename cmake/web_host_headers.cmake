# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Under Emscripten find_package looks only inside Emscripten's own system root. The JSON library is
# headers only, so Debian's copy serves; it is reached through a folder of its own, because putting
# /usr/include on the path would put the host's C library headers before Emscripten's.
find_path(QUORVANE_HOST_NLOHMANN_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(quorvane_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${quorvane_host_headers})
file(CREATE_LINK ${QUORVANE_HOST_NLOHMANN_DIR}/nlohmann ${quorvane_host_headers}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${quorvane_host_headers})
