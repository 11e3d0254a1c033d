#include "preview/HtmlView.h"
#include "CountingServer.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// A page that asks for everything a page can fetch from the server at address.
QByteArray remotePage(const QString& address)
{
    return QStringLiteral(
        "<html><head><title>remote</title>"
        "<link rel=\"stylesheet\" href=\"%1/style.css\"><link rel=\"preconnect\" href=\"%1\">"
        "<script src=\"%1/script.js\"></script>"
        "<style>@font-face{font-family:f;src:url(%1/font.woff)} "
        "body{font-family:f;background:url(%1/bg.png)}</style>"
        "</head><body>text<img src=\"%1/image.png\"><iframe src=\"%1/frame.html\"></iframe>"
        "<script>document.title='ran';fetch('%1/fetch').catch(function(){});"
        "try{new WebSocket('%2/ws')}catch(e){}</script></body></html>")
        .arg(address, QString(address).replace(QStringLiteral("http:"), QStringLiteral("ws:")))
        .toLatin1();
}

struct HtmlViewTest : ::testing::Test {
    HtmlViewTest()
    {
        view.resize(640, 480);
        view.show();
    }
    QString title() { return view.WebBrowser1()->page()->title(); }

    QTemporaryDir dir;
    HtmlView view;
};

} // namespace

TEST_F(HtmlViewTest, OfflineModeFetchesNothingFromTheNetwork)
{
    CountingServer server;
    ASSERT_TRUE(server.isListening());
    const QString page = dir.filePath(QStringLiteral("remote.html"));
    writeBytes(page, remotePage(server.address()));

    view.LoadHtml(QStringLiteral("file:") + page);
    ASSERT_TRUE(QTest::qWaitFor([&] { return title() == QStringLiteral("ran"); }, 20000))
        << title().toStdString();
    QTest::qWait(1500);
    EXPECT_EQ(server.connections, 0);

    // The same page in a browser without the offline mode does reach the server.
    QWebEngineView online;
    online.resize(320, 240);
    online.show();
    online.load(QUrl::fromLocalFile(page));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.connections > 0; }, 20000));
}

TEST_F(HtmlViewTest, PageThatCannotBeShownGivesTheEmptyPage)
{
    writeBytes(dir.filePath(QStringLiteral("a.html")), "<title>a</title>");
    for (const QString& address :
        { QStringLiteral("file:"), QStringLiteral("file:") + dir.filePath("gone.html") }) {
        SCOPED_TRACE(address.toStdString());
        view.LoadHtml(QStringLiteral("file:") + dir.filePath(QStringLiteral("a.html")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return title() == QStringLiteral("a"); }, 20000));
        view.LoadHtml(address);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return view.WebBrowser1()->url() == QUrl(QStringLiteral("about:blank")); }, 20000));
    }
}

TEST_F(HtmlViewTest, StatusTextFollowsTheLinkUnderThePointer)
{
    const QString target = dir.filePath(QStringLiteral("next.html"));
    writeBytes(dir.filePath(QStringLiteral("links.html")),
        "<title>links</title><body style=\"margin:0\"><a href=\"next.html\" "
        "style=\"display:block;width:200px;height:100px\">next</a></body>");
    QSignalSpy status(&view, &HtmlView::statusTextChanged);
    view.LoadHtml(QStringLiteral("file:") + dir.filePath(QStringLiteral("links.html")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return title() == QStringLiteral("links"); }, 20000));
    QWidget* surface = view.WebBrowser1()->focusProxy();
    ASSERT_NE(surface, nullptr);
    const QString link = QUrl::fromLocalFile(target).toString();
    auto last = [&] { return status.isEmpty() ? QString() : status.last().first().toString(); };
    int step = 0;
    const bool reached = QTest::qWaitFor(
        [&] {
            QTest::mouseMove(surface, QPoint(40 + ++step % 20, 50));
            return last() == link;
        },
        10000);
    EXPECT_TRUE(reached) << status.size() << " " << last().toStdString();
    QTest::mouseMove(surface, QPoint(400, 400));
    EXPECT_TRUE(QTest::qWaitFor([&] { return last().isEmpty(); }, 10000));
}
