#include "host/TextWriter.h"

#include "host/LineBreakIndex.h"

namespace quorlex {

namespace {

constexpr int BreakProperty = QTextFormat::UserProperty + 1;
constexpr int StandInCharProperty = QTextFormat::UserProperty + 2;
constexpr char16_t StandInChar = QChar::ObjectReplacementCharacter;

} // namespace

TextWriter::TextWriter(
    QTextCursor& cursor, std::optional<LineBreak> implicitKind, std::function<void(LineBreak)> onBreak)
    : m_cursor(cursor)
    , m_implicit(implicitKind)
    , m_onBreak(std::move(onBreak))
{
}

QTextCharFormat TextWriter::breakFormat(LineBreak kind)
{
    QTextCharFormat format;
    format.setProperty(BreakProperty, int(kind));
    return format;
}

// Typing after a stand-in does not make another: Qt clears the object type of the format that
// inserted text takes from the character before it.
QTextCharFormat TextWriter::standInFormat(QChar held)
{
    QTextCharFormat format;
    format.setObjectType(LineBreakIndex::StandInObject);
    format.setProperty(StandInCharProperty, int(held.unicode()));
    return format;
}

std::optional<LineBreak> TextWriter::recordedBreak(const QTextCharFormat& format)
{
    const QVariant v = format.property(BreakProperty);
    if (!v.isValid())
        return std::nullopt;
    return LineBreak(v.toInt());
}

std::optional<QChar> TextWriter::heldCharacter(const QTextCharFormat& format)
{
    if (format.objectType() != LineBreakIndex::StandInObject)
        return std::nullopt;
    return QChar(char16_t(format.intProperty(StandInCharProperty)));
}

void TextWriter::write(QStringView text)
{
    if (m_waiting.isEmpty()) {
        process(text, false);
        return;
    }
    const QString joined = m_waiting + text.toString();
    process(joined, false);
}

void TextWriter::finish()
{
    const QString waiting = std::exchange(m_waiting, QString());
    process(waiting, true);
    m_writtenOfLine = 0;
}

void TextWriter::process(QStringView text, bool final)
{
    qsizetype runStart = 0; // the first character not written yet
    qsizetype lineStart = 0; // where the unfinished line (or its current piece) starts
    const qsizetype n = text.size();
    qsizetype lineEnd = n;
    const char16_t* chars = text.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = chars[i];
        if (c > u'\r' ? c != 0x2029 : c != u'\r' && c != u'\n')
            continue;
        LineBreak kind = c == u'\n' ? LineBreak::Lf : LineBreak::CrLf;
        qsizetype width = 1;
        if (c == u'\r') {
            if (i + 1 == n && !final) {
                lineEnd = i; // may start a CR LF: wait for the next part
                break;
            }
            if (i + 1 < n && text[i + 1] == u'\n')
                width = 2;
            else
                kind = LineBreak::Cr;
        }
        writePieces(text, runStart, lineStart, i);
        if (kind != m_implicit) {
            writeRun(text.mid(runStart, i - runStart));
            writeBreak(kind);
            runStart = i + width;
        } else {
            note(kind);
        }
        i += width - 1;
        lineStart = i + 1;
        m_writtenOfLine = 0;
    }
    writePieces(text, runStart, lineStart, lineEnd);
    if (final) {
        writeRun(text.mid(runStart));
        return;
    }
    writeRun(text.mid(runStart, lineStart - runStart));
    m_waiting = text.mid(lineStart).toString();
}

void TextWriter::writePieces(QStringView text, qsizetype& runStart, qsizetype& lineStart, qsizetype end)
{
    if (m_writtenOfLine + (end - lineStart) <= LongLineLength)
        return;
    writeRun(text.mid(runStart, lineStart - runStart));
    // A piece ends only where the characters after it are known, so a line written in parts
    // is cut where it would be cut whole.
    while (end - lineStart > DisplayPieceLength) {
        const qsizetype cut = lineStart + displayPieceEnd(text.mid(lineStart, end - lineStart));
        writeRun(text.mid(lineStart, cut - lineStart));
        writeBreak(LineBreak::Display);
        m_writtenOfLine += cut - lineStart;
        lineStart = cut;
    }
    runStart = lineStart;
}

void TextWriter::writeText(QStringView text)
{
    // The document copies the characters; no need to copy them first.
    if (!text.isEmpty())
        m_cursor.insertText(
            QString::fromRawData(reinterpret_cast<const QChar*>(text.utf16()), text.size()), m_textFormat);
}

void TextWriter::writeRun(QStringView run)
{
    if (!run.contains(QChar(0xFDD0)) && !run.contains(QChar(0xFDD1))) {
        writeText(run);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (!LineBreakIndex::needsStandIn(run[i]))
            continue;
        writeText(run.mid(start, i - start));
        m_cursor.insertText(QString(QChar(StandInChar)), standInFormat(run[i]));
        start = i + 1;
    }
    writeText(run.mid(start));
}

void TextWriter::writeBreak(LineBreak kind)
{
    m_cursor.insertBlock(QTextBlockFormat(), breakFormat(kind));
    note(kind);
}

} // namespace quorlex
