// The texts of the designation field, the verdict and the reading window: language texts 0110
// to 0128, each with its English wording for a language table that lacks it (the built-in table
// carries only the texts of the original program).
#pragma once

#include "engine/designation/Designation.h"

#include <QString>

namespace kthread {

enum class DesignationText : int {
    Caption = 110,          // "Thread designation"
    Changed = 111,          // "(changed)"
    WithinLimits = 112,     //
    Undersize = 113,        //
    Oversize = 114,         //
    NotProvable = 115,      //
    Margin = 116,           // "margin %1"
    ReadingWindow = 117,    // caption of the readings a part within limits shows
    Limits = 118,           // caption of the pitch-diameter limits in the report
    Verdict = 119,          // caption of the verdict in the report
    UnknownFamily = 120,    // the parse errors, each with %1 for the offending part
    MalformedNumber = 121,  //
    UnknownSize = 122,      //
    PitchNotInSeries = 123, //
    LeadNotMultiple = 124,  //
    MalformedClass = 125,   //
    ClassNotAllowed = 126,  //
    UnexpectedText = 127,   //
    Examples = 128,         // the field's placeholder
};

inline constexpr int kFirstDesignationText = 110;
inline constexpr int kLastDesignationText = 128;

// The active language's text, or the English one when the table has none.
QString TextOf(DesignationText text);

// The English wording of a text.
QString EnglishTextOf(DesignationText text);

// What is wrong with a designation, in the active language: the error's kind with the part of
// the input that is wrong (the whole input when the parser names none).
QString ParseErrorText(const designation::ParseError& error, const QString& input);

} // namespace kthread
