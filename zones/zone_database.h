// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tz database's zones by name, read from a folder of TZif files once each and kept. Where the bytes
// come from is a seam of its own: natively the system's folder, elsewhere whatever holds a copy.

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "zones/tzif.h"

namespace quorvane::zones {

// A zone's file by its name ("Europe/Madrid"), or nothing when there is none.
using ZoneFiles = std::function<std::optional<std::string>(std::string_view name)>;

// The files of a folder: `folder`/Europe/Madrid.
ZoneFiles FolderFiles(std::string folder);

// "Europe/Madrid", "America/Argentina/Buenos_Aires", "Etc/GMT+5": letters, digits, '_', '-', '+' in parts
// joined by '/', none empty, "." or "..". Anything else could name a file outside the folder.
bool IsZoneName(std::string_view name);

class ZoneDatabase {
public:
    explicit ZoneDatabase(ZoneFiles files);

    struct Found {
        std::shared_ptr<const zones::Zone> Zone;  // empty when the zone cannot be had
        std::string Problem;                      // then why: no such zone, or its file is damaged
        std::string Damage;                       // what is wrong with a damaged file (empty: no file)
    };
    // Read on first use, kept afterwards (the failures too); safe from any thread.
    Found Find(std::string_view name) const;

    // The system's database: the folder $TZDIR names, else /usr/share/zoneinfo.
    static const ZoneDatabase& System();

private:
    ZoneFiles files_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, Found, std::less<>> zones_;
};

}  // namespace quorvane::zones
