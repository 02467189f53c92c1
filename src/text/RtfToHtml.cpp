#include "text/RtfToHtml.h"

#include "text/Windows1252.h"

#include <QChar>
#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kthread {

namespace {

// Deeper groups share the state of the deepest kept one; real documents nest a few levels.
constexpr std::size_t kMaxKeptGroups = 256;
// Control words are at most 32 letters and their parameters at most 10 digits; longer ones are
// read to their end but not recognised.
constexpr qsizetype kMaxWordLength = 32;
constexpr int kMaxParameterDigits = 10;

enum class Align { Left, Centre, Right, Justify };

// What a group carries: the character formatting, the paragraph alignment, whether its text is
// shown at all, and how many fallback characters follow a \uN.
struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Align align = Align::Left;
    bool hidden = false;
    int unicodeFallback = 1;
};

enum class Word {
    Par,
    Line,
    Tab,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Plain,
    Pard,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    Unicode,
    UnicodeFallback,
    Binary,
    Hidden, // a destination whose contents are no text of the document
    Character,
};

struct WordMeaning {
    Word word;
    char16_t character = 0; // for Word::Character
};

const std::unordered_map<std::string_view, WordMeaning>& Words() {
    static const std::unordered_map<std::string_view, WordMeaning> words{
        {"par", {Word::Par}},
        {"sect", {Word::Par}},
        {"page", {Word::Par}},
        {"row", {Word::Par}},
        {"line", {Word::Line}},
        {"tab", {Word::Tab}},
        {"cell", {Word::Tab}},
        {"b", {Word::Bold}},
        {"i", {Word::Italic}},
        {"ul", {Word::Underline}},
        {"ulnone", {Word::UnderlineNone}},
        {"plain", {Word::Plain}},
        {"pard", {Word::Pard}},
        {"ql", {Word::AlignLeft}},
        {"qc", {Word::AlignCentre}},
        {"qr", {Word::AlignRight}},
        {"qj", {Word::AlignJustify}},
        {"u", {Word::Unicode}},
        {"uc", {Word::UnicodeFallback}},
        {"bin", {Word::Binary}},
        {"fonttbl", {Word::Hidden}},
        {"colortbl", {Word::Hidden}},
        {"stylesheet", {Word::Hidden}},
        {"listtable", {Word::Hidden}},
        {"listoverridetable", {Word::Hidden}},
        {"revtbl", {Word::Hidden}},
        {"rsidtbl", {Word::Hidden}},
        {"info", {Word::Hidden}},
        {"pict", {Word::Hidden}},
        {"object", {Word::Hidden}},
        {"fldinst", {Word::Hidden}},
        {"header", {Word::Hidden}},
        {"headerl", {Word::Hidden}},
        {"headerr", {Word::Hidden}},
        {"headerf", {Word::Hidden}},
        {"footer", {Word::Hidden}},
        {"footerl", {Word::Hidden}},
        {"footerr", {Word::Hidden}},
        {"footerf", {Word::Hidden}},
        {"footnote", {Word::Hidden}},
        {"filetbl", {Word::Hidden}},
        {"xmlnstbl", {Word::Hidden}},
        {"themedata", {Word::Hidden}},
        {"colorschememapping", {Word::Hidden}},
        {"latentstyles", {Word::Hidden}},
        {"datastore", {Word::Hidden}},
        {"generator", {Word::Hidden}},
        {"emdash", {Word::Character, u'\u2014'}},
        {"endash", {Word::Character, u'\u2013'}},
        {"bullet", {Word::Character, u'\u2022'}},
        {"lquote", {Word::Character, u'\u2018'}},
        {"rquote", {Word::Character, u'\u2019'}},
        {"ldblquote", {Word::Character, u'\u201C'}},
        {"rdblquote", {Word::Character, u'\u201D'}},
        {"emspace", {Word::Character, u'\u2003'}},
        {"enspace", {Word::Character, u'\u2002'}},
        {"qmspace", {Word::Character, u'\u2005'}},
    };
    return words;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void AppendEscaped(QString& html, QChar c) {
    switch (c.unicode()) {
    case u'&':
        html += QLatin1String("&amp;");
        break;
    case u'<':
        html += QLatin1String("&lt;");
        break;
    case u'>':
        html += QLatin1String("&gt;");
        break;
    case u'"':
        html += QLatin1String("&quot;");
        break;
    default:
        html += c;
        break;
    }
}

// Unpaired surrogates, which a \uN sequence can leave, become the replacement character.
QString WithPairedSurrogates(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate()) {
            out += QChar(QChar::ReplacementCharacter);
        } else {
            out += c;
        }
    }
    return out;
}

