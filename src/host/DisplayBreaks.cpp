#include "host/DisplayBreaks.h"

#include "host/LineBreaks.h"
#include "host/TextWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace quorlex::DisplayBreaks {

namespace {

bool isDisplayBreak(const QTextBlock& block)
{
    return block.position() > 0 && TextWriter::recordedBreak(block.charFormat()) == LineBreak::Display;
}

int pieceLength(const QTextBlock& block)
{
    return block.length() - 1;
}

// The length of the line that block is a piece of, counted until it passes limit.
qsizetype lineLength(const QTextBlock& block, qsizetype limit)
{
    qsizetype total = pieceLength(block);
    for (QTextBlock b = block; total <= limit && isDisplayBreak(b);) {
        b = b.previous();
        total += pieceLength(b);
    }
    for (QTextBlock b = block.next(); total <= limit && b.isValid() && isDisplayBreak(b); b = b.next())
        total += pieceLength(b);
    return total;
}

// A display break next to an empty piece, or between two pieces that fit in half a piece.
bool joinsShortPieces(const QTextBlock& block)
{
    const int before = pieceLength(block.previous());
    const int after = pieceLength(block);
    return before == 0 || after == 0 || before + after <= DisplayPieceLength / 2;
}

void removeBreakBefore(QTextCursor& cursor, const QTextBlock& block)
{
    cursor.setPosition(block.position() - 1);
    cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void cut(QTextCursor& cursor, const QTextBlock& block)
{
    const QString text = block.text();
    std::vector<int> cuts;
    for (qsizetype start = 0; text.size() - start > DisplayPieceLength;) {
        start += displayPieceEnd(QStringView(text).mid(start));
        cuts.push_back(int(start));
    }
    // From the last, so that the positions of the others stay.
    for (auto it = cuts.rbegin(); it != cuts.rend(); ++it) {
        cursor.setPosition(block.position() + *it);
        cursor.insertBlock(QTextBlockFormat(), TextWriter::breakFormat(LineBreak::Display));
    }
}

// Takes every display break out of the line that block is a piece of; returns the position
// of the joined line.
int joinLine(QTextCursor& cursor, QTextBlock block)
{
    while (isDisplayBreak(block))
        block = block.previous();
    const int position = block.position();
    while (block.next().isValid() && isDisplayBreak(block.next())) {
        removeBreakBefore(cursor, block.next());
        block = cursor.document()->findBlock(position);
    }
    return position;
}

} // namespace

// Walks the blocks around from..to (one more on each side, where a removal may have left an
// empty piece) and settles them.
void settle(QTextDocument* document, int from, int to)
{
    QTextCursor cursor(document);
    QTextBlock block = document->findBlock(from);
    if (!block.isValid())
        block = document->lastBlock();
    if (block.previous().isValid())
        block = block.previous();
    QTextBlock last = document->findBlock(to);
    if (!last.isValid())
        last = document->lastBlock();
    if (last.next().isValid())
        last = last.next();
    // Positions move as breaks go in and out; the distance from the end does not.
    const int stopFromEnd = document->characterCount() - (last.position() + last.length());
    auto endOf = [document](int position) {
        const QTextBlock b = document->findBlock(position);
        return b.position() + b.length();
    };
    int position = block.position();
    while (true) {
        block = document->findBlock(position);
        if (!block.isValid() || block.position() + block.length() > document->characterCount() - stopFromEnd)
            break;
        const bool pieceBefore = isDisplayBreak(block);
        const bool pieceAfter = block.next().isValid() && isDisplayBreak(block.next());
        if ((pieceBefore || pieceAfter) && lineLength(block, LongLineLength) <= LongLineLength) {
            position = endOf(joinLine(cursor, block));
            continue;
        }
        if (pieceBefore && joinsShortPieces(block)) {
            // The piece before takes this one in; look at the joined piece again.
            position = block.previous().position();
            removeBreakBefore(cursor, block);
            continue;
        }
        if (pieceLength(block) > DisplayPieceLength && lineLength(block, LongLineLength) > LongLineLength)
            cut(cursor, block);
        position = endOf(position);
    }
}

} // namespace quorlex::DisplayBreaks
