#include "preview/HtmlView.h"
#include "preview/HtmlViewFactory.h"

#include <QObject>

namespace quorlex {

// The browser part as a plugin: the main window loads it the first time the preview is shown.
class HtmlViewPlugin : public QObject, public HtmlViewFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorlexHtmlViewFactory_iid)
    Q_INTERFACES(quorlex::HtmlViewFactory)
public:
    QWidget* createHtmlView(QWidget* parent, std::function<void(const QString&)> statusText) override
    {
        auto* view = new HtmlView(parent);
        QObject::connect(view, &HtmlView::statusTextChanged, view, std::move(statusText));
        return view;
    }

    void LoadHtml(QWidget* view, const QString& address) override
    {
        if (auto* htmlView = qobject_cast<HtmlView*>(view))
            htmlView->LoadHtml(address);
    }
};

} // namespace quorlex

#include "HtmlViewPlugin.moc"
