// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/wheel_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace quorvane::wheel {

double WheelAngle(double longitude, double ascendantLongitude) {
    return FoldAngle(180.0 + longitude - ascendantLongitude);
}

double AngleDifference(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}

const std::array<SignSector, kGalacticSignCount>& GalacticSectors() {
    static const std::array<SignSector, kGalacticSignCount> sectors = [] {
        std::array<SignSector, kGalacticSignCount> out{};
        const auto& signs = GalacticSigns();
        for (std::size_t i = 0; i < signs.size(); ++i) {
            const GalacticSign* sign = &signs[i];
            int start = -1, width = 0;
            for (int d = 1; d <= 360; ++d) {
                if (LookupGalacticDegree(d) != sign) continue;
                ++width;
                const int previous = d == 1 ? 360 : d - 1;
                if (LookupGalacticDegree(previous) != sign) start = d;
            }
            // Whole degree 360 is the degree before 1, the longitudes 0 to 1.
            const double s = start == 360 ? 0.0 : start;
            out[i] = {sign, s, s + width};
        }
        return out;
    }();
    return sectors;
}

std::array<BodyPoint, 4> BodyPoints(const GalacticReading& r) {
    return {{{"Sun", r.SunLongitude},
             {"Moon", r.MoonLongitude},
             {"Ascendant", r.AscendantLongitude},
             {"Descendant", FoldAngle(r.AscendantLongitude + 180.0)}}};
}

double BodyArc::To() const {
    return FoldAngle(From + Span);
}

std::array<BodyArc, 2> BodyArcs(const TimeWindowReading& w) {
    // The Sun and the Moon never go backwards: the way from the first place to the last is counter-clockwise,
    // across 0 degrees when the longitude passes it.
    const auto arc = [](const char* name, double from, double to) {
        return BodyArc{name, FoldAngle(from), FoldAngle(to - from)};
    };
    return {{arc("Sun", w.First.SunLongitude, w.Last.SunLongitude),
             arc("Moon", w.First.MoonLongitude, w.Last.MoonLongitude)}};
}

double ReadPoint::Longitude() const {
    return FoldAngle(Degree + 0.5);
}

std::array<ReadPoint, 4> ReadPoints(const GalacticReading& r) {
    const auto frames = FrameDegrees(r.Degrees.Sun, r.Degrees.Moon, r.Degrees.Ascendant, r.Phase);
    std::array<ReadPoint, 4> out;
    for (std::size_t i = 0; i < frames.size(); ++i)
        out[i] = {std::string(kFrameCaptions[i]), frames[i].Degree, std::string(FramePointText(frames[i].Point))};
    return out;
}

std::string ArcMinuteText(double longitude) {
    const double folded = FoldAngle(longitude);
    int degrees = static_cast<int>(std::floor(folded));
    int minutes = static_cast<int>(std::floor((folded - degrees) * 60.0 + 1e-9));
    if (minutes >= 60) {
        minutes -= 60;
        degrees = (degrees + 1) % 360;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d\u00B0%02d\u2032", degrees, minutes);
    return text;
}

std::vector<double> SpreadLabels(const std::vector<double>& angles, double minGap) {
    const std::size_t n = angles.size();
    std::vector<double> out(angles.begin(), angles.end());
    if (n < 2) return out;
    minGap = std::min(minGap, 360.0 / static_cast<double>(n));

    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return FoldAngle(angles[a]) < FoldAngle(angles[b]); });

    // Clusters of neighbours in angle order; each sits centred on the mean of its points, its labels
    // minGap apart. Clusters that come too close merge, until none do (around the circle too).
    struct Cluster {
        std::vector<double> True;
        std::vector<std::size_t> Index;
        double Centre;
    };
    std::vector<Cluster> clusters;
    for (std::size_t i : order) clusters.push_back({{FoldAngle(angles[i])}, {i}, FoldAngle(angles[i])});
    auto span = [&](const Cluster& c) { return minGap * static_cast<double>(c.True.size() - 1); };
    auto centre = [](const std::vector<double>& t) {
        return std::accumulate(t.begin(), t.end(), 0.0) / static_cast<double>(t.size());
    };
    for (bool merged = true; merged && clusters.size() > 1;) {
        merged = false;
        for (std::size_t i = 0; i < clusters.size() && clusters.size() > 1; ++i) {
            const std::size_t j = (i + 1) % clusters.size();
            Cluster& a = clusters[i];
            Cluster& b = clusters[j];
            const double aEnd = a.Centre + span(a) / 2;
            double bStart = b.Centre - span(b) / 2;
            double shift = 0;
            if (j == 0) shift = 360.0;  // the wrap from the last cluster to the first
            bStart += shift;
            if (bStart - aEnd < minGap - 1e-9) {
                Cluster joined;
                joined.True = a.True;
                joined.Index = a.Index;
                for (double t : b.True) joined.True.push_back(t + shift);
                joined.Index.insert(joined.Index.end(), b.Index.begin(), b.Index.end());
                joined.Centre = centre(joined.True);
                if (j == 0) {
                    clusters.erase(clusters.begin() + static_cast<std::ptrdiff_t>(i));
                    clusters[0] = joined;
                    // The joined cluster leads the order, so it is unrolled to start below 0.
                    clusters[0].Centre -= 360.0;
                    for (double& t : clusters[0].True) t -= 360.0;
                } else {
                    a = joined;
                    clusters.erase(clusters.begin() + static_cast<std::ptrdiff_t>(j));
                }
                merged = true;
                break;
            }
        }
    }
    for (const Cluster& c : clusters) {
        const double first = c.Centre - span(c) / 2;
        for (std::size_t m = 0; m < c.True.size(); ++m)
            out[c.Index[m]] = FoldAngle(first + minGap * static_cast<double>(m));
    }
    return out;
}

}  // namespace quorvane::wheel
