// The fields of a measurement record by name, in the record's order, for the batch formats.
#pragma once

#include "engine/PitchDiam.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kthread::cli {

enum class FieldKind { Selector, Number };

struct FieldInfo {
    std::string_view name;
    FieldKind kind;
    std::uint8_t TPitchDiamData::*selector; // set when kind is Selector
    double TPitchDiamData::*number;         // set when kind is Number
};

inline constexpr std::size_t kFieldCount = 18;

// All fields in the record's own order.
const std::array<FieldInfo, kFieldCount>& RecordFields();

// Index into RecordFields(), or empty for a name that is not a field (names are case-sensitive).
std::optional<std::size_t> FindField(std::string_view name);

// A selector takes any whole number from 0 to 255, as the record's bytes do.
std::optional<std::uint8_t> SelectorFromNumber(double value);

// The record's value of field `index` as a double (selectors widen exactly).
double FieldValue(const TPitchDiamData& record, std::size_t index);

} // namespace kthread::cli
