#pragma once

#include "preview/HelpWindows.h"

#include <QDialog>
#include <QPointer>

namespace quorlex {

// The about window "バージョン情報": the product's name, version and kind beside the program's
// icon, on white, with a colour rule under the name. OK closes it.
class HtmlVersion : public QDialog {
    Q_OBJECT
public:
    explicit HtmlVersion(QWidget* parent = nullptr);

    // The Gothic font the texts are set in: "ＭＳ Ｐゴシック", or a Japanese Gothic font that is
    // installed where that one is missing.
    static QString gothicFamily();
};

// The about window on Qt widgets, modal to the main window.
class QtAboutWindow : public AboutWindow {
public:
    explicit QtAboutWindow(QWidget* owner);
    void showAbout() override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace quorlex
