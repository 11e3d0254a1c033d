#include "wizards/TableWizardMarkup.h"

#include "core/Numbers.h"
#include "core/TagCase.h"
#include "host/ProductInfo.h"

#include <algorithm>
#include <optional>

namespace quorlex {

namespace {

constexpr QChar Tab = u'\t';

// A box's number as the table tag writes it.
std::optional<QString> numberText(const QString& box)
{
    const std::optional<double> value = ToNumber(box);
    if (!value)
        return std::nullopt;
    return generalNumberText(*value);
}

// Cells of a table with n title cells and m content rows; negative counts build nothing.
double cellCount(double n, double m)
{
    n = std::max(n, 0.0);
    m = std::max(m, 0.0);
    return n + m * (n + 1);
}

QString titleCell(const QString& attributes, qint64 number, bool bold)
{
    const QString title = QStringLiteral("[タイトル") + QString::number(number) + u']';
    return QStringLiteral("<TH") + attributes + u'>'
        + (bold ? QStringLiteral("<B>") + title + QStringLiteral("</B>") : title) + QStringLiteral("</TH>");
}

QString cellAttributes(bool centred, bool coloured, const QString& colour)
{
    QString attributes;
    if (centred)
        attributes += QStringLiteral(" ALIGN=CENTER");
    if (coloured)
        attributes += QStringLiteral(" BGCOLOR=") + colour;
    return attributes;
}

} // namespace

TableMarkup buildTableMarkup(const TableEntries& e, bool upperCaseTags)
{
    QString attrs;
    if (e.threeD) {
        const auto border = numberText(e.border);
        const auto spacing = numberText(e.spacing);
        const auto padding = numberText(e.padding);
        if (!border || !spacing || !padding)
            return { {}, TableFailure::NumberOutOfRange };
        attrs = QStringLiteral(" border=") + *border + QStringLiteral(" cellspacing=") + *spacing
            + QStringLiteral(" cellpadding=") + *padding;
    }

    const std::optional<double> rows = ToNumber(e.rows);
    const std::optional<double> cells = ToNumber(e.cells);
    if (!rows || !cells)
        return { {}, TableFailure::NumberOutOfRange };
    if (cellCount(roundHalfEven(*cells), roundHalfEven(*rows)) > double(MaxTableCells))
        return { {}, TableFailure::TooManyCells };
    const std::optional<qint32> m = toWholeNumber<qint32>(*rows);
    const std::optional<qint32> n = toWholeNumber<qint32>(*cells);
    if (!m || !n)
        return { {}, TableFailure::NumberOutOfRange };

    const bool rowColour
        = e.colour && (e.colourPlace == ColourPlace::TitleRow || e.colourPlace == ColourPlace::Both);
    const bool columnColour
        = e.colour && (e.colourPlace == ColourPlace::FirstColumn || e.colourPlace == ColourPlace::Both);
    const QString rowAttrs = cellAttributes(e.centreTitleRow, rowColour, e.colourValue);
    const QString colAttrs = cellAttributes(e.centreFirstColumn, columnColour, e.colourValue);

    QString out = CaseTag(QStringLiteral("<table") + attrs + u'>', upperCaseTags) + CRLF;
    if (!e.caption.isEmpty())
        out += CaseTag(QStringLiteral("<caption>"), upperCaseTags) + e.caption
            + CaseTag(QStringLiteral("</caption>"), upperCaseTags) + CRLF;

    out += QStringLiteral("<TR>") + CRLF;
    for (qint64 g = 1; g <= *n; ++g)
        out += titleCell(rowAttrs, g, e.bold);
    out += QStringLiteral("</TR>") + CRLF;

    for (qint64 i = 1; i <= *m; ++i) {
        out += QStringLiteral("<TR>") + CRLF + Tab + titleCell(colAttrs, i, e.bold);
        for (qint64 j = 1; j <= *n; ++j)
            out += QStringLiteral("<TD>[内容") + QString::number(i) + u':' + QString::number(j)
                + QStringLiteral("]</TD>");
        out += CRLF + QStringLiteral("</TR>") + CRLF;
    }
    out += CaseTag(QStringLiteral("</table>"), upperCaseTags) + CRLF;
    return { out, TableFailure::None };
}

} // namespace quorlex
