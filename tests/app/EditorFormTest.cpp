#include "app/EditorForm.h"
#include "app/CommandLine.h"
#include "app/EditorFormLogic.h"
#include "app/MenuOrder.h"
#include "core/Commands.h"
#include "core/Editor.h"
#include "core/FormLayout.h"
#include "files/DocumentFiles.h"
#include "host/CaretPlacePanel.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"
#include "preview/ManualViewer.h"
#include "preview/PrintCommands.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"
#include "taglists/HtmlTagList.h"
#include "tags/HtmlSelectColor.h"

#include <QAction>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct MainWindow : ::testing::Test {
    test::TestHome home;
    EditorForm form;

    QAction* action(const QString& name) { return form.findChild<QAction*>(name); }
    QString text() { return form.editBox().sourceText(); }
    void trigger(const QString& name)
    {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr) << name.toStdString();
        ASSERT_TRUE(a->isEnabled()) << name.toStdString();
        a->trigger();
    }

    void TearDown() override
    {
        // No dialog may be left open behind a test.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
};

} // namespace

TEST_F(MainWindow, StartsWithTheProductTitleAndEveryMenu)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("クォーレクス"));
    const QStringList menus = { QStringLiteral("F_0"), QStringLiteral("E_0"), QStringLiteral("L_0"),
        QStringLiteral("I_0"), QStringLiteral("T_0"), QStringLiteral("H_0") };
    QStringList bar;
    for (QAction* a : form.menuBar()->actions())
        bar.append(a->menu() ? a->menu()->objectName() : QString());
    EXPECT_EQ(bar, menus);

    struct Row {
        const char* name;
        const char16_t* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        { "F_Open", u"開く(&O)", "Ctrl+O" },
        { "F_End", u"クォーレクスの終了(&X)", "" },
        { "I_S_b", u"太字(&B&ｺ)", "Ctrl+B" },
        { "I_S_tt", u"固定幅字(&T&ｶ)", "Ctrl+Shift+F6" },
        { "I_AlignSet_1", u"中央へ寄せる(&C&ｿ)", "Ctrl+H" },
        { "I_SpecialChar_3", u"\"", "" },
        { "I_hr", u"水辺線を引く(&S&ﾄ)", "Shift+F1" },
        { "I_L_Back", u"「もどる」を挿入", "Ctrl+F2" },
        { "I_Table", u"表(&E&ｲ)", "Shift+F3" },
        { "T_C_Item_0", u"未登録", "" },
        { "E_AllSelect", u"すべて選択(&A)", "Ctrl+A" },
        { "E_Paste", u"貼り付け(&P)", "" },
        { "E_Find", u"検索(&F)", "Ctrl+F" },
        { "E_FindNext", u"次を検索", "F3" },
        { "E_GotoTop", u"先頭へ移動", "Ctrl+T" },
        { "E_GotoEOF", u"最後へ移動", "Ctrl+E" },
        { "I_Frame", u"フレーム", "" },
        { "H_Topic", u"ヘルプ", "F1" },
        { "F_PreView", u"ブラウザでプレビュー(&V)", "F5" },
        { "T_SelectColor", u"色の指定", "Ctrl+M" },
    };
    for (const Row& r : rows) {
        QAction* a = action(QString::fromLatin1(r.name));
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text(), QString::fromUtf16(r.caption)) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut))) << r.name;
    }
    // Built commands are enabled; the undo item waits for the first key; "やり直し" never starts.
    EXPECT_TRUE(action(QStringLiteral("I_S_b"))->isEnabled());
    EXPECT_TRUE(action(QStringLiteral("I_E_ButtonOb"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("E_Undo"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("E_AllClear"))->isEnabled());
    // First start without a settings file: both bars shown and checked, upper-case tags.
    EXPECT_TRUE(action(QStringLiteral("T_W_Filebar"))->isChecked());
    EXPECT_TRUE(action(QStringLiteral("T_W_TagBar"))->isChecked());
    EXPECT_FALSE(form.fileBar()->isHidden());
    EXPECT_FALSE(form.tagBar()->isHidden());
    EXPECT_TRUE(form.editor().settings().UpperCaseTags);
    // Open and save are there; the empty custom-tag list's placeholder inserts nothing.
    EXPECT_TRUE(action(QStringLiteral("F_Save"))->isEnabled());
    EXPECT_TRUE(action(QStringLiteral("T_C_Add"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("T_C_Item_0"))->isEnabled());
    // Every other item and button works from the start.
    QStringList disabled;
    for (const QAction* a : form.findChildren<QAction*>()) {
        if (!a->objectName().isEmpty() && !a->isSeparator() && !a->menu() && !a->isEnabled())
            disabled.append(a->objectName());
    }
    disabled.sort();
    EXPECT_EQ(disabled,
        (QStringList { QStringLiteral("E_AllClear"), QStringLiteral("E_Undo"), QStringLiteral("T_C_Item_0"),
            QStringLiteral("T_T_Item_0") }));
}

TEST_F(MainWindow, AControlNameThatNamesNothingIsReported)
{
    EXPECT_NONFATAL_FAILURE(
        form.host().setMenuEnabled(QStringLiteral("E_NoSuchItem"), false), "E_NoSuchItem");
    EXPECT_NONFATAL_FAILURE(form.host().setToolbarVisible(QStringLiteral("NoSuchBar"), false), "NoSuchBar");
}

TEST_F(MainWindow, BarTogglesHideAndShowTheirBars)
{
    trigger(QStringLiteral("T_W_TagBar"));
    EXPECT_FALSE(action(QStringLiteral("T_W_TagBar"))->isChecked());
    EXPECT_TRUE(form.tagBar()->isHidden());
    trigger(QStringLiteral("T_W_TagBar"));
    EXPECT_TRUE(action(QStringLiteral("T_W_TagBar"))->isChecked());
    EXPECT_FALSE(form.tagBar()->isHidden());
}

TEST_F(MainWindow, TheTabStripFillsWhatTheBarsLeave)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(700, 500);
    const QWidget* strip = form.centralWidget();
    for (const char* toggle : { "", "T_W_Filebar", "T_W_TagBar", "T_W_Filebar", "T_W_TagBar" }) {
        SCOPED_TRACE(toggle);
        if (*toggle)
            trigger(QString::fromLatin1(toggle));
        QCoreApplication::sendPostedEvents();
        const int menu = form.menuBar()->height();
        const FormLayout layout = formLayout({ QSize(form.width(), form.height() - menu),
            !form.fileBar()->isHidden(), form.fileBar()->height(), !form.tagBar()->isHidden(),
            form.tagBar()->width(), form.statusBar()->height() });
        ASSERT_TRUE(layout.tabStrip);
        EXPECT_EQ(strip->geometry(), layout.tabStrip->translated(0, menu));
        EXPECT_EQ(form.editBox().width(), strip->width());
        EXPECT_EQ(strip->geometry().bottom() + 1, form.statusBar()->geometry().top());
    }
    // Both bars hidden: the tab strip starts at the client area's corner.
    trigger(QStringLiteral("T_W_Filebar"));
    trigger(QStringLiteral("T_W_TagBar"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(strip->geometry().topLeft(), QPoint(0, form.menuBar()->height()));
    EXPECT_EQ(strip->width(), form.width());
}

TEST_F(MainWindow, StatusBarShowsTheCaretsPlaceBesideThePreviewPanel)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const CaretPlacePanel* place = form.caretPlacePanel();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->parentWidget(), form.statusBar());
    EXPECT_GT(place->geometry().left(), form.statusPanel()->geometry().left());
    EXPECT_EQ(place->text(), QStringLiteral("行 1, 列 1　Shift_JIS"));

    SourceEdit& box = form.editBox();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, QStringLiteral("c"));
    EXPECT_EQ(place->text(), QStringLiteral("行 2, 列 2　Shift_JIS"));

    // A page opened puts the caret at its start; a temporary message leaves the panel in place.
    const QString path = home.file(QStringLiteral("page.htm"));
    test::writeBytes(path, "<p>one</p>\r\n<p>two</p>");
    ASSERT_TRUE(form.logic().files().LoadDocument(path));
    EXPECT_EQ(place->text(), QStringLiteral("行 1, 列 1　Shift_JIS"));
    form.statusBar()->showMessage(QStringLiteral("読み込んでいます"));
    EXPECT_TRUE(place->isVisible());
}

