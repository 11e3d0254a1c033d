#pragma once

#include <QtGlobal>

namespace quorlex {

// The program-wide insertion settings, filled in from the settings file at start-up.
struct InsertionSettings {
    // True in upper-case tag mode. False until the settings are first loaded.
    bool UpperCaseTags = false;
    // What preview does with unsaved text: 0 save, 1 do not save, 2 ask.
    qint16 PreviewSave = 1;
};

} // namespace quorlex
