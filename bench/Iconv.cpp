#include "Iconv.h"

namespace quorlex::bench {

namespace {

// Converts `inLeft` bytes at `in` into `out`, and returns how many bytes of `out` were left over.
std::optional<size_t> convert(iconv_t cd, const char* in, size_t inLeft, char* out, size_t outLeft)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* from = const_cast<char*>(in);
    if (iconv(cd, &from, &inLeft, &out, &outLeft) == size_t(-1))
        return std::nullopt;
    return outLeft;
}

} // namespace

IconvCp932::IconvCp932()
    : toUtf16_(iconv_open("UTF-16LE", "CP932"))
    , toCp932_(iconv_open("CP932", "UTF-16LE"))
{
}

IconvCp932::~IconvCp932()
{
    iconv_close(toUtf16_);
    iconv_close(toCp932_);
}

std::optional<QString> IconvCp932::decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    const auto left = convert(toUtf16_, bytes.constData(), size_t(bytes.size()),
        reinterpret_cast<char*>(text.data()), size_t(text.size()) * 2);
    if (!left)
        return std::nullopt;
    text.truncate(text.size() - qsizetype(*left / 2));
    return text;
}

std::optional<QByteArray> IconvCp932::encode(const QString& text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    const auto left = convert(toCp932_, reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2,
        bytes.data(), size_t(bytes.size()));
    if (!left)
        return std::nullopt;
    bytes.truncate(bytes.size() - qsizetype(*left));
    return bytes;
}

} // namespace quorlex::bench
