#include "window/BudgetTexts.h"

#include "lang/LanguageTable.h"

#include <array>

namespace kthread {

namespace {

// The wording of the shipped English file, in number order from kFirstBudgetText.
constexpr std::array<const char*, kLastBudgetText - kFirstBudgetText + 1> kEnglish{
    "Uncertainty",
    "Input quantity",
    "Value",
    "Unit",
    "Distribution",
    "Standard uncertainty",
    "Sensitivity coefficient",
    "Contribution",
    "Share of variance",
    "Modulus of elasticity of the thread material",
    "Temperature of the part, deviation from 20 °C",
    "Temperature of the probing elements, deviation from 20 °C",
    "Expansion coefficient of the part",
    "Expansion coefficient of the probing elements",
    "standard uncertainty, normal",
    "expanded uncertainty, normal (k = 2)",
    "rectangular, half-width",
    "triangular, half-width",
    "U-shaped, half-width",
    "Combined standard uncertainty",
    "Effective degrees of freedom",
    "Coverage factor",
    "Expanded uncertainty",
    "Decision rule",
    "guard-banded (ISO 14253-1)",
    "simple acceptance",
    "No budget: the model has no value on either side of",
    "The model is not linear enough over these uncertainties: the interval is a first-order "
    "estimate, not validated.",
    "This input uncertainty cannot be used:",
};

} // namespace

QString EnglishBudgetText(int number) {
    if (number < kFirstBudgetText || number > kLastBudgetText) {
        return {};
    }
    return QString::fromUtf8(kEnglish[static_cast<std::size_t>(number - kFirstBudgetText)]);
}

QString BudgetText(int number) {
    const QString translated = LangText(number);
    return translated.isEmpty() ? EnglishBudgetText(number) : translated;
}

} // namespace kthread
