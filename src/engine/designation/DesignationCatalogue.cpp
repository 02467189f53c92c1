#include "engine/designation/DesignationCatalogue.h"

#include "engine/designation/Designation.h"
#include "engine/designation/DesignationWords.h"
#include "engine/designation/IsoMetric.h"
#include "engine/designation/Trapezoidal.h"
#include "engine/designation/Unified.h"

#include <array>
#include <cctype>
#include <cmath>
#include <span>

namespace kthread::designation {
namespace {

struct Entry {
    std::string text; // "M10x1.5", "1/2-13 UNC", "Tr 24x5"
    std::string key;
    Family family;
    int diamUm = 0; // metric and trapezoidal
    int pitchUm = 0;
    UnifiedSeries series = UnifiedSeries::Coarse; // unified
};

constexpr std::array<std::string_view, 17> kMetricClasses{"6g", "6H", "6h",   "4h", "4g6g", "5g6g",
                                                          "6e", "6f", "7g6g", "8g", "4H",   "5H",
                                                          "7H", "8H", "5G",   "6G", "7G"};
constexpr std::array<std::string_view, 6> kUnifiedClasses{"2A", "2B", "3A", "3B", "1A", "1B"};
constexpr std::array<std::string_view, 7> kTrapezoidalClasses{"7e", "7H", "8e", "8H",
                                                              "8c", "9c", "9H"};

std::vector<Entry> BuildCatalogue() {
    std::vector<Entry> entries;
    for (const IsoMetricSize& s : IsoMetricSizes()) {
        auto add = [&](int pitch) {
            // Appended piece by piece, as DesignationText does (GCC 12 -O3 -Wrestrict).
            std::string text = "M";
            text += MillimetreText(s.diam);
            text += 'x';
            text += MillimetreText(pitch);
            entries.push_back({text, CompletionKey(text), Family::IsoMetric, s.diam, pitch});
        };
        if (s.coarsePitch != 0) {
            add(s.coarsePitch);
        }
        for (int p : s.finePitches) {
            add(p);
        }
    }
    for (const UnifiedSize& s : UnifiedSizes()) {
        auto add = [&](double tpi, UnifiedSeries series) {
            std::string text =
                std::string(s.name) + "-" + PlainNumberText(tpi) + " " + UnifiedSeriesName(series);
            Entry e{text, CompletionKey(text), Family::Unified};
            e.series = series;
            entries.push_back(std::move(e));
        };
        for (UnifiedSeries series :
             {UnifiedSeries::Coarse, UnifiedSeries::Fine, UnifiedSeries::ExtraFine}) {
            if (double tpi = SeriesThreadsPerInch(s, series); tpi > 0) {
                add(tpi, series);
            }
        }
        for (int tpi : ConstantPitchThreadCounts()) {
            if (IsConstantPitchCombination(s, tpi)) {
                add(tpi, UnifiedSeries::ConstantPitch);
            }
        }
    }
    for (const TrapezoidalSize& s : TrapezoidalSizes()) {
        for (int p : s.pitches) {
            std::string text = "Tr " + MillimetreText(s.diam) + "x" + MillimetreText(p);
            entries.push_back({text, CompletionKey(text), Family::Trapezoidal, s.diam, p});
        }
    }
    return entries;
}

const std::vector<Entry>& Catalogue() {
    static const std::vector<Entry> entries = BuildCatalogue();
    return entries;
}

bool ClassFits(const Entry& e, std::string_view cls) {
    switch (e.family) {
    case Family::Unified:
        return cls[0] != '1' || e.series == UnifiedSeries::Coarse ||
               e.series == UnifiedSeries::Fine;
    case Family::Trapezoidal:
        return true;
    case Family::IsoMetric: {
        char position = cls[1];
        Side side =
            std::islower(static_cast<unsigned char>(position)) ? Side::External : Side::Internal;
        return IsoMetricPitchDiamTolerance(side, cls[0] - '0', e.diamUm, e.pitchUm) &&
               IsoMetricFundamentalDeviation(position, e.pitchUm) &&
               IsoMetricFundamentalDeviation(cls.back(), e.pitchUm);
    }
    }
    return false;
}

std::span<const std::string_view> ClassesOf(Family family) {
    switch (family) {
    case Family::IsoMetric:
        return kMetricClasses;
    case Family::Unified:
        return kUnifiedClasses;
    case Family::Trapezoidal:
        return kTrapezoidalClasses;
    }
    return {};
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::string CompletionKey(std::string_view text) {
    std::string key;
    key.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x97) {
            key += 'X';
            ++i;
        } else if (c == ' ' || c == '-' || c == '#' || c == '\t') {
            continue;
        } else if (c == ',') {
            key += '.';
        } else {
            key += static_cast<char>(std::toupper(c));
        }
    }
    return key;
}

std::vector<std::string> CompleteDesignations(std::string_view prefix, std::size_t max) {
    std::vector<std::string> out;
    if (max == 0) {
        return out;
    }
    std::string want = CompletionKey(prefix);
    // A trailing '-' asks for the classes: the bare size is no longer a candidate.
    std::size_t last = prefix.find_last_not_of(' ');
    bool classWanted = last != std::string_view::npos && prefix[last] == '-';
    for (const Entry& e : Catalogue()) {
        bool baseMatches = StartsWith(e.key, want) && !(classWanted && e.key == want);
        bool intoClass = StartsWith(want, e.key);
        if (!baseMatches && !intoClass) {
            continue;
        }
        if (baseMatches) {
            out.push_back(e.text);
            if (out.size() >= max) {
                return out;
            }
        }
        if (e.key.size() < want.size() || e.key == want) {
            for (std::string_view cls : ClassesOf(e.family)) {
                if (!ClassFits(e, cls)) {
                    continue;
                }
                std::string text = e.text + "-" + std::string(cls);
                if (StartsWith(CompletionKey(text), want)) {
                    out.push_back(std::move(text));
                    if (out.size() >= max) {
                        return out;
                    }
                }
            }
        }
    }
    return out;
}

} // namespace kthread::designation
