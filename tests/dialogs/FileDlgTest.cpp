#include "dialogs/FileDlg.h"
#include "dialogs/FilterList.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::ScriptedHost;

namespace {

struct FilterCase {
    const char* name;
    QString filter;
    QList<FileFilter> pairs;
};

void PrintTo(const FilterCase& c, std::ostream* os)
{
    *os << c.name;
}

class FilterListTest : public ::testing::TestWithParam<FilterCase> { };

TEST_P(FilterListTest, ParsesPairs)
{
    EXPECT_EQ(parseFilterList(GetParam().filter), GetParam().pairs);
}

const FileFilter text { QStringLiteral("テキストファイル"), QStringLiteral("*.txt") };
const FileFilter all { QStringLiteral("すべてのファイル "), QStringLiteral("*.*") };

INSTANTIATE_TEST_SUITE_P(Filters, FilterListTest,
    ::testing::Values(FilterCase { "two_pairs_space_kept",
                          QStringLiteral("テキストファイル|*.txt|すべてのファイル |*.*|"), { text, all } },
        FilterCase { "several_patterns", QStringLiteral("ホームページ|*.htm;*.html|"),
            { { QStringLiteral("ホームページ"), QStringLiteral("*.htm;*.html") } } },
        FilterCase { "no_final_bar", QStringLiteral("テキストファイル|*.txt"), { text } },
        FilterCase { "odd_count", QStringLiteral("テキストファイル|*.txt|すべてのファイル "), { text } },
        FilterCase {
            "empty_last_pattern", QStringLiteral("テキストファイル|*.txt|すべてのファイル ||"), { text } },
        FilterCase { "double_bar_ends_list", QStringLiteral("テキストファイル|*.txt||すべてのファイル |*.*|"),
            { text } },
        FilterCase { "empty", QString(), {} }, FilterCase { "bars_only", QStringLiteral("|||"), {} },
        FilterCase { "pattern_only", QStringLiteral("*.txt"), {} }),
    [](const auto& info) { return std::string(info.param.name); });

struct FileDlgTest : ::testing::Test {
    ScriptedHost host;
    FileDlg dlg { host };

    FileDlgTest() { host.cwd = QStringLiteral("/work/pages"); }

