#pragma once

#include <QString>

#include <functional>

namespace quorlex {

// The tabs of the main window's tab strip TabStrip1.
enum class PreviewTab { Html, Preview };

// What the preview needs of the main window: the tab strip with the editing box and the preview
// area Picture1 under it, the preview window HtmlView inside that area, panel 1 of the status
// bar and the desktop's own browser.
class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;

    virtual PreviewTab selectedTab() const = 0;
    // The "HTML" tab's page: the editing box shown, in front, filling the tab strip's client area.
    virtual void showEditingBox() = 0;
    // The "プレビュー" tab's page: the editing box hidden and Picture1 filling the client area,
    // with HtmlView filling Picture1; HtmlView is created the first time.
    virtual void showPreviewArea() = 0;
    // HtmlView.LoadHtml: shows the page at address (see previewAddress) without going online.
    virtual void LoadHtml(const QString& address) = 0;
    // Panel 1 of the status bar StatusBar1.
    virtual void setStatusText(const QString& text) = 0;
    // Opens the page at address in the program the desktop uses for it; false when it could not.
    virtual bool openInBrowser(const QString& address) = 0;
    // The handler of the browser's status text (the address of the link under the pointer).
    virtual void setStatusTextHandler(std::function<void(const QString&)> handler) = 0;
};

} // namespace quorlex
