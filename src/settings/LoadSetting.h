#pragma once

namespace quorlex {

class IniFile;
struct InsertionSettings;

// Reloads the insertion settings from the settings file: upper-case tag mode exactly
// when [HTML] TagCase is "0" (the default), and [Main] PreviewSave (default 1). A
// PreviewSave that is no 16-bit number keeps the previous value and gives false.
bool LoadSetting(const IniFile& ini, InsertionSettings& settings);

} // namespace quorlex
