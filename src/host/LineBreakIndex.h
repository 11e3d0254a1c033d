#pragma once

#include "host/LineBreaks.h"

#include <QObject>
#include <QTextBlock>
#include <QTextBlockFormat>

#include <vector>

class QTextDocument;

namespace quorlex {

// Keeps, for a QTextDocument whose blocks are the lines of a text, the kind of line
// break that precedes each block, and converts between document positions (one
// position per break) and text offsets (a CR LF break counts two).
//
// m_kinds holds the kind of every block's break. The kind is also stored in the
// block's format, so that the document's own undo and redo bring it back with the
// block; blocks without the property have the document's dominant kind. Only blocks
// whose break length differs from the dominant one are listed in m_exceptions, so
// conversions cost a binary search, not a scan.
class LineBreakIndex : public QObject {
    Q_OBJECT
public:
    explicit LineBreakIndex(QTextDocument* document, QObject* parent = nullptr);

    // Loads text into the document (no undo history) and indexes its breaks.
    void setText(QStringView text);
    QString text() const;
    // The text between two document positions, with its breaks as stored.
    QString textBetween(int from, int to) const;
    // Inserts text at the cursor with its line breaks as given (CR LF, LF, CR).
    void insert(QTextCursor& cursor, QStringView text) const;
    // Inserts the whole text of an emptied document at the cursor, in its open edit block: as
    // one insertion, with only the lines whose break is not the usual one marked afterwards.
    void insertWhole(QTextCursor& cursor, QStringView text) const;
    // After text was removed at the cursor, inside the same open edit block: when the
    // removal emptied a line and then took its break, the document keeps the next
    // line's format for the joined line; this gives it back the break it had.
    void keepBreakAt(QTextCursor& cursor) const;

    qsizetype offsetOf(int position) const;
    int positionOf(qsizetype offset) const;
    qsizetype length() const;

    LineBreak breakBefore(const QTextBlock& block) const;
    LineBreak dominant() const { return m_dominant; }
    static QTextBlockFormat formatFor(LineBreak kind);

private:
    void onContentsChange(int position, int removed, int added);
    LineBreak storedBreak(const QTextBlock& block) const;
    bool isException(LineBreak kind) const;
    // Number of CR LF breaks before blocks 1..blockNumber.
    qsizetype crLfBreaksUpTo(int blockNumber) const;
    qsizetype blockStartOffset(const QTextBlock& block) const;

    QTextDocument* m_document;
    LineBreak m_dominant = LineBreak::CrLf;
    std::vector<LineBreak> m_kinds; // by block number; entry 0 is unused
    std::vector<int> m_exceptions; // sorted block numbers
    int m_blockCount = 1;
    bool m_loading = false;
};

} // namespace quorlex
