#include "preview/HtmlVersion.h"
#include "preview/ManualViewer.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace quorlex;

TEST(ManualViewer, ShowsTheManualAndComesBackToTheFrontUntilClosed)
{
    QTemporaryDir dir;
    const QString index = dir.filePath(QStringLiteral("index.html"));
    QFile file(index);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><body><h1>目次</h1><p>%1</p></body></html>")
                   .arg(QString(4000, u'あ'))
                   .toUtf8());
    file.close();

    QtHelpLauncher launcher;
    const qint64 task = launcher.start(index, QString());
    ASSERT_NE(task, 0);
    QPointer<ManualViewer> viewer = launcher.viewer();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser()->toPlainText().startsWith(QStringLiteral("目次")));
    EXPECT_TRUE(launcher.bringToFront(task));
    EXPECT_FALSE(launcher.bringToFront(task + 1));

    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(viewer);
    EXPECT_FALSE(launcher.bringToFront(task));

    // A manual that is not there is said in the viewer.
    const qint64 again = launcher.start(dir.filePath(QStringLiteral("gone/index.html")), QString());
    EXPECT_NE(again, task);
    ASSERT_TRUE(launcher.viewer());
    EXPECT_TRUE(launcher.viewer()->browser()->toPlainText().contains(
        QStringLiteral("ヘルプファイルが見つかりません。")));
    launcher.viewer()->close();
}

TEST(HtmlVersion, IsModalWithItsTextsAndOkClosesIt)
{
    QWidget owner;
    owner.show();
    QtAboutWindow about(&owner);
    bool answered = false;
    test::whenModal<HtmlVersion>([&](HtmlVersion* d) {
        answered = true;
        EXPECT_EQ(d->windowTitle(), QStringLiteral("バージョン情報"));
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->parentWidget(), &owner);
        struct Row {
            const char* name;
            const char16_t* text;
            qreal points;
            bool bold;
        };
        const Row rows[] = {
            { "Label1", u"クォーレクス2004", 14.25, true },
            { "Label3", u"Version 3.0", 14.25, true },
            { "Label6", u"HTML編集ソフト", 12, false },
        };
        for (const Row& row : rows) {
            auto* label = d->findChild<QLabel*>(QString::fromLatin1(row.name));
            ASSERT_NE(label, nullptr) << row.name;
            EXPECT_EQ(label->text(), QString::fromUtf16(row.text));
            EXPECT_EQ(label->font().pointSizeF(), row.points) << row.name;
            EXPECT_EQ(label->font().bold(), row.bold) << row.name;
            EXPECT_EQ(label->font().family(), HtmlVersion::gothicFamily()) << row.name;
        }
        EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("Label2"))->text().endsWith(u'〜'));
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("Image2"))->pixmap().size(), QSize(251, 1));
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("Image1"))->size(), QSize(32, 32));
        d->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    about.showAbout(); // returns once OK has closed it
    EXPECT_TRUE(answered);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
