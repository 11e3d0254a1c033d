#include "host/HtmlColouring.h"

#include <array>

namespace quorlex::HtmlColouring {

namespace {

enum class Mode : quint8 {
    Text,
    TagOpen, // after "<", at the end of a piece
    EndTagOpen, // after "</"
    DeclarationOpen, // after "<!", count = dashes seen
    TagName, // extra = the raw-text elements the name may still be
    BeforeAttributeName, // extra = the raw-text element the tag opens
    AttributeName,
    AfterAttributeName,
    BeforeAttributeValue,
    DoubleQuotedValue,
    SingleQuotedValue,
    UnquotedValue,
    Comment, // count = dashes just seen, 2 at the start ("<!-->" is a whole comment)
    Declaration, // "<!DOCTYPE ...>", "<?xml ...>" and other "<!...>"
    RawText, // inside script, style, textarea or title; count = how much of its end tag is seen
};

// The elements whose content is not markup. Their index + 1 is their number in a state, and
// 1 << index their bit in a tag name's candidates.
constexpr std::array<QStringView, 4> rawTextElements { u"script", u"style", u"textarea", u"title" };
constexpr quint8 allCandidates = 0xF;
// textarea and title hold references but no tags; script and style hold neither.
constexpr bool holdsReferences(quint8 element)
{
    return element == 3 || element == 4;
}

struct State {
    Mode mode = Mode::Text;
    quint8 extra = 0; // 4 bits, meaning as noted by the mode
    quint8 count = 0; // 4 bits

    static State unpack(HtmlScanState packed)
    {
        const quint16 v = packed.value();
        return { Mode(v & 0x1F), quint8((v >> 5) & 0xF), quint8((v >> 9) & 0xF) };
    }
    HtmlScanState pack() const
    {
        return HtmlScanState::fromValue(quint16(quint8(mode) | extra << 5 | count << 9));
    }
};
static_assert(quint8(Mode::RawText) < 32);

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

bool isLetter(QChar c)
{
    const char16_t u = c.unicode() | 0x20;
    return u >= u'a' && u <= u'z';
}

bool endsName(QChar c)
{
    return isSpace(c) || c == u'/' || c == u'>';
}

char16_t lower(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u | 0x20) : u;
}

// The raw-text element a finished tag name is (1-based), 0 for any other name.
quint8 elementOf(quint8 candidates, quint8 length)
{
    for (std::size_t i = 0; i < rawTextElements.size(); ++i)
        if ((candidates & (1u << i)) && rawTextElements[i].size() == length)
            return quint8(i + 1);
    return 0;
}

// The end of the character reference starting at text[amp] ("&name;", "&#digits;",
// "&#xhex;"), or -1 when there is none.
qsizetype referenceEnd(QStringView text, qsizetype amp)
{
    constexpr qsizetype longestName = 40;
    const qsizetype n = text.size();
    qsizetype j = amp + 1;
    qsizetype first = j;
    if (j < n && text[j] == u'#') {
        ++j;
        const bool hex = j < n && (text[j] == u'x' || text[j] == u'X');
        if (hex)
            ++j;
        first = j;
        while (j < n && j - first < longestName
            && ((text[j].isDigit() && text[j].unicode() < 128)
                || (hex && isLetter(text[j]) && lower(text[j]) <= u'f')))
            ++j;
    } else {
        if (j >= n || !isLetter(text[j]))
            return -1;
        while (j < n && j - first < longestName && text[j].unicode() < 128
            && (isLetter(text[j]) || text[j].isDigit()))
            ++j;
    }
    if (j == first || j >= n || text[j] != u';')
        return -1;
    return j + 1;
}

class Scanner {
public:
    Scanner(QStringView text, State state, QList<HtmlSpan>* spans)
        : m_text(text)
        , m_state(state)
        , m_spans(spans)
    {
    }

    State run()
    {
        while (m_at < m_text.size())
            step();
        return m_state;
    }

private:
    QChar here() const { return m_text[m_at]; }

    void paint(qsizetype from, qsizetype to, HtmlToken kind)
    {
        if (!m_spans || to <= from)
            return;
        if (!m_spans->isEmpty()) {
            HtmlSpan& last = m_spans->last();
            if (last.kind == kind && last.start + last.length == from) {
                last.length = to - last.start;
                return;
            }
        }
        m_spans->append({ from, to - from, kind });
    }

    // Paints from..to again as kind, once what came before turned out to be part of it.
    void repaint(qsizetype from, qsizetype to, HtmlToken kind)
    {
        if (m_spans) {
            while (!m_spans->isEmpty() && m_spans->last().start >= from)
                m_spans->removeLast();
            if (!m_spans->isEmpty() && m_spans->last().start + m_spans->last().length > from)
                m_spans->last().length = from - m_spans->last().start;
        }
        paint(from, to, kind);
    }

