#pragma once
// The twelve galactic signs of unequal width, the per-degree table and the placement into four frames.

#include <array>
#include <string_view>

namespace quorvane {

struct GalacticSign {
    std::string_view Name;           // also the key of its picture
    std::string_view Keywords;
    std::string_view RulingPlanet;   // empty for Collect and Heal
    std::string_view Constellation;
    std::string_view Description;
    int FirstDegree;                 // first whole degree of the sign's (main) run
    int LastDegree;
};

inline constexpr int kGalacticSignCount = 12;

// The twelve signs in degree order, Build first.
const std::array<GalacticSign, kGalacticSignCount>& GalacticSigns();
// The twelve sign names in the order of the picture set (alphabetical).
const std::array<std::string_view, kGalacticSignCount>& GalacticPictureKeys();

// 361 slots, 0..360; slot d refers to the sign that owns whole degree d. Degree 0 is the degree between
// 360 and 1 and so belongs to Build. Built once, never copied.
using GalacticDegreeTable = std::array<const GalacticSign*, 361>;
const GalacticDegreeTable& BuildGalacticTables();

// The sign of whole degree d, or nullptr for a degree outside 0..360.
const GalacticSign* LookupGalacticDegree(int d);

// d + 180 when d <= 180, otherwise d - 180.
int OppositeDegree(int d);

enum class MoonPhase { Waxing, Waning };
std::string_view MoonPhaseText(MoonPhase phase);  // "Waxing Moon" / "Waning Moon"

// The four frames' signs, in frame order.
struct PlacedSigns {
    const GalacticSign* Ascendant;
    const GalacticSign* Descendant;
    const GalacticSign* MoonSign;
    const GalacticSign* SunSign;
};

// Waxing: Ascendant frame = Moon, Descendant = Moon's opposite, Moon Sign = Ascendant.
// Waning: the first two swap and Moon Sign shows the Descendant. Sun Sign always shows the Sun's opposite.
PlacedSigns PlaceGalacticSigns(int sunDegree, int moonDegree, int ascendantDegree, MoonPhase phase);

}  // namespace quorvane
