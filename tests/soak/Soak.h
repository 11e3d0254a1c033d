#pragma once

#include "DialogAnswerer.h"
#include "SoakFiles.h"
#include "support/TestHome.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;

namespace quorlex {
class EditorForm;
}

namespace quorlex::soak {

struct SoakOptions {
    std::uint64_t seed = 1;
    qsizetype steps = 2000;
    // The preview tab starts the browser engine; it can be left out where that is too slow.
    bool preview = true;
    qsizetype hugeLineBytes = 200 * 1024;
};

// The state of the program before a step, as the checks compare it with the state after.
struct Before {
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
    bool modified = false;
    QString filePath;
    QString caption;
    bool patternMode = false;
    bool upperCase = true;
    QString clipboard;
    QString selected() const { return text.mid(selStart, selLength); }
};

// What a step's command should have done.
struct Expect {
    enum class Text { Any, Same, Exact, InsertAtSelection, Deletion };
    Text text = Text::Any;
    QString exact;
    qsizetype selStart = -1; // with Exact; -1 leaves the selection unchecked
    qsizetype selLength = 0;
    bool backspace = false; // with Deletion: the removed run ends at the caret
    QString insertPrefix; // with InsertAtSelection: what an inserted text starts and ends with
    QString insertSuffix;
    enum class Modified { Same, True, Rules };
    Modified modified = Modified::Rules;
    bool mayClear = false; // a save or a load may clear Modified
    bool maySet = false; // the command may set Modified
    bool mayWritePage = false; // the page's (or pattern's) own file may be written
    int inputBoxes = -1;
    int messageBoxes = -1;
    bool clipboardKnown = false;
    QString clipboard;
    std::function<void(const Before&)> extra; // checks of the command itself
};

// Drives the real main window with random commands from every menu, toolbar and key,
// answering every dialog, and checks after each step that the program is alive, that the text
// is what the command makes of it where that is known, that Modified follows its rules and
// that no file changed that was not saved to.
class Soak : public QObject {
    Q_OBJECT
public:
    explicit Soak(SoakOptions options);
    ~Soak() override;

    // Runs the steps; the first fault ends the run. Returns the fault, empty when there is none.
    QString run();
    const QStringList& steps() const { return m_steps; }
    qsizetype stepsRun() const { return m_step; }

public Q_SLOTS:
    // The system browser, as F_PreView asks for it: only noted.
    void openUrl(const QUrl& url) { m_openedUrls.append(url); }

private:
    QAction* pickUnrun(SoakRandom& random, const QList<QAction*>& items) const;
    void start();
    void restart();
    Before capture() const;
    QString perform(SoakRandom& random, const Before& before, Expect& expect);
    QString performKey(SoakRandom& random, const Before& before, Expect& expect);
    void predictCommand(const QString& name, SoakRandom& random, const Before& before, Expect& expect);
    void expectLoad(Expect& expect, QStringList paths);
    QString performFind(SoakRandom& random, const Before& before, Expect& expect);
    QString performPalette(SoakRandom& random, const Before& before, Expect& expect);
    QString performTagList(SoakRandom& random, const Before& before, Expect& expect);
    QString performDrop(SoakRandom& random, const Before& before, Expect& expect);
    QString performPreview(SoakRandom& random, Expect& expect);
    QString closeSomeWindow(SoakRandom& random);
    void verify(const Before& before, const Expect& expect);
    void checkFiles(const Before& before, const Expect& expect);
    void checkStartState();
    void settle();
    void fail(const QString& message);

    // The insertion primitive of the program, as a plain model.
    QString converted(const QString& tag, bool noConvert = false) const;
    void expectAddTag(Expect& expect, const Before& before, const QString& tag, bool noConvert = false) const;
    void expectWrap(
        Expect& expect, const Before& before, const QString& open, const QString& close, SoakRandom& random);
    QString scriptAnswer(SoakRandom& random, int cancelPercent = 10);
    QStringList listValues(const QByteArray& file, const QString& key) const;
    QString snippetContent(int index) const;

    SoakOptions m_options;
    test::TestHome m_home;
    QTemporaryDir m_root;
    QTemporaryDir m_pdfFolder;
    SoakRandom m_fixtureRandom;
    SoakFiles m_files;
    DialogAnswerer m_answerer;
    std::unique_ptr<EditorForm> m_form;
    QString m_savedCurrent;

    qsizetype m_step = 0;
    QStringList m_steps;
    QString m_fault;
    QList<QUrl> m_openedUrls;
    SoakFiles::Snapshot m_snapshot;
    bool m_upperCase = true; // the tag case the program should be in
    QByteArray m_userTags; // the list files as they should be
    QByteArray m_snippets;
    QStringList m_customMenu; // the custom-tag menu as it was filled at start-up
    QSet<QString> m_commandsSeen; // menu items seen enabled in the first half of the run
    QSet<QString> m_commandsRun; // menu items and buttons run so far
    QStringList m_patternFiles; // pattern files opened or saved: Save may write them
};

} // namespace quorlex::soak
