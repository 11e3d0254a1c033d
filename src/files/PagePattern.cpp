#include "files/PagePattern.h"

#include "files/FileErrorText.h"
#include "files/FileOps.h"
#include "files/ShiftJisCodec.h"
#include "host/ProductInfo.h"

#include <array>

namespace quorlex {

namespace {

const QChar Quote = u'"';

bool endsField(QChar c)
{
    return c == u',' || c == CR || c == LF;
}

// Moves past the comma or line end at i (CR LF counts as one).
qsizetype pastDelimiter(QStringView text, qsizetype i)
{
    if (i >= text.size())
        return i;
    if (text[i] == CR && i + 1 < text.size() && text[i + 1] == LF)
        return i + 2;
    return i + 1;
}

} // namespace

PatternFields parsePagePattern(QStringView text)
{
    PatternFields result;
    const std::array<QString*, 4> fields { &result.pattern.TitleSuffix, &result.pattern.BgColor,
        &result.pattern.BgImage, &result.pattern.Body };
    qsizetype i = 0;
    for (QString* field : fields) {
        while (i < text.size() && text[i] == u' ')
            ++i;
        if (i >= text.size())
            return result;
        QString value;
        if (text[i] == Quote) {
            bool closed = false;
            for (++i; i < text.size() && !closed; ++i) {
                if (text[i] != Quote)
                    value += text[i];
                else if (i + 1 < text.size() && text[i + 1] == Quote)
                    value += text[i++];
                else
                    closed = true;
            }
            // A file cut off inside a field has lost the rest of it.
            if (!closed)
                return result;
            while (i < text.size() && !endsField(text[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < text.size() && !endsField(text[i]))
                ++i;
            value = text.sliced(start, i - start).toString();
        }
        i = pastDelimiter(text, i);
        *field = value;
        ++result.count;
    }
    return result;
}

QString formatPagePattern(const PagePattern& pattern)
{
    QString text;
    for (const QString* field : { &pattern.TitleSuffix, &pattern.BgColor, &pattern.BgImage, &pattern.Body })
        text += Quote + QString(*field).replace(Quote, QStringLiteral("\"\"")) + Quote + CRLF;
    return text;
}

PatternFile readPatternFile(FileOps& ops, const QString& path)
{
    PatternFile file;
    QByteArray bytes;
    file.error = ops.readAll(path, bytes);
    if (!file.error)
        file.fields = parsePagePattern(ShiftJis::decode(bytes));
    return file;
}

PatternFile readPatternFile(const QString& path)
{
    SystemFileOps ops;
    return readPatternFile(ops, path);
}

std::error_code writePatternFile(FileOps& ops, const QString& path, const PagePattern& pattern)
{
    return replaceFile(ops, path, ShiftJis::encode(formatPagePattern(pattern)));
}

QString patternReadFailure(const QString& path, const PatternFile& file)
{
    const QString reason = file.error ? fileErrorDescription(file.error)
                                      : QStringLiteral("テンプレートファイルの形式になっていません。");
    return QStringLiteral("テンプレートファイルを読み込めませんでした。\r%1\r%2").arg(path, reason);
}

} // namespace quorlex
