#include "window/UncertaintySettings.h"

#include "engine/uncertainty/LabDefaults.h"
#include "storage/IniFile.h"
#include "window/SettingsKeys.h"
#include "window/UncertaintyEntry.h"

#include <QLocale>
#include <cmath>

namespace kthread {

using uncertainty::DecisionRule;
using uncertainty::InputQuantity;
using uncertainty::kInputQuantityCount;

namespace {

static_assert(settings::kUncertaintyKeys.size() == kInputQuantityCount);

constexpr QLatin1String kGuardBandedWord("guard-banded");
constexpr QLatin1String kSimpleWord("simple");

QString FormKey(QLatin1String key) {
    return QString(key) + settings::kUncertaintyFormSuffix;
}

std::optional<double> StoredNumber(const QString& text) {
    bool ok = false;
    // QString::toDouble reads the C locale's numbers whatever the user's locale is.
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

UncertaintySettings DefaultUncertaintySettings() {
    return {uncertainty::LabDefaultInputs(), DecisionRule::GuardBanded};
}

UncertaintySettings ReadUncertaintySettings(const IniFile& file) {
    UncertaintySettings s = DefaultUncertaintySettings();
    const auto section = settings::kUncertaintySection;
    for (std::size_t i = 0; i < kInputQuantityCount; ++i) {
        const QLatin1String key = settings::kUncertaintyKeys[i];
        const std::optional<double> value = StoredNumber(file.readString(section, key));
        const std::optional<EntryForm> form = FormFromWord(file.readString(section, FormKey(key)));
        if (value && form) {
            s.inputs.items[i] = WithForm(s.inputs.items[i], *form);
            s.inputs.items[i].value = *value;
        }
    }
    const QString rule = file.readString(section, settings::kDecisionRuleKey).trimmed();
    if (rule.compare(kSimpleWord, Qt::CaseInsensitive) == 0) {
        s.rule = DecisionRule::SimpleAcceptance;
    }
    return s;
}

std::vector<std::pair<QString, QString>> UncertaintySettingsEntries(const UncertaintySettings& s) {
    std::vector<std::pair<QString, QString>> entries;
    for (std::size_t i = 0; i < kInputQuantityCount; ++i) {
        const QLatin1String key = settings::kUncertaintyKeys[i];
        const uncertainty::InputUncertainty& stated = s.inputs.items[i];
        entries.emplace_back(key,
                             QString::number(stated.value, 'g', QLocale::FloatingPointShortest));
        entries.emplace_back(FormKey(key), FormWord(FormOf(stated)));
    }
    entries.emplace_back(settings::kDecisionRuleKey,
                         s.rule == DecisionRule::SimpleAcceptance ? kSimpleWord : kGuardBandedWord);
    return entries;
}

bool WriteUncertaintySettings(IniFile& file, const UncertaintySettings& s) {
    return file.writeStrings(settings::kUncertaintySection, UncertaintySettingsEntries(s));
}

} // namespace kthread
