#pragma once

#include <QList>
#include <QStringView>
#include <QtGlobal>

namespace quorlex {

// What a coloured stretch of a page's source is.
enum class HtmlToken : quint8 { Tag, AttributeName, AttributeValue, Reference, Comment, Doctype };

// A coloured stretch: offsets within the piece of text that was scanned.
struct HtmlSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    HtmlToken kind = HtmlToken::Tag;

    friend bool operator==(const HtmlSpan&, const HtmlSpan&) = default;
};

// Where the scanner stands between two pieces of text: between tags, inside a tag, a comment,
// a script... Small enough to keep one for every line of a large page.
class HtmlScanState {
public:
    constexpr HtmlScanState() = default;
    static constexpr HtmlScanState fromValue(quint16 value) { return HtmlScanState(value); }
    constexpr quint16 value() const { return m_value; }
    // How many low bits a state's value uses, so callers can pack it with other bits.
    static constexpr int Bits = 13;

    friend constexpr bool operator==(HtmlScanState, HtmlScanState) = default;

private:
    constexpr explicit HtmlScanState(quint16 value)
        : m_value(value)
    {
    }
    quint16 m_value = 0; // between tags
};

// Splits HTML source into coloured stretches one piece of text at a time, carrying the state
// from piece to piece, so only the lines on screen (and what leads up to them) are scanned.
// A piece may end anywhere, even inside a tag name; a line break between two pieces is fed
// with afterLineBreak.
namespace HtmlColouring {

// Scans text that starts in state and returns the state at its end; appends the coloured
// stretches to spans when given. A character reference is coloured when it is whole within
// the piece ("&amp;", "&#38;", "&#x26;").
HtmlScanState scan(QStringView text, HtmlScanState state, QList<HtmlSpan>* spans = nullptr);

// The state after a line break: a break ends a tag name, an attribute name or an unquoted value.
HtmlScanState afterLineBreak(HtmlScanState state);

} // namespace HtmlColouring

} // namespace quorlex
