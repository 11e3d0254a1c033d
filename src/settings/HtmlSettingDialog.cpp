#include "settings/HtmlSettingDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

namespace {

QComboBox* addList(QFormLayout* form, const QString& name, const QString& labelName, const QString& label,
    const QStringList& items, bool editable, int current)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setEditable(editable);
    combo->setCurrentIndex(current);
    auto* caption = new QLabel(label);
    caption->setObjectName(labelName);
    caption->setBuddy(combo);
    form->addRow(caption, combo);
    return combo;
}

QGroupBox* addFrame(QVBoxLayout* layout, const QString& name, const QString& caption, QFormLayout*& form)
{
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    form = new QFormLayout(frame);
    layout->addWidget(frame);
    return frame;
}

} // namespace

HtmlSettingDialog::HtmlSettingDialog(const SettingChoices& choices, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HtmlSetting"));
    setWindowTitle(QStringLiteral("設定"));
    auto* layout = new QVBoxLayout(this);
    QFormLayout* form = nullptr;
    addFrame(layout, QStringLiteral("Frame2"), QStringLiteral("HTML"), form);
    m_tagCase = addList(form, QStringLiteral("Combo1"), QStringLiteral("Label1"), QStringLiteral("HTMLタグ"),
        { QStringLiteral("大文字"), QStringLiteral("小文字") }, false, static_cast<int>(choices.tagCase));
    addFrame(layout, QStringLiteral("Frame1"), QStringLiteral("全般"), form);
    m_previewSave
        = addList(form, QStringLiteral("Combo3"), QStringLiteral("Label3"), QStringLiteral("プレビュー時"),
            { QStringLiteral("自動で保存する"), QStringLiteral("保存しない"), QStringLiteral("確認する") },
            false, static_cast<int>(choices.previewSave));
    m_autoSave
        = addList(form, QStringLiteral("Combo2"), QStringLiteral("Label2"), QStringLiteral("自動保存の間隔"),
            { QStringLiteral("なし") }, true, static_cast<int>(choices.autoSave));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

SettingChoices HtmlSettingDialog::choices() const
{
    // The automatic saving box takes typed text as well; only its one item has a meaning.
    return { static_cast<TagCaseItem>(m_tagCase->currentIndex()), AutoSaveItem::None,
        static_cast<PreviewSaveItem>(m_previewSave->currentIndex()) };
}

std::optional<SettingChoices> QtSettingsWindow::showSettings(const SettingChoices& choices)
{
    HtmlSettingDialog dialog(choices);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choices();
}

} // namespace quorlex
