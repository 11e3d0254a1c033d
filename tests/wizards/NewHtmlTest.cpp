#include "wizards/NewHtml.h"
#include "core/Editor.h"
#include "dialogs/FileDlg.h"
#include "files/DocumentFiles.h"
#include "support/ModalHelper.h"
#include "support/ScriptedHost.h"
#include "support/TestHome.h"
#include "wizards/NewPageWizard.h"

#include <QColorDialog>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct NewHtmlDialog : ::testing::Test {
    test::TestHome home;
    test::ScriptedHost host;
    Editor editor { host };
    FileDlg resource { host };
    FileDlg document { host };
    DocumentFiles files { editor, document };
    NewPageWizard wizard { editor, files, resource, document, [] { return std::make_unique<NewHtml>(); } };

    void TearDown() override { EXPECT_EQ(QApplication::activeModalWidget(), nullptr); }
};

template <typename Widget> Widget* child(QWidget* dialog, const char* name)
{
    auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST_F(NewHtmlDialog, StartsFromItsDefaultsAndFinishesWithEnter)
{
    const QString longTitle = QStringLiteral("とても長いホームページのタイトル").repeated(6);
    QStringList focusChain;
    test::whenModal<NewHtml>([&](NewHtml* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("ホームページ ウィザード"));
        EXPECT_EQ(child<QGroupBox>(d, "Frame1")->title(), QStringLiteral("基本情報"));
        EXPECT_TRUE(child<QRadioButton>(d, "Option2")->isChecked());
        EXPECT_EQ(child<QRadioButton>(d, "Option5")->text(), QStringLiteral("(オプション)"));
        EXPECT_EQ(
            child<QLineEdit>(d, "Text2")->toolTip(), QStringLiteral("ホームページパターンファイルの指定"));
        EXPECT_TRUE(child<QPushButton>(d, "Command1")->isDefault());
        // Every caption shows whole.
        for (QLabel* label : d->findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        for (QAbstractButton* button : d->findChildren<QAbstractButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->objectName().toStdString();

        // Tab walks the controls from the top down and comes back to the first; it enters the
        // background options at the selected one (the arrow keys choose among them).
        QLineEdit* first = child<QLineEdit>(d, "Text1");
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d));
        first->setFocus();
        do {
            focusChain.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && focusChain.size() < 20);

        // Japanese arrives from the input method as committed text.
        QInputMethodEvent typed;
        typed.setCommitString(longTitle);
        QApplication::sendEvent(child<QLineEdit>(d, "Text1"), &typed);
        QTest::keyClicks(child<QLineEdit>(d, "Text1"), QStringLiteral(" Top"));
        QTest::keyClicks(child<QLineEdit>(d, "Text3"), QStringLiteral("bg.gif"));
        EXPECT_TRUE(child<QRadioButton>(d, "Option4")->isChecked());
        QTest::keyClick(child<QLineEdit>(d, "Text1"), Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << "Enter did not finish";
        if (d->isVisible())
            d->reject();
    });
    wizard.F_New_Click();

    EXPECT_EQ(focusChain,
        QStringList({ "Text1", "Text2", "Command3", "Option2", "Command4", "Text3", "Command5", "Command1",
            "Command2" }));
    EXPECT_TRUE(host.editBox().text().contains(
        QStringLiteral("<title>") + longTitle + QStringLiteral(" Top</title>")));
    EXPECT_TRUE(host.editBox().text().contains(QStringLiteral("<BODY background=\"bg.gif\">")));
    EXPECT_EQ(host.caption, QStringLiteral("無題 - クォーレクス"));
}

TEST_F(NewHtmlDialog, ColourChooserAndEscape)
{
    host.editBox().setText(QStringLiteral("kept"));
    test::whenModal<NewHtml>([](NewHtml* d) {
        test::whenModal<QColorDialog>([](QColorDialog* colours) {
            colours->setCurrentColor(QColor(0x12, 0xAB, 0xEF));
            colours->accept();
        });
        child<QPushButton>(d, "Command4")->click();
        EXPECT_EQ(child<QRadioButton>(d, "Option5")->text(), QStringLiteral("#12ABEF"));
        EXPECT_TRUE(child<QRadioButton>(d, "Option5")->isChecked());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    wizard.F_New_Click();
    EXPECT_EQ(host.editBox().text(), QStringLiteral("kept"));
}

} // namespace
