#pragma once

#include <QWidget>

namespace quorlex {

class SourceEdit;

// The line numbers at the left of the editing box, right-aligned, in a margin as wide as the
// last line's number needs. A block that continues a line gets no number.
class LineNumberGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberGutter(SourceEdit& edit);

    // The width the numbers need now.
    int neededWidth() const;
    QSize sizeHint() const override { return { neededWidth(), 0 }; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The number of the last line of the text.
    int lastLineNumber() const;
    int caretLine() const;
    // Makes room for the numbers of a text about to replace the box's text, before it is there:
    // each change of the gutter's width makes the box lay out every line again.
    void prepareForNewText();
    int widthFor(qsizetype lastLine) const;
    void setGutterWidth(int width);
    void updateWidth();
    void followEdit(const QRect& rect, int dy);
    void place();

    SourceEdit& m_edit;
    int m_width = 0;
    int m_caretLine = 0; // as last painted
};

} // namespace quorlex