    // Paints a run of characters for which keep holds, as kind; returns whether the piece ended.
    template <typename Keep> bool paintWhile(HtmlToken kind, Keep keep)
    {
        const qsizetype from = m_at;
        while (m_at < m_text.size() && keep(here()))
            ++m_at;
        paint(from, m_at, kind);
        return m_at == m_text.size();
    }

    void skipSpaces()
    {
        while (m_at < m_text.size() && isSpace(here()))
            ++m_at;
    }

    // At "&": paints a whole reference and steps over it, or steps over the "&" alone.
    void reference(HtmlToken around, bool painted)
    {
        const qsizetype end = referenceEnd(m_text, m_at);
        if (end < 0) {
            if (painted)
                paint(m_at, m_at + 1, around);
            ++m_at;
            return;
        }
        paint(m_at, end, HtmlToken::Reference);
        m_at = end;
    }

    // What follows "<" decides what it opens; the "<" is at m_tokenStart, or ended the last piece.
    void afterLessThan()
    {
        const QChar c = here();
        if (isLetter(c)) {
            paint(m_tokenStart, m_at, HtmlToken::Tag);
            m_state = { Mode::TagName, allCandidates, 0 };
        } else if (c == u'/') {
            ++m_at;
            m_state = { Mode::EndTagOpen, 0, 0 }; // a tag only if a name or ">" follows
        } else if (c == u'!') {
            paint(m_tokenStart, ++m_at, HtmlToken::Doctype);
            m_state = { Mode::DeclarationOpen, 0, 0 };
        } else if (c == u'?') {
            paint(m_tokenStart, ++m_at, HtmlToken::Doctype);
            m_state = { Mode::Declaration, 0, 0 };
        } else {
            m_state = {}; // a "<" in the text
        }
    }

    void endTag()
    {
        paint(m_at, m_at + 1, HtmlToken::Tag);
        ++m_at;
        const quint8 element = m_state.extra;
        m_state = element ? State { Mode::RawText, element, 0 } : State {};
    }

    void step()
    {
        switch (m_state.mode) {
        case Mode::Text:
            while (m_at < m_text.size() && here() != u'<' && here() != u'&')
                ++m_at;
            if (m_at == m_text.size())
                return;
            if (here() == u'&') {
                reference(HtmlToken::Tag, false);
                return;
            }
            m_tokenStart = m_at++;
            if (m_at == m_text.size())
                m_state = { Mode::TagOpen, 0, 0 }; // left unpainted until it is known to open a tag
            else
                afterLessThan();
            return;
        case Mode::TagOpen:
            afterLessThan();
            return;
        case Mode::EndTagOpen:
            if (isLetter(here())) {
                paint(m_tokenStart, m_at, HtmlToken::Tag);
                m_state = { Mode::TagName, 0, 0 }; // an end tag opens no raw text
            } else if (here() == u'>') {
                paint(m_tokenStart, ++m_at, HtmlToken::Tag);
                m_state = {};
            } else {
                m_state = {};
            }
            return;
        case Mode::DeclarationOpen:
            if (here() == u'-' && m_state.count == 0) {
                paint(m_at, m_at + 1, HtmlToken::Doctype);
                ++m_at;
                m_state.count = 1;
            } else if (here() == u'-') {
                repaint(m_tokenStart, ++m_at, HtmlToken::Comment);
                m_state = { Mode::Comment, 0, 2 };
            } else {
                m_state = { Mode::Declaration, 0, 0 };
            }
            return;
        case Mode::Declaration:
            if (paintWhile(HtmlToken::Doctype, [](QChar c) { return c != u'>'; }))
                return;
            paint(m_at, m_at + 1, HtmlToken::Doctype);
            ++m_at;
            m_state = {};
            return;
        case Mode::Comment: {
            const qsizetype from = m_at;
            for (; m_at < m_text.size(); ++m_at) {
                const QChar c = here();
                if (c == u'>' && m_state.count >= 2) {
                    paint(from, ++m_at, HtmlToken::Comment);
                    m_state = {};
                    return;
                }
                m_state.count = c == u'-' ? quint8(std::min(m_state.count + 1, 2)) : quint8(0);
            }
            paint(from, m_at, HtmlToken::Comment);
            return;
        }
        case Mode::TagName: {
            quint8 candidates = m_state.extra;
            quint8 length = m_state.count;
            if (paintWhile(HtmlToken::Tag, [&](QChar c) {
                    if (endsName(c))
                        return false;
                    for (std::size_t i = 0; i < rawTextElements.size(); ++i) {
                        const QStringView name = rawTextElements[i];
                        if (length >= name.size() || lower(c) != name[length])
                            candidates &= quint8(~(1u << i));
                    }
                    length = quint8(std::min(length + 1, 15));
                    return true;
                })) {
                m_state.extra = candidates;
                m_state.count = length;
                return;
            }
            m_state = { Mode::BeforeAttributeName, elementOf(candidates, length), 0 };
            return;
        }
        case Mode::BeforeAttributeName:
            skipSpaces();
            if (m_at == m_text.size())
                return;
            if (here() == u'>') {
                endTag();
            } else if (here() == u'/') {
                paint(m_at, m_at + 1, HtmlToken::Tag);
                ++m_at;
            } else {
                m_state.mode = Mode::AttributeName;
            }
            return;
        case Mode::AttributeName:
            if (paintWhile(HtmlToken::AttributeName, [](QChar c) { return !endsName(c) && c != u'='; }))
                return;
            if (here() == u'=') {
                ++m_at;
                m_state.mode = Mode::BeforeAttributeValue;
            } else {
                m_state.mode = isSpace(here()) ? Mode::AfterAttributeName : Mode::BeforeAttributeName;
            }
            return;
        case Mode::AfterAttributeName:
            skipSpaces();
            if (m_at == m_text.size())
                return;
            if (here() == u'=') {
                ++m_at;
                m_state.mode = Mode::BeforeAttributeValue;
            } else {
                m_state.mode = Mode::BeforeAttributeName;
            }
            return;
        case Mode::BeforeAttributeValue:
            skipSpaces();
            if (m_at == m_text.size())
                return;
            if (here() == u'"' || here() == u'\'') {
                m_state.mode = here() == u'"' ? Mode::DoubleQuotedValue : Mode::SingleQuotedValue;
                paint(m_at, m_at + 1, HtmlToken::AttributeValue);
                ++m_at;
            } else if (here() == u'>') {
                m_state.mode = Mode::BeforeAttributeName;
            } else {
                m_state.mode = Mode::UnquotedValue;
            }
            return;
        case Mode::DoubleQuotedValue:
        case Mode::SingleQuotedValue: {
            const QChar quote = m_state.mode == Mode::DoubleQuotedValue ? u'"' : u'\'';
            if (paintWhile(HtmlToken::AttributeValue, [quote](QChar c) { return c != quote && c != u'&'; }))
                return;
            if (here() == u'&') {
                reference(HtmlToken::AttributeValue, true);
                return;
            }
            paint(m_at, m_at + 1, HtmlToken::AttributeValue);
            ++m_at;
            m_state.mode = Mode::BeforeAttributeName;
            return;
        }
        case Mode::UnquotedValue:
            if (paintWhile(
                    HtmlToken::AttributeValue, [](QChar c) { return !isSpace(c) && c != u'>' && c != u'&'; }))
                return;
            if (here() == u'&')
                reference(HtmlToken::AttributeValue, true);
            else
                m_state.mode = Mode::BeforeAttributeName;
            return;
        case Mode::RawText:
            rawText();
            return;
        }
    }

