#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace quorlex::test {

// Answers the next modal dialog once it is open: the lambda gets the dialog and
// fills in, accepts or rejects it.
template <typename Dialog> void whenModal(std::function<void(Dialog*)> answer, int attempts = 200)
{
    QTimer::singleShot(10, qApp, [answer, attempts] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            answer(dialog);
            return;
        }
        if (attempts > 0)
            whenModal<Dialog>(answer, attempts - 1);
    });
}

// Types text into the next input box and confirms it (or cancels it when cancel is set).
inline void answerInputBox(const QString& text, bool cancel = false)
{
    whenModal<QInputDialog>([text, cancel](QInputDialog* d) {
        d->setTextValue(text);
        if (cancel)
            d->reject();
        else
            d->accept();
    });
}

} // namespace quorlex::test
