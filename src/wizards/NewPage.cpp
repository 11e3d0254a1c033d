#include "wizards/NewPage.h"

#include "host/ProductInfo.h"

#include <QStringList>

namespace quorlex {

namespace {
const QString Q = QStringLiteral("\"");
} // namespace

QString noColourChosenCaption()
{
    return QStringLiteral("(オプション)");
}

QString newPageBodyTag(const PagePattern& pattern, const NewPageBackground& background)
{
    if (!pattern.BgColor.isEmpty())
        return QStringLiteral("<BODY BGColor=") + pattern.BgColor + QStringLiteral(">");
    QString attribute;
    switch (background.option) {
    case NewHtmlOption::Option1:
        attribute = QStringLiteral(" bgcolor=#FFFFFF");
        break;
    case NewHtmlOption::Option3:
        attribute = QStringLiteral(" bgcolor=#E2FFFF");
        break;
    case NewHtmlOption::Option4:
        attribute = pattern.BgImage.isEmpty() ? QStringLiteral(" background=") + Q + background.imagePath + Q
                                              : QStringLiteral(" Background=") + Q + pattern.BgImage + Q;
        break;
    case NewHtmlOption::Option5:
        // Without a chosen colour the placeholder caption would reach the page, where browsers
        // read it as black.
        if (background.option5Caption != noColourChosenCaption())
            attribute = QStringLiteral(" bgcolor=") + Q + background.option5Caption + Q;
        break;
    case NewHtmlOption::Option2:
        break;
    }
    return QStringLiteral("<BODY") + attribute + QStringLiteral(">");
}

QString newPageText(const QString& title, const PagePattern& pattern, const QString& bodyTag)
{
    const QString body
        = pattern.Body.isEmpty() ? QStringLiteral("(ここから入力してください。)") : pattern.Body;
    const QStringList lines { QStringLiteral("<HTML>"), QString(), QStringLiteral("<HEAD>"),
        QStringLiteral("<title>") + title + pattern.TitleSuffix + QStringLiteral("</title>"),
        QStringLiteral("</HEAD>"), QString(), bodyTag, body, QStringLiteral("</BODY>"), QString(),
        QStringLiteral("</HTML>") };
    return lines.join(CRLF);
}

QString colourCaption(quint32 rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QChar(u'0')).toUpper();
}

std::optional<quint32> colourOfCaption(const QString& caption)
{
    if (caption.size() != 7 || !caption.startsWith(u'#'))
        return std::nullopt;
    bool ok = false;
    const uint rgb = caption.sliced(1).toUInt(&ok, 16);
    return ok ? std::optional<quint32>(rgb) : std::nullopt;
}

} // namespace quorlex
