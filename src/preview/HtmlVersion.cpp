#include "preview/HtmlVersion.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

namespace {

QLabel* addLabel(QVBoxLayout* layout, const QString& name, const QString& text, qreal points, bool bold)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    QFont font(HtmlVersion::gothicFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    layout->addWidget(label);
    return label;
}

// The rule under the product's name: 251 by 1 pixels, from the program's green to white.
QPixmap gradientRule()
{
    QImage image(251, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), 0);
    gradient.setColorAt(0, QColor(0x2e, 0x7d, 0x5b));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QString HtmlVersion::gothicFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& family :
        { QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP"),
            QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"), QStringLiteral("Takao PGothic") })
        if (families.contains(family))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

HtmlVersion::HtmlVersion(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HtmlVersion"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    // The icon panel along the left edge.
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Picture1"));
    QPalette panelColours = panel->palette();
    panelColours.setColor(QPalette::Window, QColor(0xe4, 0xf1, 0xea));
    panel->setPalette(panelColours);
    panel->setAutoFillBackground(true);
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 16, 12, 16);
    panelLayout->addWidget(icon);
    panelLayout->addStretch();

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(16, 16, 20, 12);
    addLabel(texts, QStringLiteral("Label1"), QStringLiteral("クォーレクス2004"), 14.25, true);
    auto* rule = new QLabel;
    rule->setObjectName(QStringLiteral("Image2"));
    rule->setPixmap(gradientRule());
    texts->addWidget(rule);
    addLabel(texts, QStringLiteral("Label3"), QStringLiteral("Version 3.0"), 14.25, true);
    addLabel(texts, QStringLiteral("Label6"), QStringLiteral("HTML編集ソフト"), 12, false);
    addLabel(texts, QStringLiteral("Label2"), QStringLiteral("2001年4月1日〜"), 9, false);
    texts->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    texts->addWidget(ok, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addLayout(texts);
    setFixedSize(sizeHint());
}

QtAboutWindow::QtAboutWindow(QWidget* owner)
    : m_owner(owner)
{
}

void QtAboutWindow::showAbout()
{
    // Made anew at each showing; the main window waits until OK closes it.
    HtmlVersion about(m_owner);
    about.exec();
}

} // namespace quorlex