    // One open or save call with the given filter and folder; the request it produced.
    FileDialogRequest open(const QString& filter = QString(), const QString& dir = QString())
    {
        dlg.ShowOpen(filter, dir);
        return host.fileRequests.last();
    }
    FileDialogRequest save(const QString& filter = QString(), const QString& dir = QString())
    {
        dlg.ShowSave(filter, dir);
        return host.fileRequests.last();
    }
    void answer(const QString& path) { host.fileAnswers.enqueue({ true, path }); }
};

TEST_F(FileDlgTest, EmptyFilterAndFolderComeFromFilterPropertyAndCurrentDirectory)
{
    dlg.setFilter(QStringLiteral("テキストファイル|*.txt|すべてのファイル |*.*|"));
    dlg.setTitle(QStringLiteral("ファイルを開く"));
    dlg.setFilename(QStringLiteral("readme.txt"));
    answer(QStringLiteral("/work/pages/readme.txt"));

    const auto choice = dlg.ShowOpen();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, QStringLiteral("/work/pages/readme.txt"));
    EXPECT_EQ(choice->filter, dlg.Filter());
    ASSERT_EQ(host.fileRequests.size(), 1);
    const FileDialogRequest& r = host.fileRequests.first();
    EXPECT_EQ(r.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(r.title, QStringLiteral("ファイルを開く"));
    EXPECT_EQ(r.filters,
        (QList<FileFilter> { { QStringLiteral("テキストファイル"), QStringLiteral("*.txt") },
            { QStringLiteral("すべてのファイル "), QStringLiteral("*.*") } }));
    EXPECT_EQ(r.selectedFilter, 0);
    EXPECT_EQ(r.initialDirectory, QStringLiteral("/work/pages"));
    EXPECT_EQ(r.fileName, QStringLiteral("readme.txt"));
}

TEST_F(FileDlgTest, GivenFilterAndFolderAreUsedAndThePropertyKept)
{
    dlg.setFilter(QStringLiteral("すべてのファイル|*.*|"));
    answer(QStringLiteral("C:\\web\\img\\a.gif"));
    const auto choice = dlg.ShowSave(QStringLiteral("画像|*.gif;*.jpg|"), QStringLiteral("C:\\web\\img"));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->filter, QStringLiteral("画像|*.gif;*.jpg|"));
    EXPECT_EQ(dlg.Filter(), QStringLiteral("すべてのファイル|*.*|"));
    const FileDialogRequest& r = host.fileRequests.last();
    EXPECT_EQ(r.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(r.filters, (QList<FileFilter> { { QStringLiteral("画像"), QStringLiteral("*.gif;*.jpg") } }));
    EXPECT_EQ(r.initialDirectory, QStringLiteral("C:\\web\\img"));
}

struct FlagCase {
    const char* name;
    bool save;
    int flags; // as the commands write them
    bool promptOverwrite, fileMustExist, pathMustExist, acceptAnyText;
};

void PrintTo(const FlagCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileDlgFlagTest : public FileDlgTest, public ::testing::WithParamInterface<FlagCase> { };

TEST_P(FileDlgFlagTest, FlagsBecomeRequestOptions)
{
    const FlagCase& c = GetParam();
    dlg.setFlags(FileDlgFlags::fromInt(c.flags));
    const FileDialogRequest r = c.save ? save() : open();
    EXPECT_EQ(r.promptOverwrite, c.promptOverwrite);
    EXPECT_EQ(r.fileMustExist, c.fileMustExist);
    EXPECT_EQ(r.pathMustExist, c.pathMustExist);
    EXPECT_EQ(r.acceptAnyText, c.acceptAnyText);
    EXPECT_EQ(dlg.Flags().toInt(), c.flags); // the property itself is not changed
}

INSTANTIATE_TEST_SUITE_P(Flags, FileDlgFlagTest,
    ::testing::Values(FlagCase { "open_0_must_exist", false, 0, false, true, true, false },
        FlagCase { "open_4100", false, 4100, false, true, false, false },
        FlagCase { "open_256_address", false, 256, false, false, false, true },
        FlagCase { "open_2048", false, 2048, false, false, true, false },
        FlagCase { "open_2", false, 2, true, false, false, false },
        FlagCase { "save_0_nothing_added", true, 0, false, false, false, false },
        FlagCase { "save_as_2", true, 2, true, false, false, false },
        FlagCase { "save_4100", true, 4100, false, true, false, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileDlgTest, TypedAddressComesBackAsTyped)
{
    dlg.setFlags(FileDlgFlag::NoValidate);
    const QString address = QStringLiteral("http://example.com/a b/?q=1&x=\"y\"");
    answer(address);
    const auto choice = dlg.ShowOpen(QStringLiteral("すべてのファイル|*.*|"), QStringLiteral("/work"));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, address);
    EXPECT_EQ(dlg.Filename(), address);
    EXPECT_FALSE(dlg.Cancel());
}

TEST_F(FileDlgTest, CancelKeepsFilenameAndNextChoiceClearsCancel)
{
    dlg.setFilename(QStringLiteral("old.htm"));

    EXPECT_FALSE(dlg.ShowOpen()); // no answer queued: cancelled
    EXPECT_TRUE(dlg.Cancel());
    EXPECT_EQ(dlg.Filename(), QStringLiteral("old.htm"));

    answer(QStringLiteral("/work/new.htm"));
    EXPECT_EQ(dlg.ShowSave()->path, QStringLiteral("/work/new.htm"));
    EXPECT_FALSE(dlg.Cancel());
    EXPECT_EQ(dlg.Filename(), QStringLiteral("/work/new.htm"));

    // The chosen path is what the next use of the object proposes.
    dlg.ShowOpen();
    EXPECT_EQ(host.fileRequests.last().fileName, QStringLiteral("/work/new.htm"));
    EXPECT_TRUE(dlg.Cancel());
}

TEST_F(FileDlgTest, ChoiceWithoutNameCountsAsCancel)
{
    dlg.setFilename(QStringLiteral("keep.htm"));
    answer(QString());
    EXPECT_FALSE(dlg.ShowOpen());
    EXPECT_TRUE(dlg.Cancel());
    EXPECT_EQ(dlg.Filename(), QStringLiteral("keep.htm"));
}

TEST_F(FileDlgTest, ResultIsCutAtNul)
{
    answer(QStringLiteral("/work/a.htm") + QChar(u'\0') + QStringLiteral("junk"));
    EXPECT_EQ(dlg.ShowOpen()->path, QStringLiteral("/work/a.htm"));
    EXPECT_EQ(dlg.Filename(), QStringLiteral("/work/a.htm"));
}

TEST_F(FileDlgTest, OverlongProposalIsLeftOutNotCut)
{
    dlg.setFilename(QString(FileDlg::MaxProposedName, u'a'));
    EXPECT_EQ(open().fileName, dlg.Filename());

    dlg.setFilename(QString(FileDlg::MaxProposedName + 1, u'a'));
    answer(QStringLiteral("/work/short.htm"));
    EXPECT_EQ(open().fileName, QString());
    EXPECT_EQ(dlg.Filename(), QStringLiteral("/work/short.htm"));
}

TEST_F(FileDlgTest, PropertiesStayForTheNextUse)
{
    dlg.setTitle(QStringLiteral("画像の挿入"));
    dlg.setFilter(QStringLiteral("画像|*.gif|"));
    dlg.setFlags(FileDlgFlags::fromInt(4100));
    open();
    const FileDialogRequest second = save();
    EXPECT_EQ(second.title, QStringLiteral("画像の挿入"));
    EXPECT_EQ(second.filters, (QList<FileFilter> { { QStringLiteral("画像"), QStringLiteral("*.gif") } }));
    EXPECT_TRUE(second.fileMustExist);
}

TEST_F(FileDlgTest, ShowDirAsksForAFolderAndAddsASeparator)
{
    const QString dir = QStringLiteral("C:\\web");
    host.folderAnswers.enqueue(QStringLiteral("C:\\web\\img"));
    EXPECT_EQ(dlg.ShowDir(dir, 0), QStringLiteral("C:\\web\\img\\"));
    EXPECT_FALSE(dlg.Cancel());
    ASSERT_EQ(host.folderRequests.size(), 1);
    EXPECT_EQ(host.folderRequests[0].prompt, QStringLiteral("フォルダを選択してください。"));
    EXPECT_EQ(host.folderRequests[0].initialDirectory, QStringLiteral("C:\\web"));

    host.folderAnswers.enqueue(QStringLiteral("/home/me/site"));
    EXPECT_EQ(dlg.ShowDir(dir, 1), QStringLiteral("/home/me/site/"));
    host.folderAnswers.enqueue(QStringLiteral("/"));
    EXPECT_EQ(dlg.ShowDir(dir, 0), QStringLiteral("/"));
    EXPECT_TRUE(host.fileRequests.isEmpty());
}

TEST_F(FileDlgTest, ShowDirCancelledThenChosen)
{
    dlg.setFilename(QStringLiteral("page.htm"));
    EXPECT_FALSE(dlg.ShowDir(QString(), 0));
    EXPECT_TRUE(dlg.Cancel());
    EXPECT_EQ(host.folderRequests.last().initialDirectory, QString());

    host.folderAnswers.enqueue(QStringLiteral("/srv"));
    EXPECT_EQ(dlg.ShowDir(QString(), 0), QStringLiteral("/srv/"));
    EXPECT_FALSE(dlg.Cancel());
    EXPECT_EQ(dlg.Filename(), QStringLiteral("page.htm")); // a folder is not a file choice
}

} // namespace
