#include "host/LineBreakIndex.h"

#include "host/DisplayBreaks.h"
#include "host/TextWriter.h"

#include <QTextDocument>

#include <algorithm>

namespace quorlex {

LineBreakIndex::LineBreakIndex(QTextDocument* document, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_blockCount(document->blockCount())
{
    m_kinds.assign(std::size_t(m_blockCount), LineBreak::CrLf);
    connect(document, &QTextDocument::contentsChange, this, &LineBreakIndex::onContentsChange);
}

LineBreakIndex::~LineBreakIndex() = default;

void LineBreakIndex::insertBreak(QTextCursor& cursor, LineBreak kind)
{
    cursor.insertBlock(QTextBlockFormat(), TextWriter::breakFormat(kind));
    DisplayBreaks::settle(cursor.document(), cursor.position(), cursor.position());
}

LineBreak LineBreakIndex::storedBreak(const QTextBlock& block) const
{
    return TextWriter::recordedBreak(block.charFormat()).value_or(m_dominant);
}

LineBreak LineBreakIndex::kindOf(int blockNumber) const
{
    const auto n = std::size_t(blockNumber);
    return n < m_kinds.size() ? m_kinds[n] : storedBreak(m_document->findBlockByNumber(blockNumber));
}

LineBreak LineBreakIndex::breakBefore(const QTextBlock& block) const
{
    return kindOf(block.blockNumber());
}

int LineBreakIndex::lineNumberOf(int blockNumber) const
{
    if (blockNumber > 0 && kindOf(blockNumber) == LineBreak::Display)
        return 0;
    return lineOf(blockNumber);
}

int LineBreakIndex::lineOf(int blockNumber) const
{
    const std::vector<int>& pieces = m_odd[std::size_t(breakLength(LineBreak::Display))];
    const auto before = std::upper_bound(pieces.begin(), pieces.end(), blockNumber) - pieces.begin();
    return blockNumber + 1 - int(before);
}

void LineBreakIndex::setText(QStringView text)
{
    beginFill(dominantBreakOf(text));
    fill(text);
    endFill();
}

void LineBreakIndex::beginFill(LineBreak dominant)
{
    if (!m_writer)
        m_undoBeforeFill = m_document->isUndoRedoEnabled();
    m_writer.reset();
    m_dominant = dominant;
    m_kinds.assign(1, LineBreak::CrLf);
    for (auto& list : m_odd)
        list.clear();
    m_document->setUndoRedoEnabled(false);
    m_loading = true;
    m_document->setPlainText(QString());
    m_loading = false;
    m_blockCount = 1;
    m_fillCursor = QTextCursor(m_document);
    m_writer = std::make_unique<TextWriter>(
        m_fillCursor, dominant, [this](LineBreak kind) { noteFilledBreak(kind); });
}

void LineBreakIndex::noteFilledBreak(LineBreak kind)
{
    m_kinds.push_back(kind);
    if (breakLength(kind) != breakLength(m_dominant))
        oddList(kind).push_back(int(m_kinds.size() - 1));
}

void LineBreakIndex::fill(QStringView part)
{
    if (!m_writer)
        return;
    m_loading = true;
    m_fillCursor.movePosition(QTextCursor::End);
    m_fillCursor.beginEditBlock();
    m_writer->write(part);
    m_fillCursor.endEditBlock();
    m_loading = false;
    m_blockCount = m_document->blockCount();
}

void LineBreakIndex::endFill()
{
    if (!m_writer)
        return;
    m_loading = true;
    m_fillCursor.movePosition(QTextCursor::End);
    m_fillCursor.beginEditBlock();
    m_writer->finish();
    m_fillCursor.endEditBlock();
    m_loading = false;
    m_writer.reset();
    m_fillCursor = QTextCursor();
    m_blockCount = m_document->blockCount();
    m_document->setUndoRedoEnabled(m_undoBeforeFill);
}

std::optional<QChar> LineBreakIndex::heldAt(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length())
            return TextWriter::heldCharacter(fragment.charFormat());
    }
    return std::nullopt;
}

QString LineBreakIndex::fromRaw(QString raw, int position, qsizetype expectedLength) const
{
    constexpr QChar Separator = QChar::ParagraphSeparator;
    for (qsizetype i = raw.indexOf(QChar::ObjectReplacementCharacter); i >= 0;
         i = raw.indexOf(QChar::ObjectReplacementCharacter, i + 1)) {
        if (const auto held = heldAt(position + int(i)))
            raw[i] = *held;
    }
    QString out;
    out.reserve(expectedLength);
    int block = m_document->findBlock(position).blockNumber();
    qsizetype done = 0;
    for (qsizetype i = raw.indexOf(Separator); i >= 0; i = raw.indexOf(Separator, i + 1)) {
        out.append(QStringView(raw).mid(done, i - done));
        out.append(breakText(kindOf(++block)));
        done = i + 1;
    }
    out.append(QStringView(raw).mid(done));
    return out;
}

QString LineBreakIndex::text() const
{
    return fromRaw(m_document->toRawText(), 0, length());
}

