#include "files/CharsetDeclaration.h"

#include <QByteArray>

#include <array>
#include <optional>

namespace quorlex {

namespace {

constexpr qsizetype PrescanBytes = 1024;

using namespace Qt::StringLiterals;

const std::array Utf8Labels { "utf-8"_ba, "utf8"_ba, "unicode-1-1-utf-8"_ba, "unicode11utf8"_ba,
    "unicode20utf8"_ba, "x-unicode20utf8"_ba };
const std::array ShiftJisLabels { "shift_jis"_ba, "shift-jis"_ba, "sjis"_ba, "x-sjis"_ba, "ms_kanji"_ba,
    "csshiftjis"_ba, "windows-31j"_ba, "ms932"_ba, "cp932"_ba };

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

DeclaredCharset classify(const QByteArray& label)
{
    const QByteArray name = label.trimmed().toLower();
    if (std::find(ShiftJisLabels.begin(), ShiftJisLabels.end(), name) != ShiftJisLabels.end())
        return DeclaredCharset::ShiftJis;
    if (std::find(Utf8Labels.begin(), Utf8Labels.end(), name) != Utf8Labels.end())
        return DeclaredCharset::Utf8;
    return DeclaredCharset::Other;
}

// Reads the bytes of one tag's attributes, as HTML's prescan reads them.
class AttributeReader {
public:
    AttributeReader(QByteArrayView bytes, qsizetype position)
        : m_bytes(bytes)
        , m_pos(position)
    {
    }

    struct Attribute {
        QByteArray name, value;
    };

    // The next attribute, or nothing at the tag's end (or where the bytes run out).
    std::optional<Attribute> next()
    {
        while (m_pos < m_bytes.size() && (isSpace(at()) || at() == '/'))
            ++m_pos;
        if (m_pos >= m_bytes.size() || at() == '>')
            return std::nullopt;
        Attribute attribute;
        while (m_pos < m_bytes.size() && !isSpace(at()) && at() != '/' && at() != '>' && at() != '=')
            attribute.name += asciiLower(m_bytes[m_pos++]);
        skipSpaces();
        if (m_pos >= m_bytes.size() || at() != '=')
            return m_pos < m_bytes.size() ? std::optional(attribute) : std::nullopt;
        ++m_pos;
        skipSpaces();
        if (m_pos >= m_bytes.size())
            return std::nullopt;
        if (const char quote = at(); quote == '"' || quote == '\'') {
            const qsizetype end = m_bytes.indexOf(quote, m_pos + 1);
            if (end < 0)
                return std::nullopt;
            attribute.value = m_bytes.sliced(m_pos + 1, end - m_pos - 1).toByteArray();
            m_pos = end + 1;
            return attribute;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size() && !isSpace(at()) && at() != '>')
            ++m_pos;
        // A value cut off by the end of the bytes is no value.
        if (m_pos >= m_bytes.size())
            return std::nullopt;
        attribute.value = m_bytes.sliced(start, m_pos - start).toByteArray();
        return attribute;
    }

    // Just after the tag's ">", or the end of the bytes.
    qsizetype end()
    {
        while (next()) { }
        return std::min(m_pos + 1, m_bytes.size());
    }

private:
    char at() const { return m_bytes[m_pos]; }
    void skipSpaces()
    {
        while (m_pos < m_bytes.size() && isSpace(at()))
            ++m_pos;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos;
};

// The charset named in a content attribute ("text/html; charset=utf-8"), if it names one.
std::optional<QByteArray> charsetInContent(const QByteArray& content)
{
    const QByteArray lower = content.toLower();
    for (qsizetype from = 0;;) {
        qsizetype pos = lower.indexOf("charset", from);
        if (pos < 0)
            return std::nullopt;
        pos += 7;
        while (pos < lower.size() && isSpace(lower[pos]))
            ++pos;
        if (pos >= lower.size() || lower[pos] != '=') {
            from = pos;
            continue;
        }
        ++pos;
        while (pos < lower.size() && isSpace(lower[pos]))
            ++pos;
        if (pos >= lower.size())
            return std::nullopt;
        if (const char quote = lower[pos]; quote == '"' || quote == '\'') {
            const qsizetype end = lower.indexOf(quote, pos + 1);
            return end < 0 ? std::nullopt : std::optional(lower.sliced(pos + 1, end - pos - 1));
        }
        qsizetype end = pos;
        while (end < lower.size() && !isSpace(lower[end]) && lower[end] != ';')
            ++end;
        return lower.sliced(pos, end - pos);
    }
}

// The charset a <meta> element declares, from its attributes.
std::optional<QByteArray> metaCharset(AttributeReader& reader)
{
    std::optional<QByteArray> charset;
    std::optional<QByteArray> content;
    bool contentType = false;
    while (const auto attribute = reader.next()) {
        if (attribute->name == "charset" && !charset)
            charset = attribute->value;
        else if (attribute->name == "content" && !content)
            content = attribute->value;
        else if (attribute->name == "http-equiv")
            contentType = contentType || attribute->value.trimmed().toLower() == "content-type";
    }
    if (charset)
        return charset;
    if (contentType && content)
        return charsetInContent(*content);
    return std::nullopt;
}

bool startsWithAt(QByteArrayView bytes, qsizetype pos, QByteArrayView word)
{
    return bytes.size() - pos >= word.size()
        && QByteArrayView(bytes.sliced(pos, word.size())).compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

DeclaredCharset declaredCharset(QByteArrayView page)
{
    const QByteArrayView bytes = page.first(std::min(page.size(), PrescanBytes));
    DeclaredCharset result = DeclaredCharset::None;
    for (qsizetype pos = 0; pos < bytes.size();) {
        if (bytes[pos] != '<') {
            ++pos;
            continue;
        }
        if (startsWithAt(bytes, pos, "<!--")) {
            const qsizetype end = bytes.indexOf("-->", pos + 4);
            if (end < 0)
                break;
            pos = end + 3;
        } else if (startsWithAt(bytes, pos, "<meta") && pos + 5 < bytes.size()
            && (isSpace(bytes[pos + 5]) || bytes[pos + 5] == '/')) {
            AttributeReader reader(bytes, pos + 5);
            if (const auto label = metaCharset(reader)) {
                const DeclaredCharset named = classify(*label);
                if (named == DeclaredCharset::ShiftJis)
                    return named;
                if (named == DeclaredCharset::Utf8 || result == DeclaredCharset::None)
                    result = named;
            }
            pos = reader.end();
        } else if (pos + 1 < bytes.size()
            && (isAsciiLetter(bytes[pos + 1])
                || (bytes[pos + 1] == '/' && pos + 2 < bytes.size() && isAsciiLetter(bytes[pos + 2])))) {
            // Another tag: its attribute values are no declarations.
            qsizetype namesEnd = pos + 1;
            while (namesEnd < bytes.size() && !isSpace(bytes[namesEnd]) && bytes[namesEnd] != '>')
                ++namesEnd;
            pos = AttributeReader(bytes, namesEnd).end();
        } else {
            ++pos;
        }
    }
    return result;
}

} // namespace quorlex
