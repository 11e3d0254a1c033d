#pragma once

#include "preview/PreviewWindow.h"

#include <QPointer>
#include <QString>

class QLabel;
class QStackedWidget;
class QTabBar;
class QWidget;

namespace quorlex {

class HtmlViewFactory;

// The browser plugin, loaded once; nothing (and the reason in error) when it cannot be loaded.
HtmlViewFactory* htmlViewFactory(QString* error = nullptr);

// The preview on the main window's widgets: the tab bar, the page stack holding the editing box
// and Picture1, and the status bar's first panel. HtmlView is a child of Picture1 and fills it
// through a layout, so resizing the window re-places it without running the preview again.
class QtPreviewWindow : public PreviewWindow {
public:
    QtPreviewWindow(
        QTabBar& tabs, QStackedWidget& pages, QWidget& editingBox, QWidget& previewArea, QLabel& statusPanel);
    ~QtPreviewWindow() override;

    PreviewTab selectedTab() const override;
    void showEditingBox() override;
    void showPreviewArea() override;
    void LoadHtml(const QString& address) override;
    void setStatusText(const QString& text) override;
    bool openInBrowser(const QString& address) override;
    void setStatusTextHandler(std::function<void(const QString&)> handler) override;

    // HtmlView once it has been created; null before the first switch to the preview tab.
    QWidget* htmlView() const { return m_view; }

private:
    void createHtmlView();

    QTabBar& m_tabs;
    QStackedWidget& m_pages;
    QWidget& m_editingBox;
    QWidget& m_previewArea;
    QLabel& m_statusPanel;
    HtmlViewFactory* m_factory = nullptr;
    QPointer<QWidget> m_view;
    std::function<void(const QString&)> m_statusText;
};

} // namespace quorlex
