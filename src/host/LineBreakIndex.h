#pragma once

#include "host/LineBreaks.h"

#include <QObject>
#include <QTextBlock>
#include <QTextCursor>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

namespace quorlex {

class TextWriter;

// The blocks one change of a document's contents replaced, worked out from its contentsChange
// signal and the document's block count before the change.
struct BlockChange {
    int first = 0; // the block the change starts in, which keeps its number
    int oldLast = 0; // the last block the change reached, numbered as before it
    int newLast = 0; // the same, numbered as after it
    int delta = 0; // how many blocks were added (removed when negative)

    static BlockChange of(const QTextDocument& document, int position, int added, int blockCountBefore);
};

// Keeps, for a QTextDocument whose blocks are the lines of a text, the kind of line
// break that precedes each block, and converts between document positions (one
// position per break) and text offsets (a CR LF break counts two, a display break none).
//
// m_kinds holds the kind of every block's break. The kind is also stored in the
// character format of the break itself (the separator before the block, whose format
// is the block's char format), so it stays with its break through every removal, and
// the document's own undo and redo bring it back; breaks without the property have the
// document's dominant kind. Blocks whose break length differs from the dominant one are
// listed by that length in m_odd, so conversions cost binary searches, not a scan.
//
// A line longer than LongLineLength is shown in pieces: the document holds a display
// break (a break of length 0) after each piece. Every edit through insert() and
// insertBreak() puts display breaks where a line grows long and takes them out where
// they have no use any more (see DisplayBreaks.h).
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
    ~LineBreakIndex() override;

    // Loads text into the document (no undo history) and indexes its breaks.
    void setText(QStringView text);
    // The same for text that comes in parts: beginFill empties the document, each fill()
    // appends a part, endFill() writes what waits and gives the document its undo history back.
    void beginFill(LineBreak dominant);
    void fill(QStringView part);
    void endFill();

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
    // The line of the text that the block starts, from 1; 0 for a block that continues a
    // line shown in pieces.
    int lineNumberOf(int blockNumber) const;
    // The line of the text that the block is a piece of, from 1.
    int lineOf(int blockNumber) const;

private:
    void onContentsChange(int position, int removed, int added);
    void noteFilledBreak(LineBreak kind);
    LineBreak storedBreak(const QTextBlock& block) const;
    LineBreak kindOf(int blockNumber) const;
    std::vector<int>& oddList(LineBreak kind) { return m_odd[std::size_t(breakLength(kind))]; }
    // Characters of the breaks before blocks 1..blockNumber.
    qsizetype breakCharactersUpTo(int blockNumber) const;
    qsizetype blockStartOffset(const QTextBlock& block) const;
    // The document's characters from position on (block separators as U+2029) with each
    // break written as stored and each stand-in's character in place.
    QString fromRaw(QString raw, int position, qsizetype expectedLength) const;
    std::optional<QChar> heldAt(int position) const;

    QTextDocument* m_document;
    LineBreak m_dominant = LineBreak::CrLf;
    std::vector<LineBreak> m_kinds; // by block number; entry 0 is unused
    std::array<std::vector<int>, 3> m_odd; // sorted block numbers, by break length
    int m_blockCount = 1;
    bool m_loading = false;
    bool m_undoBeforeFill = true;
    QTextCursor m_fillCursor;
    std::unique_ptr<TextWriter> m_writer;
};

} // namespace quorlex