TEST_F(MainWindow, ToolbarImagesAreDrawnInTheBarsTextColour)
{
    // Every button's image key names an image of its own.
    QSet<QByteArray> images;
    for (const QToolBar* bar : { form.fileBar(), form.tagBar() }) {
        for (const QAction* button : bar->actions()) {
            if (button->isSeparator())
                continue;
            EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
            const QImage image = button->icon().pixmap(QSize(16, 16)).toImage();
            images.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
    }
    EXPECT_EQ(images.size(), 13);
    // The left edge of the new page's sheet is an outline: light on a dark bar, dark on a light one.
    auto outline = [this] {
        return action(QStringLiteral("Toolbar1_new"))
            ->icon()
            .pixmap(QSize(16, 16))
            .toImage()
            .pixelColor(3, 8);
    };
    const QPalette light = QApplication::palette();
    EXPECT_LT(outline().lightness(), 128);
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xef, 0xf0, 0xf1));
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();
    EXPECT_GT(outline().lightness(), 200);
    QApplication::setPalette(light);
    QCoreApplication::sendPostedEvents();
    EXPECT_LT(outline().lightness(), 128);
}

TEST_F(MainWindow, HelpAndPrintingOpenTheirWindows)
{
    form.show();
    // The help command opens the manual once; again while it is open it only brings it back.
    trigger(QStringLiteral("H_Topic"));
    QPointer<ManualViewer> viewer = form.helpLauncher().viewer();
    ASSERT_TRUE(viewer);
    trigger(QStringLiteral("H_Topic"));
    EXPECT_EQ(form.helpLauncher().viewer(), viewer);
    viewer->close();

    // The print dialog offers no page range; a cancelled one prints nothing and says nothing.
    test::whenModal<QPrintDialog>([](QPrintDialog* d) {
        const auto* pagesFrom = d->findChild<QRadioButton*>(QStringLiteral("printRange"));
        const auto* selection = d->findChild<QRadioButton*>(QStringLiteral("printSelection"));
        EXPECT_TRUE(pagesFrom && !pagesFrom->isEnabled());
        EXPECT_TRUE(selection && selection->isEnabled());
        d->reject();
    });
    trigger(QStringLiteral("F_PrintHTML"));
    EXPECT_TRUE(form.printing().printerDialog().Cancel());
}

