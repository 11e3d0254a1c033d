#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace quorlex {

// The kinds of line break a text can hold, kept per line so a text comes back with
// exactly the line ends it was given.
enum class LineBreak : int { CrLf = 0, Lf = 1, Cr = 2 };

inline QStringView breakText(LineBreak kind)
{
    switch (kind) {
    case LineBreak::Lf:
        return u"\n";
    case LineBreak::Cr:
        return u"\r";
    case LineBreak::CrLf:
        break;
    }
    return u"\r\n";
}

inline qsizetype breakLength(LineBreak kind)
{
    return kind == LineBreak::CrLf ? 2 : 1;
}

// A text cut into lines: lines joined by "\n" plus the kind of each break in order.
// CR LF is one break; a lone CR, a lone LF and U+2029 are breaks too (U+2029 as CR LF).
struct SplitText {
    QString joined; // the lines joined by "\n"
    std::vector<LineBreak> breaks; // breaks[i] ends line i
};

SplitText splitLineBreaks(QStringView text);

// Breaks the user brings in (typed, pasted, committed by an input method) are CR LF,
// whatever the clipboard holds; U+2028 and U+2029 never enter the text.
QString userBreaksToCrLf(QString text);

// The most frequent break kind of a text; CR LF when it has none or on a tie.
LineBreak dominantBreak(const std::vector<LineBreak>& breaks);

} // namespace quorlex
