#pragma once

namespace quorlex {
class EditorForm;
}

namespace quorlex::bench {

// Lets the window's event loop run until the page it opened is wholly in the editing box.
void waitUntilFilled(EditorForm& form);

} // namespace quorlex::bench
