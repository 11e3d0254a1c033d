#include "host/SourceEdit.h"

#include "host/ControlNames.h"
#include "host/DisplayBreaks.h"
#include "host/EditBox.h"
#include "host/LineBreakIndex.h"
#include "host/SourceEditStandIn.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

#include <algorithm>

namespace quorlex {

namespace {

// What a key press types, as Qt's own text controls take it: printable characters, a tab,
// format characters (joiners, direction marks), private-use characters and a character
// outside the Basic Multilingual Plane (an emoji) given as its surrogate pair.
bool isTypedText(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.at(0);
    return first.isPrint() || first == u'\t' || first.category() == QChar::Other_Format
        || first.category() == QChar::Other_PrivateUse
        || (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

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

// Keys that move the caret by characters or words: over a display break they would move it
// without passing a character.
bool movesByCharactersOrWords(const QKeyEvent* event)
{
    for (QKeySequence::StandardKey move :
        { QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar, QKeySequence::SelectNextChar,
            QKeySequence::SelectPreviousChar, QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
            QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord }) {
        if (event->matches(move))
            return true;
    }
    return false;
}

// A page fills in slices of about this many milliseconds, so that the window keeps answering.
constexpr int FillSliceMilliseconds = 25;

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
    setObjectName(Control::Text1);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setAcceptDrops(true);
    setTabChangesFocus(false);
    connect(document(), &QTextDocument::contentsChange, this,
        [this](int position, int, int added) { onBlocksChanged(position, added); });
    m_fillTimer.setSingleShot(true);
    m_fillTimer.setInterval(0);
    connect(&m_fillTimer, &QTimer::timeout, this, &SourceEdit::fillSome);
}

SourceEdit::~SourceEdit() = default;

QString SourceEdit::sourceText() const
{
    finishFillingForReading();
    return m_breaks->text();
}

void SourceEdit::setSourceText(const QString& text)
{
    cancelFill();
    expectLines(lineCountOf(text));
    m_breaks->setText(text);
    m_expectedLines = 0;
    QTextCursor cursor(document());
    setTextCursor(cursor);
}

void SourceEdit::replaceSourceText(const QString& text)
{
    finishFilling();
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    expectLines(lineCountOf(text));
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_breaks->insertWhole(cursor, text);
    cursor.endEditBlock();
    m_expectedLines = 0;
    setTextCursor(QTextCursor(document()));
    // Moving the caret to the start scrolled to the top: go back to where the user was (across
    // as far as the lines laid out so far reach; showing the caret later scrolls as needed).
    horizontalScrollBar()->setValue(across);
    verticalScrollBar()->setValue(down);
}

int SourceEdit::lineNumberOf(const QTextBlock& block) const
{
    return block.isValid() ? m_breaks->lineNumberOf(block.blockNumber()) : 0;
}

int SourceEdit::lineOf(const QTextBlock& block) const
{
    return block.isValid() ? m_breaks->lineOf(block.blockNumber()) : 1;
}

TextPlace SourceEdit::caretPlace() const
{
    const QTextCursor cursor = textCursor();
    QTextBlock block = cursor.block();
    int column = cursor.positionInBlock() + 1;
    const int line = lineOf(block);
    // A line shown as several blocks: count the characters of the blocks before the caret's.
    while (lineNumberOf(block) == 0 && block.previous().isValid()) {
        block = block.previous();
        column += block.length() - 1;
    }
    return { line, column };
}

qsizetype SourceEdit::sourceLength() const
{
    finishFillingForReading();
    return m_breaks->length();
}

qsizetype SourceEdit::indexOfText(const QString& needle, qsizetype from, qsizetype windowCharacters) const
{
    if (needle.isEmpty() || from < 0)
        return sourceText().indexOf(needle, from);
    finishFillingForReading();
    const qsizetype total = m_breaks->length();
    // The text looked for is most often near: windows that double from a few thousand
    // characters, and past the largest the rest of the text at once, which is quicker to
    // copy out whole than window by window.
    const qsizetype largest = std::max(windowCharacters, needle.size() * 2);
    qsizetype window = std::max(std::min<qsizetype>(4096, largest / 64), needle.size() * 2);
    qsizetype start = from;
    for (; start + needle.size() <= total && window <= largest; window *= 2) {
        // The window's ends fall at positions: an offset inside a CR LF moves back to its CR.
        const int first = m_breaks->positionOf(start);
        const qsizetype firstOffset = m_breaks->offsetOf(first);
        const int last = m_breaks->positionOf(std::min(total, start + window));
        const qsizetype lastOffset = m_breaks->offsetOf(last);
        const qsizetype at = m_breaks->textBetween(first, last).indexOf(needle, start - firstOffset);
        if (at >= 0)
            return firstOffset + at;
        if (lastOffset >= total)
            return -1;
        // The next window starts where a match could still begin.
        start = std::max(start + 1, lastOffset - needle.size() + 1);
    }
    return start + needle.size() <= total ? m_breaks->text().indexOf(needle, start) : -1;
}

void SourceEdit::fillSourceText(std::unique_ptr<TextParts> parts)
{
    cancelFill();
    expectLines(parts->lineCount());
    const QString first = parts->next();
    m_breaks->beginFill(dominantBreakOf(first));
    m_breaks->fill(first);
    setTextCursor(QTextCursor(document()));
    m_parts = std::move(parts);
    m_fillPercent = -1;
    // The rest while the event loop runs: a window opening with the page shows at once.
    m_fillTimer.start();
}

bool SourceEdit::fillQuietly(int milliseconds)
{
    // The parts go in below what the box shows (the first part shows at once): the layout's
    // requests to repaint the whole view are kept back, and the view is repainted only where
    // it shows the end of the text.
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const QTextBlock last = document()->lastBlock();
    const bool endShown
        = blockBoundingGeometry(last).translated(contentOffset()).top() <= viewport()->height();
    QElapsedTimer slice;
    slice.start();
    bool done = false;
    {
        const QSignalBlocker quiet(layout);
        while (!done && (milliseconds < 0 || slice.elapsed() < milliseconds)) {
            const QString part = m_parts->next();
            done = part.isEmpty();
            m_breaks->fill(part);
        }
    }
    Q_EMIT layout->documentSizeChanged(layout->documentSize());
    if (endShown)
        viewport()->update();
    return done;
}

void SourceEdit::fillSome()
{
    if (!m_parts)
        return;
    if (fillQuietly(FillSliceMilliseconds)) {
        completeFill();
        return;
    }
    const int percent = int(m_parts->progress() * 100);
    if (percent != m_fillPercent)
        Q_EMIT fillProgress(m_fillPercent = percent);
    m_fillTimer.start();
}

void SourceEdit::finishFilling()
{
    if (!m_parts)
        return;
    fillQuietly(-1);
    completeFill();
}

void SourceEdit::expectLines(qsizetype lines)
{
    m_expectedLines = lines;
    Q_EMIT lineCountAboutToChange();
}

void SourceEdit::completeFill()
{
    m_fillTimer.stop();
    m_parts.reset();
    m_expectedLines = 0;
    m_breaks->endFill();
    Q_EMIT filled();
}

void SourceEdit::cancelFill()
{
    if (!m_parts)
        return;
    m_fillTimer.stop();
    m_parts.reset();
    m_expectedLines = 0;
    m_breaks->endFill();
}

qsizetype SourceEdit::selectionStartOffset() const
{
    finishFillingForReading();
    return m_breaks->offsetOf(textCursor().selectionStart());
}

qsizetype SourceEdit::selectionLengthOffset() const
{
    finishFillingForReading();
    const QTextCursor cursor = textCursor();
    return m_breaks->offsetOf(cursor.selectionEnd()) - m_breaks->offsetOf(cursor.selectionStart());
}

QString SourceEdit::selectedSourceText() const
{
    finishFillingForReading();
    const QTextCursor cursor = textCursor();
    return m_breaks->textBetween(cursor.selectionStart(), cursor.selectionEnd());
}

qsizetype SourceEdit::outsidePair(qsizetype position, int step) const
{
    // A position between the halves of a surrogate pair would cut the character in two.
    return document()->characterAt(position).isLowSurrogate() ? position + step : position;
}

void SourceEdit::setCaretOffset(qsizetype offset)
{
    finishFilling();
    QTextCursor cursor = textCursor();
    cursor.setPosition(outsidePair(m_breaks->positionOf(offset), -1));
    setTextCursor(cursor);
}

void SourceEdit::setSelectionLengthOffset(qsizetype length)
{
    finishFilling();
    QTextCursor cursor = textCursor();
    const qsizetype start = m_breaks->offsetOf(cursor.selectionStart());
    const qsizetype end = std::min(start + std::max<qsizetype>(length, 0), m_breaks->length());
    cursor.setPosition(m_breaks->positionOf(start));
    cursor.setPosition(outsidePair(m_breaks->positionOf(end), 1), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void SourceEdit::replaceSelection(const QString& text)
{
    finishFilling();
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

void SourceEdit::stepOverDisplayBreak(QTextCursor& cursor, bool backward) const
{
    if (cursor.hasSelection() && m_breaks->offsetOf(cursor.anchor()) == m_breaks->offsetOf(cursor.position()))
        cursor.clearSelection();
    if (cursor.hasSelection())
        return;
    const QTextBlock block = cursor.block();
    if (backward && cursor.atBlockStart() && block.previous().isValid()
        && m_breaks->breakBefore(block) == LineBreak::Display)
        cursor.movePosition(QTextCursor::PreviousCharacter);
    else if (!backward && cursor.atBlockEnd() && block.next().isValid()
        && m_breaks->breakBefore(block.next()) == LineBreak::Display)
        cursor.movePosition(QTextCursor::NextCharacter);
}

void SourceEdit::moveToLineStart(QTextCursor& cursor) const
{
    cursor.movePosition(QTextCursor::StartOfBlock);
    while (cursor.block().previous().isValid() && m_breaks->breakBefore(cursor.block()) == LineBreak::Display)
        cursor.movePosition(QTextCursor::PreviousBlock);
}

void SourceEdit::moveToLineEnd(QTextCursor& cursor) const
{
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    while (cursor.block().next().isValid()
        && m_breaks->breakBefore(cursor.block().next()) == LineBreak::Display) {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
}

bool SourceEdit::applyEditingKey(QKeyEvent* event)
{
    std::function<void(QTextCursor&)> edit;
    bool typing = false;
    auto removeTo = [this](QTextCursor::MoveOperation move, bool backward) {
        return [this, move, backward](QTextCursor& cursor) {
            stepOverDisplayBreak(cursor, backward);
            if (!cursor.hasSelection())
                cursor.movePosition(move, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        };
    };
    // In the order Qt tries them.
    if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier)) {
        edit = [this](QTextCursor& cursor) {
            stepOverDisplayBreak(cursor, true);
            cursor.deletePreviousChar();
        };
    } else if (event->matches(QKeySequence::Cut)) {
        if (selectionLengthOffset() == 0)
            return true;
        copy();
        edit = [](QTextCursor& cursor) { cursor.removeSelectedText(); };
    } else if (event->matches(QKeySequence::Delete)) {
        edit = [this](QTextCursor& cursor) {
            stepOverDisplayBreak(cursor, false);
            cursor.deleteChar();
        };
    } else if (event->matches(QKeySequence::DeleteEndOfWord)) {
        edit = removeTo(QTextCursor::NextWord, false);
    } else if (event->matches(QKeySequence::DeleteStartOfWord)) {
        edit = removeTo(QTextCursor::PreviousWord, true);
    } else if (event->matches(QKeySequence::DeleteEndOfLine)) {
        edit = [this](QTextCursor& cursor) {
            stepOverDisplayBreak(cursor, false);
            if (!cursor.hasSelection())
                moveToLineEnd(cursor);
            cursor.removeSelectedText();
        };
    } else if (event->matches(QKeySequence::DeleteCompleteLine)) {
        edit = [this](QTextCursor& cursor) {
            moveToLineStart(cursor);
            moveToLineEnd(cursor);
            cursor.removeSelectedText();
        };
    } else if (const QString text = event->text(); isTypedText(text)
               && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typing = true;
        edit = [this, text](QTextCursor& cursor) {
            if (overwriteMode() && !cursor.hasSelection()) {
                stepOverDisplayBreak(cursor, false);
                if (!cursor.atBlockEnd())
                    cursor.deleteChar();
            }
            cursor.insertText(text);
        };
    } else {
        return false;
    }
    QTextCursor cursor = textCursor();
    // Letters typed one after another are one undo step, as Qt makes them.
    if (typing && m_typedRevision == document()->revision() && m_typedEnd == cursor.position()
        && !cursor.hasSelection())
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    edit(cursor);
    DisplayBreaks::settle(document(), cursor.position(), cursor.position());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    m_typedRevision = typing ? document()->revision() : -1;
    m_typedEnd = cursor.position();
    return true;
}

void SourceEdit::keyPressEvent(QKeyEvent* event)
{
    finishFilling();
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
    // Keys that change the text are applied here, in an edit block that the display breaks
    // join. Qt applies the others by itself (never inside an edit block of ours: there it
    // would look for the caret before the text is laid out again); undo and redo bring back
    // the display breaks as they were.
    if (applyEditingKey(event)) {
        event->accept();
    } else {
        const int before = textCursor().position();
        QPlainTextEdit::keyPressEvent(event);
        if (movesByCharactersOrWords(event) && textCursor().position() != before
            && m_breaks->offsetOf(textCursor().position()) == m_breaks->offsetOf(before))
            QPlainTextEdit::keyPressEvent(event); // it only passed a display break
    }
    m_inKey = false;
}

void SourceEdit::inputMethodEvent(QInputMethodEvent* event)
{
    finishFilling();
    const QString commit = event->commitString();
    if (commit.isEmpty() || isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    reportKey(commit.at(0).unicode());
    // The commit goes in as any text the box inserts, in one step with the display breaks it
    // needs; Qt keeps the composition.
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
    finishFilling();
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
    finishFilling();
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

void SourceEdit::paintEvent(QPaintEvent* event)
{
    keepGlyphsOfLinesOnView();
    QPlainTextEdit::paintEvent(event);
}

void SourceEdit::keepGlyphsOfLinesOnView()
{
    std::vector<int> onView;
    const qreal height = viewport()->height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        if (blockBoundingGeometry(block).translated(contentOffset()).top() > height)
            break;
        block.layout()->setCacheEnabled(true);
        onView.push_back(block.blockNumber());
    }
    for (int number : m_glyphsKept) {
        if (std::binary_search(onView.begin(), onView.end(), number))
            continue;
        const QTextBlock block = document()->findBlockByNumber(number);
        if (!block.isValid())
            continue;
        // Laid out again without the cache, the layout lets its glyphs go; the box lays the
        // line out anew when it comes back on view.
        QTextLayout* layout = block.layout();
        layout->setCacheEnabled(false);
        layout->beginLayout();
        layout->endLayout();
    }
    m_glyphsKept = std::move(onView);
}

void SourceEdit::onBlocksChanged(int position, int added)
{
    // Keeps the numbers of the lines that keep glyphs right: lines the change replaced are
    // gone (and their layouts with them), the lines after it moved.
    const BlockChange change = BlockChange::of(*document(), position, added, m_blockCount);
    m_blockCount = document()->blockCount();
    if (m_glyphsKept.empty())
        return;
    std::vector<int> kept;
    for (int number : m_glyphsKept) {
        if (number <= change.first)
            kept.push_back(number);
        else if (number > change.oldLast)
            kept.push_back(number + change.delta);
    }
    m_glyphsKept = std::move(kept);
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
