#include "taglists/HtmlTagList.h"

#include <QListWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace quorlex {

HtmlTagList::HtmlTagList(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_toolbar(new QToolBar(this))
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("HtmlTagList"));
    setWindowTitle(QStringLiteral("リスト"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(240, 320);

    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFixedHeight(m_toolbar->sizeHint().height());
    m_list->setObjectName(QStringLiteral("List1"));
    // The list is as wide as the window and reaches from the toolbar to the bottom edge.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_list, 1);

    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = item ? m_list->row(item) : -1;
        Q_EMIT lineDoubleClicked(row, item ? item->text() : QString());
    });
}

QtTagListWindow::QtTagListWindow(QWidget* owner)
    : m_owner(owner)
{
}

QtTagListWindow::~QtTagListWindow()
{
    delete m_window;
}

void QtTagListWindow::showList(const QString& caption, const QStringList& lines)
{
    if (!m_window) {
        m_window = new HtmlTagList(m_owner);
        QObject::connect(
            m_window, &HtmlTagList::lineDoubleClicked, m_window, [this](int index, const QString& text) {
                if (m_doubleClick)
                    m_doubleClick(index, text);
            });
        // Over the right side of the main window, where it stays in reach of the editing box.
        if (m_owner) {
            const QRect owner = m_owner->frameGeometry();
            m_window->move(owner.right() - m_window->width() - 24, owner.top() + 120);
        }
    }
    m_window->list()->clear();
    m_window->setWindowTitle(caption);
    m_window->list()->addItems(lines);
    m_window->show();
    m_window->raise();
}

void QtTagListWindow::setDoubleClickHandler(std::function<void(int, const QString&)> handler)
{
    m_doubleClick = std::move(handler);
}

} // namespace quorlex
