// Reads one measurement record from one JSON object whose keys are the record's field names.
#pragma once

#include "cli/BatchExtras.h"
#include "engine/PitchDiam.h"

#include <optional>
#include <string>
#include <string_view>

namespace kthread::cli {

// Fills `record` from `text`, a single JSON object, and `extras` from its optional keys
// (cli/BatchExtras.h: the Designation a string, the uncertainties numbers). Keys missing from
// the object leave their fields as they were (0 in a fresh record). Returns the reason when the
// text is not such an object: malformed JSON, an unknown or repeated key, a value of the wrong
// type, or a selector that is not a whole number from 0 to 255. On error the record and the
// extras may be partly filled.
std::optional<std::string> ReadJsonRecord(std::string_view text, TPitchDiamData& record,
                                          LineExtras& extras);

// The two readers behind ReadJsonRecord, exposed so that tests and fuzzers can hold them to the
// same verdicts. ReadFlatJsonRecord is the fast path for the usual line: a flat object of plain
// keys and numbers (and a Designation in a string without escapes), read with std::from_chars.
// It returns false for anything else (escapes, other value types, unknown keys, malformed
// text), possibly after writing some fields; the full JSON reader then decides and words the
// error. Both clear extras.keys first and set extras.fieldsGiven.
bool ReadFlatJsonRecord(std::string_view text, TPitchDiamData& record, LineExtras& extras);
std::optional<std::string> ReadJsonRecordFully(std::string_view text, TPitchDiamData& record,
                                               LineExtras& extras);

} // namespace kthread::cli