    // Inside script, style, textarea or title: only the element's own end tag ends it.
    void rawText()
    {
        const quint8 element = m_state.extra;
        const QStringView name = rawTextElements[element - 1];
        const bool references = holdsReferences(element);
        while (m_at < m_text.size()) {
            const QChar c = here();
            quint8& seen = m_state.count; // 1 after "<", 2 after "</", then the name's letters
            if (seen == 0) {
                if (c == u'<') {
                    m_tokenStart = m_at;
                    seen = 1;
                } else if (c == u'&' && references) {
                    reference(HtmlToken::Tag, false);
                    continue;
                }
                ++m_at;
            } else if (seen == 1 && c == u'/') {
                seen = 2;
                ++m_at;
            } else if (seen >= 2 && seen - 2 < name.size() && lower(c) == name[seen - 2]) {
                ++seen;
                ++m_at;
            } else if (seen >= 2 && seen - 2 == name.size() && endsName(c)) {
                repaint(m_tokenStart, m_at, HtmlToken::Tag);
                m_state = { Mode::BeforeAttributeName, 0, 0 };
                return;
            } else {
                seen = 0; // look at c again as text
            }
        }
    }

    QStringView m_text;
    State m_state;
    QList<HtmlSpan>* m_spans;
    qsizetype m_at = 0;
    // Where the tag or comment being read began; 0 when it began in an earlier piece.
    qsizetype m_tokenStart = 0;
};

} // namespace

HtmlScanState scan(QStringView text, HtmlScanState state, QList<HtmlSpan>* spans)
{
    return Scanner(text, State::unpack(state), spans).run().pack();
}

HtmlScanState afterLineBreak(HtmlScanState state)
{
    State s = State::unpack(state);
    switch (s.mode) {
    case Mode::TagOpen:
    case Mode::EndTagOpen:
        s = {};
        break;
    case Mode::DeclarationOpen:
        s = { Mode::Declaration, 0, 0 };
        break;
    case Mode::TagName:
        s = { Mode::BeforeAttributeName, elementOf(s.extra, s.count), 0 };
        break;
    case Mode::AttributeName:
        s.mode = Mode::AfterAttributeName;
        break;
    case Mode::UnquotedValue:
        s.mode = Mode::BeforeAttributeName;
        break;
    case Mode::Comment:
    case Mode::RawText:
        s.count = 0;
        break;
    default:
        break;
    }
    return s.pack();
}

} // namespace quorlex::HtmlColouring
