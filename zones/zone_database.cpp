// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "zones/zone_database.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace quorvane::zones {

// No zone file comes near this; a larger one is not a zone.
constexpr std::streamoff kLargestZoneFile = 1 << 20;

ZoneFiles FolderFiles(std::string folder) {
    return [folder = std::move(folder)](std::string_view name) -> std::optional<std::string> {
        std::ifstream in(folder + "/" + std::string(name), std::ios::binary);
        if (!in) return std::nullopt;
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        if (size < 0 || size > kLargestZoneFile) return std::nullopt;
        in.seekg(0);
        std::string bytes(static_cast<std::size_t>(size), '\0');
        if (!in.read(bytes.data(), size)) return std::nullopt;
        return bytes;
    };
}

bool IsZoneName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/') {
            const std::string_view part = name.substr(partStart, i - partStart);
            if (part.empty() || part == "." || part == "..") return false;
            partStart = i + 1;
            continue;
        }
        const char c = name[i];
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                             c == '-' || c == '+';
        if (!allowed) return false;
    }
    return true;
}

ZoneDatabase::ZoneDatabase(ZoneFiles files) : files_(std::move(files)) {}

ZoneDatabase::Found ZoneDatabase::Find(std::string_view name) const {
    {
        const std::lock_guard lock(mutex_);
        if (const auto known = zones_.find(name); known != zones_.end()) return known->second;
    }
    Found found;
    const std::optional<std::string> bytes = IsZoneName(name) ? files_(name) : std::nullopt;
    if (!bytes) {
        found.Problem = "no time-zone data for " + std::string(name);
    } else if (auto zone = ReadTzif(*bytes); std::holds_alternative<Zone>(zone)) {
        found.Zone = std::make_shared<const Zone>(std::move(std::get<Zone>(zone)));
    } else {
        found.Damage = std::get<std::string>(zone);
        found.Problem = "the time-zone data for " + std::string(name) + " is damaged: " + found.Damage;
    }
    const std::lock_guard lock(mutex_);
    return zones_.emplace(std::string(name), std::move(found)).first->second;
}

const ZoneDatabase& ZoneDatabase::System() {
    static const ZoneDatabase system([] {
        const char* folder = std::getenv("TZDIR");
        return FolderFiles(folder && *folder ? folder : "/usr/share/zoneinfo");
    }());
    return system;
}

}  // namespace quorvane::zones
