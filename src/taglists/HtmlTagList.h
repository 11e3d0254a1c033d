#pragma once

#include "taglists/TagListWindow.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QListWidget;
class QToolBar;

namespace quorlex {

// The tag list window: a sizable tool window kept above the other windows, with an empty
// toolbar strip across the top and the list below it, filling the rest of the window.
class HtmlTagList : public QWidget {
    Q_OBJECT
public:
    explicit HtmlTagList(QWidget* owner = nullptr);

    QToolBar* toolbar() const { return m_toolbar; }
    QListWidget* list() const { return m_list; }

Q_SIGNALS:
    void lineDoubleClicked(int index, const QString& text);

private:
    QToolBar* m_toolbar;
    QListWidget* m_list;
};

// The tag list window on Qt widgets: one at a time, created when first opened and again after
// the user has closed it.
class QtTagListWindow : public TagListWindow {
public:
    explicit QtTagListWindow(QWidget* owner);
    ~QtTagListWindow() override;

    void showList(const QString& caption, const QStringList& lines) override;
    void setDoubleClickHandler(std::function<void(int, const QString&)> handler) override;

    // The window while it exists.
    HtmlTagList* window() const { return m_window; }

private:
    QWidget* m_owner;
    QPointer<HtmlTagList> m_window;
    std::function<void(int, const QString&)> m_doubleClick;
};

} // namespace quorlex
