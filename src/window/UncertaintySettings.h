// The budget's input uncertainties and the decision rule as the settings file keeps them, in a
// section of their own (SettingsKeys.h). Each input falls back to its laboratory default on its
// own, so one bad value never costs the others.
#pragma once

#include "engine/uncertainty/ConformityDecision.h"
#include "engine/uncertainty/MeasurementModel.h"

#include <QString>
#include <utility>
#include <vector>

namespace kthread {

class IniFile;

struct UncertaintySettings {
    uncertainty::UncertaintyInputs inputs;
    uncertainty::DecisionRule rule = uncertainty::DecisionRule::GuardBanded;
};

// The laboratory defaults and the guard-banded rule.
UncertaintySettings DefaultUncertaintySettings();

// A value that is missing, not a number, negative or not finite, or a form word it does not
// know, gives that input its default (value and form together: a value means nothing in another
// form); an unknown rule gives the guard-banded one.
UncertaintySettings ReadUncertaintySettings(const IniFile& file);

// The keys and values as written: numbers in the engine's units, locale-independent.
std::vector<std::pair<QString, QString>> UncertaintySettingsEntries(const UncertaintySettings& s);

// One atomic write of the whole section. False, with the file unchanged, when it cannot be
// written (file.errorString() says why).
bool WriteUncertaintySettings(IniFile& file, const UncertaintySettings& s);

} // namespace kthread
