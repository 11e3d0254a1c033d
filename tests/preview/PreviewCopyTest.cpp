#include "preview/PreviewCopy.h"
#include "preview/PreviewAddress.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

struct CopyRow {
    const char* name;
    const char16_t* text;
    const char16_t* filePath;
    const char16_t* copy;
};

class PreviewCopyText : public ::testing::TestWithParam<CopyRow> { };

struct AddressRow {
    const char* name;
    const char16_t* address;
    const char* url;
};

class PreviewAddressOf : public ::testing::TestWithParam<AddressRow> { };

} // namespace

TEST_P(PreviewCopyText, HasTheBaseLineAfterTheFirstHead)
{
    const CopyRow& row = GetParam();
    EXPECT_EQ(previewCopyText(QString::fromUtf16(row.text), QString::fromUtf16(row.filePath)),
        QString::fromUtf16(row.copy));
}

INSTANTIATE_TEST_SUITE_P(Texts, PreviewCopyText,
    ::testing::Values(CopyRow { "untitled", u"<html><head></head>", u"",
                          u"<html><head>\r\n<base href=\"file:\">\r\n</head>" },
        CopyRow { "no_head", u"<p>x</p>", u"/w/a.html",
            u"<head>\r\n<base href=\"file:/w/a.html\">\r\n</head><p>x</p>" },
        CopyRow { "capital_head_kept", u"<HEAD><HEAD>", u"/w/a.html",
            u"<HEAD>\r\n<base href=\"file:/w/a.html\">\r\n<HEAD>" },
        CopyRow { "mixed_case_after_header", u"<header><hEaD>", u"/w/a.html",
            u"<header><hEaD>\r\n<base href=\"file:/w/a.html\">\r\n" },
        CopyRow { "head_with_attribute_is_none", u"<head lang=ja>", u"/w/a.html",
            u"<head>\r\n<base href=\"file:/w/a.html\">\r\n</head><head lang=ja>" },
        CopyRow { "path_characters_that_end_an_address", u"<head>", u"/w/#1 100%?\"/a.html",
            u"<head>\r\n<base href=\"file:/w/%231 100%25%3F%22/a.html\">\r\n" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(PreviewAddressOf, NeverListsAFolderForAPage)
{
    const AddressRow& row = GetParam();
    EXPECT_EQ(previewAddress(QString::fromUtf16(row.address)), QUrl(QString::fromUtf8(row.url)));
}

INSTANTIATE_TEST_SUITE_P(Addresses, PreviewAddressOf,
    ::testing::Values(AddressRow { "bare_file_scheme", u"file:", "about:blank" },
        AddressRow { "about", u"about:", "about:blank" },
        AddressRow { "local_page", u"file:/web/my page.html", "file:///web/my%20page.html" },
        AddressRow { "hash_in_folder", u"file:/web/#1/index.html", "file:///web/%231/index.html" },
        AddressRow { "upper_case_scheme", u"FILE:/web/a.html", "file:///web/a.html" },
        AddressRow { "not_an_address", u"::", "about:blank" }),
    [](const auto& info) { return std::string(info.param.name); });
