#include "find/HtmlFindDialog.h"
#include "app/EditorForm.h"
#include "core/Editor.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

void replaceTyped(QComboBox* combo, const QString& text)
{
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
}

} // namespace

TEST(FindWindow, FindsAndReplacesThroughItsControls)
{
    test::TestHome home;
    EditorForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    SourceEdit& box = form.editBox();
    QString page;
    for (int i = 0; i < 200; ++i)
        page += QStringLiteral("<TD>cell %1</TD>\r\n").arg(i);
    box.setSourceText(page);
    EditBox& edit = form.host().editBox();
    edit.setSelStart(4);
    edit.setSelLength(4);
    box.setFocus();

    QTest::keyClick(&box, Qt::Key_F, Qt::ControlModifier);
    QPointer<HtmlFindDialog> dialog = form.findWindow().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("検索"));
    QComboBox* text1 = dialog->box(FindBox::Text1);
    QComboBox* combo1 = dialog->box(FindBox::Combo1);
    EXPECT_EQ(text1->currentText(), QStringLiteral("cell"));
    EXPECT_TRUE(dialog->option(SearchFrom::CurrentPosition)->isChecked());
    auto button
        = [&](const char* name) { return dialog->findChild<QPushButton*>(QString::fromLatin1(name)); };
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("検索(&N)"));
    EXPECT_TRUE(button("Command1")->isDefault());

    // Enter in the find box runs the default button: the typed text, from the caret.
    replaceTyped(text1, QStringLiteral("Cell 1"));
    test::whenModal<QMessageBox>([](QMessageBox* m) {
        EXPECT_EQ(m->text(), QStringLiteral("「Cell 1」は、もうありません。"));
        m->accept();
    });
    QTest::keyClick(text1->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog->option(SearchFrom::Top)->isChecked());
    // After a miss the next search starts at the top; the one after it past the match.
    replaceTyped(text1, QStringLiteral("cell 1"));
    QTest::keyClick(text1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(edit.selStart(), 17 + 4);
    EXPECT_EQ(edit.selText(), QStringLiteral("cell 1"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_EQ(edit.selStart(), 170 + 4); // in "cell 10"
    EXPECT_EQ(text1->currentText(), QStringLiteral("cell 1"));
    EXPECT_EQ(text1->count(), 1); // "Cell 1" and "cell 1" share one entry
    EXPECT_EQ(text1->itemText(0), QStringLiteral("cell 1"));

    // すべて replaces every occurrence in one step that Ctrl+Z in the box takes back.
    replaceTyped(combo1, QStringLiteral("CELL 1"));
    test::whenModal<QMessageBox>([](QMessageBox* m) {
        EXPECT_EQ(m->text(), QStringLiteral("111ヶ所を変更しました。"));
        EXPECT_EQ(m->windowTitle(), QStringLiteral("置換"));
        m->accept();
    });
    QTest::mouseClick(button("Command4"), Qt::LeftButton);
    EXPECT_EQ(box.sourceText().count(QStringLiteral("CELL 1")), 111);
    EXPECT_EQ(edit.selStart(), 170 + 4);
    EXPECT_TRUE(form.editor().document().Modified());
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.sourceText(), page);

    // F3 goes on with the last search; Esc closes the window and discards its history.
    QApplication::setActiveWindow(&form); // the user goes back to the page
    edit.setSelStart(0);
    QTest::keyClick(&box, Qt::Key_F3);
    EXPECT_EQ(edit.selStart(), 17 + 4);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    form.findChild<QAction*>(QStringLiteral("Toolbar1_find"))->trigger();
    ASSERT_NE(form.findWindow().dialog(), nullptr);
    EXPECT_EQ(form.findWindow().dialog()->box(FindBox::Text1)->count(), 0);
    form.findWindow().dialog()->close();
}
