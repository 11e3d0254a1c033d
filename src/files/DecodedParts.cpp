#include "files/DecodedParts.h"

#include "host/LineBreaks.h"

namespace quorlex {

DecodedParts::DecodedParts(QByteArray bytes, PageEncoding encoding, qsizetype partBytes)
    : m_bytes(std::move(bytes))
    , m_encoding(encoding)
    , m_partBytes(std::max<qsizetype>(partBytes, 1))
{
}

qsizetype DecodedParts::partEnd(QByteArrayView bytes, qsizetype start, qsizetype partBytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype i = std::min(start + partBytes, size); i < size; ++i) {
        const auto b = quint8(bytes[i - 1]);
        if (b < 0x40 && b != '\r')
            return i;
    }
    return size;
}

QString DecodedParts::next()
{
    if (m_done >= m_bytes.size())
        return {};
    const qsizetype end = partEnd(m_bytes, m_done, m_partBytes);
    // Only the first part can start with the byte-order mark; later ones keep a U+FEFF as text.
    const PageEncoding encoding
        = m_done > 0 && m_encoding == PageEncoding::Utf8WithMark ? PageEncoding::Utf8 : m_encoding;
    const QString part = decodePage(QByteArrayView(m_bytes).sliced(m_done, end - m_done), encoding);
    m_done = end;
    return part;
}

qsizetype DecodedParts::lineCount() const
{
    return lineCountOf(QByteArrayView(m_bytes));
}

double DecodedParts::progress() const
{
    return m_bytes.isEmpty() ? 1.0 : double(m_done) / double(m_bytes.size());
}

} // namespace quorlex
