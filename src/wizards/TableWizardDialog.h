#pragma once

#include "wizards/TableWizardWindow.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace quorlex {

// The table wizard's controls, created with their start values; they run NewTable's handlers.
class TableWizardDialog : public QDialog {
    Q_OBJECT
public:
    TableWizardDialog(NewTable& wizard, QWidget* owner);

    TableEntries entries() const;
    QLineEdit* spinnerBox(TableSpinner spinner) const { return m_spinnerBoxes[std::size_t(spinner)]; }
    void setColourChoiceEnabled(bool enabled);

private:
    QLineEdit* m_text1; // spacing
    QLineEdit* m_text2; // padding
    QLineEdit* m_text3; // caption
    QLineEdit* m_text4; // 縦
    QLineEdit* m_text5; // 横
    QLineEdit* m_text6; // border
    QLineEdit* m_text7; // colour
    QLabel* m_label8;
    std::array<QCheckBox*, 5> m_checks {};
    std::array<QRadioButton*, 3> m_options {};
    std::array<QLineEdit*, 5> m_spinnerBoxes {};
};

// The table wizard's dialog on Qt widgets, created anew for every opening.
class QtTableWizardWindow : public TableWizardWindow {
public:
    explicit QtTableWizardWindow(QWidget& owner)
        : m_owner(owner)
    {
    }

    TableWizardDialog* dialog() const { return m_dialog; }

    void showModal(NewTable& wizard) override;
    void unload() override;
    TableEntries entries() const override;
    void setSpinnerBoxText(TableSpinner spinner, const QString& text) override;
    void setColourChoiceEnabled(bool enabled) override;
    void message(const QString& text, MsgStyle style) override;

private:
    QWidget& m_owner;
    TableWizardDialog* m_dialog = nullptr;
};

} // namespace quorlex
