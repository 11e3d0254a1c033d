#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace quorlex {

class LineBreakIndex;
class TextParts;

// A place in the text: line and column from 1, the column counting the line's characters.
struct TextPlace {
    int line = 1;
    int column = 1;

    friend bool operator==(const TextPlace&, const TextPlace&) = default;
};

// The editing box: a plain-text editor whose text keeps every line end as it was
// given, and which reports key presses before applying them. A very long line is shown in
// pieces (see LineBreakIndex); to the program it is one line all the same.
class SourceEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceEdit(QWidget* parent = nullptr);
    ~SourceEdit() override;

    QString sourceText() const;
    void setSourceText(const QString& text);
    qsizetype sourceLength() const;
    // Where needle first occurs in the text at or after offset from, as sourceText().indexOf()
    // tells. Windows of growing size up to windowCharacters are searched first, so that a near
    // match is found without copying the whole text out.
    qsizetype indexOfText(
        const QString& needle, qsizetype from, qsizetype windowCharacters = DefaultSearchWindow) const;
    static constexpr qsizetype DefaultSearchWindow = 1 << 18;
    // Replaces the whole text as one undo step, the caret at the start and the view kept.
    void replaceSourceText(const QString& text);

    // Replaces the whole text, as setSourceText does, with text that comes in parts: the box
    // shows the first part at once and takes the others while the event loop runs. Until the
    // last is in, every use of the box's text, selection or keys takes the rest first, so that
    // nothing sees a part of the text and no edit lands before the page is whole.
    void fillSourceText(std::unique_ptr<TextParts> parts);
    bool isFilling() const { return m_parts != nullptr; }
    // While a whole new text goes in (set, or filled in parts): how many lines it will have;
    // otherwise 0.
    qsizetype expectedLineCount() const { return m_expectedLines; }
    // Takes every part still to come.
    void finishFilling();

    qsizetype selectionStartOffset() const;
    qsizetype selectionLengthOffset() const;
    QString selectedSourceText() const;
    void setCaretOffset(qsizetype offset);
    void setSelectionLengthOffset(qsizetype length);
    // Replaces the selection, leaving the caret after the new text.
    void replaceSelection(const QString& text);

    const LineBreakIndex& lineBreaks() const { return *m_breaks; }

    // The number (from 1) of the line of the text that a block starts; 0 for a block that
    // continues the line before it.
    int lineNumberOf(const QTextBlock& block) const;
    // The line the block shows (a piece of), from 1.
    int lineOf(const QTextBlock& block) const;
    // Where the caret stands.
    TextPlace caretPlace() const;

    // The box's painting helpers, for its line-number gutter and its colouring.
    using QAbstractScrollArea::setViewportMargins;
    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;

    // Key sequences that belong to the window's menus, not to the box.
    void setReservedShortcuts(const QList<QKeySequence>& shortcuts) { m_reserved = shortcuts; }

    // Called before a key that produces a character code (or deletes text) is applied,
    // with the character code (13 for Enter).
    void setKeyPressHandler(std::function<void(int)> handler) { m_keyPress = std::move(handler); }

    // Takes the files of dropped data (emitting filesDropped); refuses anything else.
    bool acceptDroppedData(const QMimeData* data);

Q_SIGNALS:
    void filesDropped(const QStringList& paths);
    // While the box fills: how much of the text is in, in percent.
    void fillProgress(int percent);
    void filled();
    // Just before the whole text is replaced (a page opened, Replace All), once
    // expectedLineCount() tells how many lines the new text has.
    void lineCountAboutToChange();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void expectLines(qsizetype lines);
    qsizetype outsidePair(qsizetype position, int step) const;
    void reportKey(int code);
    void insertLineBreak(bool joinPreviousEdit);
    void fillSome();
    // Takes parts for that long (all of them for -1); true when the last is in.
    bool fillQuietly(int milliseconds);
    void completeFill();
    void cancelFill();
    // Applies a key that changes the text, with the display breaks around the edit, in one
    // undo step; false for keys that Qt applies (moves, copy, undo and redo).
    bool applyEditingKey(QKeyEvent* event);
    // Moves cursor over a display break that a deleting key would take instead of a
    // character, and forgets a selection that holds nothing but display breaks.
    void stepOverDisplayBreak(QTextCursor& cursor, bool backward) const;
    // The start of the line the cursor is on, and selecting from the cursor to its end, over the
    // pieces a long line is shown in.
    void moveToLineStart(QTextCursor& cursor) const;
    void moveToLineEnd(QTextCursor& cursor) const;
    // Qt shapes a line's text again each time it paints it, unless the line's layout keeps its
    // glyphs: the lines on view keep them, so that a key press repaints without shaping the
    // view anew, and give them up when they leave it.
    void keepGlyphsOfLinesOnView();
    void onBlocksChanged(int position, int added);
    // What const readers call: the text is the whole page even while parts are still to come.
    void finishFillingForReading() const { const_cast<SourceEdit*>(this)->finishFilling(); }

    LineBreakIndex* m_breaks;
    std::unique_ptr<TextParts> m_parts;
    QTimer m_fillTimer;
    int m_fillPercent = -1;
    qsizetype m_expectedLines = 0;
    std::vector<int> m_glyphsKept; // block numbers, sorted
    int m_blockCount = 1;
    std::function<void(int)> m_keyPress;
    int m_undoSteps = 0; // undo steps added so far
    int m_typedRevision = -1; // the document's revision after the last letters typed
    int m_typedEnd = -1; // and where they ended
    bool m_inKey = false;
    bool m_inMenuPaste = false;
    QList<QKeySequence> m_reserved;
};

// The file paths of a drag's data, empty when it holds no local files.
QStringList droppedFilePaths(const QMimeData* data);

} // namespace quorlex
