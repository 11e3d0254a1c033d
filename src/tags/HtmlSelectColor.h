#pragma once

#include "tags/SelectColorWindow.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QPushButton;
class QRadioButton;

namespace quorlex {

// The colour palette window: a fixed-size tool window kept above the other windows, with the
// five colour options in one row and the "変更" button at the right.
class HtmlSelectColor : public QWidget {
    Q_OBJECT
public:
    explicit HtmlSelectColor(QWidget* owner = nullptr);

    PaletteColour colour() const;
    QRadioButton* option(PaletteColour colour) const;
    QPushButton* applyButton() const { return m_apply; }

Q_SIGNALS:
    void applied(quorlex::PaletteColour colour);
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QList<QRadioButton*> m_options;
    QPushButton* m_apply;
};

// The palette window on Qt widgets: created on first use, hidden and shown again with its
// choice, destroyed when the user closes it.
class QtSelectColorWindow : public SelectColorWindow {
public:
    explicit QtSelectColorWindow(QWidget* owner);
    ~QtSelectColorWindow() override;

    void show() override;
    void hide() override;
    void setHandlers(std::function<void(PaletteColour)> apply, std::function<void()> closed) override;

    // The window while it exists.
    HtmlSelectColor* window() const { return m_window; }

private:
    QWidget* m_owner;
    QPointer<HtmlSelectColor> m_window;
    std::function<void(PaletteColour)> m_apply;
    std::function<void()> m_closed;
};

} // namespace quorlex
