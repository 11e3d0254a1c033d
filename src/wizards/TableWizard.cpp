#include "wizards/TableWizard.h"

#include "core/Editor.h"

#include <QLocale>

namespace quorlex {

namespace {
const MsgStyle Warning { MsgButtons::Ok, MsgIcon::Exclamation, false };
}

NewTable::NewTable(Editor& editor, TableWizardWindow& window)
    : m_editor(editor)
    , m_window(window)
{
}

QString NewTable::tooManyCellsMessage()
{
    return QStringLiteral("表が大きすぎます。マスの数は、全部で%1個までにしてください。")
        .arg(QLocale(QLocale::Japanese).toString(MaxTableCells));
}

void NewTable::I_Table_Click()
{
    m_window.showModal(*this);
}

void NewTable::Command1_Click()
{
    const TableMarkup table = buildTableMarkup(m_window.entries(), m_editor.settings().UpperCaseTags);
    switch (table.failure) {
    case TableFailure::None:
        m_editor.AddTag(table.text, true);
        m_window.unload();
        return;
    case TableFailure::NumberOutOfRange:
        m_window.message(numberOutOfRangeMessage(), Warning);
        return;
    case TableFailure::TooManyCells:
        m_window.message(tooManyCellsMessage(), Warning);
        return;
    }
}

void NewTable::Command2_Click()
{
    m_window.unload();
}

void NewTable::Check5_Click()
{
    m_window.setColourChoiceEnabled(m_window.entries().colour);
}

void NewTable::HScroll_Change(TableSpinner spinner, int value)
{
    m_window.setSpinnerBoxText(spinner, QString::number(value));
}

QList<MenuRow> NewTable::menuRows()
{
    return {
        itemRow(QStringLiteral("I_Table"), QStringLiteral("I_0"), QStringLiteral("表(&E&ｲ)"),
            QStringLiteral("Shift+F3"), [this] { I_Table_Click(); }),
    };
}

} // namespace quorlex
