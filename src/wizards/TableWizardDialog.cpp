#include "wizards/TableWizardDialog.h"

#include "host/ProductInfo.h"
#include "host/QtHost.h"
#include "wizards/TableWizard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace quorlex {

namespace {

QLineEdit* box(const QString& name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

TableWizardDialog::TableWizardDialog(NewTable& wizard, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("NewTable"));
    setWindowTitle(NewTable::caption());

    m_text3 = box(QStringLiteral("Text3"), QString(), this);
    m_text6 = box(QStringLiteral("Text6"), QStringLiteral("0"), this);
    m_text4 = box(QStringLiteral("Text4"), QStringLiteral("3"), this);
    m_text5 = box(QStringLiteral("Text5"), QStringLiteral("3"), this);
    m_text1 = box(QStringLiteral("Text1"), QStringLiteral("0"), this);
    m_text2 = box(QStringLiteral("Text2"), QStringLiteral("0"), this);
    m_text7 = box(QStringLiteral("Text7"), QString(), this);
    m_spinnerBoxes = { m_text6, m_text4, m_text5, m_text1, m_text2 };

    // A number box with its spinner: a short scroll bar that writes its value into the box.
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent) * 3;
    auto spinner = [&](TableSpinner which) {
        QLineEdit* edit = spinnerBox(which);
        edit->setFixedWidth(numberWidth);
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("HScroll%1").arg(int(which) + 1));
        bar->setRange(SpinnerMinimum, SpinnerMaximum);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setFixedWidth(barWidth);
        connect(bar, &QScrollBar::valueChanged, this,
            [&wizard, which](int value) { wizard.HScroll_Change(which, value); });
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(edit);
        row->addWidget(bar);
        row->addStretch();
        return row;
    };

    auto* fields = new QGridLayout;
    fields->addWidget(label(QStringLiteral("Label3"), QStringLiteral("表のタイトル"), this), 0, 0);
    fields->addWidget(m_text3, 0, 1, 1, 3);
    fields->addWidget(
        label(QStringLiteral("Label4"), QStringLiteral("マスの縦と横の数(タイトル欄含む)"), this), 1, 0, 1,
        4);
    fields->addWidget(label(QStringLiteral("Label6"), QStringLiteral("縦"), this), 2, 0, Qt::AlignRight);
    fields->addLayout(spinner(TableSpinner::HScroll2), 2, 1);
    fields->addWidget(label(QStringLiteral("Label7"), QStringLiteral("横"), this), 2, 2, Qt::AlignRight);
    fields->addLayout(spinner(TableSpinner::HScroll3), 2, 3);
    fields->setColumnStretch(3, 1);

    auto* frame2 = new QGroupBox(QStringLiteral("オプション"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    m_checks[0] = new QCheckBox(QStringLiteral("表を立体にする"), frame2);
    auto* options = new QGridLayout(frame2);
    options->addWidget(m_checks[0], 0, 0, 1, 2);
    options->addWidget(label(QStringLiteral("Label5"), QStringLiteral("高さ"), frame2), 1, 0);
    options->addLayout(spinner(TableSpinner::HScroll1), 1, 1);
    options->addWidget(label(QStringLiteral("Label1"), QStringLiteral("マスとマスの間の数"), frame2), 2, 0);
    options->addLayout(spinner(TableSpinner::HScroll4), 2, 1);
    options->addWidget(label(QStringLiteral("Label2"), QStringLiteral("マスのゆとり"), frame2), 3, 0);
    options->addLayout(spinner(TableSpinner::HScroll5), 3, 1);
    options->setColumnStretch(1, 1);

    auto* frame3 = new QGroupBox(QStringLiteral("タイトルの枠の設定"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    m_checks[1] = new QCheckBox(QStringLiteral("最前列のタイトルを中央にする"), frame3);
    m_checks[2] = new QCheckBox(QStringLiteral("最前列のタイトルを中央にする"), frame3);
    m_checks[3] = new QCheckBox(QStringLiteral("太字にする"), frame3);
    m_checks[4] = new QCheckBox(QStringLiteral("背景色を指定する"), frame3);
    for (std::size_t i = 0; i < m_checks.size(); ++i)
        m_checks[i]->setObjectName(QStringLiteral("Check%1").arg(i + 1));
    auto* places = new QButtonGroup(this);
    const QString placeCaptions[]
        = { QStringLiteral("最前行"), QStringLiteral("最前列"), QStringLiteral("すべて") };
    auto* placeRow = new QHBoxLayout;
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        m_options[i] = new QRadioButton(placeCaptions[i], frame3);
        m_options[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        places->addButton(m_options[i]);
        placeRow->addWidget(m_options[i]);
    }
    m_label8 = label(QStringLiteral("Label8"), QStringLiteral("色"), frame3);
    placeRow->addSpacing(12);
    placeRow->addWidget(m_label8);
    placeRow->addWidget(m_text7, 1);
    auto* titles = new QVBoxLayout(frame3);
    for (std::size_t i = 1; i < m_checks.size(); ++i)
        titles->addWidget(m_checks[i]);
    titles->addLayout(placeRow);
    setColourChoiceEnabled(false);
    connect(m_checks[4], &QCheckBox::toggled, this, [&wizard] { wizard.Check5_Click(); });

    auto* command1 = new QPushButton(QStringLiteral("次へ"), this);
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
    layout->addLayout(fields);
    layout->addWidget(frame2);
    layout->addWidget(frame3);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TableEntries TableWizardDialog::entries() const
{
    TableEntries e;
    e.caption = m_text3->text();
    e.border = m_text6->text();
    e.cells = m_text4->text();
    e.rows = m_text5->text();
    e.spacing = m_text1->text();
    e.padding = m_text2->text();
    e.threeD = m_checks[0]->isChecked();
    e.centreTitleRow = m_checks[1]->isChecked();
    e.centreFirstColumn = m_checks[2]->isChecked();
    e.bold = m_checks[3]->isChecked();
    e.colour = m_checks[4]->isChecked();
    const ColourPlace places[] = { ColourPlace::TitleRow, ColourPlace::FirstColumn, ColourPlace::Both };
    for (std::size_t i = 0; i < m_options.size(); ++i)
        if (m_options[i]->isChecked())
            e.colourPlace = places[i];
    e.colourValue = m_text7->text();
    return e;
}

void TableWizardDialog::setColourChoiceEnabled(bool enabled)
{
    for (QRadioButton* option : m_options)
        option->setEnabled(enabled);
    m_label8->setEnabled(enabled);
    m_text7->setEnabled(enabled);
}

void QtTableWizardWindow::showModal(NewTable& wizard)
{
    TableWizardDialog dialog(wizard, &m_owner);
    m_dialog = &dialog;
    dialog.exec();
    m_dialog = nullptr;
}

void QtTableWizardWindow::unload()
{
    if (m_dialog)
        m_dialog->done(QDialog::Accepted);
}

TableEntries QtTableWizardWindow::entries() const
{
    return m_dialog ? m_dialog->entries() : TableEntries();
}

void QtTableWizardWindow::setSpinnerBoxText(TableSpinner spinner, const QString& text)
{
    if (m_dialog)
        m_dialog->spinnerBox(spinner)->setText(text);
}

void QtTableWizardWindow::setColourChoiceEnabled(bool enabled)
{
    if (m_dialog)
        m_dialog->setColourChoiceEnabled(enabled);
}

void QtTableWizardWindow::message(const QString& text, MsgStyle style)
{
    showMessageBox(m_dialog ? *static_cast<QWidget*>(m_dialog) : m_owner, text, style, productTitle());
}

} // namespace quorlex
