#pragma once

#include <QString>

#include <memory>

namespace quorlex {

// A text that comes in parts, such as a page decoded as it goes into the editing box.
class TextParts {
public:
    virtual ~TextParts() = default;
    // The next part, or an empty text once every part was taken.
    virtual QString next() = 0;
    // How much of the whole text the parts taken so far make up, from 0 to 1.
    virtual double progress() const = 0;
    // How many lines the whole text has; 0 when that is not known beforehand.
    virtual qsizetype lineCount() const { return 0; }
};

// The editing box as the commands see it. Offsets count characters from 0 in the
// text with its line ends as stored: a CR LF break counts as two characters.
class EditBox {
public:
    virtual ~EditBox() = default;

    virtual QString text() const = 0;
    // Replaces the whole text; the caret goes to the start and the undo history is cleared.
    virtual void setText(const QString& text) = 0;
    // Replaces the whole text as setText does with the text that the parts make up. A box may
    // show the first parts while it takes the others; it answers every call as if it held
    // the whole text.
    virtual void setTextInParts(std::unique_ptr<TextParts> parts)
    {
        QString text;
        for (QString part = parts->next(); !part.isEmpty(); part = parts->next())
            text += part;
        setText(text);
    }
    // Whether parts given to setTextInParts are still to come in. Asking for anything else
    // takes them all in at once first.
    virtual bool isFilling() const { return false; }
    virtual qsizetype length() const = 0;
    // Where s first occurs at or after offset from, as text().indexOf(s, from) tells; a box
    // may find it without copying its whole text.
    virtual qsizetype indexOf(const QString& s, qsizetype from) const { return text().indexOf(s, from); }
    // Replaces the whole text as one edit that a single undo takes back whole; the caret goes
    // to the start with nothing selected and the view stays where it was.
    virtual void replaceWholeText(const QString& text) = 0;

    virtual qsizetype selStart() const = 0;
    // Moves the caret (clamped to the text) and empties the selection.
    virtual void setSelStart(qsizetype offset) = 0;
    virtual qsizetype selLength() const = 0;
    // Selects that many characters from selStart(), cut at the end of the text.
    virtual void setSelLength(qsizetype length) = 0;
    virtual QString selText() const = 0;
    // Replaces the selection (or inserts at the caret) and leaves the caret after the new
    // text with nothing selected.
    virtual void setSelText(const QString& text) = 0;

    virtual void setFocus() = 0;
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;
};

} // namespace quorlex
