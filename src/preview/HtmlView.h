#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineLoadingInfo;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace quorlex {

class OfflineInterceptor;

// The preview window: a borderless child of the preview area holding the embedded browser
// WebBrowser1, which always fills it. The browser works offline in a profile of its own that
// keeps nothing on disk, and reads pages without a declared encoding as Shift_JIS.
class HtmlView : public QWidget {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // Shows the page at address (see previewAddress); a page that cannot be shown gives the
    // empty page, without a message.
    void LoadHtml(const QString& address);

    QWebEngineView* WebBrowser1() const { return m_browser; }
    // The address of the last page asked for.
    const QUrl& requested() const { return m_requested; }

Q_SIGNALS:
    // The browser's status text: the address of the link under the pointer, empty off a link.
    void statusTextChanged(const QString& text);

private:
    void loadingChanged(const QWebEngineLoadingInfo& info);

    OfflineInterceptor* m_interceptor;
    QWebEngineProfile* m_profile;
    QWebEnginePage* m_page;
    QWebEngineView* m_browser;
    QUrl m_requested;
};

} // namespace quorlex
