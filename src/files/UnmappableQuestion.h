#pragma once

#include <QStringView>

namespace quorlex {

class Host;

// Before text is saved as Shift_JIS: when it holds characters without a Shift_JIS form, asks
// once (Yes/No, question icon) whether to write them as HTML numeric character references
// "&#N;", naming the first few with their line and column. Bytes kept from the file that an edit
// has put where they would read back as other characters are named too. True when there are none or the
// answer was Yes; false means nothing may be written.
bool confirmCharacterReferences(Host& host, QStringView text);

} // namespace quorlex
