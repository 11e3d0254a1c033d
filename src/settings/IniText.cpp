#include "settings/IniText.h"

#include "files/ShiftJisCodec.h"

#include <QList>

namespace quorlex::IniText {

namespace {

// CR, LF, '=', ';', quotes, blanks and ^Z never occur as the second byte of a Shift_JIS
// character, so lines, keys and values can be cut at the byte level. '[' and ']' can (ゾ is
// 0x83 0x5D), so section names are found in decoded text.
constexpr char EndOfFile = '\x1a';

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

QByteArrayView trimBlanks(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QStringView trimBlanks(QStringView s)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!s.isEmpty() && blank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && blank(s.back()))
        s.chop(1);
    return s;
}

// Blanks around the line and a trailing ^Z do not belong to it.
QByteArrayView lineText(QByteArrayView line)
{
    while (!line.isEmpty() && (isBlank(line.back()) || line.back() == EndOfFile))
        line.chop(1);
    return trimBlanks(line);
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back())
        return value.sliced(1, value.size() - 2);
    return value;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Line {
    qsizetype begin; // first byte
    qsizetype end; // end of the text, before the line end
    qsizetype next; // first byte of the next line
};

QList<Line> splitLines(QByteArrayView bytes)
{
    QList<Line> lines;
    const qsizetype size = bytes.size();
    qsizetype begin = 0;
    while (begin < size) {
        qsizetype end = begin;
        while (end < size && !isLineEnd(bytes[end]))
            ++end;
        qsizetype next = end;
        if (next < size)
            next += (bytes[next] == '\r' && next + 1 < size && bytes[next + 1] == '\n') ? 2 : 1;
        lines.append({ begin, end, next });
        begin = next;
    }
    return lines;
}

enum class Kind { Blank, Section, Key, Other };

struct Parsed {
    Kind kind = Kind::Other;
    QString name; // section or key name, decoded
    QByteArrayView keyBytes; // the key as spelt in the file
    QByteArrayView valueBytes; // the value with blanks trimmed, quotes still on
};

Parsed parse(QByteArrayView line)
{
    const QByteArrayView text = lineText(line);
    if (text.isEmpty())
        return { Kind::Blank, {}, {}, {} };
    if (text.front() == '[') {
        const QString inner = ShiftJis::decode(text.sliced(1));
        const qsizetype close = inner.lastIndexOf(u']');
        if (close >= 0)
            return { Kind::Section, trimBlanks(QStringView(inner).first(close)).toString(), {}, {} };
    }
    if (text.front() == ';')
        return {};
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {};
    const QByteArrayView key = trimBlanks(text.first(equals));
    return { Kind::Key, ShiftJis::decode(key), key, trimBlanks(text.sliced(equals + 1)) };
}

// Decoded value, cut to MaxValueBytes without splitting a character.
QString readValue(QByteArrayView stored)
{
    const QByteArrayView bytes = unquoted(stored);
    const QString text = ShiftJis::decode(bytes);
    if (bytes.size() <= MaxValueBytes)
        return text;
    // Only the last character can differ: the first byte of a pair cut from its second.
    QString cut = ShiftJis::decode(bytes.first(MaxValueBytes));
    if (!text.startsWith(cut))
        cut.chop(1);
    return cut;
}

// Where the key lines of a section are, and the one that matched.
struct SectionScan {
    qsizetype header = -1; // line index of the section line, -1 when absent
    qsizetype lastKey = -1; // last key line of the section
    qsizetype matching = -1; // first line holding the key
    Parsed match;
};

SectionScan scan(QByteArrayView content, const QList<Line>& lines, QStringView section, QStringView key)
{
    SectionScan found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        Parsed parsed = parse(content.sliced(line.begin, line.end - line.begin));
        if (parsed.kind == Kind::Section) {
            if (found.header >= 0)
                break;
            if (sameName(parsed.name, section))
                found.header = i;
        } else if (parsed.kind == Kind::Key && found.header >= 0) {
            found.lastKey = i;
            if (sameName(parsed.name, key)) {
                found.matching = i;
                found.match = std::move(parsed);
                break;
            }
        }
    }
    return found;
}

bool hasLineBreakOrNul(QStringView s)
{
    for (QChar c : s) {
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            return true;
    }
    return false;
}

// The value as it goes after "=": quoted when blanks, a trailing ^Z or its own enclosing
// quotes would otherwise be lost on reading.
QByteArray storedValue(const QByteArray& value)
{
    if (value.isEmpty())
        return value;
    const char first = value.front();
    const char last = value.back();
    const bool needsQuotes = isBlank(first) || isBlank(last) || last == EndOfFile
        || (value.size() >= 2 && isQuote(first) && first == last);
    return needsQuotes ? '"' + value + '"' : value;
}

} // namespace

std::optional<QString> value(QByteArrayView content, QStringView section, QStringView key)
{
    const QList<Line> lines = splitLines(content);
    const SectionScan found = scan(content, lines, trimBlanks(section), trimBlanks(key));
    if (found.matching < 0)
        return std::nullopt;
    return readValue(found.match.valueBytes);
}

Edit withValue(QByteArrayView content, QStringView section, QStringView key, QStringView text)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    const QByteArray sectionBytes = ShiftJis::encode(section);
    const QByteArray keyBytes = ShiftJis::encode(key);
    const QByteArray valueBytes = ShiftJis::encode(text);
    const QByteArray stored = storedValue(valueBytes);
    const QByteArray header = '[' + sectionBytes + ']';
    const QByteArray newLine = keyBytes + '=' + stored;
    // Only what reads back as written is stored: a name read back differently could never be
    // found again, and every write would add another copy; a value read back differently (no
    // Shift_JIS form, longer than a read returns) would be lost. The lines are read as they would
    // stand in the file; a line break would let the text add lines of its own.
    if (hasLineBreakOrNul(section) || hasLineBreakOrNul(key) || hasLineBreakOrNul(text)
        || value(header + "\r\n" + newLine + "\r\n", section, key) != text)
        return { EditResult::Refused, {} };

    const QList<Line> lines = splitLines(content);
    const SectionScan found = scan(content, lines, section, key);

    QByteArray out = content.toByteArray();
    if (found.matching >= 0) {
        if (unquoted(found.match.valueBytes) == valueBytes)
            return { EditResult::Unchanged, {} };
        const Line& line = lines[found.matching];
        out.replace(line.begin, line.end - line.begin, found.match.keyBytes.toByteArray() + '=' + stored);
        return { EditResult::Changed, out };
    }

    if (found.header >= 0) {
        const Line& after = lines[found.lastKey >= 0 ? found.lastKey : found.header];
        if (after.next == after.end)
            out.insert(after.end, "\r\n" + newLine + "\r\n");
        else
            out.insert(after.next, newLine + "\r\n");
        return { EditResult::Changed, out };
    }

    // A new section goes at the end, after a blank line.
    if (!out.isEmpty()) {
        if (!isLineEnd(out.back()))
            out.append("\r\n");
        const Line& last = lines.back();
        if (parse(content.sliced(last.begin, last.end - last.begin)).kind != Kind::Blank)
            out.append("\r\n");
    }
    out.append(header + "\r\n" + newLine + "\r\n");
    return { EditResult::Changed, out };
}

} // namespace quorlex::IniText
