#pragma once

#include "preview/PreviewWindow.h"

#include <QStringList>

namespace quorlex::test {

// The main window's preview parts as a script: the tab is set by the test, and what the preview
// did is recorded in order.
struct ScriptedPreviewWindow : PreviewWindow {
    PreviewTab selectedTab() const override { return tab; }
    void showEditingBox() override { steps.append(QStringLiteral("editing box")); }
    void showPreviewArea() override { steps.append(QStringLiteral("preview area")); }
    void LoadHtml(const QString& address) override { loads.append(address); }
    void setStatusText(const QString& text) override { status = text; }
    bool openInBrowser(const QString& address) override
    {
        opened.append(address);
        return true;
    }
    void setStatusTextHandler(std::function<void(const QString&)> handler) override
    {
        statusHandler = std::move(handler);
    }

    PreviewTab tab = PreviewTab::Html;
    QStringList steps;
    QStringList loads;
    QString status = QStringLiteral("untouched");
    QStringList opened;
    std::function<void(const QString&)> statusHandler;
};

} // namespace quorlex::test
