#include "wizards/NewHtml.h"

#include "wizards/NewPage.h"
#include "wizards/NewPageWizard.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlex {

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(const QString& caption, QWidget* buddy, const char* name)
{
    auto* l = named(new QLabel(caption), name);
    l->setBuddy(buddy);
    return l;
}

} // namespace

NewHtml::NewHtml(QWidget* parent)
    : QDialog(parent)
    , m_text1(named(new QLineEdit, "Text1"))
    , m_text2(named(new QLineEdit, "Text2"))
    , m_text3(named(new QLineEdit, "Text3"))
    , m_option1(named(new QRadioButton(QStringLiteral("白")), "Option1"))
    , m_option2(named(new QRadioButton(QStringLiteral("色無し")), "Option2"))
    , m_option3(named(new QRadioButton(QStringLiteral("青")), "Option3"))
    , m_option4(named(new QRadioButton(QStringLiteral("画像")), "Option4"))
    , m_option5(named(new QRadioButton(noColourChosenCaption()), "Option5"))
{
    setObjectName(QStringLiteral("NewHtml"));
    setWindowTitle(QStringLiteral("ホームページ ウィザード"));
    m_text1->setToolTip(QStringLiteral("ホームページのタイトル"));
    m_text2->setToolTip(QStringLiteral("ホームページパターンファイルの指定"));
    m_option2->setChecked(true);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* o : { m_option2, m_option1, m_option3, m_option5, m_option4 })
        group->addButton(o);

    auto* command3 = named(new QPushButton(QStringLiteral("...")), "Command3");
    auto* command4 = named(new QPushButton(QStringLiteral("色の指定")), "Command4");
    auto* command5 = named(new QPushButton(QStringLiteral("...")), "Command5");
    auto* command1 = named(new QPushButton(QStringLiteral("完了")), "Command1");
    auto* command2 = named(new QPushButton(QStringLiteral("キャンセル")), "Command2");
    command1->setToolTip(QStringLiteral("以上の設定"));
    for (QPushButton* browse : { command3, command5 })
        browse->setAutoDefault(false);
    command4->setAutoDefault(false);
    command2->setAutoDefault(false);

    // 基本情報: the title, the pattern and the background, one row each from the top.
    auto* frame = named(new QGroupBox(QStringLiteral("基本情報")), "Frame1");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(label(QStringLiteral("ホームページのタイトル"), m_text1, "Label2"), 0, 0);
    grid->addWidget(m_text1, 0, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("パターンファイル"), m_text2, "Label4"), 1, 0);
    grid->addWidget(m_text2, 1, 1, 1, 2);
    grid->addWidget(command3, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("背景")), "Label5"), 2, 0, Qt::AlignTop);
    auto* plain = new QHBoxLayout;
    for (QRadioButton* o : { m_option2, m_option1, m_option3 })
        plain->addWidget(o);
    plain->addStretch();
    grid->addLayout(plain, 2, 1, 1, 3);
    grid->addWidget(m_option5, 3, 1);
    grid->addWidget(command4, 3, 2, Qt::AlignLeft);
    grid->addWidget(m_option4, 4, 1);
    grid->addWidget(m_text3, 4, 2);
    grid->addWidget(command5, 4, 3);
    grid->setColumnStretch(2, 1);
    m_text3->setMinimumWidth(m_text3->fontMetrics().averageCharWidth() * 32);
    // A chosen colour's caption is shorter than the first one: the controls beside it stay put.
    m_option5->setMinimumWidth(m_option5->sizeHint().width());

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(command1, QDialogButtonBox::AcceptRole);
    buttons->addButton(command2, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        named(new QLabel(QStringLiteral("ここで設定するとホームページを簡単に作成できます。")), "Label3"));
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // Made the default once it is in the dialog, so that the dialog keeps it as its own.
    command1->setDefault(true);

    // Tab order from the top to the bottom.
    QWidget* order[] = { m_text1, m_text2, command3, m_option2, m_option1, m_option3, m_option5, command4,
        m_option4, m_text3, command5, command1, command2 };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(command1, &QPushButton::clicked, this, [this] { forward(&NewPageWizard::Command1_Click); });
    connect(command2, &QPushButton::clicked, this, [this] { forward(&NewPageWizard::Command2_Click); });
    connect(command3, &QPushButton::clicked, this, [this] { forward(&NewPageWizard::Command3_Click); });
    connect(command4, &QPushButton::clicked, this, [this] { forward(&NewPageWizard::Command4_Click); });
    connect(command5, &QPushButton::clicked, this, [this] { forward(&NewPageWizard::Command5_Click); });
    connect(m_text3, &QLineEdit::textChanged, this, [this] { forward(&NewPageWizard::Text3_Change); });
}

void NewHtml::forward(void (NewPageWizard::*handler)())
{
    if (m_wizard)
        (m_wizard->*handler)();
}

void NewHtml::showModal(NewPageWizard& wizard)
{
    m_wizard = &wizard;
    exec();
    m_wizard = nullptr;
}

void NewHtml::unload()
{
    done(QDialog::Rejected);
}

void NewHtml::reject()
{
    if (m_wizard)
        m_wizard->Command2_Click();
    else
        QDialog::reject();
}

QLineEdit* NewHtml::box(NewHtmlBox which) const
{
    switch (which) {
    case NewHtmlBox::Text1:
        return m_text1;
    case NewHtmlBox::Text2:
        return m_text2;
    case NewHtmlBox::Text3:
        break;
    }
    return m_text3;
}

QRadioButton* NewHtml::option(NewHtmlOption which) const
{
    switch (which) {
    case NewHtmlOption::Option1:
        return m_option1;
    case NewHtmlOption::Option3:
        return m_option3;
    case NewHtmlOption::Option4:
        return m_option4;
    case NewHtmlOption::Option5:
        return m_option5;
    case NewHtmlOption::Option2:
        break;
    }
    return m_option2;
}

QString NewHtml::text(NewHtmlBox which) const
{
    return box(which)->text();
}

void NewHtml::setText(NewHtmlBox which, const QString& text)
{
    box(which)->setText(text);
}

NewHtmlOption NewHtml::selectedOption() const
{
    for (NewHtmlOption o :
        { NewHtmlOption::Option1, NewHtmlOption::Option3, NewHtmlOption::Option4, NewHtmlOption::Option5 })
        if (option(o)->isChecked())
            return o;
    return NewHtmlOption::Option2;
}

void NewHtml::selectOption(NewHtmlOption which)
{
    option(which)->setChecked(true);
}

QString NewHtml::option5Caption() const
{
    return m_option5->text();
}

void NewHtml::setOption5Caption(const QString& caption)
{
    m_option5->setText(caption);
}

std::optional<quint32> NewHtml::chooseColour(std::optional<quint32> initial)
{
    const QColor colour = QColorDialog::getColor(
        initial ? QColor::fromRgb(*initial) : QColor(Qt::white), this, QStringLiteral("色の指定"));
    if (!colour.isValid())
        return std::nullopt;
    return colour.rgb() & 0xFFFFFFu;
}

} // namespace quorlex
