#include "cli/FlankAngleText.h"

#include "cli/OutputText.h"
#include "engine/PitchDiam.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kthread::cli {

namespace {

struct Part {
    const char* name;
    double limit;
};

constexpr std::array<Part, 3> kParts{{{"degrees", 90}, {"minutes", 59}, {"seconds", 59}}};

std::optional<double> ParsePart(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
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
