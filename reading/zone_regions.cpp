#include "reading/zone_regions.h"

namespace quorvane {

// No region has a row of its own yet: every caller falls back to its own choice.
std::optional<int> RegionalZoneRow(std::string_view, std::string_view, std::string_view, int, bool) {
    return std::nullopt;
}

}  // namespace quorvane
