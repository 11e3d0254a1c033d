#pragma once

#include "files/PagePattern.h"
#include "wizards/NewHtmlWindow.h"

#include <QString>

namespace quorlex {

// What the new page wizard's background controls hold when it finishes.
struct NewPageBackground {
    NewHtmlOption option = NewHtmlOption::Option2;
    QString imagePath; // Text3
    QString option5Caption;
};

// The caption of Option5 until a colour is chosen.
QString noColourChosenCaption();

// The page's body tag: the pattern's colour wins, then the chosen option. The letter cases differ
// between the rows on purpose ("BGColor", "Background", "background").
QString newPageBodyTag(const PagePattern& pattern, const NewPageBackground& background);

// The whole new page: eleven lines joined by CR LF, without a line end after the last. The
// pattern's body, or a placeholder line, goes between the body tags.
QString newPageText(const QString& title, const PagePattern& pattern, const QString& bodyTag);

// A colour as the body tag writes it, "#RRGGBB", and back.
QString colourCaption(quint32 rgb);
std::optional<quint32> colourOfCaption(const QString& caption);

} // namespace quorlex
