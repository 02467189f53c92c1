// Every name the window stores settings under, with its default: the values of the per-user
// store and the sections and keys of the settings file kthread.ini.
#pragma once

#include <QLatin1String>
#include <array>
#include <cstdint>

namespace kthread::settings {

// Per-user store, all 32-bit integers. Read at creation and written at close in this order.
enum class StoreValue {
    ThreadType,      // cbType index + 1 (1 to 4)
    ProbeMaterial,   // cbMaterial index
    Method,          // cbIzm index
    GivenQuantity,   // cbVidVav index
    CarriedLanguage, // carried unchanged from one run to the next
    InchMode,        // 0 millimetres, otherwise inches
};

inline constexpr std::array kStoreValueOrder{
    StoreValue::ThreadType,    StoreValue::ProbeMaterial,   StoreValue::Method,
    StoreValue::GivenQuantity, StoreValue::CarriedLanguage, StoreValue::InchMode,
};

constexpr QLatin1String StoreValueName(StoreValue value) {
    switch (value) {
    case StoreValue::ThreadType:
        return QLatin1String("Vid");
    case StoreValue::ProbeMaterial:
        return QLatin1String("Mat");
    case StoreValue::Method:
        return QLatin1String("Izm");
    case StoreValue::GivenQuantity:
        return QLatin1String("St");
    case StoreValue::CarriedLanguage:
        return QLatin1String("Lang");
    case StoreValue::InchMode:
        return QLatin1String("mm_in");
    }
    return QLatin1String();
}

// The carried language integer when the store has none.
inline constexpr std::int32_t kCarriedLanguageDefault = 0;

// Settings file: the window placement, all values decimal integers.
inline constexpr QLatin1String kPlacementSection("SETTINGS");
inline constexpr QLatin1String kFormStateKey("FormState");
inline constexpr QLatin1String kFormLeftKey("FormLeft");
inline constexpr QLatin1String kFormTopKey("FormTop");
inline constexpr QLatin1String kFormWidthKey("FormWidth");
inline constexpr QLatin1String kFormHeightKey("FormHeight");

// The size of a window that has no stored placement; it is centred in the work area.
inline constexpr int kDefaultFormWidth = 800;
inline constexpr int kDefaultFormHeight = 551;

// Settings file: the probe catalogues.
inline constexpr QLatin1String kWireCatalogueSection("DIAM_N");
inline constexpr QLatin1String kBallCatalogueSection("DIAM_S");

// Settings file: the languages. "LANGUAGES" lists the language files as "0", "1", ... without a
// gap, each value a language file name, optionally ";" and a help file name, both in the
// Languages folder; "MAIN"/"Lang" holds the full path of the language last chosen.
inline constexpr QLatin1String kLanguageListSection("LANGUAGES");
inline constexpr QLatin1String kChosenLanguageSection("MAIN");
inline constexpr QLatin1String kChosenLanguageKey("Lang");

// Settings file: the thread designation last entered, as typed or as understood; empty for none.
inline constexpr QLatin1String kDesignationSection("MAIN");
inline constexpr QLatin1String kDesignationKey("Designation");

// Settings file: the input uncertainties of the budget, one key per input with the value in the
// engine's unit (mm, rad, N, Pa, K, 1/K) written as a locale-independent number, and the same
// name with kUncertaintyFormSuffix for how the value is stated, in kthread-calc's words ("std",
// "normal" for U with k = 2, "rect", "tri", "arcsine"); and the decision rule ("guard-banded",
// "simple"). A key that is missing or does not read keeps that input's laboratory default.
inline constexpr QLatin1String kUncertaintySection("UNCERTAINTY");
inline constexpr QLatin1String kUncertaintyFormSuffix("Form");
inline constexpr QLatin1String kDecisionRuleKey("DecisionRule");
// In the order of the engine's input quantities.
inline constexpr std::array kUncertaintyKeys{
    QLatin1String("Reading"),
    QLatin1String("ProbeDiam"),
    QLatin1String("Pitch"),
    QLatin1String("Flank1"),
    QLatin1String("Flank2"),
    QLatin1String("Force"),
    QLatin1String("Modulus"),
    QLatin1String("PartTemperature"),
    QLatin1String("ProbeTemperature"),
    QLatin1String("PartExpansion"),
    QLatin1String("ProbeExpansion"),
};

// A language file's own section naming it, and the value of each key it lacks.
inline constexpr QLatin1String kLanguageMainSection("MAIN");
inline constexpr QLatin1String kLanguageFlagKey("flag");
inline constexpr QLatin1String kLanguageNameKey("name");
inline constexpr QLatin1String kLanguageCodeKey("code");
inline constexpr QLatin1String kMissingLanguageKeyText("Error");

} // namespace kthread::settings
