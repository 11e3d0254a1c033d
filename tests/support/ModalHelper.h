#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quorlex::test {

// Answers the next modal dialog once it is open: the lambda gets the dialog and
// fills in, accepts or rejects it. It waits up to half a minute: a loaded machine (the
// sanitizer run) can take seconds to open a file dialog.
template <typename Dialog> void whenModal(std::function<void(Dialog*)> answer, int attempts = 3000)
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

// Chooses path in the next file dialog and accepts it, running the dialog's own checks; the
// choice is made again until the dialog has closed, and one that will not close is reported
// and cancelled rather than left open.
inline void chooseInFileDialog(
    const QString& path, std::function<void(QFileDialog*)> check = {}, int retries = 100)
{
    whenModal<QFileDialog>([path, check, retries](QFileDialog* dialog) {
        if (check)
            check(dialog);
        // selectFile leaves the name box alone while it has the focus: the name is typed too.
        dialog->selectFile(path);
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
        if (!dialog->isVisible())
            return;
        if (retries > 0) {
            chooseInFileDialog(path, {}, retries - 1);
            return;
        }
        ADD_FAILURE() << "the file dialog does not take " << path.toStdString() << ": it holds "
                      << dialog->selectedFiles().join(u',').toStdString();
        dialog->reject();
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