QString LineBreakIndex::textBetween(int from, int to) const
{
    if (to <= from)
        return {};
    const qsizetype expected = offsetOf(to) - offsetOf(from);
    // A large part is cut from the whole raw text; a small one is gathered from its blocks.
    if (to - from > m_document->characterCount() / 8)
        return fromRaw(m_document->toRawText().mid(from, to - from), from, expected);
    QString raw;
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = block.position();
        const QString line = block.text();
        const int a = std::max(from, start) - start;
        const int b = std::min<int>(to - start, int(line.size()));
        if (b > a)
            raw.append(QStringView(line).mid(a, b - a));
        if (start + line.size() < to && block.next().isValid())
            raw.append(QChar::ParagraphSeparator);
    }
    return fromRaw(raw, from, expected);
}

void LineBreakIndex::insert(QTextCursor& cursor, QStringView text)
{
    const int start = cursor.position();
    TextWriter writer(cursor, std::nullopt);
    writer.write(text);
    writer.finish();
    DisplayBreaks::settle(cursor.document(), start, start);
    DisplayBreaks::settle(cursor.document(), cursor.position(), cursor.position());
}

void LineBreakIndex::insertWhole(QTextCursor& cursor, QStringView text) const
{
    // One writer for the whole text: the usual breaks go in with the text, only the others
    // get a format of their own, and long lines are cut into display pieces as on loading.
    TextWriter writer(cursor, m_dominant);
    writer.write(text);
    writer.finish();
}

qsizetype LineBreakIndex::breakCharactersUpTo(int blockNumber) const
{
    const qsizetype usual = breakLength(m_dominant);
    qsizetype total = blockNumber * usual;
    for (std::size_t length = 0; length < m_odd.size(); ++length) {
        const auto& list = m_odd[length];
        const auto listed = qsizetype(std::upper_bound(list.begin(), list.end(), blockNumber) - list.begin());
        total += listed * (qsizetype(length) - usual);
    }
    return total;
}

qsizetype LineBreakIndex::blockStartOffset(const QTextBlock& block) const
{
    return block.position() - block.blockNumber() + breakCharactersUpTo(block.blockNumber());
}

qsizetype LineBreakIndex::offsetOf(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    if (!block.isValid())
        return length();
    return position - block.blockNumber() + breakCharactersUpTo(block.blockNumber());
}

int LineBreakIndex::positionOf(qsizetype offset) const
{
    if (offset <= 0)
        return 0;
    // The last block whose start offset is at or before offset: after a display break, the
    // piece that starts there.
    int lo = 0;
    int hi = m_document->blockCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (blockStartOffset(m_document->findBlockByNumber(mid)) <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = m_document->findBlockByNumber(lo);
    const qsizetype within = offset - blockStartOffset(block);
    // An offset inside a break (between CR and LF, or past the line) stays at the line's end.
    return block.position() + int(std::min<qsizetype>(within, block.length() - 1));
}

qsizetype LineBreakIndex::length() const
{
    const QTextBlock last = m_document->lastBlock();
    return blockStartOffset(last) + last.length() - 1;
}

BlockChange BlockChange::of(const QTextDocument& document, int position, int added, int blockCountBefore)
{
    QTextBlock last = document.findBlock(position + added);
    if (!last.isValid())
        last = document.lastBlock();
    const QTextBlock first = document.findBlock(position);
    BlockChange change;
    change.first = first.isValid() ? first.blockNumber() : last.blockNumber();
    change.newLast = last.blockNumber();
    change.delta = document.blockCount() - blockCountBefore;
    change.oldLast = std::max(change.first, change.newLast - change.delta);
    return change;
}

void LineBreakIndex::onContentsChange(int position, int /*removed*/, int added)
{
    if (m_loading)
        return;
    const BlockChange change = BlockChange::of(*m_document, position, added, m_blockCount);
    const int count = m_document->blockCount();
    m_blockCount = count;
    const int b0 = change.first;
    const int b1 = change.newLast;
    const int oldB1 = change.oldLast;
    const int delta = change.delta;
    const QTextBlock first = m_document->findBlockByNumber(b0);

    // The blocks after b0 up to b1 are new (inserted, or brought back by undo) and their
    // breaks carry their kind; the ones they replace go. The break before b0 lies before
    // the change and keeps its kind.
    std::vector<LineBreak> fresh;
    for (QTextBlock block = first.next(); block.isValid() && block.blockNumber() <= b1; block = block.next())
        fresh.push_back(storedBreak(block));
    const auto oldEnd = std::min<std::size_t>(std::size_t(oldB1) + 1, m_kinds.size());
    const auto begin = std::min<std::size_t>(std::size_t(b0) + 1, oldEnd);
    m_kinds.erase(m_kinds.begin() + qsizetype(begin), m_kinds.begin() + qsizetype(oldEnd));
    m_kinds.insert(m_kinds.begin() + qsizetype(begin), fresh.begin(), fresh.end());
    m_kinds.resize(std::size_t(count), m_dominant);

    for (std::size_t length = 0; length < m_odd.size(); ++length) {
        auto& list = m_odd[length];
        auto from = std::lower_bound(list.begin(), list.end(), b0 + 1);
        auto to = std::upper_bound(from, list.end(), oldB1);
        if (delta != 0) {
            for (auto it = to; it != list.end(); ++it)
                *it += delta;
        }
        from = list.erase(from, to);
        if (qsizetype(length) == breakLength(m_dominant))
            continue;
        std::vector<int> changed;
        for (int n = b0 + 1; n <= b1; ++n)
            if (breakLength(m_kinds[std::size_t(n)]) == qsizetype(length))
                changed.push_back(n);
        list.insert(from, changed.begin(), changed.end());
    }
}

} // namespace quorlex
