#include "host/LineNumberGutter.h"

#include "host/SourceEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

namespace quorlex {

namespace {

// Room on either side of the numbers, in widths of a digit.
constexpr qreal Padding = 0.75;

} // namespace

LineNumberGutter::LineNumberGutter(SourceEdit& edit)
    : QWidget(&edit)
    , m_edit(edit)
{
    setObjectName(QStringLiteral("Text1_LineNumbers"));
    connect(&edit, &QPlainTextEdit::blockCountChanged, this, &LineNumberGutter::updateWidth);
    connect(&edit, &SourceEdit::lineCountAboutToChange, this, &LineNumberGutter::prepareForNewText);
    connect(&edit, &QPlainTextEdit::updateRequest, this, &LineNumberGutter::followEdit);
    // The caret's line number stands out: painted again when the caret goes to another line,
    // not at every key.
    connect(&edit, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (caretLine() != m_caretLine)
            update();
    });
    edit.installEventFilter(this);
    updateWidth();
    place();
}

int LineNumberGutter::lastLineNumber() const
{
    return m_edit.lineOf(m_edit.document()->lastBlock());
}

int LineNumberGutter::caretLine() const
{
    return m_edit.lineOf(m_edit.textCursor().block());
}

int LineNumberGutter::neededWidth() const
{
    // While a new text goes in, room for all of its lines from the start.
    return widthFor(std::max<qsizetype>(lastLineNumber(), m_edit.expectedLineCount()));
}

int LineNumberGutter::widthFor(qsizetype lastLine) const
{
    const int digits = int(QString::number(lastLine).size());
    const qreal digit = fontMetrics().horizontalAdvance(QLatin1Char('9'));
    return qCeil(digit * (digits + 2 * Padding));
}

void LineNumberGutter::prepareForNewText()
{
    // Only wider: a narrower gutter waits for the new text, which has fewer lines to lay out.
    const int width = widthFor(m_edit.expectedLineCount());
    if (width > m_width)
        setGutterWidth(width);
}

void LineNumberGutter::updateWidth()
{
    setGutterWidth(neededWidth());
}

void LineNumberGutter::setGutterWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    m_edit.setViewportMargins(width, 0, 0, 0);
    place();
}

void LineNumberGutter::place()
{
    const QRect area = m_edit.contentsRect();
    setGeometry(area.left(), area.top(), m_width, area.height());
}

void LineNumberGutter::followEdit(const QRect& rect, int dy)
{
    if (dy != 0)
        scroll(0, dy);
    else
        update(0, rect.y(), width(), rect.height());
}

bool LineNumberGutter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_edit) {
        if (event->type() == QEvent::Resize)
            place();
        else if (event->type() == QEvent::FontChange)
            updateWidth(); // the gutter takes the box's font as its child
    }
    return QWidget::eventFilter(watched, event);
}

void LineNumberGutter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& colours = m_edit.palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    const QColor ink = colours.color(QPalette::WindowText);
    QColor faint = ink;
    faint.setAlphaF(0.55);
    const int right = width() - qRound(fontMetrics().horizontalAdvance(QLatin1Char('9')) * Padding);
    m_caretLine = caretLine();

    QTextBlock block = m_edit.firstVisibleBlock();
    qreal top = m_edit.blockBoundingGeometry(block).translated(m_edit.contentOffset()).top();
    QAbstractTextDocumentLayout* layout = m_edit.document()->documentLayout();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = layout->blockBoundingRect(block).height();
        const int number = m_edit.lineNumberOf(block);
        if (number > 0 && block.isVisible() && top + height >= event->rect().top()) {
            painter.setPen(number == m_caretLine ? ink : faint);
            // The number stands level with the first line of the block's text.
            const QTextLayout* text = block.layout();
            const QRectF first = text->lineCount() > 0 ? text->lineAt(0).rect() : QRectF(0, 0, 0, height);
            painter.drawText(QRectF(0, top + first.top(), right, first.height()),
                Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
        }
        top += height;
        block = block.next();
    }
}

} // namespace quorlex
