#include "find/HtmlFindDialog.h"

#include "find/HtmlFind.h"
#include "host/QtHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlex {

namespace {

QComboBox* historyBox(const QString& name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    // The list is the history the logic keeps: Enter searches, it adds nothing by itself, and
    // nothing completes a typed text into another (the search is case-sensitive).
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMinimumContentsLength(28);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

} // namespace

HtmlFindDialog::HtmlFindDialog(HtmlFind& find, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("HtmlFind"));
    setWindowTitle(HtmlFind::caption());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    auto* label1 = new QLabel(QStringLiteral("検索する文字"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_text1 = historyBox(QStringLiteral("Text1"), this);
    auto* label2 = new QLabel(QStringLiteral("置き換え後の文字"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    m_combo1 = historyBox(QStringLiteral("Combo1"), this);
    m_top = new QRadioButton(QStringLiteral("先頭から"), this);
    m_top->setObjectName(QStringLiteral("Option1_0"));
    m_current = new QRadioButton(QStringLiteral("現在の位置から"), this);
    m_current->setObjectName(QStringLiteral("Option1_1"));
    m_current->setChecked(true);

    auto button = [this, &find](const QString& name, const QString& caption, void (HtmlFind::*click)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [&find, click] { (find.*click)(); });
        return b;
    };
    QPushButton* command1
        = button(QStringLiteral("Command1"), QStringLiteral("検索(&N)"), &HtmlFind::Command1_Click);
    QPushButton* command3
        = button(QStringLiteral("Command3"), QStringLiteral("置換(&R)"), &HtmlFind::Command3_Click);
    QPushButton* command4
        = button(QStringLiteral("Command4"), QStringLiteral("すべて(&A)"), &HtmlFind::Command4_Click);
    QPushButton* command2
        = button(QStringLiteral("Command2"), QStringLiteral("閉じる"), &HtmlFind::Command2_Click);
    command1->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(label1, 0, 0);
    fields->addWidget(m_text1, 0, 1);
    fields->addWidget(label2, 1, 0);
    fields->addWidget(m_combo1, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(m_top);
    options->addWidget(m_current);
    options->addStretch();
    fields->addLayout(options, 2, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : { command1, command3, command4, command2 })
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    // Esc, the close box and 閉じる all unload the window: it deletes itself when closed.
}

QtFindWindow::~QtFindWindow()
{
    delete m_dialog.data();
}

void QtFindWindow::load(HtmlFind& find)
{
    if (!m_dialog)
        m_dialog = new HtmlFindDialog(find, &m_editor);
}

void QtFindWindow::show()
{
    if (!m_dialog)
        return;
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void QtFindWindow::unload()
{
    if (m_dialog)
        m_dialog->close();
}

QString QtFindWindow::text(FindBox box) const
{
    return m_dialog ? m_dialog->box(box)->currentText() : QString();
}

void QtFindWindow::setText(FindBox box, const QString& text)
{
    if (m_dialog)
        m_dialog->box(box)->setEditText(text);
}

QStringList QtFindWindow::history(FindBox box) const
{
    QStringList entries;
    if (!m_dialog)
        return entries;
    const QComboBox* combo = m_dialog->box(box);
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

void QtFindWindow::addToHistory(FindBox box, const QString& entry)
{
    if (!m_dialog)
        return;
    // The first item would become the current one and replace the typed text.
    QComboBox* combo = m_dialog->box(box);
    const QString typed = combo->currentText();
    combo->addItem(entry);
    combo->setEditText(typed);
}

SearchFrom QtFindWindow::searchFrom() const
{
    return m_dialog && m_dialog->option(SearchFrom::Top)->isChecked() ? SearchFrom::Top
                                                                      : SearchFrom::CurrentPosition;
}

void QtFindWindow::setSearchFrom(SearchFrom from)
{
    if (m_dialog)
        m_dialog->option(from)->setChecked(true);
}

MsgAnswer QtFindWindow::message(const QString& text, MsgStyle style, const QString& title)
{
    QWidget* owner = m_dialog ? static_cast<QWidget*>(m_dialog.data()) : &m_editor;
    return showMessageBox(*owner, text, style, title);
}

void QtFindWindow::activateEditor()
{
    m_editor.raise();
    m_editor.activateWindow();
}

} // namespace quorlex
