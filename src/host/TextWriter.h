#pragma once

#include "host/LineBreaks.h"

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>
#include <optional>

namespace quorlex {

// Writes text into the editing box's document at a cursor, as LineBreakIndex reads it back:
// every line break becomes a block break that carries its kind in its character format (the
// document's implicit kind carries none), a line longer than LongLineLength is cut into
// display pieces, and U+FDD0 and U+FDD1, which the document would take for frame marks, are
// written as stand-ins.
//
// Text may come in parts. What the next part could still change waits for it: the unfinished
// last line (its length decides whether it is shown in pieces) and a CR at the end (it may
// start a CR LF). finish() writes what waits.
class TextWriter {
public:
    // Breaks of implicitKind are written without a format of their own (with none given, every
    // break records its kind); onBreak, when given, hears of each break in the order written.
    TextWriter(QTextCursor& cursor, std::optional<LineBreak> implicitKind,
        std::function<void(LineBreak)> onBreak = {});

    void write(QStringView text);
    void finish();

    static QTextCharFormat breakFormat(LineBreak kind);
    static QTextCharFormat standInFormat(QChar held);
    // The kind of the break a block's format records, or none for the implicit kind.
    static std::optional<LineBreak> recordedBreak(const QTextCharFormat& format);
    static std::optional<QChar> heldCharacter(const QTextCharFormat& format);

private:
    void process(QStringView text, bool final);
    // Writes the display pieces of the line text[lineStart, end) that are known, when the line
    // is long; lineStart and runStart move past them.
    void writePieces(QStringView text, qsizetype& runStart, qsizetype& lineStart, qsizetype end);
    // Writes text that holds no breaks but the implicit kind's, with stand-ins where needed.
    void writeRun(QStringView run);
    void writeText(QStringView text);
    void writeBreak(LineBreak kind);
    void note(LineBreak kind)
    {
        if (m_onBreak)
            m_onBreak(kind);
    }

    QTextCursor& m_cursor;
    std::optional<LineBreak> m_implicit;
    std::function<void(LineBreak)> m_onBreak;
    QTextCharFormat m_textFormat;
    QString m_waiting;
    qsizetype m_writtenOfLine = 0; // characters of the unfinished line already written in pieces
};

} // namespace quorlex
