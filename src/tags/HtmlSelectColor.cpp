#include "tags/HtmlSelectColor.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace quorlex {

namespace {

struct Option {
    const char* name;
    const char16_t* caption;
    PaletteColour colour;
};

constexpr Option options[] = {
    { "Option1", u"赤", PaletteColour::Red },
    { "Option2", u"青", PaletteColour::Blue },
    { "Option3", u"黄色", PaletteColour::Yellow },
    { "Option4", u"緑", PaletteColour::Green },
    { "Option5", u"黒(設定なし)", PaletteColour::None },
};

} // namespace

HtmlSelectColor::HtmlSelectColor(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_apply(new QPushButton(QStringLiteral("変更"), this))
{
    setObjectName(QStringLiteral("HtmlSelectColor"));
    setWindowTitle(QStringLiteral("色の指定"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Shown beside the main window without taking the focus from the editing box.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* layout = new QHBoxLayout(this);
    auto* group = new QButtonGroup(this);
    for (const Option& o : options) {
        auto* button = new QRadioButton(QString::fromUtf16(o.caption), this);
        button->setObjectName(QString::fromLatin1(o.name));
        group->addButton(button);
        layout->addWidget(button);
        m_options.append(button);
    }
    m_options.constLast()->setChecked(true);
    layout->addSpacing(12);
    m_apply->setObjectName(QStringLiteral("Command1"));
    m_apply->setAutoDefault(false);
    layout->addWidget(m_apply);
    setFixedSize(sizeHint());
    connect(m_apply, &QPushButton::clicked, this, [this] { Q_EMIT applied(colour()); });
}

PaletteColour HtmlSelectColor::colour() const
{
    for (qsizetype i = 0; i < m_options.size(); ++i)
        if (m_options.at(i)->isChecked())
            return options[i].colour;
    return PaletteColour::None;
}

QRadioButton* HtmlSelectColor::option(PaletteColour colour) const
{
    for (qsizetype i = 0; i < m_options.size(); ++i)
        if (options[i].colour == colour)
            return m_options.at(i);
    return nullptr;
}

void HtmlSelectColor::closeEvent(QCloseEvent* event)
{
    Q_EMIT closing();
    event->accept();
}

QtSelectColorWindow::QtSelectColorWindow(QWidget* owner)
    : m_owner(owner)
{
}

QtSelectColorWindow::~QtSelectColorWindow()
{
    delete m_window;
}

void QtSelectColorWindow::show()
{
    if (!m_window) {
        m_window = new HtmlSelectColor(m_owner);
        QObject::connect(m_window, &HtmlSelectColor::applied, m_window, [this](PaletteColour colour) {
            if (m_apply)
                m_apply(colour);
        });
        QObject::connect(m_window, &HtmlSelectColor::closing, m_window, [this] {
            if (m_closed)
                m_closed();
        });
    }
    m_window->show();
    m_window->raise();
}

void QtSelectColorWindow::hide()
{
    if (m_window)
        m_window->hide();
}

void QtSelectColorWindow::setHandlers(std::function<void(PaletteColour)> apply, std::function<void()> closed)
{
    m_apply = std::move(apply);
    m_closed = std::move(closed);
}

} // namespace quorlex
