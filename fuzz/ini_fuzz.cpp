// The INI file: any bytes are read without harm, a value written reads back, writing it again
// changes nothing, and the other settings keep their values.
#include "FuzzText.h"

#include "files/ShiftJisCodec.h"
#include "settings/IniText.h"

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

// Names and values among the characters the INI rules treat specially, or any at all.
QString field(FuzzedDataProvider& data)
{
    static const QString special = QStringLiteral(u"aA= \t;[]\"'\r\n\x1a\0ゾｱ\u00A5\uF781\uF7FF");
    switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return fuzz::textOf(data, special, 12);
    case 1:
        return ShiftJis::decode(data.ConsumeBytesAsString(data.ConsumeIntegralInRange(0, 300)));
    default:
        return fuzz::anyText(data, 12);
    }
}

bool sameName(QStringView a, QStringView b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool plainAscii(QStringView s)
{
    for (QChar c : s) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

QString where(QStringView section, QStringView key, QStringView text)
{
    return u'[' + fuzz::visible(section) + QStringLiteral("] ") + fuzz::visible(key) + u'='
        + fuzz::visible(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString section = field(provider);
    const QString key = field(provider);
    const QString text = field(provider);
    const QString otherSection = field(provider);
    const QString otherKey = field(provider);
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QByteArrayView content(rest.data(), qsizetype(rest.size()));

    const std::optional<QString> other = IniText::value(content, otherSection, otherKey);
    const IniText::Edit edit = IniText::withValue(content, section, key, text);
    switch (edit.result) {
    case IniText::EditResult::Refused:
        check(!(plainAscii(section) && plainAscii(key) && plainAscii(text) && !section.isEmpty()
                  && !key.isEmpty()),
            "plain names and values are stored", where(section, key, text));
        break;
    case IniText::EditResult::Unchanged:
        check(IniText::value(content, section, key) == text, "an unchanged file already holds the value",
            where(section, key, text));
        break;
    case IniText::EditResult::Changed: {
        const std::optional<QString> read = IniText::value(edit.content, section, key);
        check(read == text, "a written value reads back",
            where(section, key, text) + QStringLiteral(" read ")
                + fuzz::visible(read.value_or(QStringLiteral("(none)"))));
        check(IniText::withValue(edit.content, section, key, text).result == IniText::EditResult::Unchanged,
            "writing the same value again changes nothing", where(section, key, text));
        if (!(sameName(section, otherSection) && sameName(key, otherKey)))
            check(IniText::value(edit.content, otherSection, otherKey) == other,
                "other settings keep their values",
                where(section, key, text) + QStringLiteral(" lost [") + fuzz::visible(otherSection)
                    + QStringLiteral("] ") + fuzz::visible(otherKey));
        break;
    }
    }
    return 0;
}
