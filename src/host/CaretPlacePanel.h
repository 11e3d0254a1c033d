#pragma once

#include <QLabel>

namespace quorlex {

class SourceEdit;

// The status bar's permanent panel: the caret's line and column and the page's encoding,
// as in "行 12, 列 5　Shift_JIS".
class CaretPlacePanel : public QLabel {
    Q_OBJECT
public:
    explicit CaretPlacePanel(SourceEdit& edit, QWidget* parent = nullptr);

    void setEncodingName(const QString& name);

    static QString textFor(int line, int column, const QString& encoding);

private:
    void refresh();

    SourceEdit& m_edit;
    QString m_encoding;
};

} // namespace quorlex
