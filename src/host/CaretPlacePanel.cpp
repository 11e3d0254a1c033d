#include "host/CaretPlacePanel.h"

#include "host/SourceEdit.h"

#include <QTextDocument>

namespace quorlex {

CaretPlacePanel::CaretPlacePanel(SourceEdit& edit, QWidget* parent)
    : QLabel(parent)
    , m_edit(edit)
{
    setTextFormat(Qt::PlainText);
    connect(&edit, &QPlainTextEdit::cursorPositionChanged, this, &CaretPlacePanel::refresh);
    // A load or a change elsewhere can move the caret to another line without moving it.
    connect(edit.document(), &QTextDocument::contentsChanged, this, &CaretPlacePanel::refresh);
    refresh();
}

QString CaretPlacePanel::textFor(int line, int column, const QString& encoding)
{
    return QStringLiteral("行 %1, 列 %2\u3000%3").arg(line).arg(column).arg(encoding);
}

void CaretPlacePanel::setEncodingName(const QString& name)
{
    m_encoding = name;
    refresh();
}

void CaretPlacePanel::refresh()
{
    const TextPlace place = m_edit.caretPlace();
    const QString now = textFor(place.line, place.column, m_encoding);
    if (now != text())
        setText(now);
}

} // namespace quorlex