class Converter {
public:
    explicit Converter(QByteArrayView rtf) : m_in(rtf) {}

    QString convert() {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
            case '\0':
                break; // line ends of the file are no text in RTF
            default:
                if (!fallbackSkipped()) {
                    text(ByteCharacter(c));
                }
                break;
            }
        }
        endParagraph(false);
        return QStringLiteral("<html><body style=\"white-space: pre-wrap\">") +
               WithPairedSurrogates(m_html) + QStringLiteral("</body></html>");
    }

private:
    static QChar ByteCharacter(char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            return QLatin1Char(c);
        }
        const char single[1] = {c};
        return DecodeWindows1252(QByteArrayView(single, 1)).at(0);
    }

    void openGroup() {
        m_fallbackLeft = 0;
        if (m_stack.size() < kMaxKeptGroups) {
            m_stack.push_back(m_state);
        } else {
            ++m_uncountedGroups;
        }
    }

    void closeGroup() {
        m_fallbackLeft = 0;
        if (m_uncountedGroups > 0) {
            --m_uncountedGroups;
        } else if (!m_stack.empty()) {
            if (m_stack.size() == 1) {
                // The document's own group ends: its last paragraph keeps the formatting it had.
                endParagraph(false);
            }
            m_state = m_stack.back();
            m_stack.pop_back();
        }
    }

    // A fallback character after \uN is read and dropped.
    bool fallbackSkipped() {
        if (m_fallbackLeft > 0) {
            --m_fallbackLeft;
            return true;
        }
        return false;
    }

    void control() {
        if (m_pos >= m_in.size()) {
            return;
        }
        const char c = m_in[m_pos];
        if (IsLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            hexCharacter();
            return;
        }
        m_fallbackLeft = 0;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            text(QLatin1Char(c));
            break;
        case '~':
            text(QChar(0x00A0));
            break;
        case '_':
            text(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        case '*':
            m_state.hidden = true; // no "\*" destination of a help file carries its text
            break;
        default:
            break; // optional hyphens, formula marks and the like
        }
    }

    void hexCharacter() {
        if (m_pos + 2 > m_in.size()) {
            m_pos = m_in.size(); // a truncated escape at the end of the file
            return;
        }
        const int high = HexValue(m_in[m_pos]);
        const int low = HexValue(m_in[m_pos + 1]);
        if (high < 0 || low < 0) {
            return; // not an escape after all; its characters are read as text
        }
        m_pos += 2;
        if (!fallbackSkipped()) {
            text(ByteCharacter(static_cast<char>(high * 16 + low)));
        }
    }

    void controlWord() {
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos])) {
            ++m_pos;
        }
        const qsizetype length = m_pos - start;
        std::optional<long long> parameter;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
            IsDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        long long value = 0;
        while (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
            if (digits < kMaxParameterDigits) {
                value = value * 10 + (m_in[m_pos] - '0');
            }
            ++digits;
            ++m_pos;
        }
        if (digits > 0) {
            parameter = negative ? -value : value;
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') {
            ++m_pos; // the delimiter belongs to the word
        }
        if (length > kMaxWordLength) {
            m_fallbackLeft = 0;
            return;
        }
        const std::string_view name(m_in.data() + start, static_cast<std::size_t>(length));
        const auto found = Words().find(name);
        if (found == Words().end()) {
            m_fallbackLeft = 0;
            return;
        }
        apply(found->second, parameter);
    }

    static int Clamped(long long value) {
        if (value > std::numeric_limits<int>::max()) {
            return std::numeric_limits<int>::max();
        }
        if (value < std::numeric_limits<int>::min()) {
            return std::numeric_limits<int>::min();
        }
        return static_cast<int>(value);
    }

    void apply(const WordMeaning& meaning, std::optional<long long> parameter) {
        // A toggle without a parameter, or with one other than 0, switches the property on.
        const bool on = !parameter || *parameter != 0;
        if (meaning.word != Word::Unicode) {
            m_fallbackLeft = 0;
        }
        switch (meaning.word) {
        case Word::Par:
            paragraph();
            break;
        case Word::Line:
            if (!m_state.hidden) {
                flushRun();
                m_paragraph += QLatin1String("<br />");
            }
            break;
        case Word::Tab:
            text(QLatin1Char('\t'));
            break;
        case Word::Bold:
            m_state.bold = on;
            break;
        case Word::Italic:
            m_state.italic = on;
            break;
        case Word::Underline:
            m_state.underline = on;
            break;
        case Word::UnderlineNone:
            m_state.underline = false;
            break;
        case Word::Plain:
            m_state.bold = m_state.italic = m_state.underline = false;
            break;
        case Word::Pard:
            m_state.align = Align::Left;
            break;
        case Word::AlignLeft:
            m_state.align = Align::Left;
            break;
        case Word::AlignCentre:
            m_state.align = Align::Centre;
            break;
        case Word::AlignRight:
            m_state.align = Align::Right;
            break;
        case Word::AlignJustify:
            m_state.align = Align::Justify;
            break;
        case Word::Unicode:
            unicode(parameter.value_or(0));
            break;
        case Word::UnicodeFallback:
            m_state.unicodeFallback = std::max(0, Clamped(parameter.value_or(1)));
            break;
        case Word::Binary: {
            const long long count = std::max(0LL, parameter.value_or(0));
            m_pos += static_cast<qsizetype>(std::min<long long>(count, m_in.size() - m_pos));
            break;
        }
        case Word::Hidden:
            m_state.hidden = true;
            break;
        case Word::Character:
            text(QChar(meaning.character));
            break;
        }
    }

    // \uN gives one UTF-16 code unit, negative for those above 32767.
    void unicode(long long value) {
        m_fallbackLeft = 0;
        if (value < 0) {
            value += 65536;
        }
        if (value > 0 && value <= 0xFFFF) {
            text(QChar(static_cast<char16_t>(value)));
        }
        m_fallbackLeft = m_state.unicodeFallback;
    }

    void text(QChar c) {
        if (m_state.hidden) {
            return;
        }
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) {
            return;
        }
        if (!m_run.isEmpty() && (m_runBold != m_state.bold || m_runItalic != m_state.italic ||
                                 m_runUnderline != m_state.underline)) {
            flushRun();
        }
        if (m_run.isEmpty()) {
            m_runBold = m_state.bold;
            m_runItalic = m_state.italic;
            m_runUnderline = m_state.underline;
        }
        AppendEscaped(m_run, c);
    }

    void flushRun() {
        if (m_run.isEmpty()) {
            return;
        }
        const std::pair<bool, const char*> tags[] = {
            {m_runBold, "b"}, {m_runItalic, "i"}, {m_runUnderline, "u"}};
        for (const auto& [used, tag] : tags) {
            if (used) {
                m_paragraph += QLatin1Char('<') + QLatin1String(tag) + QLatin1Char('>');
            }
        }
        m_paragraph += m_run;
        for (auto it = std::rbegin(tags); it != std::rend(tags); ++it) {
            if (it->first) {
                m_paragraph += QLatin1String("</") + QLatin1String(it->second) + QLatin1Char('>');
            }
        }
        m_run.clear();
        m_paragraphHasContent = true;
    }

    void paragraph() {
        if (!m_state.hidden) {
            endParagraph(true);
        }
    }

    // An explicit paragraph end always gives a paragraph, an empty one a blank line; the end of
    // the document closes only a paragraph that holds something.
    void endParagraph(bool explicitEnd) {
        flushRun();
        if (!explicitEnd && !m_paragraphHasContent && m_paragraph.isEmpty()) {
            return;
        }
        m_html += QLatin1String("<p");
        switch (m_state.align) {
        case Align::Centre:
            m_html += QLatin1String(" align=\"center\"");
            break;
        case Align::Right:
            m_html += QLatin1String(" align=\"right\"");
            break;
        case Align::Justify:
            m_html += QLatin1String(" align=\"justify\"");
            break;
        case Align::Left:
            break;
        }
        m_html += QLatin1Char('>');
        m_html += m_paragraph.isEmpty() ? QStringLiteral("&nbsp;") : m_paragraph;
        m_html += QLatin1String("</p>\n");
        m_paragraph.clear();
        m_paragraphHasContent = false;
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::size_t m_uncountedGroups = 0;
    int m_fallbackLeft = 0;

    QString m_html;
    QString m_paragraph;
    bool m_paragraphHasContent = false;
    QString m_run;
    bool m_runBold = false;
    bool m_runItalic = false;
    bool m_runUnderline = false;
};

} // namespace

QString RtfToHtml(QByteArrayView rtf) {
    return Converter(rtf).convert();
}

bool LooksLikeRtf(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) {
        ++i;
    }
    return bytes.sliced(i).startsWith("{\\rtf");
}

} // namespace kthread
