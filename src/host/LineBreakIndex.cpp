#include "host/LineBreakIndex.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace quorlex {

namespace {

constexpr int BreakProperty = QTextFormat::UserProperty + 1;
constexpr int StandInCharProperty = QTextFormat::UserProperty + 2;
constexpr char16_t StandInChar = QChar::ObjectReplacementCharacter;

// Typing after a stand-in does not make another: Qt clears the object type of the
// format that inserted text takes from the character before it.
QTextCharFormat standInFormat(QChar held)
{
    QTextCharFormat format;
    format.setObjectType(LineBreakIndex::StandInObject);
    format.setProperty(StandInCharProperty, int(held.unicode()));
    return format;
}

} // namespace

LineBreakIndex::LineBreakIndex(QTextDocument* document, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_blockCount(document->blockCount())
{
    m_kinds.assign(std::size_t(m_blockCount), LineBreak::CrLf);
    connect(document, &QTextDocument::contentsChange, this, &LineBreakIndex::onContentsChange);
}

QTextCharFormat LineBreakIndex::formatFor(LineBreak kind)
{
    QTextCharFormat format;
    format.setProperty(BreakProperty, int(kind));
    return format;
}

void LineBreakIndex::insertBreak(QTextCursor& cursor, LineBreak kind)
{
    cursor.insertBlock(QTextBlockFormat(), formatFor(kind));
}

LineBreak LineBreakIndex::storedBreak(const QTextBlock& block) const
{
    const QVariant v = block.charFormat().property(BreakProperty);
    return v.isValid() ? LineBreak(v.toInt()) : m_dominant;
}

LineBreak LineBreakIndex::breakBefore(const QTextBlock& block) const
{
    const auto n = std::size_t(block.blockNumber());
    return n < m_kinds.size() ? m_kinds[n] : storedBreak(block);
}

bool LineBreakIndex::isException(LineBreak kind) const
{
    return (kind == LineBreak::CrLf) != (m_dominant == LineBreak::CrLf);
}

void LineBreakIndex::setText(QStringView text)
{
    const SplitText split = splitLineBreaks(text);
    m_dominant = dominantBreak(split.breaks);
    m_exceptions.clear();
    m_kinds.assign(1, LineBreak::CrLf);
    m_kinds.insert(m_kinds.end(), split.breaks.begin(), split.breaks.end());
    QString joined = split.joined;
    std::vector<qsizetype> held;
    for (QChar c : { QChar(0xFDD0), QChar(0xFDD1) }) {
        for (qsizetype i = joined.indexOf(c); i >= 0; i = joined.indexOf(c, i + 1))
            held.push_back(i);
    }
    for (qsizetype i : held)
        joined[i] = StandInChar;
    const bool undo = m_document->isUndoRedoEnabled();
    m_document->setUndoRedoEnabled(false);
    m_loading = true;
    m_document->setPlainText(joined);
    // Each line break is one position, so text offsets in joined are document positions.
    QTextCursor cursor(m_document);
    for (qsizetype i : held) {
        cursor.setPosition(int(i));
        cursor.setPosition(int(i) + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(standInFormat(split.joined[i]));
    }
    // Breaks of the dominant kind keep it implicitly; the others carry theirs in their format.
    QTextBlock block = m_document->begin().next();
    for (LineBreak kind : split.breaks) {
        if (kind != m_dominant) {
            cursor.setPosition(block.position() - 1);
            cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(formatFor(kind));
            if (isException(kind))
                m_exceptions.push_back(block.blockNumber());
        }
        block = block.next();
    }
    m_loading = false;
    m_blockCount = m_document->blockCount();
    m_document->setUndoRedoEnabled(undo);
}

QString LineBreakIndex::text() const
{
    QString out;
    out.reserve(length());
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.blockNumber() > 0)
            out.append(breakText(breakBefore(block)));
        out.append(lineText(block));
    }
    return out;
}

QString LineBreakIndex::lineText(const QTextBlock& block)
{
    QString line = block.text();
    if (!line.contains(QChar(StandInChar)))
        return line;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.objectType() != StandInObject)
            continue;
        const int start = fragment.position() - block.position();
        for (int i = start; i < start + fragment.length(); ++i) {
            if (line[i] == StandInChar)
                line[i] = QChar(format.intProperty(StandInCharProperty));
        }
    }
    return line;
}

