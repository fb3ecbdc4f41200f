// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve galactic signs of unequal width, the per-degree table and the placement into four frames.

#include <array>
#include <string_view>

namespace quorvane {

struct GalacticSign {
    std::string_view Name;  // also the key of its picture
    std::string_view Keywords;
    std::string_view RulingPlanet;  // empty for Collect and Heal
    std::string_view Constellation;
    std::string_view Description;
    int FirstDegree;  // first whole degree of the sign's (main) run
    int LastDegree;
};

// One of a sign's texts (&GalacticSign::Keywords ...), for code that shows any of them alike.
using SignText = std::string_view GalacticSign::*;

inline constexpr int kGalacticSignCount = 12;

// The twelve signs in degree order, Build first.
const std::array<GalacticSign, kGalacticSignCount>& GalacticSigns();
// The twelve sign names in the order of the picture set (alphabetical).
const std::array<std::string_view, kGalacticSignCount>& GalacticPictureKeys();

// 361 slots, 0..360; slot d refers to the sign that owns whole degree d. Degree 0 is the degree between
// 360 and 1 and so belongs to Build.
using GalacticDegreeTable = std::array<const GalacticSign*, 361>;
// The per-degree table. It is made once, at compile time; this only hands it out (the name is the one the
// reading's steps have always had, and a reading calls it before any lookup).
const GalacticDegreeTable& BuildGalacticTables();

// The sign of whole degree d, or nullptr for a degree outside 0..360.
const GalacticSign* LookupGalacticDegree(int d);

// d + 180 when d <= 180, otherwise d - 180.
int OppositeDegree(int d);

enum class MoonPhase { Waxing, Waning };
std::string_view MoonPhaseText(MoonPhase phase);  // "Waxing Moon" / "Waning Moon"

// The four frames of a reading, in frame order, and their captions.
enum class Frame { Ascendant, Descendant, MoonSign, SunSign };
inline constexpr int kFrameCount = 4;
inline constexpr std::array<std::string_view, kFrameCount> kFrameCaptions{"Galactic Ascendant", "Galactic Descendant",
                                                                          "Galactic Moon Sign", "Galactic Sun Sign"};
inline constexpr std::string_view FrameCaption(Frame frame) {
    return kFrameCaptions[static_cast<int>(frame)];
}

// The point whose whole degree a frame reads.
enum class FramePoint { Moon, OppositeMoon, Ascendant, Descendant, OppositeSun };
// "the Moon", "opposite the Moon", "the Ascendant", "the Descendant (opposite the Ascendant)", "opposite the Sun".
std::string_view FramePointText(FramePoint point);

struct FrameDegree {
    FramePoint Point;
    int Degree;  // the whole degree looked up, 0..360
};

// The frame rule, in frame order. Waxing: the Ascendant frame reads the Moon, the Descendant frame the
// Moon's opposite, the Moon Sign frame the Ascendant. Waning: the first two swap and the Moon Sign frame
// reads the Descendant. The Sun Sign frame always reads the Sun's opposite.
std::array<FrameDegree, kFrameCount> FrameDegrees(int sunDegree, int moonDegree, int ascendantDegree, MoonPhase phase);

// The four frames' signs, in frame order.
struct PlacedSigns {
    const GalacticSign* Ascendant;
    const GalacticSign* Descendant;
    const GalacticSign* MoonSign;
    const GalacticSign* SunSign;
};

// The signs of the degrees FrameDegrees gives.
PlacedSigns PlaceGalacticSigns(int sunDegree, int moonDegree, int ascendantDegree, MoonPhase phase);

}  // namespace quorvane
