// An input uncertainty as the budget page enters and shows it: a value in the input's display
// unit and one of five forms, and the number texts of the budget.
#pragma once

#include "engine/uncertainty/InputUncertainty.h"
#include "engine/uncertainty/MeasurementModel.h"

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <optional>

namespace kthread {

// The forms offered, in the order of the distribution selector.
enum class EntryForm {
    StandardUncertainty, // u itself, normal
    ExpandedNormal,      // U with k = 2, normal (a calibration certificate)
    Rectangular,         // half-width
    Triangular,          // half-width
    UShaped,             // half-width
};
inline constexpr int kEntryFormCount = 5;

// The form a statement is entered in. A normal half-width counts as U with k = 2 whatever its
// coverage factor; the window states no other.
EntryForm FormOf(const uncertainty::InputUncertainty& stated);
// The statement with its value kept and its form replaced.
uncertainty::InputUncertainty WithForm(uncertainty::InputUncertainty stated, EntryForm form);

// The settings file's word for a form, kthread-calc's: "std", "normal", "rect", "tri",
// "arcsine"; and back (empty for a word it does not know).
QLatin1String FormWord(EntryForm form);
std::optional<EntryForm> FormFromWord(QStringView word);

// Engine units per display unit: lengths in mm or inches, angles in minutes of arc, the modulus
// in GPa, expansion coefficients in 1e-6/K, the others as the engine has them.
double EngineUnitsPerDisplayUnit(uncertainty::InputQuantity quantity, bool inchMode);
// "mm", "in.", "′", "N", "GPa", "K", "10⁻⁶/K".
QString DisplayUnitSymbol(uncertainty::InputQuantity quantity, bool inchMode);

// Fixed notation with `digits` significant digits and the current locale's separator, never an
// exponent: 0.000600 for 6e-4 at 3 digits; "0" for zero. `trimZeros` drops trailing zeros of
// the decimals (a typed value reads back as typed).
QString SignificantText(double value, int digits, bool trimZeros = false);

} // namespace kthread
