// Reading typed designations: a small scanner per family, then the checks against the series
// and the tolerance system, so that every refusal names the part that is wrong.
#include "engine/designation/Designation.h"

#include "engine/designation/DesignationWords.h"
#include "engine/designation/IsoMetric.h"
#include "engine/designation/Trapezoidal.h"
#include "engine/designation/Unified.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kthread::designation {
namespace {

ParseError Error(ParseErrorKind kind, std::string offending, std::string message) {
    return ParseError{kind, std::move(offending), std::move(message)};
}

// The input with the multiplication sign and tabs replaced, and blanks trimmed.
std::string Normalized(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x97) {
            out += 'x'; // U+00D7 MULTIPLICATION SIGN
            ++i;
        } else if (c == '\t' || c == '\n' || c == '\r') {
            out += ' ';
        } else {
            out += static_cast<char>(c);
        }
    }
    std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    std::size_t last = out.find_last_not_of(' ');
    return out.substr(first, last - first + 1);
}

class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    void SkipBlanks() {
        while (pos_ < s_.size() && s_[pos_] == ' ') {
            ++pos_;
        }
    }
    bool AtEnd() const { return pos_ >= s_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0';
    }
    bool PeekDigit(std::size_t ahead = 0) const {
        return std::isdigit(static_cast<unsigned char>(Peek(ahead))) != 0;
    }
    // Consumes `word` case-insensitively when it is next.
    bool Accept(std::string_view word) {
        if (s_.size() - pos_ < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (std::toupper(static_cast<unsigned char>(s_[pos_ + i])) !=
                std::toupper(static_cast<unsigned char>(word[i]))) {
                return false;
            }
        }
        pos_ += word.size();
        return true;
    }
    bool AcceptChar(char c) {
        if (Peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    // Digits with at most one decimal point or comma ("1.25", "1,25", ".250"); the text read.
    std::string Number() {
        std::size_t start = pos_;
        bool separator = false;
        while (!AtEnd()) {
            char c = Peek();
            if (std::isdigit(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if ((c == '.' || c == ',') && !separator && PeekDigit(1)) {
                separator = true;
                ++pos_;
            } else {
                break;
            }
        }
        return std::string(s_.substr(start, pos_ - start));
    }
    std::string Integer() {
        std::size_t start = pos_;
        while (PeekDigit()) {
            ++pos_;
        }
        return std::string(s_.substr(start, pos_ - start));
    }
    std::string Rest() const { return std::string(s_.substr(pos_)); }
    void Advance() { ++pos_; }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
};

// The value of digits with at most one decimal point or comma. Never throws: a count of digits
// beyond the range of doubles comes out infinite, which no size or pitch matches.
std::optional<double> NumberValue(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string point = text;
    for (char& c : point) {
        if (c == ',') {
            c = '.';
        }
    }
    double value = 0;
    double scale = 0;
    for (char c : point) {
        if (c == '.') {
            scale = 1;
            continue;
        }
        if (scale == 0) {
            value = value * 10 + (c - '0');
        } else {
            scale /= 10;
            value += (c - '0') * scale;
        }
    }
    return value;
}

// Whole micrometres of a length typed in millimetres; empty when it has finer digits.
std::optional<int> Micrometres(double mm) {
    double um = mm * 1000.0;
    double whole = std::round(um);
    if (std::abs(um - whole) > 1e-6 || whole > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

// "-6g", " 6g", "-LH", " LH" after the size: the optional class and left-hand marker.
struct Tail {
    std::string classText;
    bool leftHand = false;
};

std::variant<Tail, ParseError> ReadTail(Scanner& s) {
    Tail tail;
    for (;;) {
        s.SkipBlanks();
        bool dash = s.AcceptChar('-');
        s.SkipBlanks();
        if (s.AtEnd()) {
            if (dash) {
                return Error(ParseErrorKind::MalformedClass, "-",
                             "a tolerance class is missing after '-'");
            }
            return tail;
        }
        if (s.Accept("LH")) {
            tail.leftHand = true;
            continue;
        }
        if (!tail.classText.empty() || !s.PeekDigit()) {
            std::string rest = s.Rest();
            return Error(ParseErrorKind::UnexpectedText, rest,
                         "unexpected text '" + rest + "' after the designation");
        }
        while (!s.AtEnd() && s.Peek() != ' ' && s.Peek() != '-') {
            tail.classText += s.Peek();
            s.Advance();
        }
    }
}

// "6g", "5g6g", "6H", "5H6H": grade and letter, once or twice.
struct IsoClasses {
    ToleranceClass pitch;
    ToleranceClass crest;
};

std::optional<IsoClasses> SplitIsoClasses(const std::string& text) {
    auto one = [](const std::string& t, std::size_t& i) -> std::optional<ToleranceClass> {
        if (i + 1 >= t.size() + 0 || !std::isdigit(static_cast<unsigned char>(t[i])) ||
            !std::isalpha(static_cast<unsigned char>(t[i + 1]))) {
            return std::nullopt;
        }
        ToleranceClass c{t[i] - '0', t[i + 1]};
        i += 2;
        return c;
    };
    std::size_t i = 0;
    auto first = one(text, i);
    if (!first) {
        return std::nullopt;
    }
    if (i == text.size()) {
        return IsoClasses{*first, *first};
    }
    auto second = one(text, i);
    if (!second || i != text.size()) {
        return std::nullopt;
    }
    return IsoClasses{*first, *second};
}

bool IsExternalLetter(char c) {
    return c >= 'a' && c <= 'z';
}

ParseResult ParseMetric(Scanner& s, const std::string& input, Side unstated) {
    s.SkipBlanks();
    std::string diamText = s.Number();
    auto diam = NumberValue(diamText);
    if (!diam) {
        std::string rest = s.Rest();
        return Error(ParseErrorKind::MalformedNumber, rest,
                     "the nominal diameter after 'M' is missing in '" + input + "'");
    }
    auto diamUm = Micrometres(*diam);
    const IsoMetricSize* size = diamUm ? FindIsoMetricSize(*diamUm) : nullptr;
    if (!size) {
        return Error(ParseErrorKind::UnknownSize, diamText,
                     "M" + diamText + " is not a diameter of the ISO metric series");
    }
    Designation d;
    d.family = Family::IsoMetric;
    d.majorDiam = size->diam / 1000.0;
    int pitchUm = size->coarsePitch;
    s.SkipBlanks();
    if (s.AcceptChar('x') || s.AcceptChar('X')) {
        s.SkipBlanks();
        int leadUm = 0;
        std::string leadText;
        if (s.Accept("Ph")) {
            s.SkipBlanks();
            leadText = s.Number();
            auto lead = NumberValue(leadText);
            auto um = lead ? Micrometres(*lead) : std::nullopt;
            if (!um || *um <= 0) {
                return Error(ParseErrorKind::MalformedNumber,
                             leadText.empty() ? s.Rest() : leadText,
                             "the lead after 'Ph' is not a number");
            }
            leadUm = *um;
            s.SkipBlanks();
            if (!s.Accept("P")) {
                return Error(ParseErrorKind::MalformedNumber, s.Rest(),
                             "the pitch 'P...' after the lead is missing");
            }
            s.SkipBlanks();
        }
        std::string pitchText = s.Number();
        auto pitch = NumberValue(pitchText);
        auto um = pitch ? Micrometres(*pitch) : std::nullopt;
        if (!um || *um <= 0) {
            return Error(ParseErrorKind::MalformedNumber, pitchText.empty() ? s.Rest() : pitchText,
                         "the pitch after 'x' is not a number");
        }
        if (!HasIsoMetricPitch(*size, *um)) {
            return Error(ParseErrorKind::PitchNotInSeries, pitchText,
                         "pitch " + pitchText + " mm is not in the coarse or fine series for M" +
                             diamText + " (" + IsoPitchList(*size) + ")");
        }
        pitchUm = *um;
        if (leadUm != 0) {
            if (leadUm % pitchUm != 0) {
                return Error(ParseErrorKind::LeadNotMultiple, leadText,
                             "lead " + leadText + " mm is not a whole multiple of pitch " +
                                 pitchText + " mm");
            }
            d.starts = leadUm / pitchUm;
        }
    } else if (pitchUm == 0) {
        return Error(ParseErrorKind::PitchNotInSeries, "M" + diamText,
                     "M" + diamText + " has no coarse pitch: give one of " + IsoPitchList(*size));
    }
    d.pitch = pitchUm / 1000.0;

    auto tail = ReadTail(s);
    if (auto* e = std::get_if<ParseError>(&tail)) {
        return *e;
    }
    const Tail& t = std::get<Tail>(tail);
    d.leftHand = t.leftHand;
    if (t.classText.empty()) {
        d.side = unstated;
        d.pitchClass = unstated == Side::External ? ToleranceClass{6, 'g'} : ToleranceClass{6, 'H'};
        d.crestClass = d.pitchClass;
    } else {
        auto classes = SplitIsoClasses(t.classText);
        if (!classes || IsExternalLetter(classes->pitch.position) !=
                            IsExternalLetter(classes->crest.position)) {
            return Error(ParseErrorKind::MalformedClass, t.classText,
                         "'" + t.classText + "' is not a tolerance class such as 6g, 5g6g or 6H");
        }
        d.side = IsExternalLetter(classes->pitch.position) ? Side::External : Side::Internal;
        d.pitchClass = classes->pitch;
        d.crestClass = classes->crest;
        d.classGiven = true;
        bool positionKnown = IsoMetricFundamentalDeviation(d.pitchClass.position, pitchUm) &&
                             IsoMetricFundamentalDeviation(d.crestClass.position, pitchUm);
        bool gradeKnown =
            IsoMetricPitchDiamTolerance(d.side, d.pitchClass.grade, size->diam, pitchUm)
                .has_value();
        int crestGrade = d.crestClass.grade;
        bool crestKnown = d.side == Side::External
                              ? (crestGrade == 4 || crestGrade == 6 || crestGrade == 8)
                              : (crestGrade >= 4 && crestGrade <= 8);
        if (!positionKnown || !gradeKnown || !crestKnown) {
            return Error(ParseErrorKind::ClassNotAllowed, t.classText,
                         "tolerance class " + t.classText + " is not defined for pitch " +
                             MillimetreText(pitchUm) + " mm");
        }
    }
    d.text = DesignationText(d);
    return d;
}

ParseResult ParseTrapezoidal(Scanner& s, const std::string& input, Side unstated) {
    s.SkipBlanks();
    std::string diamText = s.Number();
    auto diam = NumberValue(diamText);
    if (!diam) {
        return Error(ParseErrorKind::MalformedNumber, s.Rest(),
                     "the nominal diameter after 'Tr' is missing in '" + input + "'");
    }
    auto diamUm = Micrometres(*diam);
    const TrapezoidalSize* size = diamUm ? FindTrapezoidalSize(*diamUm) : nullptr;
    if (!size) {
        return Error(ParseErrorKind::UnknownSize, diamText,
                     "Tr " + diamText + " is not a diameter of the trapezoidal series");
    }
    s.SkipBlanks();
    if (!s.AcceptChar('x') && !s.AcceptChar('X')) {
        return Error(ParseErrorKind::MalformedNumber, s.Rest(),
                     "a trapezoidal designation needs 'x' and the pitch after the diameter");
    }
    s.SkipBlanks();
    std::string firstText = s.Number();
    auto first = NumberValue(firstText);
    auto firstUm = first ? Micrometres(*first) : std::nullopt;
    if (!firstUm || *firstUm <= 0) {
        return Error(ParseErrorKind::MalformedNumber, firstText.empty() ? s.Rest() : firstText,
                     "the pitch after 'x' is not a number");
    }
    int leadUm = *firstUm;
    int pitchUm = *firstUm;
    std::string pitchText = firstText;
    s.SkipBlanks();
    bool paren = s.AcceptChar('(');
    s.SkipBlanks();
    if (s.Accept("P")) {
        s.SkipBlanks();
        pitchText = s.Number();
        auto pitch = NumberValue(pitchText);
        auto um = pitch ? Micrometres(*pitch) : std::nullopt;
        if (!um || *um <= 0) {
            return Error(ParseErrorKind::MalformedNumber, pitchText.empty() ? s.Rest() : pitchText,
                         "the pitch after 'P' is not a number");
        }
        pitchUm = *um;
        s.SkipBlanks();
        if (paren && !s.AcceptChar(')')) {
            return Error(ParseErrorKind::UnexpectedText, s.Rest(),
                         "')' is missing after the pitch");
        }
    } else if (paren) {
        return Error(ParseErrorKind::MalformedNumber, s.Rest(), "'(P...)' expected after the lead");
    }
    if (!HasTrapezoidalPitch(*size, pitchUm)) {
        return Error(ParseErrorKind::PitchNotInSeries, pitchText,
                     "pitch " + pitchText + " mm is not in the series for Tr " + diamText + " (" +
                         TrapezoidalPitchList(*size) + ")");
    }
    if (leadUm % pitchUm != 0) {
        return Error(ParseErrorKind::LeadNotMultiple, firstText,
                     "lead " + firstText + " mm is not a whole multiple of pitch " + pitchText +
                         " mm");
    }
    Designation d;
    d.family = Family::Trapezoidal;
    d.majorDiam = size->diam / 1000.0;
    d.pitch = pitchUm / 1000.0;
    d.starts = leadUm / pitchUm;

    auto tail = ReadTail(s);
    if (auto* e = std::get_if<ParseError>(&tail)) {
        return *e;
    }
    const Tail& t = std::get<Tail>(tail);
    d.leftHand = t.leftHand;
    if (t.classText.empty()) {
        d.side = unstated;
        d.pitchClass = unstated == Side::External ? ToleranceClass{7, 'e'} : ToleranceClass{7, 'H'};
    } else {
        auto classes = SplitIsoClasses(t.classText);
        if (!classes || !(classes->pitch == classes->crest)) {
            return Error(ParseErrorKind::MalformedClass, t.classText,
                         "'" + t.classText + "' is not a tolerance class such as 7e or 7H");
        }
        if (!TrapezoidalClassDefined(classes->pitch)) {
            return Error(ParseErrorKind::ClassNotAllowed, t.classText,
                         "tolerance class " + t.classText +
                             " is not one of the trapezoidal classes 7H 8H 9H 7e 8e 8c 9c");
        }
        d.pitchClass = classes->pitch;
        d.side = IsExternalLetter(d.pitchClass.position) ? Side::External : Side::Internal;
        d.classGiven = true;
    }
    d.crestClass = d.pitchClass;
    d.text = DesignationText(d);
    return d;
}

struct UnifiedSizeText {
    std::string text;
    bool numbered = false;               // written with '#'
    std::optional<double> wholeOrNumber; // a bare integer: a number size or whole inches
    std::optional<double> inches;        // a fraction, mixed number or decimal
};

// "#10", "10", "1/2", "1 1/4", "1-1/4", "0.250", ".250".
std::optional<UnifiedSizeText> ReadUnifiedSize(Scanner& s) {
    UnifiedSizeText size;
    std::size_t start = s.Position();
    if (s.AcceptChar('#')) {
        size.numbered = true;
        std::string n = s.Integer();
        if (n.empty()) {
            return std::nullopt;
        }
        size.text = "#" + n;
        size.wholeOrNumber = *NumberValue(n);
        return size;
    }
    if (s.Peek() == '.' || (s.PeekDigit() && (s.Peek(1) == '.' || s.Peek(1) == ','))) {
        std::string n = s.Number();
        size.text = n;
        size.inches = NumberValue(n[0] == '.' ? "0" + n : n);
        return size;
    }
    std::string whole = s.Integer();
    if (whole.empty()) {
        return std::nullopt;
    }
    // A fraction right after the integer, or after a blank or '-' when a '/' follows.
    auto fractionAt = [&](std::size_t from) -> std::optional<std::pair<std::string, std::string>> {
        s.Rewind(from);
        std::string num = s.Integer();
        if (num.empty() || !s.AcceptChar('/')) {
            return std::nullopt;
        }
        std::string den = s.Integer();
        if (den.empty() || *NumberValue(den) == 0) {
            return std::nullopt;
        }
        return std::make_pair(num, den);
    };
    std::size_t afterWhole = s.Position();
    if (s.Peek() == '/') {
        s.Rewind(start);
        auto f = fractionAt(start);
        if (!f) {
            return std::nullopt;
        }
        size.text = f->first + "/" + f->second;
        size.inches = *NumberValue(f->first) / *NumberValue(f->second);
        return size;
    }
    if (s.Peek() == ' ' || s.Peek() == '-') {
        std::size_t next = afterWhole + 1;
        while (s.Rewind(next), s.Peek() == ' ') {
            ++next;
        }
        auto f = fractionAt(next);
        if (f) {
            size.text = whole + " " + f->first + "/" + f->second;
            size.inches = *NumberValue(whole) + *NumberValue(f->first) / *NumberValue(f->second);
            return size;
        }
    }
    s.Rewind(afterWhole);
    size.text = whole;
    size.wholeOrNumber = *NumberValue(whole);
    return size;
}

std::optional<UnifiedSeries> ReadUnifiedSeries(Scanner& s) {
    constexpr std::pair<std::string_view, UnifiedSeries> kNames[]{
        {"UNEF", UnifiedSeries::ExtraFine},
        {"UNC", UnifiedSeries::Coarse},
        {"UNF", UnifiedSeries::Fine},
        {"UN", UnifiedSeries::ConstantPitch},
    };
    std::size_t start = s.Position();
    for (const auto& [name, series] : kNames) {
        if (s.Accept(name)) {
            // "UNX" is not "UN" followed by something.
            if (std::isalpha(static_cast<unsigned char>(s.Peek())) != 0) {
                s.Rewind(start);
                return std::nullopt;
            }
            return series;
        }
    }
    return std::nullopt;
}

// The standard series a thread count belongs to for a size, if any.
std::optional<UnifiedSeries> StandardSeriesOf(const UnifiedSize& size, double tpi) {
    for (UnifiedSeries series :
         {UnifiedSeries::Coarse, UnifiedSeries::Fine, UnifiedSeries::ExtraFine}) {
        if (SeriesThreadsPerInch(size, series) == tpi) {
            return series;
        }
    }
    return std::nullopt;
}

bool UnifiedCombinationExists(const UnifiedSize& size, double tpi,
                              std::optional<UnifiedSeries> series) {
    if (!series) {
        return StandardSeriesOf(size, tpi) || IsConstantPitchCombination(size, tpi);
    }
    if (*series == UnifiedSeries::ConstantPitch) {
        return IsConstantPitchCombination(size, tpi);
    }
    return SeriesThreadsPerInch(size, *series) == tpi;
}

const UnifiedSize* FindUnifiedSizeByName(std::string_view name) {
    for (const UnifiedSize& s : UnifiedSizes()) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

ParseResult ParseUnified(Scanner& s, const std::string& input, Side unstated) {
    auto sizeText = ReadUnifiedSize(s);
    if (!sizeText) {
        return Error(ParseErrorKind::MalformedNumber, input,
                     "'" + input + "' does not start with a unified size such as 1/2 or #10");
    }
    s.SkipBlanks();
    std::string tpiText;
    std::optional<double> tpi;
    if (s.AcceptChar('-')) {
        s.SkipBlanks();
        tpiText = s.Number();
        tpi = NumberValue(tpiText);
        if (!tpi || *tpi <= 0) {
            return Error(ParseErrorKind::MalformedNumber, tpiText.empty() ? s.Rest() : tpiText,
                         "the threads per inch after '-' are not a number");
        }
        s.SkipBlanks();
    }
    std::size_t seriesStart = s.Position();
    std::optional<UnifiedSeries> series = ReadUnifiedSeries(s);
    if (!series && !s.AtEnd() && std::isalpha(static_cast<unsigned char>(s.Peek()))) {
        std::string word;
        while (!s.AtEnd() && std::isalpha(static_cast<unsigned char>(s.Peek()))) {
            word += s.Peek();
            s.Advance();
        }
        if (word != "LH" && word != "lh") {
            return Error(ParseErrorKind::UnknownFamily, word,
                         "'" + word + "' is not a unified series (UNC, UNF, UNEF, UN)");
        }
        s.Rewind(seriesStart);
    }

    // Candidate sizes: a bare integer may be a number size or whole inches.
    std::vector<const UnifiedSize*> candidates;
    if (sizeText->inches) {
        if (const UnifiedSize* found = FindUnifiedSizeByDiam(*sizeText->inches)) {
            candidates.push_back(found);
        }
    } else {
        std::string digits = sizeText->numbered ? sizeText->text.substr(1) : sizeText->text;
        if (const UnifiedSize* n = FindUnifiedSizeByName("#" + digits)) {
            candidates.push_back(n);
        }
        if (!sizeText->numbered) {
            if (const UnifiedSize* w = FindUnifiedSizeByName(digits)) {
                candidates.push_back(w);
            }
        }
    }
    if (candidates.empty()) {
        return Error(ParseErrorKind::UnknownSize, sizeText->text,
                     sizeText->text + " is not a size of the unified series");
    }
    const UnifiedSize* size = nullptr;
    for (const UnifiedSize* c : candidates) {
        double t = tpi ? *tpi : (series ? SeriesThreadsPerInch(*c, *series) : c->coarseTpi);
        if (t > 0 && UnifiedCombinationExists(*c, t, series)) {
            size = c;
            tpi = t;
            break;
        }
    }
    if (!size) {
        // Name the size a standard series knows this thread count for, if any ("1-8 UN").
        const UnifiedSize* c = candidates.front();
        for (const UnifiedSize* candidate : candidates) {
            if (tpi && StandardSeriesOf(*candidate, *tpi)) {
                c = candidate;
            }
        }
        std::string what = tpi ? tpiText + " threads per inch" : "no thread count";
        if (tpi && series == UnifiedSeries::ConstantPitch) {
            if (auto standard = StandardSeriesOf(*c, *tpi)) {
                return Error(ParseErrorKind::PitchNotInSeries, tpiText,
                             std::string(c->name) + "-" + tpiText + " is designated " +
                                 std::string(c->name) + "-" + tpiText + " " +
                                 UnifiedSeriesName(*standard));
            }
        }
        return Error(ParseErrorKind::PitchNotInSeries, tpi ? tpiText : sizeText->text,
                     what + " is not a standard combination for " + std::string(c->name) +
                         (series ? std::string(" ") + UnifiedSeriesName(*series) : std::string()));
    }
    Designation d;
    d.family = Family::Unified;
    d.majorDiam = size->diam;
    d.threadsPerInch = *tpi;
    d.pitch = 1.0 / *tpi;
    d.series =
        series ? *series : StandardSeriesOf(*size, *tpi).value_or(UnifiedSeries::ConstantPitch);

    auto tail = ReadTail(s);
    if (auto* e = std::get_if<ParseError>(&tail)) {
        return *e;
    }
    const Tail& t = std::get<Tail>(tail);
    d.leftHand = t.leftHand;
    if (t.classText.empty()) {
        d.side = unstated;
        d.pitchClass = {2, unstated == Side::External ? 'A' : 'B'};
    } else {
        const std::string& c = t.classText;
        bool formed = c.size() == 2 && std::isdigit(static_cast<unsigned char>(c[0])) &&
                      (std::toupper(static_cast<unsigned char>(c[1])) == 'A' ||
                       std::toupper(static_cast<unsigned char>(c[1])) == 'B');
        if (!formed) {
            return Error(ParseErrorKind::MalformedClass, c,
                         "'" + c + "' is not a unified class such as 2A or 3B");
        }
        d.pitchClass = {c[0] - '0',
                        static_cast<char>(std::toupper(static_cast<unsigned char>(c[1])))};
        if (!UnifiedClassDefined(d.series, d.pitchClass.grade)) {
            return Error(ParseErrorKind::ClassNotAllowed, c,
                         "class " + c + " is not defined for the " + UnifiedSeriesName(d.series) +
                             " series");
        }
        d.side = d.pitchClass.position == 'A' ? Side::External : Side::Internal;
        d.classGiven = true;
    }
    d.crestClass = d.pitchClass;
    d.text = DesignationText(d);
    return d;
}

} // namespace

ParseResult ParseDesignation(const std::string& text, Side unstatedSide) {
    std::string input = Normalized(text);
    if (input.empty()) {
        return Error(ParseErrorKind::Empty, "", "the designation is empty");
    }
    Scanner s(input);
    if (s.Accept("Tr")) {
        return ParseTrapezoidal(s, input, unstatedSide);
    }
    if ((s.Peek() == 'M' || s.Peek() == 'm') &&
        (s.Peek(1) == ' ' || std::isdigit(static_cast<unsigned char>(s.Peek(1))))) {
        s.AcceptChar(s.Peek());
        return ParseMetric(s, input, unstatedSide);
    }
    if (s.Peek() == '#' || s.Peek() == '.' || s.PeekDigit()) {
        return ParseUnified(s, input, unstatedSide);
    }
    std::string word;
    for (char c : input) {
        if (c == ' ' || std::isdigit(static_cast<unsigned char>(c))) {
            break;
        }
        word += c;
    }
    return Error(ParseErrorKind::UnknownFamily, word,
                 "'" + word + "' is not a known thread family (M, Tr, UNC, UNF, UNEF, UN)");
}

} // namespace kthread::designation
