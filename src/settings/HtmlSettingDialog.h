#pragma once

#include "settings/SettingsWindow.h"

#include <QDialog>

class QComboBox;

namespace quorlex {

// The settings dialog "設定": the tag case, preview and automatic saving lists, OK and Cancel.
class HtmlSettingDialog : public QDialog {
    Q_OBJECT
public:
    explicit HtmlSettingDialog(const SettingChoices& choices, QWidget* parent = nullptr);

    SettingChoices choices() const;

private:
    QComboBox* m_tagCase; // Combo1
    QComboBox* m_autoSave; // Combo2
    QComboBox* m_previewSave; // Combo3
};

// The settings dialog on Qt widgets: modal, without an owner, made anew at each opening.
class QtSettingsWindow : public SettingsWindow {
public:
    std::optional<SettingChoices> showSettings(const SettingChoices& choices) override;
};

} // namespace quorlex
