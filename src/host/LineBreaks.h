#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace quorlex {

// The kinds of line break a text can hold, kept per line so a text comes back with
// exactly the line ends it was given. A display break is none of them: the editing box
// shows a very long line in pieces, and the text has nothing where one piece ends.
enum class LineBreak : quint8 { CrLf = 0, Lf = 1, Cr = 2, Display = 3 };

inline QStringView breakText(LineBreak kind)
{
    switch (kind) {
    case LineBreak::Lf:
        return u"\n";
    case LineBreak::Cr:
        return u"\r";
    case LineBreak::Display:
        return {};
    case LineBreak::CrLf:
        break;
    }
    return u"\r\n";
}

inline qsizetype breakLength(LineBreak kind)
{
    return breakText(kind).size();
}

// Lines longer than this are shown in pieces of at most DisplayPieceLength characters.
inline constexpr qsizetype LongLineLength = 2000;
inline constexpr qsizetype DisplayPieceLength = 200;

// Where the first display piece of text ends (text is longer than DisplayPieceLength): after
// the last ">", or else the last space, among the piece's last quarter, or else after
// DisplayPieceLength characters; never between the two halves of a surrogate pair.
qsizetype displayPieceEnd(QStringView text);

// How many lines a text has: one more than its breaks (CR LF, LF or CR). The bytes of a page
// count the same in Shift_JIS and UTF-8, where CR and LF are never part of another character.
qsizetype lineCountOf(QStringView text);
qsizetype lineCountOf(QByteArrayView bytes);

// Breaks the user brings in (typed, pasted, committed by an input method) are CR LF,
// whatever the clipboard holds; U+2028 and U+2029 never enter the text. U+FDD0 and
// U+FDD1 are no breaks: they enter as the characters they are.
QString userBreaksToCrLf(QString text);

// The most frequent break kind of a text (CR LF, a lone LF, a lone CR; U+2029 counts as CR LF);
// CR LF when it has none or on a tie.
LineBreak dominantBreakOf(QStringView text);

} // namespace quorlex
