#include "wizards/FrameWizardDialog.h"

#include "host/ProductInfo.h"
#include "host/QtHost.h"
#include "wizards/FrameWizard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

FrameWizardDialog::FrameWizardDialog(NewFrame& wizard, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("NewFrame"));
    setWindowTitle(NewFrame::caption());

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->addItem(QStringLiteral("1"));
    m_combo1->setMinimumContentsLength(4);
    // Picking an item, even the shown one again, switches frames.
    connect(m_combo1, &QComboBox::activated, this, [&wizard] { wizard.Combo1_Click(); });
    auto* command4 = new QPushButton(QStringLiteral("追加"), this);
    command4->setObjectName(QStringLiteral("Command4"));
    connect(command4, &QPushButton::clicked, this, [&wizard] { wizard.Command4_Click(); });

    m_text1 = new QLineEdit(QStringLiteral("0"), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMaxLength(3);
    m_text1->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text3 = new QLineEdit(this);
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text3->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);

    auto labelled = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    auto* frames = new QHBoxLayout;
    frames->addWidget(m_combo1);
    frames->addWidget(command4);
    frames->addStretch();
    auto* form = new QFormLayout;
    form->addRow(labelled(QStringLiteral("Label1"), QStringLiteral("フレーム数")), frames);
    form->addRow(labelled(QStringLiteral("Label2"), QStringLiteral("割合")), m_text1);
    form->addRow(labelled(QStringLiteral("Label3"), QStringLiteral("フレームネーム")), m_text2);
    form->addRow(labelled(QStringLiteral("Label4"), QStringLiteral("フレームのアドレス")), m_text3);

    auto* command1 = new QPushButton(QStringLiteral("挿入"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    auto* command2 = new QPushButton(QStringLiteral("キャンセル"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    connect(command1, &QPushButton::clicked, this, [&wizard] { wizard.Command1_Click(); });
    connect(command2, &QPushButton::clicked, this, [&wizard] { wizard.Command2_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* FrameWizardDialog::box(FrameBox box) const
{
    switch (box) {
    case FrameBox::Text1:
        return m_text1;
    case FrameBox::Text2:
        return m_text2;
    case FrameBox::Text3:
        break;
    }
    return m_text3;
}

void QtFrameWizardWindow::showModal(NewFrame& wizard)
{
    FrameWizardDialog dialog(wizard, &m_owner);
    m_dialog = &dialog;
    wizard.Form_Load();
    dialog.exec();
    m_dialog = nullptr;
}

void QtFrameWizardWindow::unload()
{
    if (m_dialog)
        m_dialog->done(QDialog::Accepted);
}

QString QtFrameWizardWindow::text(FrameBox box) const
{
    return m_dialog ? m_dialog->box(box)->text() : QString();
}

void QtFrameWizardWindow::setText(FrameBox box, const QString& text)
{
    if (m_dialog)
        m_dialog->box(box)->setText(text);
}

void QtFrameWizardWindow::addFrameItem(int number)
{
    if (m_dialog)
        m_dialog->frameList()->addItem(QString::number(number));
}

void QtFrameWizardWindow::selectFrameItem(int number)
{
    if (m_dialog)
        m_dialog->frameList()->setCurrentIndex(m_dialog->frameList()->findText(QString::number(number)));
}

int QtFrameWizardWindow::selectedFrameItem() const
{
    return m_dialog ? m_dialog->frameList()->currentText().toInt() : 0;
}

void QtFrameWizardWindow::message(const QString& text, MsgStyle style)
{
    showMessageBox(m_dialog ? *static_cast<QWidget*>(m_dialog) : m_owner, text, style, productTitle());
}

} // namespace quorlex
