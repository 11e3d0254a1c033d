#include "host/FileDialogRules.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

TEST(FileDialogRules, SchemesAreLettersThenAColon)
{
    const struct {
        const char* text;
        bool scheme;
    } rows[] = {
        { "http://x.jp/a.gif", true },
        { "HTTPS://X.JP", true },
        { "mailto:someone@example.jp", true },
        { "javascript:history.back()", true },
        { "news:fj.comp", true },
        { "ftp:/pub", true },
        { "svn+ssh://host", true },
        { "C:logo.gif", false }, // a drive letter
        { "C:\\web\\a.htm", false },
        { "1abc:x", false },
        { "logo.gif", false },
        { ":x", false },
        { "a b:c", false },
    };
    for (const auto& row : rows)
        EXPECT_EQ(startsWithScheme(QString::fromLatin1(row.text)), row.scheme) << row.text;
}

TEST(FileDialogRules, AllFilesPatternListsNamesWithoutExtension)
{
    EXPECT_EQ(qtNameFilter({ QStringLiteral("すべてのファイル "), QStringLiteral("*.*") }),
        QStringLiteral("すべてのファイル (*)"));
    EXPECT_EQ(qtNameFilter({ QStringLiteral("画像"), QStringLiteral("*.gif;*.jpg") }),
        QStringLiteral("画像 (*.gif *.jpg)"));
}

struct RealFileDialog : ::testing::Test {
    QWidget window;
    SourceEdit* edit = new SourceEdit(&window);
    QtHost host { window, *edit };
    QTemporaryDir dir;

    FileDialogRequest addressRequest() const
    {
        FileDialogRequest request;
        request.title = QStringLiteral("画像の指定");
        request.filters = { { QStringLiteral("画像(GIF,JPEG) "), QStringLiteral("*.gif;*.jpeg;*.jpg") },
            { QStringLiteral("すべてのファイル "), QStringLiteral("*.*") } };
        request.initialDirectory = dir.path();
        request.acceptAnyText = true;
        return request;
    }

    // Shows the dialog, lets look run on it once it is open, then types text and accepts.
    FileDialogResult typeInto(
        const FileDialogRequest& request, const QString& text, std::function<void(QFileDialog*)> look = {})
    {
        QTimer::singleShot(50, qApp, [text, look] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (look)
                look(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(text);
            static_cast<QDialog*>(dialog)->accept();
        });
        return host.showFileDialog(request);
    }
};

TEST_F(RealFileDialog, TypedAddressesComeBackAsTyped)
{
    for (const QString& typed : { QStringLiteral("mailto:someone@example.jp"),
             QStringLiteral("javascript:history.back()"), QStringLiteral("news:fj.comp.lang"),
             QStringLiteral("ftp://ftp.example.jp/a.gif"), QStringLiteral("https://example.jp/x.gif") }) {
        const FileDialogResult result = typeInto(addressRequest(), typed);
        EXPECT_TRUE(result.accepted);
        EXPECT_EQ(result.path, typed);
    }
}

TEST_F(RealFileDialog, DriveLetterIsNoAddress)
{
    const FileDialogResult result = typeInto(addressRequest(), QStringLiteral("C:logo.gif"));
    EXPECT_EQ(result.path, QDir::toNativeSeparators(dir.filePath(QStringLiteral("C:logo.gif"))));
}

TEST_F(RealFileDialog, AllFilesListsNamesWithoutExtensionAndDescriptionsAsWritten)
{
    for (const char* name : { "README", "logo.gif", "notes.txt" }) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QStringList descriptions;
    QStringList listed;
    typeInto(addressRequest(), QStringLiteral("logo.gif"), [&](QFileDialog* dialog) {
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i)
            descriptions.append(types->itemText(i));
        types->setCurrentIndex(1);
        Q_EMIT types->activated(1);
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        // The folder is read in the background.
        for (int i = 0; i < 100 && view->model()->rowCount(view->rootIndex()) < 3; ++i)
            QTest::qWait(20);
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed.append(view->model()->index(row, 0, view->rootIndex()).data().toString());
    });
    EXPECT_EQ(
        descriptions, (QStringList { QStringLiteral("画像(GIF,JPEG)"), QStringLiteral("すべてのファイル") }));
    listed.sort();
    EXPECT_EQ(listed,
        (QStringList { QStringLiteral("README"), QStringLiteral("logo.gif"), QStringLiteral("notes.txt") }));
}

} // namespace
