#pragma once

#include "wizards/FrameWizardWindow.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace quorlex {

// The frame wizard's controls; they run NewFrame's handlers.
class FrameWizardDialog : public QDialog {
    Q_OBJECT
public:
    FrameWizardDialog(NewFrame& wizard, QWidget* owner);

    QComboBox* frameList() const { return m_combo1; }
    QLineEdit* box(FrameBox box) const;

private:
    QComboBox* m_combo1;
    QLineEdit* m_text1;
    QLineEdit* m_text2;
    QLineEdit* m_text3;
};

// The frame wizard's dialog on Qt widgets, created anew for every opening.
class QtFrameWizardWindow : public FrameWizardWindow {
public:
    explicit QtFrameWizardWindow(QWidget& owner)
        : m_owner(owner)
    {
    }

    FrameWizardDialog* dialog() const { return m_dialog; }

    void showModal(NewFrame& wizard) override;
    void unload() override;
    QString text(FrameBox box) const override;
    void setText(FrameBox box, const QString& text) override;
    void addFrameItem(int number) override;
    void selectFrameItem(int number) override;
    int selectedFrameItem() const override;
    void message(const QString& text, MsgStyle style) override;

private:
    QWidget& m_owner;
    FrameWizardDialog* m_dialog = nullptr;
};

} // namespace quorlex
