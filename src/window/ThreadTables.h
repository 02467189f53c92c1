// The fixed tables of the window: what each thread type configures, the thread materials with
// their elastic constants, the names of the schematic figures, and the split of an angle into
// degrees, minutes and seconds.
#pragma once

#include "engine/Measurement.h"

#include <array>
#include <string>
#include <vector>

namespace kthread {

enum class ProbeCatalogue { Wires, Balls };

// What a thread type (item index of cbType) sets on the window.
struct ThreadTypeTraits {
    char diamLetter;              // 'd' external, 'D' internal
    ProbeMaterial probeMaterial;  // cbMaterial item
    bool probeMaterialEnabled;    // internal threads may be probed with either material
    ProbeCatalogue catalogue;     // wires for external, balls for internal threads
    int optimalCaptionText;       // lODN
    int diameterCaptionText;      // lDN, followed by " (dD)"
    std::vector<int> methodTexts; // items of cbIzm
    bool methodEnabled;           // cbIzm
    bool taperPanelVisible;       // Panel5: the taper ratio is used for external taper only
};

// Empty for an index outside 0 to 3.
const ThreadTypeTraits* ThreadTypeInfo(int typeIndex);

// The letter of the pitch-diameter symbol for a thread type, also for no type chosen (-1).
char DiamLetterOf(int typeIndex);

struct ThreadMaterialRow {
    int nameText;      // language text naming the material
    double poisson;    // Poisson's ratio
    double modulusGPa; // modulus of elasticity
};

// Rows 0 to 21 are listed by name in cbThrMaterial; row 22 is applied for its last item, "any
// other material".
extern const std::array<ThreadMaterialRow, 23> ThreadMaterialTable;
inline constexpr int kOtherMaterialText = 73;

// The schematic figure for a thread type and measurement method ("ExtCyl_3w", ...); empty when
// the pair has no figure.
std::string FigureName(int typeIndex, int methodIndex);

struct AngleParts {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

// Splits a non-negative angle in degrees. Seconds are rounded (halves to even); 60 seconds carry
// into the minutes and 60 minutes into the degrees, so 1.999999 gives 2 0 0.
AngleParts DegMinSec(double degrees);

} // namespace kthread
