#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>

#include <functional>

namespace quorlex {

class LineBreakIndex;

// A place in the text: line and column from 1, the column counting the line's characters.
struct TextPlace {
    int line = 1;
    int column = 1;

    friend bool operator==(const TextPlace&, const TextPlace&) = default;
};

// The editing box: a plain-text editor whose text keeps every line end as it was
// given, and which reports key presses before applying them.
class SourceEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceEdit(QWidget* parent = nullptr);
    ~SourceEdit() override;

    QString sourceText() const;
    void setSourceText(const QString& text);
    qsizetype sourceLength() const;
    // Replaces the whole text as one undo step, the caret at the start and the view kept.
    void replaceSourceText(const QString& text);

    qsizetype selectionStartOffset() const;
    qsizetype selectionLengthOffset() const;
    QString selectedSourceText() const;
    void setCaretOffset(qsizetype offset);
    void setSelectionLengthOffset(qsizetype length);
    // Replaces the selection, leaving the caret after the new text.
    void replaceSelection(const QString& text);

    const LineBreakIndex& lineBreaks() const { return *m_breaks; }

    // The number (from 1) of the line of the text that a block starts; 0 for a block that
    // continues the line before it. The line-number gutter, the colouring and the caret's place
    // ask only this.
    int lineNumberOf(const QTextBlock& block) const;
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
    // Just before the whole text is replaced by text (a page opened, Replace All).
    void wholeTextAboutToChange(QStringView text);

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

private:
    void reportKey(int code);
    void insertLineBreak(bool joinPreviousEdit);

    LineBreakIndex* m_breaks;
    std::function<void(int)> m_keyPress;
    int m_undoSteps = 0; // undo steps added so far
    bool m_inKey = false;
    bool m_inMenuPaste = false;
    QList<QKeySequence> m_reserved;
};

// The file paths of a drag's data, empty when it holds no local files.
QStringList droppedFilePaths(const QMimeData* data);

} // namespace quorlex
