// Thread designations as inspectors type them, and the pitch-diameter limits they stand for.
// Plain C++, no Qt.
//
// Three families: ISO general-purpose metric (M), unified inch (UNC, UNF, UNEF, constant-pitch
// UN) and ISO metric trapezoidal (Tr). A designation is parsed once into a Designation; its
// limits come from ThreadLimitsOf (ThreadLimits.h), the candidate list for type-ahead from
// CompleteDesignations (DesignationCatalogue.h).
#pragma once

#include <optional>
#include <string>
#include <variant>

namespace kthread::designation {

enum class Family { IsoMetric, Unified, Trapezoidal };

enum class Side { External, Internal };

// Unified series; ConstantPitch is the n-UN series (4, 6, 8, 12, 16, 20, 28, 32 UN).
enum class UnifiedSeries { Coarse, Fine, ExtraFine, ConstantPitch };

// A tolerance class on the pitch diameter. ISO families: grade 3..9 and a position letter
// (e f g h c for external threads, G H for internal ones). Unified: grade 1..3, the letter
// 'A' (external) or 'B' (internal).
struct ToleranceClass {
    int grade = 0;
    char position = 0;
    bool operator==(const ToleranceClass&) const = default;
};

struct Designation {
    Family family = Family::IsoMetric;
    Side side = Side::External;
    // Basic major diameter and pitch in the family's own unit: mm for M and Tr, inches for
    // unified threads (pitch = 1 / threads per inch).
    double majorDiam = 0;
    double pitch = 0;
    int starts = 1;
    double threadsPerInch = 0;                    // unified only
    UnifiedSeries series = UnifiedSeries::Coarse; // unified only
    ToleranceClass pitchClass;                    // governs the pitch diameter
    ToleranceClass crestClass; // the second class of "5g6g"; equal to pitchClass otherwise
    bool classGiven = false;   // false: the family's default class was taken
    bool leftHand = false;
    // The designation written the one way this library writes it ("M10x1.5-6g",
    // "1/2-13 UNC-2A", "Tr 40x14(P7)-8e"); parsing it again gives the same Designation.
    std::string text;

    double Lead() const { return pitch * starts; }
};

enum class ParseErrorKind {
    Empty,            // nothing but blanks
    UnknownFamily,    // does not start like M, Tr or a unified size
    MalformedNumber,  // a diameter, pitch, lead or thread count that is not a number
    UnknownSize,      // diameter not in the family's series
    PitchNotInSeries, // pitch (or thread count) not in the series for that diameter
    LeadNotMultiple,  // lead is not a whole multiple of the pitch
    MalformedClass,   // tolerance class not of the family's form
    ClassNotAllowed,  // well-formed class that the standard does not define here
    UnexpectedText,   // something left over after a complete designation
};

struct ParseError {
    ParseErrorKind kind = ParseErrorKind::Empty;
    // The part of the input that is wrong ("1.4", "7g", "UNX"); empty for Empty.
    std::string offending;
    // One English sentence naming what is wrong, for logs and the command line; the window
    // builds its own text from kind and offending.
    std::string message;
};

using ParseResult = std::variant<Designation, ParseError>;

// Reads what people type: blanks anywhere between the parts, x, X or the multiplication sign
// between diameter and pitch, a comma or a point as decimal separator, either case for the
// family letters, an optional "LH" at the end. A designation without a class takes the
// standard's default class on the side `unstatedSide` names: 6g or 6H (metric), 2A or 2B
// (unified), 7e or 7H (trapezoidal). A class always decides the side by itself ("M10-6H" is
// internal whatever `unstatedSide` says).
ParseResult ParseDesignation(const std::string& text, Side unstatedSide = Side::External);

// Convenience views of a ParseResult.
inline const Designation* ParsedDesignation(const ParseResult& r) {
    return std::get_if<Designation>(&r);
}
inline const ParseError* ParsedError(const ParseResult& r) {
    return std::get_if<ParseError>(&r);
}

// The canonical text of a designation (what Designation::text holds).
std::string DesignationText(const Designation& d);

} // namespace kthread::designation
