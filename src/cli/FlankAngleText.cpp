#include "cli/FlankAngleText.h"

#include "cli/NumberReading.h"
#include "cli/OutputText.h"
#include "engine/PitchDiam.h"

#include <array>

namespace kthread::cli {

namespace {

struct Part {
    const char* name;
    double limit;
};

constexpr std::array<Part, 3> kParts{{{"degrees", 90}, {"minutes", 59}, {"seconds", 59}}};

// A part is a number by the one number rule, except that it may be padded with zeros as clock
// times are ("29:05:00").
std::optional<double> ParsePart(std::string_view text) {
    while (text.size() > 1 && text[0] == '0' && text[1] >= '0' && text[1] <= '9') {
        text.remove_prefix(1);
    }
    const NumberReading reading = ReadNumber(text);
    return reading.ok() ? std::optional<double>(reading.value) : std::nullopt;
}

std::optional<DegMinSec> Fail(std::string* error, std::string message) {
    if (error != nullptr) {
        *error = std::move(message);
    }
    return std::nullopt;
}

} // namespace

std::optional<DegMinSec> ParseFlankAngle(std::string_view text, std::string* error) {
    std::array<double, 3> values{};
    std::size_t count = 0;
    std::string_view rest = text;
    while (true) {
        const std::size_t colon = rest.find(':');
        if (count == kParts.size()) {
            return Fail(error, "too many parts in " + QuoteInput(text) +
                                   " (use degrees or degrees:minutes:seconds)");
        }
        const auto value = ParsePart(rest.substr(0, colon));
        if (!value) {
            return Fail(error, "malformed " + std::string(kParts[count].name) + " in " +
                                   QuoteInput(text) + " (use degrees or degrees:minutes:seconds)");
        }
        if (!(*value >= 0 && *value <= kParts[count].limit)) {
            return Fail(error, std::string(kParts[count].name) + " must be from 0 to " +
                                   std::to_string(static_cast<int>(kParts[count].limit)) + " in " +
                                   QuoteInput(text));
        }
        values[count++] = *value;
        if (colon == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(colon + 1);
    }
    return DegMinSec{values[0], values[1], values[2]};
}

double FlankRadians(const DegMinSec& angle) {
    return AngleRad(angle.degrees, angle.minutes, angle.seconds);
}

} // namespace kthread::cli
