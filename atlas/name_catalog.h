// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translation catalogs (.mo files) of the geonames library: each message id is a GeoNames id
// ("2867714"), or a country or state key ("DE", "DE.02"), and its message the name in that language.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

// Every (id, name) pair of one catalog, the header entry left out. A file that is not a catalog, or
// whose tables point outside it, gives nothing.
std::vector<std::pair<std::string, std::string>> ReadNameCatalog(std::string_view bytes);

}  // namespace quorvane
