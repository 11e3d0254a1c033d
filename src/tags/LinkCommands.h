#pragma once

#include <QString>

#include <optional>

namespace quorlex {

class Editor;
class FileDlg;

// The Insert menu's image, music, video, plug-in and hyperlink commands. Each lets the user
// choose a file, or type an address into the dialog's name field, and inserts a tag that points
// at it, with the address made relative to the page's folder. The image, music, video and link
// commands are also the tag bar's Picture, Music, Avi and Link buttons.
class LinkCommands {
public:
    // The main window's resource and document dialogs, shared with other commands.
    LinkCommands(Editor& editor, FileDlg& resourceDialog, FileDlg& documentDialog);

    void I_img_Click();
    void I_midi_Click();
    void I_video_Click();
    void I_E_PluginTag_Click();
    void I_L_Insert_Click();

private:
    struct Media;
    void insertMedia(const Media& media);
    // The chosen path or typed address; nothing when the dialog was cancelled. While the dialog
    // is up it accepts any typed text; afterwards its checks are the default ones again.
    std::optional<QString> chooseTarget(
        FileDlg& dialog, const QString& filter = QString(), const QString& directory = QString());
    // The address of target as seen from the page's folder (the current folder when untitled).
    QString addressOf(const QString& target) const;

    Editor& m_editor;
    FileDlg& m_resourceDialog;
    FileDlg& m_documentDialog;
};

} // namespace quorlex
