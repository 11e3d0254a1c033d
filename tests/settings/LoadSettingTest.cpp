#include "settings/LoadSetting.h"
#include "core/InsertionSettings.h"
#include "settings/IniFile.h"
#include "support/TestHome.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

InsertionSettings loadFrom(const QByteArray& content, bool* ok = nullptr)
{
    test::TestHome home;
    const QString path = home.file(QStringLiteral("quorlex.ini"));
    if (!content.isNull()) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    InsertionSettings s;
    s.PreviewSave = -99;
    const bool result = LoadSetting(IniFile(path), s);
    if (ok)
        *ok = result;
    return s;
}

} // namespace

TEST(LoadSetting, TagCaseIsUpperOnlyForExactlyZero)
{
    struct Row {
        const char* ini;
        bool upper;
    };
    const Row rows[] = {
        { nullptr, true }, // no file: default "0"
        { "[Main]\r\nFileBar=True\r\n", true }, // no key
        { "[HTML]\r\nTagCase=0\r\n", true },
        { "[html]\r\ntagcase = 0 \r\n", true }, // names without case, blanks dropped
        { "[HTML]\r\nTagCase=1\r\n", false }, { "[HTML]\r\nTagCase=\r\n", false }, // present but empty
        { "[HTML]\r\nTagCase=00\r\n", false }, { "[HTML]\r\nTagCase=\"0\"\r\n", true }, // quotes are dropped
    };
    for (const Row& r : rows)
        EXPECT_EQ(loadFrom(r.ini ? QByteArray(r.ini) : QByteArray()).UpperCaseTags, r.upper)
            << (r.ini ? r.ini : "(none)");
}

TEST(LoadSetting, PreviewSaveReadsANumberRoundedHalfToEven)
{
    bool ok = false;
    EXPECT_EQ(loadFrom(QByteArray(), &ok).PreviewSave, 1);
    EXPECT_TRUE(ok);
    EXPECT_EQ(loadFrom("[Main]\r\nPreviewSave=2\r\n").PreviewSave, 2);
    EXPECT_EQ(loadFrom("[Main]\r\nPreviewSave=2.5\r\n").PreviewSave, 2);
    EXPECT_EQ(loadFrom("[Main]\r\nPreviewSave=0px\r\n").PreviewSave, 0);
    EXPECT_EQ(loadFrom("[Main]\r\nPreviewSave=x\r\n").PreviewSave, 0);
    for (const char* word : { "nan", "inf", "-Infinity" }) {
        EXPECT_EQ(loadFrom(QByteArray("[Main]\r\nPreviewSave=") + word + "\r\n", &ok).PreviewSave, 0) << word;
        EXPECT_TRUE(ok) << word;
    }
    // Too large for the setting: the previous value stays and the failure is reported.
    EXPECT_EQ(loadFrom("[Main]\r\nPreviewSave=99999\r\n", &ok).PreviewSave, -99);
    EXPECT_FALSE(ok);
}
