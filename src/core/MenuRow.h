#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace quorlex {

// One row of the menu bar: a menu, an item, a check item or a separator, by control name.
// Each feature exports the rows of the items it owns, with their commands.
struct MenuRow {
    enum class Kind { Menu, Item, CheckItem, Separator };

    Kind kind = Kind::Item;
    QString name; // control name; an element of a control array is array + "_" + index
    QString parent; // control name of the menu that holds it; empty for the menu bar
    QString caption; // as stored, "&" marking access keys
    QString shortcut; // accelerator in QKeySequence's portable text; empty for none
    std::function<void()> handler; // the item's command; empty for menus and separators
};

// Short constructors for row tables.
inline MenuRow menuRow(QString name, QString parent, QString caption)
{
    return { MenuRow::Kind::Menu, std::move(name), std::move(parent), std::move(caption), {}, {} };
}

inline MenuRow separatorRow(QString name, QString parent)
{
    return { MenuRow::Kind::Separator, std::move(name), std::move(parent), QStringLiteral("-"), {}, {} };
}

inline MenuRow itemRow(
    QString name, QString parent, QString caption, QString shortcut, std::function<void()> handler)
{
    return { MenuRow::Kind::Item, std::move(name), std::move(parent), std::move(caption), std::move(shortcut),
        std::move(handler) };
}

} // namespace quorlex
