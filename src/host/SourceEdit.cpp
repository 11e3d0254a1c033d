#include "host/SourceEdit.h"

#include "host/LineBreakIndex.h"
#include "host/SourceEditStandIn.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace quorlex {

namespace {

bool hasBreak(const QString& text)
{
    for (QChar c : text)
        if (c == u'\r' || c == u'\n' || c.unicode() == 0x2028 || c.unicode() == 0x2029)
            return true;
    return false;
}

// Text that Qt must not insert by itself: its document would take these characters for
// block separators.
bool needsStandIns(const QString& text)
{
    return std::any_of(text.begin(), text.end(), LineBreakIndex::needsStandIn);
}

// The character code a key produces, 0 for keys that produce none.
int characterCode(const QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    if (key == Qt::Key_Backspace)
        return 8;
    if (key == Qt::Key_Tab)
        return 9;
    if (key == Qt::Key_Escape)
        return 27;
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event->text();
    if (!text.isEmpty() && !text.at(0).isNull())
        return text.at(0).unicode();
    return 0;
}

// Keys that change the text without producing a character code still count as typing,
// so the page is never left unmarked after the user deleted or pasted something.
bool isEditingKey(QKeyEvent* event)
{
    return event->key() == Qt::Key_Delete || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Delete)
        || event->matches(QKeySequence::DeleteEndOfWord) || event->matches(QKeySequence::DeleteStartOfWord)
        || event->matches(QKeySequence::DeleteEndOfLine) || event->matches(QKeySequence::DeleteCompleteLine)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

} // namespace

QStringList droppedFilePaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

SourceEdit::SourceEdit(QWidget* parent)
    : QPlainTextEdit(parent)
    , m_breaks(new LineBreakIndex(document(), this))
{
    connect(document(), &QTextDocument::undoCommandAdded, this, [this] { ++m_undoSteps; });
    document()->documentLayout()->registerHandler(LineBreakIndex::StandInObject, new StandInPainter(this));
    setObjectName(QStringLiteral("Text1"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setAcceptDrops(true);
    setTabChangesFocus(false);
}

SourceEdit::~SourceEdit() = default;

QString SourceEdit::sourceText() const
{
    return m_breaks->text();
}

void SourceEdit::setSourceText(const QString& text)
{
    Q_EMIT wholeTextAboutToChange(text);
    m_breaks->setText(text);
    QTextCursor cursor(document());
    setTextCursor(cursor);
}

void SourceEdit::replaceSourceText(const QString& text)
{
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    Q_EMIT wholeTextAboutToChange(text);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_breaks->insertWhole(cursor, text);
    cursor.endEditBlock();
    setTextCursor(QTextCursor(document()));
    // Moving the caret to the start scrolled to the top: go back to where the user was (across
    // as far as the lines laid out so far reach; showing the caret later scrolls as needed).
    horizontalScrollBar()->setValue(across);
    verticalScrollBar()->setValue(down);
}

int SourceEdit::lineNumberOf(const QTextBlock& block) const
{
    return block.isValid() ? block.blockNumber() + 1 : 0;
}

TextPlace SourceEdit::caretPlace() const
{
    const QTextCursor cursor = textCursor();
    QTextBlock block = cursor.block();
    int column = cursor.positionInBlock() + 1;
    int line = lineNumberOf(block);
    // A line shown as several blocks: count the characters of the blocks before the caret's.
    while (line == 0 && block.previous().isValid()) {
        block = block.previous();
        column += block.length() - 1;
        line = lineNumberOf(block);
    }
    return { std::max(line, 1), column };
}

qsizetype SourceEdit::sourceLength() const
{
    return m_breaks->length();
}

qsizetype SourceEdit::selectionStartOffset() const
{
    return m_breaks->offsetOf(textCursor().selectionStart());
}

qsizetype SourceEdit::selectionLengthOffset() const
{
    const QTextCursor cursor = textCursor();
    return m_breaks->offsetOf(cursor.selectionEnd()) - m_breaks->offsetOf(cursor.selectionStart());
}

QString SourceEdit::selectedSourceText() const
{
    const QTextCursor cursor = textCursor();
    return m_breaks->textBetween(cursor.selectionStart(), cursor.selectionEnd());
}

void SourceEdit::setCaretOffset(qsizetype offset)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(m_breaks->positionOf(offset));
    setTextCursor(cursor);
}

void SourceEdit::setSelectionLengthOffset(qsizetype length)
{
    QTextCursor cursor = textCursor();
    const qsizetype start = m_breaks->offsetOf(cursor.selectionStart());
    const qsizetype end = std::min(start + std::max<qsizetype>(length, 0), m_breaks->length());
    cursor.setPosition(m_breaks->positionOf(start));
    cursor.setPosition(m_breaks->positionOf(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void SourceEdit::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    LineBreakIndex::insert(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void SourceEdit::reportKey(int code)
{
    if (m_keyPress)
        m_keyPress(code);
}

void SourceEdit::insertLineBreak(bool joinPreviousEdit)
{
    // The break joins the markup the key handler inserted for it in one undo step.
    QTextCursor cursor = textCursor();
    if (joinPreviousEdit)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    cursor.removeSelectedText();
    LineBreakIndex::insertBreak(cursor, LineBreak::CrLf);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool SourceEdit::event(QEvent* event)
{
    // A menu accelerator such as Ctrl+A runs the menu's command, not the box's own.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_reserved.contains(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void SourceEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // Enter, with or without Shift: the handler inserts its markup, then the break.
        m_inKey = true;
        const int undoSteps = m_undoSteps;
        reportKey(13);
        m_inKey = false;
        insertLineBreak(m_undoSteps != undoSteps);
        event->accept();
        return;
    }
    if (hasBreak(event->text()))
        return; // no key puts a line or paragraph separator into the text by itself
    const int code = characterCode(event);
    if (needsStandIns(event->text())) {
        reportKey(code);
        replaceSelection(event->text());
        ensureCursorVisible();
        event->accept();
        return;
    }
    m_inKey = true;
    if (code != 0 || isEditingKey(event))
        reportKey(code);
    // Qt applies the key by itself, never inside an edit block of ours: there it would
    // look for the caret before the text is laid out again. Each break keeps its kind
    // through the removals the key makes.
    QPlainTextEdit::keyPressEvent(event);
    m_inKey = false;
}

void SourceEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty() || isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    reportKey(commit.at(0).unicode());
    if (!hasBreak(commit) && !needsStandIns(commit)) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
    replaceSelection(userBreaksToCrLf(commit));
}

bool SourceEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source && source->hasText();
}

void SourceEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText() || isReadOnly())
        return;
    // A paste that did not come from a key (the middle button, say) still counts as typing.
    if (!m_inKey && !m_inMenuPaste)
        reportKey(22);
    replaceSelection(userBreaksToCrLf(source->text()));
    ensureCursorVisible();
}

QMimeData* SourceEdit::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(selectedSourceText());
    return data;
}

void SourceEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The box's own menu, with every edit going through the same paths as the keys.
    QMenu menu(this);
    const bool hasSelection = textCursor().hasSelection();
    const bool writable = !isReadOnly();
    auto add = [&](const QString& text, bool enabled, auto slot) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    add(tr("元に戻す"), writable && document()->isUndoAvailable(), [this] {
        reportKey(26);
        undo();
    });
    add(tr("やり直し"), writable && document()->isRedoAvailable(), [this] {
        reportKey(25);
        redo();
    });
    menu.addSeparator();
    add(tr("切り取り"), writable && hasSelection, [this] {
        reportKey(24);
        copy();
        replaceSelection(QString());
    });
    add(tr("コピー"), hasSelection, [this] { copy(); });
    add(tr("貼り付け"), writable && canPaste(), [this] {
        reportKey(22);
        m_inMenuPaste = true;
        paste();
        m_inMenuPaste = false;
    });
    add(tr("削除"), writable && hasSelection, [this] {
        reportKey(0);
        replaceSelection(QString());
    });
    menu.addSeparator();
    add(tr("すべて選択"), !document()->isEmpty(), [this] { selectAll(); });
    menu.exec(event->globalPos());
}

namespace {

// While dragging, files are offered as a copy and anything else is refused, so text
// cannot be dragged into the box.
void offerCopyOfFiles(QDragMoveEvent* event)
{
    if (droppedFilePaths(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace

void SourceEdit::dragEnterEvent(QDragEnterEvent* event)
{
    offerCopyOfFiles(event);
}

void SourceEdit::dragMoveEvent(QDragMoveEvent* event)
{
    offerCopyOfFiles(event);
}

bool SourceEdit::acceptDroppedData(const QMimeData* data)
{
    const QStringList paths = droppedFilePaths(data);
    if (paths.isEmpty())
        return false;
    Q_EMIT filesDropped(paths);
    return true;
}

void SourceEdit::dropEvent(QDropEvent* event)
{
    if (!acceptDroppedData(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace quorlex
