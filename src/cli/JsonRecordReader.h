// Reads one measurement record from one JSON object whose keys are the record's field names.
#pragma once

#include "engine/PitchDiam.h"

#include <optional>
#include <string>
#include <string_view>

namespace kthread::cli {

// Fills `record` from `text`, a single JSON object. Keys missing from the object leave their
// fields as they were (0 in a fresh record). Returns the reason when the text is not such an
// object: malformed JSON, an unknown or repeated key, a non-number, or a selector that is not a
// whole number from 0 to 255. On error the record may be partly filled.
std::optional<std::string> ReadJsonRecord(std::string_view text, TPitchDiamData& record);

// The two readers behind ReadJsonRecord, exposed so that tests and fuzzers can hold them to the
// same verdicts. ReadFlatJsonRecord is the fast path for the usual line: a flat object of plain
// keys and numbers, read with std::from_chars. It returns false for anything else (escapes,
// other value types, unknown keys, malformed text), possibly after writing some fields; the
// full JSON reader then decides and words the error.
bool ReadFlatJsonRecord(std::string_view text, TPitchDiamData& record);
std::optional<std::string> ReadJsonRecordFully(std::string_view text, TPitchDiamData& record);

} // namespace kthread::cli
