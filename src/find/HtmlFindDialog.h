#pragma once

#include "find/FindWindow.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QRadioButton;

namespace quorlex {

// The find window's controls; the buttons run HtmlFind's handlers.
class HtmlFindDialog : public QDialog {
    Q_OBJECT
public:
    HtmlFindDialog(HtmlFind& find, QWidget* owner);

    QComboBox* box(FindBox box) const { return box == FindBox::Text1 ? m_text1 : m_combo1; }
    QRadioButton* option(SearchFrom from) const { return from == SearchFrom::Top ? m_top : m_current; }

private:
    QComboBox* m_text1;
    QComboBox* m_combo1;
    QRadioButton* m_top;
    QRadioButton* m_current;
};

// The find window on Qt widgets, created when the logic loads it and deleted when closed.
class QtFindWindow : public FindWindow {
public:
    // editor is the main window: the find window's owner, which it stays in front of.
    explicit QtFindWindow(QWidget& editor)
        : m_editor(editor)
    {
    }
    ~QtFindWindow() override;

    HtmlFindDialog* dialog() const { return m_dialog; }

    bool isLoaded() const override { return !m_dialog.isNull(); }
    void load(HtmlFind& find) override;
    void show() override;
    void unload() override;
    QString text(FindBox box) const override;
    void setText(FindBox box, const QString& text) override;
    QStringList history(FindBox box) const override;
    void addToHistory(FindBox box, const QString& entry) override;
    SearchFrom searchFrom() const override;
    void setSearchFrom(SearchFrom from) override;
    MsgAnswer message(const QString& text, MsgStyle style, const QString& title) override;
    void activateEditor() override;

private:
    QWidget& m_editor;
    QPointer<HtmlFindDialog> m_dialog;
};

} // namespace quorlex
