#include "app/EditorForm.h"
#include "core/Editor.h"
#include "host/SourceEdit.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "wizards/FrameWizardDialog.h"
#include "wizards/TableWizardDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct Wizards : ::testing::Test {
    test::TestHome home;
    EditorForm form;

    void SetUp() override
    {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { EXPECT_EQ(QApplication::activeModalWidget(), nullptr); }

    template <typename T> static T* child(QWidget* dialog, const char* name)
    {
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The user clicks into the box and types over its text.
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void click(QWidget* dialog, const char* button)
    {
        QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
    }
    // A click on the box or circle of a check box or option button.
    template <typename T> static void tick(QWidget* dialog, const char* name)
    {
        T* button = child<T>(dialog, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
};

} // namespace

TEST_F(Wizards, TableWizardBuildsFromWhatWasTypedAndClicked)
{
    form.editor().settings().UpperCaseTags = false;
    bool ran = false;
    test::whenModal<TableWizardDialog>([&](TableWizardDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("表ウィザード"));
        EXPECT_TRUE(child<QPushButton>(d, "Command1")->isDefault());
        auto* text4 = child<QLineEdit>(d, "Text4");
        auto* text5 = child<QLineEdit>(d, "Text5");
        auto* bar = child<QScrollBar>(d, "HScroll2");
        EXPECT_EQ(text4->text(), QStringLiteral("3"));
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(bar->maximum(), 32767);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(text4->text(), QStringLiteral("1"));
        type(text4, QStringLiteral("2"));
        EXPECT_EQ(bar->value(), 1); // typing leaves the bar where it was

        auto* text7 = child<QLineEdit>(d, "Text7");
        EXPECT_FALSE(text7->isEnabled());
        tick<QCheckBox>(d, "Check5");
        EXPECT_TRUE(text7->isEnabled());
        tick<QRadioButton>(d, "Option1");
        type(text7, QStringLiteral("Red"));
        tick<QCheckBox>(d, "Check4");

        // Too many cells: the message, and the dialog stays open with its entries.
        type(text5, QStringLiteral("99999"));
        test::whenModal<QMessageBox>([](QMessageBox* m) {
            EXPECT_EQ(m->text(),
                QStringLiteral("表が大きすぎます。マスの数は、全部で100,000個までにしてください。"));
            m->accept();
        });
        click(d, "Command1");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(text5->text(), QStringLiteral("99999"));
        type(text5, QStringLiteral("1e999"));
        test::whenModal<QMessageBox>([](QMessageBox* m) {
            EXPECT_EQ(m->text(), QStringLiteral("数値が大きすぎます。扱える範囲の数を入力してください。"));
            m->accept();
        });
        click(d, "Command1");
        EXPECT_TRUE(d->isVisible());
        type(text5, QStringLiteral("1"));
        click(d, "Command1");
        ran = true;
    });
    form.findChild<QAction*>(QStringLiteral("Toolbar2_Table"))->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(form.editBox().sourceText(),
        QStringLiteral("<table>\r\n<TR>\r\n<TH BGCOLOR=Red><B>[タイトル1]</B></TH><TH "
                       "BGCOLOR=Red><B>[タイトル2]</B></TH></TR>\r\n"
                       "<TR>\r\n\t<TH><B>[タイトル1]</B></TH><TD>[内容1:1]</TD><TD>[内容1:2]</TD>\r\n</"
                       "TR>\r\n</table>\r\n"));

    // Cancel inserts nothing.
    test::whenModal<TableWizardDialog>([](TableWizardDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    form.findChild<QAction*>(QStringLiteral("I_Table"))->trigger();
    EXPECT_EQ(form.editBox().sourceText().count(QStringLiteral("<table>")), 1);
}

TEST_F(Wizards, FrameWizardKeepsEachFrameWhileSwitching)
{
    form.editor().settings().UpperCaseTags = true;
    bool ran = false;
    test::whenModal<FrameWizardDialog>([&](FrameWizardDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("フレームウィザード"));
        QComboBox* list = d->frameList();
        auto* ratio = child<QLineEdit>(d, "Text1");
        auto* name = child<QLineEdit>(d, "Text2");
        auto* address = child<QLineEdit>(d, "Text3");
        EXPECT_EQ(ratio->text(), QStringLiteral("0"));
        type(ratio, QStringLiteral("30"));
        type(name, QStringLiteral("menu"));
        type(address, QStringLiteral("menu.html"));
        click(d, "Command4");
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), QStringLiteral("2"));
        EXPECT_EQ(ratio->text(), QStringLiteral("0"));
        EXPECT_EQ(name->text(), QString());
        type(ratio, QStringLiteral("1000")); // the box takes three characters
        EXPECT_EQ(ratio->text(), QStringLiteral("100"));
        type(ratio, QStringLiteral("70"));
        type(name, QStringLiteral("main"));
        type(address, QStringLiteral("main.html"));
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_EQ(name->text(), QStringLiteral("menu"));
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(ratio->text(), QStringLiteral("70"));
        EXPECT_EQ(address->text(), QStringLiteral("main.html"));
        QTest::keyClick(address, Qt::Key_Return); // the default button inserts
        ran = true;
    });
    form.findChild<QAction*>(QStringLiteral("I_Frame"))->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(form.editBox().sourceText(),
        QStringLiteral("<FRAMESET COLS=\"30%,70%\">\r\n    <FRAME SRC=\"menu.html\" NAME=menu>\r\n"
                       "    <FRAME SRC=\"main.html\" NAME=main>\r\n</FRAMESET>\r\n"));
}
