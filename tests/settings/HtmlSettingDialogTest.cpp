#include "settings/HtmlSettingDialog.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

TEST(HtmlSettingDialog, ShowsTheListsAndGivesTheChoicesAtOk)
{
    QtSettingsWindow window;
    test::whenModal<HtmlSettingDialog>([](HtmlSettingDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("設定"));
        EXPECT_EQ(d->parentWidget(), nullptr);
        auto* tagCase = d->findChild<QComboBox*>(QStringLiteral("Combo1"));
        auto* autoSave = d->findChild<QComboBox*>(QStringLiteral("Combo2"));
        auto* preview = d->findChild<QComboBox*>(QStringLiteral("Combo3"));
        EXPECT_EQ(itemsOf(tagCase), (QStringList { QStringLiteral("大文字"), QStringLiteral("小文字") }));
        EXPECT_EQ(itemsOf(autoSave), QStringList { QStringLiteral("なし") });
        EXPECT_EQ(itemsOf(preview),
            (QStringList { QStringLiteral("自動で保存する"), QStringLiteral("保存しない"),
                QStringLiteral("確認する") }));
        EXPECT_FALSE(tagCase->isEditable());
        EXPECT_TRUE(autoSave->isEditable());
        EXPECT_EQ(tagCase->currentText(), QStringLiteral("小文字"));
        EXPECT_EQ(preview->currentText(), QStringLiteral("確認する"));
        auto* ok = d->findChild<QPushButton*>(QStringLiteral("Command1"));
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(
            d->findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("キャンセル"));
        tagCase->setCurrentIndex(0);
        preview->setCurrentIndex(0);
        ok->click();
    });
    const auto chosen = window.showSettings({ TagCaseItem::Lower, AutoSaveItem::None, PreviewSaveItem::Ask });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, (SettingChoices { TagCaseItem::Upper, AutoSaveItem::None, PreviewSaveItem::Save }));

    // Esc closes it without a choice.
    test::whenModal<HtmlSettingDialog>([](HtmlSettingDialog* d) {
        d->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(window.showSettings({}));
}
