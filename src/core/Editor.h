#pragma once

#include "core/EditorDocument.h"
#include "core/InsertionSettings.h"

#include <QString>

namespace quorlex {

class Host;

// The logic of the main window: the one document, the insertion settings and the
// primitives through which generated markup enters the text.
class Editor {
public:
    explicit Editor(Host& host);

    Host& host() { return m_host; }
    EditorDocument& document() { return m_document; }
    const EditorDocument& document() const { return m_document; }
    InsertionSettings& settings() { return m_settings; }
    const InsertionSettings& settings() const { return m_settings; }

    // Puts tag in place of the selection, lower-cased first in lower-case tag mode
    // unless noConvert; the caret ends after it with nothing selected.
    void AddTag(const QString& tag, bool noConvert = false);
    // Wraps the selection in open and close, or asks for the text to wrap.
    void WrapTag(const QString& open, const QString& close, const QString& prompt, const QString& title);
    QString CaseTag(const QString& s) const;
    // Refreshes the enabled state of E_Undo from the box and marks the page modified.
    void TextRefrash();

private:
    Host& m_host;
    EditorDocument m_document;
    InsertionSettings m_settings;
};

} // namespace quorlex