TEST_F(MainWindow, MenuCommandsInsertThroughTheRealInputBox)
{
    for (bool upper : { true, false }) {
        form.editor().settings().UpperCaseTags = upper;
        form.editBox().setSourceText(QString());
        test::answerInputBox(QStringLiteral("Abc"));
        trigger(QStringLiteral("I_S_b"));
        test::answerInputBox(QString(), /*cancel=*/true);
        trigger(QStringLiteral("I_AlignSet_1"));
        trigger(QStringLiteral("I_SpecialChar_3"));
        trigger(QStringLiteral("I_br"));
        const QString expected = upper ? QStringLiteral("<B>Abc</B>\r\n<center></center>\r\n&quot<BR>\r\n")
                                       : QStringLiteral("<b>abc</b>\r\n<center></center>\r\n&quot<br>\r\n");
        EXPECT_EQ(text(), expected);
        EXPECT_EQ(form.editBox().selectionStartOffset(), expected.size());
    }
    // Wrapping a selection asks nothing.
    form.editor().settings().UpperCaseTags = true;
    form.editBox().setSourceText(QStringLiteral("say Hello\r\n"));
    form.host().editBox().setSelStart(4);
    form.host().editBox().setSelLength(5);
    trigger(QStringLiteral("I_S_i"));
    EXPECT_EQ(text(), QStringLiteral("say <I>Hello</I>\r\n"));
    EXPECT_FALSE(form.editor().document().Modified());
}

TEST_F(MainWindow, TypingEnterInsertsBreakTagAndLineBreak)
{
    form.editor().settings().UpperCaseTags = true;
    SourceEdit& box = form.editBox();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("abc"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, QStringLiteral("d"));
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text(), QStringLiteral("abc<BR>\r\nd<BR>\r\n"));
    EXPECT_TRUE(form.editor().document().Modified());
    EXPECT_TRUE(action(QStringLiteral("E_Undo"))->isEnabled());

    // An input method's commit inserts its text and nothing else.
    form.editor().settings().UpperCaseTags = false;
    QInputMethodEvent preedit(QStringLiteral("にほんご"), {});
    QApplication::sendEvent(&box, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本語"));
    QApplication::sendEvent(&box, &commit);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("abc<BR>\r\nd<BR>\r\n日本語<br>\r\n"));
    EXPECT_FALSE(text().contains(QChar(0x2028)));
}

