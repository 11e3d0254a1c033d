#pragma once

namespace quorlex {

class Editor;

// Character codes of the keys the editing box reports before applying them.
inline constexpr int KeyEnter = 13;
inline constexpr int KeyBackspace = 8;

// The editing box's key-press handler: runs for every key that produces a character
// code (and for the keys that delete text), before the key is applied. For Enter it
// inserts "<BR>"; the box then adds its line break after the tag.
void Text1_KeyPress(Editor& editor, int keyAscii);

} // namespace quorlex
