#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace quorlex {

// The browser part of the preview. It lives in a plugin of its own that is loaded the first time
// the preview is shown, so that the program starts without loading the browser engine.
class HtmlViewFactory {
public:
    virtual ~HtmlViewFactory() = default;

    // A new preview window HtmlView filling parent; statusText receives the browser's status text.
    virtual QWidget* createHtmlView(QWidget* parent, std::function<void(const QString&)> statusText) = 0;
    // HtmlView.LoadHtml of a view that createHtmlView made.
    virtual void LoadHtml(QWidget* view, const QString& address) = 0;
};

} // namespace quorlex

#define QuorlexHtmlViewFactory_iid "org.quorlex.Quorlex.HtmlViewFactory/1"
Q_DECLARE_INTERFACE(quorlex::HtmlViewFactory, QuorlexHtmlViewFactory_iid)
