#pragma once

#include "host/LineBreaks.h"

#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>

#include <vector>

class QTextDocument;

namespace quorlex {

// Keeps, for a QTextDocument whose blocks are the lines of a text, the kind of line
// break that precedes each block, and converts between document positions (one
// position per break) and text offsets (a CR LF break counts two).
//
// m_kinds holds the kind of every block's break. The kind is also stored in the
// character format of the break itself (the separator before the block, whose format
// is the block's char format), so it stays with its break through every removal, and
// the document's own undo and redo bring it back; breaks without the property have the
// document's dominant kind. Only blocks whose break length differs from the dominant
// one are listed in m_exceptions, so conversions cost a binary search, not a scan.
//
// The document takes U+FDD0 and U+FDD1 for block separators wherever they are inserted.
// Text that holds them keeps them as characters: the document holds a stand-in object
// for each (U+FFFC with a format of type StandInObject that records the character), and
// every text that comes out of the document has them back in place.
class LineBreakIndex : public QObject {
    Q_OBJECT
public:
    static constexpr int StandInObject = QTextFormat::UserObject + 1;
    // Whether the document holds c through a stand-in.
    static bool needsStandIn(QChar c) { return c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1; }

    explicit LineBreakIndex(QTextDocument* document, QObject* parent = nullptr);

    // Loads text into the document (no undo history) and indexes its breaks.
    void setText(QStringView text);
    QString text() const;
    // The text between two document positions, with its breaks as stored.
    QString textBetween(int from, int to) const;
    // Inserts text at the cursor with its line breaks as given (CR LF, LF, CR).
    static void insert(QTextCursor& cursor, QStringView text);
    // Inserts one line break of that kind at the cursor.
    static void insertBreak(QTextCursor& cursor, LineBreak kind);
    // Inserts the whole text of an emptied document at the cursor, in its open edit block: as
    // one insertion, with only the breaks that are not the usual kind marked afterwards.
    void insertWhole(QTextCursor& cursor, QStringView text) const;

    qsizetype offsetOf(int position) const;
    int positionOf(qsizetype offset) const;
    qsizetype length() const;

    LineBreak breakBefore(const QTextBlock& block) const;
    LineBreak dominant() const { return m_dominant; }

private:
    static QTextCharFormat formatFor(LineBreak kind);
    // Inserts text without breaks, with a stand-in for each character that needs one.
    static void insertLine(QTextCursor& cursor, QStringView line);
    // A block's text with the characters its stand-ins hold.
    static QString lineText(const QTextBlock& block);
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
