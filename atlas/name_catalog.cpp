// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/name_catalog.h"

#include <cstdint>

namespace quorvane {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// The catalog's numbers are in the byte order of the machine that wrote it; the magic tells which.
struct Reader {
    std::string_view Bytes;
    bool Swapped = false;

    bool Word(std::size_t at, std::uint32_t& value) const {
        if (at > Bytes.size() || Bytes.size() - at < 4) return false;
        const auto* b = reinterpret_cast<const unsigned char*>(Bytes.data() + at);
        value = Swapped ? (std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3])
                        : (std::uint32_t{b[3]} << 24 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[1]} << 8 | b[0]);
        return true;
    }

    bool String(std::size_t tableAt, std::uint32_t i, std::string_view& out) const {
        std::uint32_t length = 0, offset = 0;
        if (!Word(tableAt + 8ull * i, length) || !Word(tableAt + 8ull * i + 4, offset)) return false;
        if (offset > Bytes.size() || Bytes.size() - offset < length) return false;
        out = Bytes.substr(offset, length);
        return true;
    }
};

}  // namespace

std::vector<std::pair<std::string, std::string>> ReadNameCatalog(std::string_view bytes) {
    Reader r{bytes};
    std::uint32_t magic = 0, count = 0, ids = 0, names = 0;
    if (!r.Word(0, magic)) return {};
    if (magic != kMagic) {
        r.Swapped = true;
        if (!r.Word(0, magic) || magic != kMagic) return {};
    }
    if (!r.Word(8, count) || !r.Word(12, ids) || !r.Word(16, names)) return {};
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string_view id, name;
        if (!r.String(ids, i, id) || !r.String(names, i, name)) return {};
        if (id.empty()) continue;  // the header
        // A plural entry holds its forms one after another, NUL-separated: the first is the name.
        pairs.emplace_back(std::string(id.substr(0, id.find('\0'))), std::string(name.substr(0, name.find('\0'))));
    }
    return pairs;
}

}  // namespace quorvane
