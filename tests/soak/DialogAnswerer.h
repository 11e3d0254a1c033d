#pragma once

#include "SoakRandom.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace quorlex::soak {

class SoakFiles;

// What the dialogs of one step were asked and answered.
struct DialogRecord {
    QStringList answers; // one line per answer, for the step list
    QStringList saveChoices; // paths accepted in save dialogs
    QStringList patternSaves; // ... of them, those chosen to store a page pattern
    QStringList openChoices; // paths accepted in open dialogs
    QStringList pdfFiles; // files a print job was sent to
    int inputBoxes = 0;
    int messageBoxes = 0;
    bool savePromptYes = false; // a save question was answered Yes
    bool savePromptNo = false; // ... or No
    bool newPageFinished = false; // 完了 was pressed in the new page wizard
    bool settingsAccepted = false;
    int settingsTagCase = -1; // the tag case chosen when the settings were accepted
    QStringList unknownDialogs; // dialogs the soak has no answer for (they are cancelled)
    bool hung = false; // the step ran past its time and its dialogs were cancelled
};

// Answers every modal dialog the program shows, at random but reproducibly: the numbers come
// from the step's own random source, in the order the dialogs appear. Answers that could open
// another dialog are queued, so that the next dialog is answered in its own event loop.
class DialogAnswerer : public QObject {
public:
    DialogAnswerer(const SoakFiles& files, QString pdfFolder);

    void beginStep(std::uint64_t seed, qsizetype step, int secondsAllowed);
    // Texts for the next input boxes, used before random ones (nullopt-like: cancel).
    void scriptInput(const QString& text, bool cancel = false) { m_scripted.enqueue({ text, cancel }); }
    int scriptedLeft() const { return int(m_scripted.size()); }
    const DialogRecord& record() const { return m_record; }

    // A random answer text for input boxes.
    static QString randomText(SoakRandom& random);

private:
    struct Scripted {
        QString text;
        bool cancel;
    };
    void poll();
    void answer(QWidget* dialog, int round);
    void later(QWidget* dialog, std::function<void()> action);
    void note(const QString& line) { m_record.answers.append(line); }

    void answerMessageBox(QWidget* dialog);
    void answerInputBox(QWidget* dialog);
    void answerFileDialog(QWidget* dialog, int round);
    void answerPrintDialog(QWidget* dialog);
    void answerNewPage(QWidget* dialog, int round);
    void answerTable(QWidget* dialog, int round);
    void answerFrame(QWidget* dialog, int round);
    void answerSettings(QWidget* dialog);

    const SoakFiles& m_files;
    QString m_pdfFolder;
    QTimer m_timer;
    SoakRandom m_random;
    QQueue<Scripted> m_scripted;
    DialogRecord m_record;
    QDeadlineTimer m_deadline;
    qsizetype m_step = 0;
    int m_pdfCount = 0;
};

} // namespace quorlex::soak