QString LineBreakIndex::textBetween(int from, int to) const
{
    QString out;
    if (to <= from)
        return out;
    // A block's break lies just before its first position, so it is inside [from, to)
    // exactly when from < position <= to.
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const int start = block.position();
        if (start > from)
            out.append(breakText(breakBefore(block)));
        const QString line = lineText(block);
        const int a = std::max(from, start) - start;
        const int b = std::min<int>(to - start, line.size());
        if (b > a)
            out.append(QStringView(line).mid(a, b - a));
    }
    return out;
}

void LineBreakIndex::insert(QTextCursor& cursor, QStringView text)
{
    const SplitText split = splitLineBreaks(text);
    QStringView rest = split.joined;
    for (LineBreak kind : split.breaks) {
        const qsizetype nl = rest.indexOf(u'\n');
        insertLine(cursor, rest.left(nl));
        insertBreak(cursor, kind);
        rest = rest.mid(nl + 1);
    }
    insertLine(cursor, rest);
}

void LineBreakIndex::insertWhole(QTextCursor& cursor, QStringView text) const
{
    // Characters held by stand-ins need formats of their own: such a text goes line by line.
    if (std::any_of(text.begin(), text.end(), needsStandIn)) {
        insert(cursor, text);
        return;
    }
    const SplitText split = splitLineBreaks(text);
    const int start = cursor.position();
    cursor.insertText(split.joined, QTextCharFormat());
    QTextBlock block = m_document->findBlock(start).next();
    QTextCursor mark(m_document);
    for (LineBreak kind : split.breaks) {
        if (kind != m_dominant) {
            mark.setPosition(block.position() - 1);
            mark.setPosition(block.position(), QTextCursor::KeepAnchor);
            mark.setCharFormat(formatFor(kind));
        }
        block = block.next();
    }
}

void LineBreakIndex::insertLine(QTextCursor& cursor, QStringView line)
{
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !needsStandIn(line[i]))
            continue;
        if (i > runStart)
            cursor.insertText(line.mid(runStart, i - runStart).toString());
        if (i < line.size())
            cursor.insertText(QString(QChar(StandInChar)), standInFormat(line[i]));
        runStart = i + 1;
    }
}

qsizetype LineBreakIndex::crLfBreaksUpTo(int blockNumber) const
{
    const auto listed = qsizetype(
        std::upper_bound(m_exceptions.begin(), m_exceptions.end(), blockNumber) - m_exceptions.begin());
    return m_dominant == LineBreak::CrLf ? blockNumber - listed : listed;
}

qsizetype LineBreakIndex::blockStartOffset(const QTextBlock& block) const
{
    return block.position() + crLfBreaksUpTo(block.blockNumber());
}

qsizetype LineBreakIndex::offsetOf(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    if (!block.isValid())
        return length();
    return position + crLfBreaksUpTo(block.blockNumber());
}

int LineBreakIndex::positionOf(qsizetype offset) const
{
    if (offset <= 0)
        return 0;
    // The last block whose start offset is at or before offset.
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

void LineBreakIndex::onContentsChange(int position, int /*removed*/, int added)
{
    if (m_loading)
        return;
    const int count = m_document->blockCount();
    const int delta = count - m_blockCount;
    m_blockCount = count;

    QTextBlock first = m_document->findBlock(position);
    if (!first.isValid())
        first = m_document->lastBlock();
    QTextBlock last = m_document->findBlock(position + added);
    if (!last.isValid())
        last = m_document->lastBlock();
    const int b0 = first.blockNumber();
    const int b1 = last.blockNumber();
    const int oldB1 = std::max(b0, b1 - delta);

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

    auto from = std::lower_bound(m_exceptions.begin(), m_exceptions.end(), b0 + 1);
    auto to = std::upper_bound(from, m_exceptions.end(), oldB1);
    for (auto it = to; it != m_exceptions.end(); ++it)
        *it += delta;
    from = m_exceptions.erase(from, to);
    std::vector<int> changed;
    for (int n = b0 + 1; n <= b1; ++n)
        if (isException(m_kinds[std::size_t(n)]))
            changed.push_back(n);
    m_exceptions.insert(from, changed.begin(), changed.end());
}

} // namespace quorlex
