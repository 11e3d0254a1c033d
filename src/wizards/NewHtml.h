#pragma once

#include "wizards/NewHtmlWindow.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorlex {

// The new page wizard's dialog, "ホームページ ウィザード". It binds its controls to the
// wizard's handlers and holds no rules of its own.
class NewHtml : public QDialog, public NewHtmlWindow {
    Q_OBJECT
public:
    explicit NewHtml(QWidget* parent = nullptr);

    void showModal(NewPageWizard& wizard) override;
    void unload() override;
    QString text(NewHtmlBox box) const override;
    void setText(NewHtmlBox box, const QString& text) override;
    NewHtmlOption selectedOption() const override;
    void selectOption(NewHtmlOption option) override;
    QString option5Caption() const override;
    void setOption5Caption(const QString& caption) override;
    std::optional<quint32> chooseColour(std::optional<quint32> initial) override;

    // Esc and the close box cancel through the wizard.
    void reject() override;

private:
    QLineEdit* box(NewHtmlBox which) const;
    QRadioButton* option(NewHtmlOption which) const;
    // Calls handler on the wizard while the dialog is shown.
    void forward(void (NewPageWizard::*handler)());

    NewPageWizard* m_wizard = nullptr;
    QLineEdit* m_text1;
    QLineEdit* m_text2;
    QLineEdit* m_text3;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
    QRadioButton* m_option3;
    QRadioButton* m_option4;
    QRadioButton* m_option5;
};

} // namespace quorlex
