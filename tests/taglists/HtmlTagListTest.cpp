#include "taglists/HtmlTagList.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct HtmlTagListTest : ::testing::Test {
    void TearDown() override { EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()); }

    QtTagListWindow window { nullptr };
};

} // namespace

TEST_F(HtmlTagListTest, OneTopmostWindowRefilledByEachOpening)
{
    window.showList(QStringLiteral("タグリスト"), { QStringLiteral("<A>"), QStringLiteral("<B>") });
    HtmlTagList* first = window.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(first->windowFlags() & Qt::WindowType_Mask, Qt::Tool);

    window.showList(QStringLiteral("ひな型"), { QStringLiteral("段落") });
    EXPECT_EQ(window.window(), first);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("ひな型"));
    ASSERT_EQ(first->list()->count(), 1);
    EXPECT_EQ(first->list()->item(0)->text(), QStringLiteral("段落"));

    // Closing by the frame destroys it; the next opening makes a new one.
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.window(), nullptr);
    window.showList(QStringLiteral("タグリスト"), {});
    EXPECT_NE(window.window(), nullptr);
    EXPECT_EQ(window.window()->list()->count(), 0);
    window.window()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(HtmlTagListTest, ListFillsTheWindowBelowTheToolbar)
{
    const QString longLine = QStringLiteral("<TABLE BORDER=\"1\" CELLPADDING=\"4\">").repeated(6);
    window.showList(QStringLiteral("タグリスト"), { QStringLiteral("<A>"), longLine });
    HtmlTagList* w = window.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    for (const QSize size : { QSize(300, 200), QSize(180, 420) }) {
        w->resize(size);
        QApplication::processEvents();
        const QRect list = w->list()->geometry();
        EXPECT_EQ(list, QRect(0, w->toolbar()->height(), w->width(), w->height() - w->toolbar()->height()));
        EXPECT_GT(w->toolbar()->height(), 0);
    }

    w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
