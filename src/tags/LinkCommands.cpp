#include "tags/LinkCommands.h"

#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "dialogs/PathHelpers.h"
#include "host/EditBox.h"
#include "host/Host.h"
#include "tags/LinkPaths.h"

namespace quorlex {

namespace {

const QString Q = QStringLiteral("\"");

// True when the last name of address has an extension of its own. Only then is the default one
// left off: "photo.jpeg" and "LOGO.GIF" are files of their own, "song" is not.
bool hasExtension(const QString& address)
{
    const QString last = address.sliced(address.lastIndexOf(u'/') + 1);
    const qsizetype dot = last.lastIndexOf(u'.');
    return dot >= 0 && dot < last.size() - 1;
}

} // namespace

// One media command: its dialog and the tag around the address.
struct LinkCommands::Media {
    QString title;
    QString filter;
    QString open; // up to the address
    QString close; // after it
    QString extension; // added to an address without one
};

LinkCommands::LinkCommands(Editor& editor, FileDlg& resourceDialog, FileDlg& documentDialog)
    : m_editor(editor)
    , m_resourceDialog(resourceDialog)
    , m_documentDialog(documentDialog)
{
}

std::optional<QString> LinkCommands::chooseTarget(
    FileDlg& dialog, const QString& filter, const QString& directory)
{
    dialog.setFilename(QString());
    dialog.setFlags(FileDlgFlag::NoValidate);
    const std::optional<FileChoice> choice = dialog.ShowOpen(filter, directory);
    dialog.setFlags({});
    if (!choice)
        return std::nullopt;
    return choice->path;
}

QString LinkCommands::addressOf(const QString& target) const
{
    QString base = FolderOf(m_editor.document().FilePath());
    if (base.isEmpty())
        base = WithBackslash(m_editor.host().currentDirectory());
    return RelativePath(base, target);
}

void LinkCommands::insertMedia(const Media& media)
{
    m_resourceDialog.setTitle(media.title);
    m_resourceDialog.setFilter(media.filter);
    const std::optional<QString> target = chooseTarget(m_resourceDialog);
    if (!target)
        return;
    QString address = addressOf(*target);
    ToSlashes(address);
    if (!hasExtension(address))
        address += media.extension;
    m_editor.AddTag(media.open + address + media.close);
}

void LinkCommands::I_img_Click()
{
    insertMedia({ QStringLiteral("画像の指定　★直接URLも入力できます"),
        QStringLiteral("画像(GIF,JPEG) |*.gif;*.jpeg;*.jpg|すべてのファイル |*.*|"),
        QStringLiteral("<img src=") + Q, Q + QStringLiteral(">"), QStringLiteral(".gif") });
}

void LinkCommands::I_midi_Click()
{
    insertMedia({ QStringLiteral("音楽(MIDI)の指定　★直接URLも入力できます"),
        QStringLiteral("MIDIシーケンス(MID) |*.mid|すべてのファイル |*.*|"),
        QStringLiteral("<bgsound src=") + Q, Q + QStringLiteral("..>"), QStringLiteral(".mid") });
}

void LinkCommands::I_video_Click()
{
    insertMedia({ QStringLiteral("動画の指定　★直接URLも入力できます"),
        QStringLiteral("動画(AVI,MPEG) |*.mpg;*.mpeg;*.avi|すべてのファイル |*.*|"),
        QStringLiteral("<img dynsrc=") + Q, Q + QStringLiteral(">"), QStringLiteral(".avi") });
}

void LinkCommands::I_E_PluginTag_Click()
{
    // The dialog's own filter stays as its previous user left it; this one is passed instead.
    m_documentDialog.setTitle(QStringLiteral("プラグインファイルの指定　★直接URLも入力できます"));
    const std::optional<QString> target = chooseTarget(
        m_documentDialog, QStringLiteral("すべてのファイル |*.*|"), m_editor.host().currentDirectory());
    if (!target)
        return;
    // The plug-in's address keeps its backslashes.
    m_editor.AddTag(QStringLiteral("<EMBED URL=") + Q + addressOf(*target) + Q + QStringLiteral(">"));
}

void LinkCommands::I_L_Insert_Click()
{
    m_resourceDialog.setTitle(QStringLiteral("ハイパーリンクの挿入　★直接URLも入力できます"));
    m_resourceDialog.setFilter(QStringLiteral("ホームページ |*.htm;*.html|すべてのファイル |*.*|"));
    const std::optional<QString> target = chooseTarget(m_resourceDialog);
    if (!target)
        return;
    // An address with a scheme ("http:", "ftp:" in any case) comes back from addressOf as typed.
    QString address = addressOf(*target);
    ToSlashes(address);

    Host& host = m_editor.host();
    QString caption = host.editBox().selText();
    if (caption.isEmpty())
        caption = host.inputBox(QStringLiteral("ハイパーリンクの見出しを入力してください。"),
            QStringLiteral("ハイパーリンクの挿入"), address);
    const QString frame
        = host.inputBox(QStringLiteral("リンクを表示するフレーム名を入力してください。"), QString());
    const QString frameAttribute = frame.isEmpty() ? QString() : QStringLiteral(" target=") + Q + frame + Q;
    m_editor.AddTag(QStringLiteral("<a href=") + Q + address + Q + frameAttribute + QStringLiteral(">")
        + caption + QStringLiteral("</a>"));
}

} // namespace quorlex
