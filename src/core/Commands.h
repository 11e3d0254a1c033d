#pragma once

#include "core/MenuRow.h"

#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QString>

#include <functional>

namespace quorlex {

// Commands and menu rows that point nowhere or are given twice: programming errors, which the
// tests turn into failures.
Q_DECLARE_LOGGING_CATEGORY(lcCommands)

// The program's commands by name: the items of the menu bar with their rows, the elements of
// menu control arrays, and commands that only a toolbar button or a window starts. Features
// add their own; the main window builds its menus from the rows and runs commands by name.
class Commands {
public:
    // Adds the rows of one feature. A name that is already taken is reported and skipped.
    void add(const QList<MenuRow>& rows);
    // A command that no menu item shows (a toolbar button's own, say).
    void addCommand(const QString& name, std::function<void()> handler);
    // The command of every element of a menu control array, given the element's index;
    // element n is also a command by the name array + "_" + n.
    void addArray(const QString& array, std::function<void(int)> handler);

    // Runs the command of that name. A name without a command is reported (a programming
    // error: an action that points nowhere) and gives false.
    bool run(const QString& name) const;
    bool contains(const QString& name) const;

    const QList<MenuRow>& rows() const { return m_rows; }
    const QHash<QString, std::function<void(int)>>& arrays() const { return m_arrays; }

private:
    std::function<void()> find(const QString& name) const;

    QList<MenuRow> m_rows;
    QHash<QString, std::function<void()>> m_commands;
    QHash<QString, std::function<void(int)>> m_arrays;
};

} // namespace quorlex
