#pragma once

#include <optional>

namespace quorlex {

// The items of the settings dialog's three lists, by their index in the list.
enum class TagCaseItem { Upper = 0, Lower = 1 }; // "大文字", "小文字"
enum class AutoSaveItem { None = 0 }; // "なし"
enum class PreviewSaveItem { Save = 0, DontSave = 1, Ask = 2 }; // "自動で保存する", "保存しない", "確認する"

// What the settings dialog shows and what the user chose in it.
struct SettingChoices {
    TagCaseItem tagCase = TagCaseItem::Upper;
    AutoSaveItem autoSave = AutoSaveItem::None;
    PreviewSaveItem previewSave = PreviewSaveItem::DontSave;

    friend bool operator==(const SettingChoices&, const SettingChoices&) = default;
};

// The settings dialog "設定" as the settings command sees it.
class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    // Shows the dialog modally with these choices; the choices at OK, nothing when cancelled.
    virtual std::optional<SettingChoices> showSettings(const SettingChoices& choices) = 0;
};

} // namespace quorlex
