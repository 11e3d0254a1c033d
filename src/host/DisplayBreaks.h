#pragma once

class QTextDocument;

namespace quorlex::DisplayBreaks {

// Display breaks show a line longer than LongLineLength in pieces of at most
// DisplayPieceLength characters. Edits keep them where they are and change them only around
// the edit: a piece that grows too long is cut, a break next to an empty piece goes, two
// short neighbouring pieces join, and a line that is no longer long loses all of them.

// Changes them (inside the caller's edit block, so that undo takes them back with the edit).
// Cursors on the document keep their offsets in the text.
void settle(QTextDocument* document, int from, int to);

} // namespace quorlex::DisplayBreaks
