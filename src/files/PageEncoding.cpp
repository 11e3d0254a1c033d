#include "files/PageEncoding.h"

#include "files/CharsetDeclaration.h"
#include "files/ShiftJisCodec.h"
#include "files/Utf8Codec.h"

namespace quorlex {

namespace {

constexpr QByteArrayView Utf8Mark { "\xEF\xBB\xBF" };

} // namespace

PageEncoding detectPageEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8Mark))
        return PageEncoding::Utf8WithMark;
    switch (declaredCharset(bytes)) {
    case DeclaredCharset::Utf8:
        return PageEncoding::Utf8;
    case DeclaredCharset::ShiftJis:
    case DeclaredCharset::Other:
        return PageEncoding::ShiftJis;
    case DeclaredCharset::None:
        break;
    }
    const Utf8::Scan scan = Utf8::scan(bytes);
    return scan.valid && scan.hasThreeByteSequence ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
}

QString decodePage(QByteArrayView bytes, PageEncoding encoding)
{
    switch (encoding) {
    case PageEncoding::ShiftJis:
        break;
    case PageEncoding::Utf8:
        return Utf8::decode(bytes);
    case PageEncoding::Utf8WithMark:
        return Utf8::decode(bytes.startsWith(Utf8Mark) ? bytes.sliced(Utf8Mark.size()) : bytes);
    }
    return ShiftJis::decode(bytes);
}

QByteArray encodePage(QStringView text, PageEncoding encoding)
{
    switch (encoding) {
    case PageEncoding::ShiftJis:
        break;
    case PageEncoding::Utf8:
        return Utf8::encode(text);
    case PageEncoding::Utf8WithMark:
        return Utf8Mark.toByteArray() + Utf8::encode(text);
    }
    return ShiftJis::encode(text);
}

QString pageEncodingName(PageEncoding encoding)
{
    switch (encoding) {
    case PageEncoding::ShiftJis:
        break;
    case PageEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case PageEncoding::Utf8WithMark:
        return QStringLiteral("UTF-8 BOM");
    }
    return QStringLiteral("Shift_JIS");
}

QString pageEncodingShortName(PageEncoding encoding)
{
    return pageEncodingName(encoding == PageEncoding::Utf8WithMark ? PageEncoding::Utf8 : encoding);
}

std::optional<PageEncoding> pageEncodingFromName(QStringView name)
{
    for (const PageEncoding encoding :
        { PageEncoding::ShiftJis, PageEncoding::Utf8, PageEncoding::Utf8WithMark })
        if (name == pageEncodingName(encoding))
            return encoding;
    return std::nullopt;
}

} // namespace quorlex
