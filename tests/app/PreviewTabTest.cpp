#include "app/EditorForm.h"
#include "app/EditorFormLogic.h"
#include "core/Editor.h"
#include "files/DocumentFiles.h"
#include "host/SourceEdit.h"
#include "preview/QtPreviewWindow.h"
#include "support/ModalHelper.h"
#include "support/TestFiles.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

using namespace quorlex;
using test::writeBytes;

namespace {

struct PreviewTabTest : ::testing::Test {
    PreviewTabTest()
    {
        form.resize(800, 600);
        form.show();
        pageFolder.mkdir(QStringLiteral("site"));
    }
    void TearDown() override { EXPECT_EQ(QApplication::activeModalWidget(), nullptr); }

    // As a click on the tab bar does; the tab's page follows once the click is handled.
    void chooseTab(int index)
    {
        form.tabs()->setCurrentIndex(index);
        QApplication::processEvents();
    }
    QWidget* htmlView() { return form.previewWindow().htmlView(); }
    QWebEngineView* browser() { return htmlView() ? htmlView()->findChild<QWebEngineView*>() : nullptr; }
    QString sitePage() const { return home.file(QStringLiteral("site/page.html")); }
    // A saved page in a folder of its own with an image beside it.
    void loadSitePage(const QByteArray& bytes)
    {
        writeBytes(sitePage(), bytes);
        QImage image(7, 5, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(home.file(QStringLiteral("site/pic.png")));
        ASSERT_TRUE(form.logic().files().LoadDocument(sitePage()));
    }
    // The natural width of the page's first image once it has loaded; -1 when it never does.
    int imageWidth()
    {
        int width = -1;
        (void)QTest::qWaitFor(
            [&] {
                auto now = std::make_shared<int>(-1);
                browser()->page()->runJavaScript(
                    QStringLiteral("document.images.length ? document.images[0].naturalWidth : 0"),
                    [now](const QVariant& v) { *now = v.toInt(); });
                (void)QTest::qWaitFor([&] { return *now != -1; }, 2000);
                width = *now > 0 ? *now : -1;
                return width > 0;
            },
            10000);
        return width;
    }

    test::TestHome home;
    QDir pageFolder { home.path() };
    EditorForm form;
};

} // namespace

TEST_F(PreviewTabTest, UnsavedTextIsShownThroughTheCopyWithThePagesImages)
{
    form.editor().settings().PreviewSave = 1;
    loadSitePage("<html><head><title>saved</title></head><body><img src=\"pic.png\"></body></html>");
    form.editBox().setSourceText(
        QStringLiteral("<html><HEAD><title>edited</title></HEAD><body><img src=\"pic.png\"></body></html>"));
    form.editor().document().setModified(true);
    chooseTab(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser()->title() == QStringLiteral("edited"); }, 20000));
    EXPECT_EQ(browser()->url(), QUrl::fromLocalFile(home.file(QStringLiteral("temp.html"))));
    EXPECT_EQ(imageWidth(), 7);

    // Back on the HTML tab the box is there again; a saved page is shown from its own file.
    chooseTab(0);
    EXPECT_TRUE(form.editBox().isVisible());
    form.logic().files().F_Save_Click();
    chooseTab(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return browser()->url() == QUrl::fromLocalFile(sitePage()); }, 20000));
    EXPECT_EQ(imageWidth(), 7);
}

TEST_F(PreviewTabTest, ResizingThePreviewOnlyRePlacesTheBrowser)
{
    form.editor().settings().PreviewSave = 2;
    loadSitePage("<title>saved</title>");
    QTest::keyClicks(&form.editBox(), QStringLiteral("typed"));
    ASSERT_TRUE(form.editor().document().Modified());
    int questions = 0;
    test::whenModal<QMessageBox>([&questions](QMessageBox* box) {
        ++questions;
        box->button(QMessageBox::No)->click();
    });
    chooseTab(1);
    ASSERT_EQ(questions, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser()->title() == QStringLiteral("saved"); }, 20000));

    QSignalSpy loads(browser()->page(), &QWebEnginePage::loadStarted);
    for (const QSize size : { QSize(640, 480), QSize(1000, 700), QSize(500, 400) }) {
        form.resize(size);
        QTest::qWait(50);
        EXPECT_EQ(htmlView()->geometry(), form.previewArea()->rect());
    }
    QTest::qWait(300);
    EXPECT_EQ(loads.size(), 0);
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("temp.html"))));
    EXPECT_EQ(test::readBytes(sitePage()), QByteArray("<title>saved</title>"));
}

TEST_F(PreviewTabTest, StatusPanelShowsTheBrowsersTextWithoutWideningTheWindow)
{
    loadSitePage("<title>saved</title>");
    chooseTab(1);
    ASSERT_NE(browser(), nullptr);
    const QSize before = form.size();
    const QString longAddress
        = QStringLiteral("file:///") + QStringLiteral("very-long-folder-name/").repeated(40);
    Q_EMIT browser()->page()->linkHovered(longAddress);
    QApplication::processEvents();
    EXPECT_EQ(form.statusPanel()->text(), longAddress);
    EXPECT_TRUE(form.statusPanel()->isVisible());
    EXPECT_GT(form.statusPanel()->width(), form.width() / 2);
    EXPECT_EQ(form.size(), before);
    chooseTab(0);
    EXPECT_EQ(form.statusPanel()->text(), QString());
}

#include "PreviewTabTest.moc"