TEST_F(MainWindow, AcceleratorsReachTheMenuFromTheBox)
{
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.editor().settings().UpperCaseTags = true;
    SourceEdit& box = form.editBox();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_F2, Qt::ShiftModifier); // 改行
    QTest::keyClick(&box, Qt::Key_F8, Qt::ShiftModifier); // 点
    EXPECT_EQ(text(), QStringLiteral("<BR>\r\n<LI>"));
    test::answerInputBox(QStringLiteral("top.htm"));
    QTest::keyClick(&box, Qt::Key_F2, Qt::ControlModifier); // 「もどる」を挿入
    EXPECT_EQ(text(), QStringLiteral("<BR>\r\n<LI><a href=\"top.htm\">戻る</a><BR>\r\n"));
}

TEST_F(MainWindow, HeadingButtonAsksLikeTheMenuItem)
{
    form.editor().settings().UpperCaseTags = true;
    QAction* button = form.findChild<QAction*>(QStringLiteral("Toolbar2_HSize"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QStringLiteral("見出しタグ<Hn>"));
    test::answerInputBox(QStringLiteral("3"));
    test::whenModal<QInputDialog>([](QInputDialog* d) {
        d->setTextValue(QStringLiteral("Title"));
        d->accept();
    });
    button->trigger();
    EXPECT_EQ(text(), QStringLiteral("<H3>Title</H3>\r\n"));
}

TEST_F(MainWindow, ExitAsksAboutUnsavedChangesAndStoresTheBars)
{
    form.show();
    QTest::keyClicks(&form.editBox(), QStringLiteral("typed"));
    ASSERT_TRUE(form.editor().document().Modified());
    test::whenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->text(), QStringLiteral("内容が変更されています。\n\n変更内容を保存しますか？"));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("クォーレクス"));
        box->button(QMessageBox::Cancel)->click();
    });
    trigger(QStringLiteral("F_End"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("quorlex.ini"))));

    trigger(QStringLiteral("T_W_Filebar")); // hide the file bar, then leave without saving
    test::whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    trigger(QStringLiteral("F_End"));
    EXPECT_FALSE(form.isVisible());
    QFile ini(home.file(QStringLiteral("quorlex.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray content = ini.readAll();
    EXPECT_TRUE(content.contains("FileBar=False\r\n"));
    EXPECT_TRUE(content.contains("TagBar=True\r\n"));
}

TEST_F(MainWindow, SaveAsGivesANameWithoutExtensionThatOfTheFilter)
{
    form.show();
    QTest::keyClicks(&form.editBox(), QStringLiteral("page"));
    const QString typed = home.file(QStringLiteral("index"));
    test::chooseInFileDialog(typed);
    trigger(QStringLiteral("F_SaveAS"));
    EXPECT_TRUE(QFile::exists(typed + QStringLiteral(".htm")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("index.htm - クォーレクス"));
}

TEST_F(MainWindow, MenuRowsAreCompleteWithUniqueValidShortcuts)
{
    QSet<QString> shortcuts;
    for (const MenuRow& row : form.logic().commands().rows()) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_TRUE(menuOrder().contains(row.name));
        if (row.shortcut.isEmpty())
            continue;
        const QKeySequence key(row.shortcut, QKeySequence::PortableText);
        EXPECT_EQ(key.count(), 1);
        EXPECT_EQ(key.toString(QKeySequence::PortableText), row.shortcut);
        EXPECT_FALSE(shortcuts.contains(row.shortcut));
        shortcuts.insert(row.shortcut);
    }
    EXPECT_EQ(form.logic().commands().rows().size(), menuOrder().size());
}

TEST_F(MainWindow, ToolTipsShowAsWritten)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const char* key : { "Toolbar2_Picture", "Toolbar2_Table", "Toolbar2_Avi", "Toolbar2_Link" }) {
        QAction* button = action(QString::fromLatin1(key));
        QWidget* widget = form.tagBar()->widgetForAction(button);
        ASSERT_NE(widget, nullptr) << key;
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &help);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        EXPECT_EQ(shown.toPlainText(), button->toolTip()) << key;
        QToolTip::hideText();
    }
}

