#include "core/Commands.h"

#include <QLoggingCategory>

namespace quorlex {

Q_LOGGING_CATEGORY(lcCommands, "quorlex.commands")

namespace {

// The array and index of an element name such as "T_C_Item_3"; index -1 when it is none.
std::pair<QString, int> arrayElement(const QString& name)
{
    const qsizetype at = name.lastIndexOf(u'_');
    bool ok = false;
    const int index = at > 0 ? name.mid(at + 1).toInt(&ok) : -1;
    return ok && index >= 0 ? std::pair { name.left(at), index } : std::pair { QString(), -1 };
}
} // namespace

void Commands::add(const QList<MenuRow>& rows)
{
    for (const MenuRow& row : rows) {
        const bool taken = std::any_of(
            m_rows.cbegin(), m_rows.cend(), [&](const MenuRow& r) { return r.name == row.name; });
        if (taken) {
            qCCritical(lcCommands, "menu row %s is given twice", qUtf8Printable(row.name));
            continue;
        }
        m_rows.append(row);
        if (row.handler)
            m_commands.insert(row.name, row.handler);
    }
}

void Commands::addCommand(const QString& name, std::function<void()> handler)
{
    if (m_commands.contains(name)) {
        qCCritical(lcCommands, "command %s is given twice", qUtf8Printable(name));
        return;
    }
    m_commands.insert(name, std::move(handler));
}

void Commands::addArray(const QString& array, std::function<void(int)> handler)
{
    m_arrays.insert(array, std::move(handler));
}

std::function<void()> Commands::find(const QString& name) const
{
    if (const auto command = m_commands.value(name))
        return command;
    const auto [array, index] = arrayElement(name);
    if (const auto element = m_arrays.value(array))
        return [element, index = index] { element(index); };
    return {};
}

bool Commands::contains(const QString& name) const
{
    return bool(find(name));
}

bool Commands::run(const QString& name) const
{
    const auto command = find(name);
    if (!command) {
        qCCritical(lcCommands, "no command named %s", qUtf8Printable(name));
        return false;
    }
    command();
    return true;
}

} // namespace quorlex
