#include "cli/UncertaintyText.h"

#include "cli/NumberReading.h"
#include "cli/OutputText.h"
#include "engine/NumberText.h"

#include <array>
#include <cmath>

namespace kthread::cli {

namespace {

using uncertainty::Distribution;
using uncertainty::InputUncertainty;
using uncertainty::StatedAs;

struct HalfWidthForm {
    std::string_view name;
    Distribution distribution;
};

constexpr std::array<HalfWidthForm, 3> kHalfWidthForms{{
    {"rect", Distribution::Rectangular},
    {"tri", Distribution::Triangular},
    {"arcsine", Distribution::UShaped},
}};

constexpr std::string_view kFormHelp = " (use VALUE or VALUE:FORM, FORM one of normal, k=K, rect, "
                                       "tri, arcsine, std)";

std::optional<InputUncertainty> Fail(std::string* error, std::string message) {
    if (error != nullptr) {
        *error = std::move(message);
    }
    return std::nullopt;
}

// Reads FORM into `stated` (its value already set); false for a FORM that is not one.
bool ReadForm(std::string_view form, InputUncertainty& stated, std::string* error) {
    if (form == "std") {
        stated.kind = StatedAs::StandardUncertainty;
        stated.distribution = Distribution::Normal;
        return true;
    }
    stated.kind = StatedAs::HalfWidth;
    if (form == "normal") {
        stated.distribution = Distribution::Normal;
        stated.coverageFactor = 2;
        return true;
    }
    if (form.starts_with("k=")) {
        const std::string_view text = form.substr(2);
        const NumberReading k = ReadNumber(text);
        if (!k.ok() || !(k.value > 0)) {
            if (error != nullptr) {
                *error = "the coverage factor must be a number above 0, got " + QuoteInput(text);
            }
            return false;
        }
        stated.distribution = Distribution::Normal;
        stated.coverageFactor = k.value;
        return true;
    }
    for (const HalfWidthForm& entry : kHalfWidthForms) {
        if (form == entry.name) {
            stated.distribution = entry.distribution;
            return true;
        }
    }
    if (error != nullptr) {
        *error = "unknown form " + QuoteInput(form) + std::string(kFormHelp);
    }
    return false;
}

} // namespace

std::optional<InputUncertainty> ParseUncertaintyText(std::string_view text,
                                                     const InputUncertainty& defaultForm,
                                                     double toRecordUnit, std::string* error) {
    const std::size_t colon = text.find(':');
    const std::string_view number = text.substr(0, colon);
    const NumberReading reading = ReadNumber(number);
    if (!reading.ok()) {
        return Fail(error, DescribeNumberProblem(reading.problem, number) + std::string(kFormHelp));
    }
    if (reading.value < 0) {
        return Fail(error, "an uncertainty must be 0 or more, got " + EchoInput(number));
    }
    InputUncertainty stated = defaultForm;
    stated.value = reading.value * toRecordUnit;
    if (colon != std::string_view::npos && !ReadForm(text.substr(colon + 1), stated, error)) {
        return std::nullopt;
    }
    return stated;
}

std::string UncertaintyText(const InputUncertainty& stated, double toRecordUnit) {
    std::string text = FormatGeneral(stated.value / toRecordUnit, 6);
    if (stated.kind == StatedAs::StandardUncertainty) {
        return text + ":std";
    }
    switch (stated.distribution) {
    case Distribution::Normal:
        return text + ":k=" + FormatGeneral(stated.coverageFactor, 6);
    case Distribution::Rectangular:
        return text + ":rect";
    case Distribution::Triangular:
        return text + ":tri";
    case Distribution::UShaped:
        return text + ":arcsine";
    }
    return text;
}

std::string_view DistributionName(Distribution distribution) {
    switch (distribution) {
    case Distribution::Normal:
        return "normal";
    case Distribution::Rectangular:
        return "rectangular";
    case Distribution::Triangular:
        return "triangular";
    case Distribution::UShaped:
        return "arcsine";
    }
    return "";
}

} // namespace kthread::cli
