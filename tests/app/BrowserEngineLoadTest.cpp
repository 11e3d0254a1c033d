#include "app/EditorForm.h"
#include "host/SourceEdit.h"
#include "preview/QtPreviewWindow.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QFile>
#include <QTabBar>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

// The browser engine's library, mapped into the process once the preview's plugin is loaded.
bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

// The program starts without the browser engine; the first switch to the preview tab loads it.
TEST(BrowserEngine, LoadedOnTheFirstSwitchToThePreviewNotAtStartUp)
{
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "reads /proc/self/maps";
#endif
    test::TestHome home;
    EditorForm form;
    form.show();
    QApplication::processEvents();
    EXPECT_FALSE(engineLoaded());
    EXPECT_EQ(form.previewWindow().htmlView(), nullptr);

    form.tabs()->setCurrentIndex(1);
    QApplication::processEvents();
    ASSERT_NE(form.previewWindow().htmlView(), nullptr);
    EXPECT_EQ(form.previewWindow().htmlView()->objectName(), QStringLiteral("HtmlView"));
    EXPECT_TRUE(engineLoaded());
    EXPECT_TRUE(form.previewWindow().htmlView()->isVisible());
    EXPECT_FALSE(form.editBox().isVisible());
}