TEST_F(MainWindow, FilesDroppedOnTheFrameAreACopyNeverAMove)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(home.file(QStringLiteral("page.html"))) });
    QDragEnterEvent enter(
        QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&form, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
}

TEST_F(MainWindow, BarsHaveNoMenuOfTheirOwn)
{
    // Only the Tools menu shows and hides the bars, so its check marks always tell the truth.
    EXPECT_EQ(static_cast<QMainWindow&>(form).createPopupMenu(), nullptr);
}

TEST_F(MainWindow, ColourButtonAndPaletteAgree)
{
    form.show();
    QAction* button = action(QStringLiteral("Toolbar1_color"));
    ASSERT_TRUE(button->isEnabled());
    button->trigger();
    HtmlSelectColor* palette = form.colourWindow().window();
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->isVisible());
    button->trigger();
    EXPECT_FALSE(palette->isVisible());

    // The menu item shows it without pressing the button; pressing then changes nothing.
    trigger(QStringLiteral("T_SelectColor"));
    EXPECT_TRUE(palette->isVisible());
    EXPECT_FALSE(button->isChecked());
    button->trigger();
    EXPECT_TRUE(palette->isVisible());

    form.editor().settings().UpperCaseTags = true;
    form.editBox().setSourceText(QStringLiteral("Hello"));
    form.host().editBox().setSelLength(5);
    palette->option(PaletteColour::Red)->click();
    palette->applyButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<FONT COLOR=\"RED\">Hello</FONT>"));
    EXPECT_TRUE(palette->isVisible());
    // Hidden by the button, it keeps its choice.
    button->trigger();
    button->trigger();
    EXPECT_EQ(palette->colour(), PaletteColour::Red);

    // Closed by its frame, it releases the button and starts afresh at the next press.
    palette->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form.colourWindow().window(), nullptr);
    EXPECT_FALSE(button->isChecked());
    button->trigger();
    ASSERT_NE(form.colourWindow().window(), nullptr);
    EXPECT_EQ(form.colourWindow().window()->colour(), PaletteColour::None);
}

TEST_F(MainWindow, TagListWindowInsertsTheDoubleClickedTag)
{
    form.show();
    test::writeBytes(home.file(QStringLiteral("usertag.tol")), "TOL0=<MARK>\r\nTOL1=<KBD></KBD>\r\n");
    form.editor().settings().UpperCaseTags = false;
    trigger(QStringLiteral("T_CusumTag"));
    HtmlTagList* window = form.tagListWindow().window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("タグリスト"));
    ASSERT_EQ(window->list()->count(), 2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QListWidget* list = window->list();
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(text(), QStringLiteral("<KBD></KBD>"));
}

TEST(CommandLine, EverythingAfterTheProgramNameIsOnePath)
{
    const char* argv[] = { "quorlex", "my", "-reverse", "-style", "page.html" };
    EXPECT_EQ(pagePathArgument(5, argv), QStringLiteral("my -reverse -style page.html"));
    EXPECT_EQ(pagePathArgument(1, argv), QString());
}

TEST_F(MainWindow, MenuPasteFollowsTheTagCaseWhileTheBoxKeysDoNot)
{
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.editor().settings().UpperCaseTags = false;
    SourceEdit& box = form.editBox();
    box.setFocus();
    QApplication::clipboard()->setText(QStringLiteral("Hello World\n"));
    trigger(QStringLiteral("E_Paste"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("hello world\r\nHello World\r\n"));

    // The box's own Ctrl+A, Ctrl+C and Ctrl+Z stay the menu's and the box's as before.
    form.host().editBox().setSelStart(3);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); // すべて選択: from the caret on
    EXPECT_EQ(form.host().editBox().selText(), text().mid(3));
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), text().mid(3));
    QTest::keyClick(&box, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(form.host().editBox().selStart(), 0);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("hello world\r\n"));
}
