#include "Soak.h"

#include "app/EditorForm.h"
#include "app/EditorFormLogic.h"
#include "core/AutoBackup.h"
#include "core/Editor.h"
#include "dialogs/PathHelpers.h"
#include "files/ShiftJisCodec.h"
#include "find/HtmlFindDialog.h"
#include "host/EditBox.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"
#include "settings/IniFile.h"
#include "taglists/HtmlTagList.h"
#include "tags/HtmlSelectColor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

namespace quorlex::soak {

namespace {

const QString Product = QStringLiteral("クォーレクス");
const QString CrLf = QStringLiteral("\r\n");

QString visible(QString text)
{
    text.replace(u'\r', QStringLiteral("\\r"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

QString shortened(const QString& text, qsizetype length = 30)
{
    return visible(text.size() > length ? text.left(length) + QStringLiteral("…") : text);
}

QString difference(const QString& expected, const QString& actual)
{
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected.at(at) == actual.at(at))
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 12);
    return QStringLiteral("texts differ at %1 (lengths %2 and %3): expected \"%4\", got \"%5\"")
        .arg(at)
        .arg(expected.size())
        .arg(actual.size())
        .arg(visible(expected.mid(from, 50)), visible(actual.mid(from, 50)));
}

// An offset between the two halves of a CR LF or of a surrogate pair, which the box cannot hold.
bool insidePair(const QString& text, qsizetype offset)
{
    if (offset <= 0 || offset >= text.size())
        return false;
    const QChar before = text.at(offset - 1);
    const QChar after = text.at(offset);
    return (before == u'\r' && after == u'\n') || (before.isHighSurrogate() && after.isLowSurrogate());
}

// Pasted text: every line break, CR LF, a lone CR or a lone LF, becomes CR LF.
QString withCrLf(QString text)
{
    return text.replace(CrLf, QStringLiteral("\n")).replace(u'\r', u'\n').replace(QStringLiteral("\n"), CrLf);
}

bool mappable(const QString& text)
{
    return ShiftJis::unmappable(text, 1).isEmpty();
}

const QStringList& wrapCommands()
{
    static const QStringList names = { QStringLiteral("I_S_b"), QStringLiteral("I_S_i"),
        QStringLiteral("I_S_u"), QStringLiteral("I_S_tt"), QStringLiteral("I_S_Marquee"),
        QStringLiteral("I_S_sub"), QStringLiteral("I_S_sup"), QStringLiteral("I_AlignSet_0"),
        QStringLiteral("I_AlignSet_1"), QStringLiteral("I_AlignSet_2"), QStringLiteral("I_E_TextOb") };
    return names;
}

QPair<QString, QString> wrapTags(const QString& name)
{
    static const QHash<QString, QPair<QString, QString>> tags = {
        { QStringLiteral("I_S_b"), { QStringLiteral("<B>"), QStringLiteral("</B>") } },
        { QStringLiteral("I_S_i"), { QStringLiteral("<I>"), QStringLiteral("</I>") } },
        { QStringLiteral("I_S_u"), { QStringLiteral("<U>"), QStringLiteral("</U>") } },
        { QStringLiteral("I_S_tt"), { QStringLiteral("<TT>"), QStringLiteral("</TT>") } },
        { QStringLiteral("I_S_Marquee"), { QStringLiteral("<MARQUEE>"), QStringLiteral("</MARQUEE>") } },
        { QStringLiteral("I_S_sub"), { QStringLiteral("<SUP>"), QStringLiteral("</SUP>") } },
        { QStringLiteral("I_S_sup"), { QStringLiteral("<SUB>"), QStringLiteral("</SUB>") } },
        { QStringLiteral("I_AlignSet_0"), { QStringLiteral("<div align=left>"), QStringLiteral("</div>") } },
        { QStringLiteral("I_AlignSet_1"), { QStringLiteral("<center>"), QStringLiteral("</center>") } },
        { QStringLiteral("I_AlignSet_2"), { QStringLiteral("<div align=right>"), QStringLiteral("</div>") } },
        { QStringLiteral("I_E_TextOb"), { QStringLiteral("<TEXTAREA>"), QStringLiteral("</TEXTAREA>") } },
    };
    return tags.value(name);
}

// The texts that the simple insertion commands put in place of the selection (%1: the selection).
QString directInsertion(const QString& name)
{
    static const QHash<QString, QString> texts = {
        { QStringLiteral("I_br"), QStringLiteral("<BR>\r\n") },
        { QStringLiteral("I_hr"), QStringLiteral("<HR>\r\n") },
        { QStringLiteral("I_Point"), QStringLiteral("<LI>") },
        { QStringLiteral("I_S_p"), QStringLiteral("<P>%1</P>") },
        { QStringLiteral("I_SpecialChar_0"), QStringLiteral("&lt;") },
        { QStringLiteral("I_SpecialChar_1"), QStringLiteral("&gt;") },
        { QStringLiteral("I_SpecialChar_2"), QStringLiteral("&nbsp;") },
        { QStringLiteral("I_SpecialChar_3"), QStringLiteral("&quot") },
        { QStringLiteral("I_E_ButtonOb"),
            QStringLiteral("<FORM>\r\n<INPUT NAME=Button1 TYPE=BUTTON VALUE=もどる>\r\n</FORM>\r\n") },
        { QStringLiteral("E_Enter"), QStringLiteral("\r\n") },
    };
    return texts.value(name);
}

// Commands that insert a tag built from a dialog's answers: what it starts and ends with.
QPair<QString, QString> dialogInsertion(const QString& name)
{
    static const QHash<QString, QPair<QString, QString>> tags = {
        { QStringLiteral("I_img"), { QStringLiteral("<img src=\""), QStringLiteral("\">") } },
        { QStringLiteral("I_midi"), { QStringLiteral("<bgsound src=\""), QStringLiteral("\"..>") } },
        { QStringLiteral("I_video"), { QStringLiteral("<img dynsrc=\""), QStringLiteral("\">") } },
        { QStringLiteral("I_E_PluginTag"), { QStringLiteral("<EMBED URL=\""), QStringLiteral("\">") } },
        { QStringLiteral("I_L_Insert"), { QStringLiteral("<a href=\""), QStringLiteral("</a>") } },
        { QStringLiteral("I_AddTextFile"), { QStringLiteral("<pre>"), QStringLiteral("</pre>") } },
        { QStringLiteral("I_Frame"),
            { QStringLiteral("<FRAMESET COLS=\""), QStringLiteral("</FRAMESET>\r\n") } },
        { QStringLiteral("I_Table"), { QStringLiteral("<TABLE"), QStringLiteral("</TABLE>\r\n") } },
    };
    return tags.value(name);
}

// The heading size an answer gives, as the heading command reads it (full-width digits are no
// number to it).
int headingSize(const QString& answer)
{
    static const QHash<QString, int> sizes = { { QStringLiteral("1"), 1 }, { QStringLiteral("2"), 2 },
        { QStringLiteral("3"), 3 }, { QStringLiteral("4"), 4 }, { QStringLiteral("5"), 5 },
        { QStringLiteral("6"), 6 }, { QStringLiteral("7"), 7 }, { QStringLiteral("-2"), -2 },
        { QStringLiteral("2.5"), 2 }, { QStringLiteral("3.5"), 4 }, { QStringLiteral("12"), 12 } };
    return sizes.value(answer, 0);
}

} // namespace

Soak::Soak(SoakOptions options)
    : m_options(options)
    , m_fixtureRandom(options.seed)
    , m_files(m_root.path(), m_home.path(), options.hugeLineBytes, m_fixtureRandom)
    , m_answerer(m_files, m_pdfFolder.path())
{
    m_savedCurrent = QDir::currentPath();
    // The dialogs open in the working folder, and an untitled page's links are relative to it.
    QDir::setCurrent(m_root.path());
    QApplication::setQuitOnLastWindowClosed(false);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    m_userTags = fileBytes(m_files.homeFile(QStringLiteral("usertag.tol")));
    m_snippets = fileBytes(m_files.homeFile(QStringLiteral("templete.tol")));
}

Soak::~Soak()
{
    m_form.reset();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QApplication::setQuitOnLastWindowClosed(true);
    QDir::setCurrent(m_savedCurrent);
}

QString Soak::run()
{
    // The settings a user may have chosen before: tag case and what the preview does.
    SoakRandom first = stepRandom(m_options.seed, -1, 2);
    IniFile ini(m_files.homeFile(QStringLiteral("quorlex.ini")));
    ini.SetIni(QStringLiteral("HTML"), QStringLiteral("TagCase"), QString::number(first.below(2)));
    ini.SetIni(QStringLiteral("Main"), QStringLiteral("PreviewSave"), QString::number(first.below(3)));
    start();
    for (m_step = 0; m_step < m_options.steps && m_fault.isEmpty(); ++m_step) {
        SoakRandom random = stepRandom(m_options.seed, m_step);
        m_answerer.beginStep(m_options.seed, m_step, 60);
        const Before before = capture();
        Expect expect;
        const QString what = perform(random, before, expect);
        settle();
        const QStringList answers = m_answerer.record().answers;
        m_steps.append(QStringLiteral("%1 %2").arg(m_step).arg(what)
            + (answers.isEmpty() ? QString()
                                 : QStringLiteral(" [") + answers.join(QStringLiteral("; ")) + u']'));
        verify(before, expect);
        if (m_fault.isEmpty() && !m_form->isVisible())
            restart();
    }
    // A full run has tried every toolbar button and every menu item enabled in its first half.
    if (m_fault.isEmpty() && m_options.steps >= 2000) {
        for (const QAction* button : m_form->fileBar()->actions() + m_form->tagBar()->actions())
            m_commandsSeen.insert(button->objectName());
        QStringList missed = (m_commandsSeen - m_commandsRun).values();
        missed.sort();
        if (!missed.isEmpty())
            fail(QStringLiteral("commands never run: ") + missed.join(u','));
    }
    return m_fault;
}

QAction* Soak::pickUnrun(SoakRandom& random, const QList<QAction*>& items) const
{
    // Half the picks go to commands not run yet, so that a run soon covers them all.
    QList<QAction*> unrun;
    for (QAction* item : items)
        if (item->isEnabled() && !m_commandsRun.contains(item->objectName()))
            unrun.append(item);
    return random.chance(50) && !unrun.isEmpty() ? random.pick(unrun) : random.pick(items);
}

void Soak::start()
{
    m_form = std::make_unique<EditorForm>();
    m_form->resize(900, 650);
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    settle();
    const IniFile ini(m_files.homeFile(QStringLiteral("quorlex.ini")));
    m_upperCase = ini.GetIni(QStringLiteral("HTML"), QStringLiteral("TagCase"), QStringLiteral("0")) == u"0";
    m_customMenu = listValues(m_userTags, QStringLiteral("TOL"));
    m_snapshot = m_files.snapshot(m_snapshot);
    checkStartState();
}

void Soak::restart()
{
    // The program ended: start it again, perhaps with other settings written in between.
    m_form.reset();
    settle();
    SoakRandom random = stepRandom(m_options.seed, m_step, 2);
    IniFile ini(m_files.homeFile(QStringLiteral("quorlex.ini")));
    if (random.chance(50))
        ini.SetIni(QStringLiteral("Main"), QStringLiteral("PreviewSave"), QString::number(random.below(3)));
    if (random.chance(30))
        ini.SetIni(QStringLiteral("HTML"), QStringLiteral("TagCase"), QString::number(random.below(2)));
    m_steps.append(QStringLiteral("   (started again)"));
    start();
}

void Soak::checkStartState()
{
    const IniFile ini(m_files.homeFile(QStringLiteral("quorlex.ini")));
    if (m_form->windowTitle() != Product)
        fail(QStringLiteral("start-up caption is %1").arg(m_form->windowTitle()));
    if (m_form->editor().document().Modified() || !m_form->editBox().sourceText().isEmpty())
        fail(QStringLiteral("the program did not start with an empty, unmodified page"));
    const QPair<QString, QToolBar*> bars[] = { { QStringLiteral("FileBar"), m_form->fileBar() },
        { QStringLiteral("TagBar"), m_form->tagBar() } };
    for (const auto& [key, bar] : bars) {
        const QString stored = ini.GetIni(QStringLiteral("Main"), key, QStringLiteral("1"));
        const bool shown
            = stored.compare(QStringLiteral("False"), Qt::CaseInsensitive) != 0 && stored != u"0";
        if (bar->isHidden() == shown)
            fail(QStringLiteral("%1=%2 in the settings file, but the bar is %3")
                     .arg(key, stored, bar->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown")));
    }
    // The custom-tag menu holds the list file's entries, or its disabled placeholder.
    for (qsizetype i = 0; i < std::max<qsizetype>(m_customMenu.size(), 1); ++i) {
        auto* item = m_form->findChild<QAction*>(QStringLiteral("T_C_Item_%1").arg(i));
        if (!item || item->isEnabled() != !m_customMenu.isEmpty())
            fail(QStringLiteral("custom-tag menu item %1 is missing or wrongly enabled").arg(i));
    }
}

void Soak::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Soak::fail(const QString& message)
{
    if (m_fault.isEmpty())
        m_fault = QStringLiteral("step %1: %2").arg(m_step).arg(message);
}

Before Soak::capture() const
{
    Before before;
    const SourceEdit& box = m_form->editBox();
    before.text = box.sourceText();
    before.selStart = box.selectionStartOffset();
    before.selLength = box.selectionLengthOffset();
    const EditorDocument& document = m_form->editor().document();
    before.modified = document.Modified();
    before.filePath = document.FilePath();
    before.patternMode = document.PatternMode();
    before.caption = m_form->windowTitle();
    before.upperCase = m_form->editor().settings().UpperCaseTags;
    before.clipboard = QGuiApplication::clipboard()->text();
    return before;
}

QString Soak::converted(const QString& tag, bool noConvert) const
{
    return noConvert || m_upperCase ? tag : tag.toLower();
}

void Soak::expectAddTag(Expect& expect, const Before& before, const QString& tag, bool noConvert) const
{
    const QString inserted = converted(tag, noConvert);
    expect.text = Expect::Text::Exact;
    expect.exact
        = before.text.left(before.selStart) + inserted + before.text.mid(before.selStart + before.selLength);
    expect.selStart = before.selStart + inserted.size();
    expect.selLength = 0;
}

QString Soak::scriptAnswer(SoakRandom& random, int cancelPercent)
{
    const QString text = DialogAnswerer::randomText(random);
    const bool cancel = random.chance(cancelPercent);
    m_answerer.scriptInput(text, cancel);
    return cancel ? QString() : text;
}

void Soak::expectWrap(
    Expect& expect, const Before& before, const QString& open, const QString& close, SoakRandom& random)
{
    if (!before.selected().isEmpty()) {
        expectAddTag(expect, before, open + before.selected() + close);
        expect.inputBoxes = 0;
        return;
    }
    expectAddTag(expect, before, open + scriptAnswer(random) + close + CrLf);
    expect.inputBoxes = 1;
}

QStringList Soak::listValues(const QByteArray& file, const QString& key) const
{
    QStringList values;
    const QStringList lines = ShiftJis::decode(file).split(CrLf);
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        const QString name = equals < 0 ? line : line.left(equals);
        if (name.startsWith(key))
            values.append(equals < 0 ? QString() : line.mid(equals + 1));
    }
    return values;
}

QString Soak::snippetContent(int index) const
{
    const QString key = QStringLiteral("TOL%1=").arg(index);
    for (const QString& line : ShiftJis::decode(m_snippets).split(CrLf))
        if (line.startsWith(key))
            return line.mid(key.size());
    return QString();
}

QString Soak::perform(SoakRandom& random, const Before& before, Expect& expect)
{
    const qsizetype roll = random.below(1000);
    if (roll < 330)
        return performKey(random, before, expect);
    if (roll < 420) {
        // A selection made with the mouse.
        const qsizetype length = before.text.size();
        const qsizetype start = random.below(length + 1);
        const qsizetype selected
            = random.chance(40) ? 0 : random.below(std::min<qsizetype>(length - start, 400) + 1);
        EditBox& box = m_form->host().editBox();
        box.setSelStart(start);
        box.setSelLength(selected);
        expect.text = Expect::Text::Same;
        expect.modified = Expect::Modified::Same;
        if (!insidePair(before.text, start) && !insidePair(before.text, start + selected)) {
            expect.selStart = start;
            expect.selLength = selected;
        }
        return QStringLiteral("select %1+%2").arg(start).arg(selected);
    }
    if (roll < 800) {
        QList<QAction*> items;
        for (QAction* action : m_form->menuBar()->findChildren<QAction*>()) {
            const QString name = action->objectName();
            if (name.isEmpty() || name.endsWith(QStringLiteral("_Menu")) || action->isSeparator()
                || action->menu())
                continue;
            if (action->isEnabled() && m_step < m_options.steps / 2) // leaves time to run it
                m_commandsSeen.insert(name);
            if (action->isEnabled() || random.chance(3))
                items.append(action);
        }
        std::sort(items.begin(), items.end(),
            [](const QAction* a, const QAction* b) { return a->objectName() < b->objectName(); });
        QAction* action = pickUnrun(random, items);
        const bool viaKey = !action->shortcut().isEmpty() && action->isEnabled() && random.chance(30);
        predictCommand(action->objectName(), random, before, expect);
        if (!action->isEnabled()) {
            expect = Expect();
            expect.text = Expect::Text::Same;
            expect.modified = Expect::Modified::Same;
        }
        if (viaKey) {
            QApplication::setActiveWindow(m_form.get());
            const QKeyCombination key = action->shortcut()[0];
            QTest::keyClick(&m_form->editBox(), key.key(), key.keyboardModifiers());
            m_commandsRun.insert(action->objectName());
            return QStringLiteral("key %1 (%2)").arg(action->shortcut().toString(), action->objectName());
        }
        action->trigger();
        if (action->isEnabled())
            m_commandsRun.insert(action->objectName());
        return QStringLiteral("menu %1").arg(action->objectName());
    }
    if (roll < 870) {
        QList<QAction*> buttons = m_form->fileBar()->actions() + m_form->tagBar()->actions();
        QAction* button = pickUnrun(random, buttons);
        predictCommand(button->data().toString(), random, before, expect);
        button->trigger();
        m_commandsRun.insert(button->objectName());
        return QStringLiteral("button %1").arg(button->objectName());
    }
    if (roll < 920)
        return performFind(random, before, expect);
    if (roll < 945)
        return performPalette(random, before, expect);
    if (roll < 962)
        return performTagList(random, before, expect);
    if (roll < 974)
        return performDrop(random, before, expect);
    if (roll < 982 && m_options.preview)
        return performPreview(random, expect);
    expect.text = Expect::Text::Same;
    expect.modified = Expect::Modified::Same;
    if (roll < 988) {
        const QSize size(int(random.between(320, 1200)), int(random.between(240, 900)));
        m_form->resize(size);
        return QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height());
    }
    if (roll < 994) {
        // A minute of the backup timer; the backup, when it is written, holds the text.
        m_form->logic().backup().Timer1_Timer();
        expect.extra = [this](const Before& before) {
            const QString backup = m_files.homeFile(QStringLiteral("html.bak"));
            const auto old = m_snapshot.value(backup);
            const QFileInfo now(backup);
            if (now.exists() && (now.size() != old.size || now.lastModified() != old.modified)
                && fileBytes(backup) != ShiftJis::encode(before.text))
                fail(QStringLiteral("html.bak does not hold the text"));
        };
        return QStringLiteral("backup timer");
    }
    return closeSomeWindow(random);
}

QString Soak::performKey(SoakRandom& random, const Before& before, Expect& expect)
{
    SourceEdit& box = m_form->editBox();
    const QString kept = before.text.left(before.selStart);
    const QString rest = before.text.mid(before.selStart + before.selLength);
    auto exactly = [&](const QString& inserted) {
        expect.text = Expect::Text::Exact;
        expect.exact = kept + inserted + rest;
        expect.selStart = kept.size() + inserted.size();
        expect.selLength = 0;
    };
    expect.modified = Expect::Modified::True;
    const qsizetype kind = random.below(100);
    if (kind < 35) {
        static const QString alphabet = QStringLiteral(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 <>/=\"'&;:.,!?#-_");
        QString typed;
        for (qsizetype i = random.between(1, 8); i > 0; --i)
            typed += alphabet.at(random.below(alphabet.size()));
        QTest::keyClicks(&box, typed);
        exactly(typed);
        return QStringLiteral("type \"%1\"").arg(typed);
    }
    if (kind < 45) {
        static const QStringList words = { QStringLiteral("日本語"), QStringLiteral("テスト"),
            QStringLiteral("ｶﾀｶﾅ"), QStringLiteral("漢字かな"), QStringLiteral("①"), QStringLiteral("ー") };
        const QString word = random.pick(words);
        QInputMethodEvent preedit(word, {});
        QApplication::sendEvent(&box, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(word);
        QApplication::sendEvent(&box, &commit);
        exactly(word);
        return QStringLiteral("input method \"%1\"").arg(word);
    }
    if (kind < 55) {
        const bool shift = random.chance(30);
        QTest::keyClick(&box, Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
        exactly(converted(QStringLiteral("<BR>")) + CrLf);
        return shift ? QStringLiteral("Shift+Enter") : QStringLiteral("Enter");
    }
    if (kind < 58) {
        QTest::keyClick(&box, Qt::Key_Tab);
        exactly(QStringLiteral("\t"));
        return QStringLiteral("Tab");
    }
    if (kind < 60) {
        QTest::keyClick(&box, Qt::Key_Escape);
        expect.text = Expect::Text::Same;
        return QStringLiteral("Esc");
    }
    if (kind < 72) {
        const bool backspace = random.chance(60);
        QTest::keyClick(&box, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
        expect.text = Expect::Text::Deletion;
        expect.backspace = backspace;
        return backspace ? QStringLiteral("Backspace") : QStringLiteral("Delete");
    }
    if (kind < 90) {
        static const Qt::Key keys[] = { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
            Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown };
        const Qt::Key key = keys[random.below(std::size(keys))];
        Qt::KeyboardModifiers modifiers;
        if (random.chance(40))
            modifiers |= Qt::ShiftModifier;
        if (random.chance(20))
            modifiers |= Qt::ControlModifier;
        const int repeat = int(random.between(1, 4));
        for (int i = 0; i < repeat; ++i)
            QTest::keyClick(&box, key, modifiers);
        expect.text = Expect::Text::Same;
        expect.modified = Expect::Modified::Same;
        return QStringLiteral("%1x %2").arg(repeat).arg(
            QKeySequence(QKeyCombination(modifiers, key)).toString());
    }
    // The box's own clipboard keys and undo.
    static const Qt::Key keys[] = { Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z };
    const Qt::Key key = keys[random.below(std::size(keys))];
    QTest::keyClick(&box, key, Qt::ControlModifier);
    const QString selected = before.selected();
    switch (key) {
    case Qt::Key_C:
        expect.text = Expect::Text::Same;
        expect.clipboardKnown = true;
        expect.clipboard = selected.isEmpty() ? before.clipboard : selected;
        break;
    case Qt::Key_X:
        exactly(QString());
        expect.clipboardKnown = true;
        expect.clipboard = selected.isEmpty() ? before.clipboard : selected;
        break;
    case Qt::Key_V: {
        if (!before.clipboard.isEmpty())
            exactly(withCrLf(before.clipboard));
        break;
    }
    default:
        break;
    }
    return QStringLiteral("Ctrl+%1").arg(QChar(char16_t(key)));
}

void Soak::expectLoad(Expect& expect, QStringList paths)
{
    expect.text = Expect::Text::Any;
    expect.modified = Expect::Modified::Rules;
    expect.mayClear = true;
    expect.mayWritePage = true;
    expect.extra = [this, paths](const Before&) {
        const QStringList chosen = paths + m_answerer.record().openChoices;
        const EditorDocument& document = m_form->editor().document();
        const QString path = document.FilePath();
        if (!chosen.contains(path) || document.PatternMode())
            return;
        const QFileInfo info(path);
        if (info.exists() && !info.isFile())
            return;
        const QString expected = info.exists() ? ShiftJis::decode(fileBytes(path)) : QString();
        if (m_form->editBox().sourceText() != expected)
            fail(QStringLiteral("the page loaded from %1 is not the file's text: %2")
                     .arg(info.fileName(), difference(expected, m_form->editBox().sourceText())));
        if (document.Modified())
            fail(QStringLiteral("a loaded page is marked modified"));
        if (m_form->windowTitle() != FileTitleOf(path) + QStringLiteral(" - ") + Product)
            fail(QStringLiteral("caption after loading is %1").arg(m_form->windowTitle()));
    };
}

void Soak::predictCommand(const QString& name, SoakRandom& random, const Before& before, Expect& expect)
{
    expect.modified = Expect::Modified::Same;
    if (wrapCommands().contains(name)) {
        const auto [open, close] = wrapTags(name);
        expectWrap(expect, before, open, close, random);
        return;
    }
    if (const QString text = directInsertion(name); !text.isEmpty()) {
        expectAddTag(
            expect, before, text.contains(QStringLiteral("%1")) ? text.arg(before.selected()) : text);
        expect.inputBoxes = 0;
        return;
    }
    if (const auto [prefix, suffix] = dialogInsertion(name); !prefix.isEmpty()) {
        expect.text = Expect::Text::InsertAtSelection;
        const bool table = name == QStringLiteral("I_Table");
        expect.insertPrefix = table ? (m_upperCase ? prefix : prefix.toLower()) : converted(prefix);
        expect.insertSuffix = table ? (m_upperCase ? suffix : suffix.toLower()) : converted(suffix);
        return;
    }
    if (name == QStringLiteral("I_S_Hx")) {
        static const QStringList answers = { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
            QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
            QStringLiteral("0"), QString(), QStringLiteral("x"), QStringLiteral("-2"), QStringLiteral("2.5"),
            QStringLiteral("3.5"), QStringLiteral("６"), QStringLiteral("12") };
        const QString answer = random.pick(answers);
        const bool cancel = random.chance(8);
        m_answerer.scriptInput(answer, cancel);
        const int size = cancel ? 0 : headingSize(answer);
        if (size == 0 || size < 1 || size > 6) {
            expect.text = Expect::Text::Same;
            expect.inputBoxes = 1;
            expect.messageBoxes = size == 0 ? 0 : 1;
            return;
        }
        const QString n = QString::number(size);
        expectWrap(expect, before, QStringLiteral("<H") + n + u'>', QStringLiteral("</H") + n + u'>', random);
        expect.inputBoxes += 1;
        return;
    }
    if (name == QStringLiteral("I_Comment")) {
        const QString text = before.selected().isEmpty() ? scriptAnswer(random) : before.selected();
        expectAddTag(expect, before, QStringLiteral("<!-- ") + text + QStringLiteral(" -->"));
        expect.inputBoxes = before.selected().isEmpty() ? 1 : 0;
        return;
    }
    if (name == QStringLiteral("I_L_Back")) {
        const QString page = scriptAnswer(random);
        expect.inputBoxes = 1;
        if (page.isEmpty()) {
            expect.text = Expect::Text::Same;
            return;
        }
        expectAddTag(expect, before, QStringLiteral("<a href=\"") + page + QStringLiteral("\">戻る</a>"));
        const QString brk = converted(QStringLiteral("<BR>\r\n"));
        expect.exact.insert(expect.selStart, brk);
        expect.selStart += brk.size();
        return;
    }
    if (name == QStringLiteral("I_L_LabelJump")) {
        const QString label = scriptAnswer(random);
        const QString caption = before.selected().isEmpty() ? scriptAnswer(random) : before.selected();
        expectAddTag(expect, before,
            QStringLiteral("<a href=\"#") + label + QStringLiteral("\">") + caption + QStringLiteral("</a>"));
        expect.inputBoxes = before.selected().isEmpty() ? 2 : 1;
        return;
    }
    if (name == QStringLiteral("I_L_LabelSet")) {
        const QString label = before.selected().isEmpty() ? scriptAnswer(random) : before.selected();
        expectAddTag(expect, before, QStringLiteral("<a name=\"") + label + QStringLiteral("\"></a>"));
        expect.inputBoxes = before.selected().isEmpty() ? 1 : 0;
        return;
    }
    if (name.startsWith(QStringLiteral("T_C_Item_"))) {
        const qsizetype index = name.mid(9).toInt();
        if (index < m_customMenu.size())
            expectAddTag(expect, before, m_customMenu.at(index));
        else
            expect.text = Expect::Text::Same;
        return;
    }
    if (name.startsWith(QStringLiteral("T_T_Item_"))) {
        const QString content = snippetContent(name.mid(9).toInt());
        if (content.isNull())
            expect.text = Expect::Text::Same;
        else
            expectAddTag(expect, before, content);
        return;
    }
    if (name == QStringLiteral("T_C_Add")) {
        const QString tag = scriptAnswer(random);
        expect.text = Expect::Text::Same;
        expect.inputBoxes = 1;
        if (!tag.isEmpty())
            m_userTags += ShiftJis::encode(QStringLiteral("TOL%1=%2\r\n")
                                               .arg(listValues(m_userTags, QStringLiteral("TOL")).size())
                                               .arg(tag));
        return;
    }
    if (name == QStringLiteral("T_T_Add")) {
        const QString title = scriptAnswer(random);
        expect.text = Expect::Text::Same;
        expect.inputBoxes = 1;
        if (title.isEmpty())
            return;
        const QString content = scriptAnswer(random);
        expect.inputBoxes = 2;
        if (!content.isEmpty()) {
            const qsizetype n = listValues(m_snippets, QStringLiteral("TOL")).size();
            m_snippets
                += ShiftJis::encode(QStringLiteral("TOL%1=%2\r\nTLN%1=%3\r\n").arg(n).arg(content, title));
        }
        return;
    }
    if (name == QStringLiteral("E_Copy")) {
        expect.text = Expect::Text::Same;
        expect.clipboardKnown = true;
        expect.clipboard = before.selected().isEmpty() ? before.clipboard : before.selected();
        return;
    }
    if (name == QStringLiteral("E_Cut") || name == QStringLiteral("E_Delete")) {
        expectAddTag(expect, before, QString());
        expect.modified = Expect::Modified::True;
        if (name == QStringLiteral("E_Cut")) {
            expect.clipboardKnown = true;
            expect.clipboard = before.selected();
        }
        return;
    }
    if (name == QStringLiteral("E_Paste")) {
        expectAddTag(expect, before, withCrLf(before.clipboard));
        expect.modified = Expect::Modified::True;
        return;
    }
    expect.text = Expect::Text::Same;
    if (name == QStringLiteral("E_AllSelect")) {
        expect.selStart = before.selStart;
        expect.selLength = before.text.size() - before.selStart;
    } else if (name == QStringLiteral("E_GotoTop")) {
        expect.selStart = 0;
    } else if (name == QStringLiteral("E_GotoEOF")) {
        expect.selStart = before.text.size();
    } else if (name == QStringLiteral("E_Undo")) {
        expect.text = Expect::Text::Any;
    } else if (name == QStringLiteral("E_Find")) {
        expect.extra = [this](const Before& before) {
            auto* dialog = m_form->findWindow().dialog();
            if (!dialog || !dialog->isVisible())
                fail(QStringLiteral("the find window is not shown"));
            else if (dialog->box(FindBox::Text1)->currentText() != before.selected())
                fail(QStringLiteral("the find box does not hold the selection"));
        };
    } else if (name == QStringLiteral("F_Save") || name == QStringLiteral("F_SaveAS")
        || name == QStringLiteral("F_T_Save") || name == QStringLiteral("F_PreView")
        || name == QStringLiteral("F_End")) {
        expect.modified = Expect::Modified::Rules;
        expect.mayClear = true;
        expect.mayWritePage = true;
        if (name == QStringLiteral("F_PreView")) {
            const qsizetype opened = m_openedUrls.size();
            expect.extra = [this, opened](const Before&) {
                const EditorDocument& document = m_form->editor().document();
                for (qsizetype i = opened; i < m_openedUrls.size(); ++i)
                    if (document.Modified() || document.FilePath().isEmpty()
                        || m_openedUrls.at(i) != QUrl::fromLocalFile(document.FilePath()))
                        fail(QStringLiteral("the browser was asked to open %1")
                                 .arg(m_openedUrls.at(i).toString()));
            };
        }
        if (name == QStringLiteral("F_End")) {
            expect.text = Expect::Text::Any;
            expect.extra = [this](const Before& before) {
                if (m_form->isVisible())
                    return;
                const DialogRecord& record = m_answerer.record();
                if (before.modified && !record.savePromptNo && m_form->editor().document().Modified())
                    fail(QStringLiteral("the program ended with unsaved changes"));
            };
        }
    } else if (name == QStringLiteral("F_Open") || name == QStringLiteral("F_T_Open")) {
        expectLoad(expect, {});
        if (name == QStringLiteral("F_T_Open")) {
            expect.extra = [this](const Before& before) {
                const EditorDocument& document = m_form->editor().document();
                for (const QString& path : m_answerer.record().openChoices)
                    if (document.PatternMode() && m_form->windowTitle().startsWith(path))
                        m_patternFiles.append(path);
                if (!m_answerer.record().savePromptYes && document.Modified() != before.modified)
                    fail(QStringLiteral("opening a pattern changed Modified"));
            };
        }
    } else if (name == QStringLiteral("F_New") || name == QStringLiteral("F_T_New")
        || name == QStringLiteral("F_ConvertHTML")) {
        expect.text = Expect::Text::Any;
        expect.modified = Expect::Modified::Rules;
        expect.mayClear = true;
        expect.maySet = name == QStringLiteral("F_New");
        expect.mayWritePage = true;
        expect.extra = [this, name](const Before& before) {
            const EditorDocument& document = m_form->editor().document();
            const QString text = m_form->editBox().sourceText();
            const DialogRecord& record = m_answerer.record();
            if (name == QStringLiteral("F_New") && record.newPageFinished) {
                if (!text.startsWith(QStringLiteral("<HTML>\r\n\r\n<HEAD>\r\n<title>"))
                    || !text.endsWith(QStringLiteral("</BODY>\r\n\r\n</HTML>")) || !document.Modified()
                    || !document.FilePath().isEmpty() || document.PatternMode()
                    || m_form->windowTitle() != QStringLiteral("無題 - ") + Product)
                    fail(QStringLiteral("the new page wizard finished with an unexpected page"));
                return;
            }
            if (name == QStringLiteral("F_New") && text != before.text)
                fail(QStringLiteral("the text changed though the new page wizard was not finished"));
            if (name == QStringLiteral("F_T_New") && text != before.text
                && (!text.isEmpty() || !document.PatternMode()
                    || m_form->windowTitle() != QStringLiteral("無題(テンプレート) - ") + Product))
                fail(QStringLiteral("a new pattern was not set up"));
            if (name == QStringLiteral("F_ConvertHTML") && text != before.text
                && (!text.startsWith(QStringLiteral("<HTML>\r\n\r\n<HEAD>\r\n<title>"))
                    || !text.endsWith(QStringLiteral("\r\n</BODY>\r\n\r\n</HTML>"))
                    || !document.FilePath().isEmpty()
                    || !m_form->windowTitle().endsWith(QStringLiteral("（テキスト）---> 無題 - ") + Product)))
                fail(QStringLiteral("the converted page is not set up"));
            if (name != QStringLiteral("F_New") && !record.savePromptYes
                && document.Modified() != before.modified)
                fail(QStringLiteral("%1 changed Modified").arg(name));
        };
    } else if (name == QStringLiteral("T_Setting") || name == QStringLiteral("T_W_Filebar")
        || name == QStringLiteral("T_W_TagBar") || name == QStringLiteral("H_Topic")
        || name == QStringLiteral("H_Version") || name == QStringLiteral("F_PrintSetup")
        || name == QStringLiteral("Toolbar1_color") || name == QStringLiteral("T_SelectColor")
        || name == QStringLiteral("Toolbar1_find") || name == QStringLiteral("E_FindNext")
        || name == QStringLiteral("E_AllClear")) {
        // Windows and settings only; the text and its flag stay.
    } else if (name == QStringLiteral("F_PrintHTML")) {
        expect.extra = [this](const Before&) {
            for (const QString& pdf : m_answerer.record().pdfFiles)
                if (QFileInfo(pdf).size() <= 0)
                    fail(QStringLiteral("printing to %1 wrote nothing").arg(pdf));
        };
    } else if (name == QStringLiteral("T_CusumTag") || name == QStringLiteral("T_TemplateTag")) {
        expect.extra = [this, name](const Before&) {
            HtmlTagList* window = m_form->tagListWindow().window();
            QStringList expected;
            if (name == QStringLiteral("T_CusumTag")) {
                expected = listValues(m_userTags, QStringLiteral("TOL"));
            } else {
                for (const QString& line : ShiftJis::decode(m_snippets).split(CrLf))
                    if (line.startsWith(QStringLiteral("TLN%1=").arg(expected.size())))
                        expected.append(line.section(u'=', 1));
            }
            QStringList shown;
            for (int i = 0; window && i < window->list()->count(); ++i)
                shown.append(window->list()->item(i)->text());
            if (!window || !window->isVisible() || shown != expected)
                fail(QStringLiteral("the tag list window shows %1 entries, not the %2 of the list file")
                         .arg(shown.size())
                         .arg(expected.size()));
        };
    } else {
        fail(QStringLiteral("the soak has no rule for the command %1").arg(name));
    }
}

QString Soak::performFind(SoakRandom& random, const Before& before, Expect& expect)
{
    HtmlFindDialog* dialog = m_form->findWindow().dialog();
    if (!dialog || !dialog->isVisible() || random.chance(10)) {
        const QString name = random.chance(50) ? QStringLiteral("E_Find") : QStringLiteral("Toolbar1_find");
        predictCommand(name, random, before, expect);
        if (name == QStringLiteral("E_Find"))
            m_form->findChild<QAction*>(name)->trigger();
        else
            m_form->findChild<QAction*>(QStringLiteral("Toolbar1_find"))->trigger();
        return QStringLiteral("open find window (%1)").arg(name);
    }
    QComboBox* findBox = dialog->box(FindBox::Text1);
    QComboBox* replaceBox = dialog->box(FindBox::Combo1);
    expect.text = Expect::Text::Same;
    expect.modified = Expect::Modified::Same;
    QString what;
    if (random.chance(50)) {
        QString sought;
        if (!before.text.isEmpty() && random.chance(75)) {
            // A piece of the text; a selection cannot start or end inside a CR LF or a pair.
            qsizetype from = random.below(before.text.size());
            qsizetype to = std::min(before.text.size(), from + random.between(1, 6));
            from -= insidePair(before.text, from);
            to += insidePair(before.text, to);
            sought = before.text.mid(from, to - from);
        } else
            sought = DialogAnswerer::randomText(random);
        findBox->setEditText(sought);
        what += QStringLiteral("find \"%1\" ").arg(shortened(sought));
    }
    if (random.chance(30)) {
        const QString replacement = random.chance(30) ? QString() : DialogAnswerer::randomText(random);
        replaceBox->setEditText(replacement);
        what += QStringLiteral("replace by \"%1\" ").arg(shortened(replacement));
    }
    if (random.chance(20)) {
        const bool top = random.chance(50);
        dialog->option(top ? SearchFrom::Top : SearchFrom::CurrentPosition)->click();
        what += top ? QStringLiteral("from the top ") : QStringLiteral("from here ");
    }
    const QString sought = findBox->currentText();
    const QString replacement = replaceBox->currentText();
    const qsizetype button = random.below(100);
    if (button < 45) {
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        expect.extra = [this, sought](const Before&) {
            if (!sought.isEmpty() && m_answerer.record().messageBoxes == 0
                && m_form->editBox().selectedSourceText() != sought)
                fail(QStringLiteral("a search for \"%1\" selected \"%2\"")
                         .arg(visible(sought), visible(m_form->editBox().selectedSourceText())));
        };
        return what + QStringLiteral("検索");
    }
    if (button < 70) {
        expect.text = Expect::Text::Any;
        expect.modified = Expect::Modified::Rules;
        expect.maySet = true;
        dialog->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        return what + QStringLiteral("置換");
    }
    if (button < 85) {
        dialog->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        if (!sought.isEmpty()) {
            expect.text = Expect::Text::Exact;
            expect.exact = QString(before.text).replace(sought, replacement);
            expect.selStart = std::min(before.selStart, expect.exact.size());
            expect.selLength = 0;
            expect.modified = Expect::Modified::True;
            expect.messageBoxes = 1;
        }
        return what + QStringLiteral("すべて");
    }
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    return what + QStringLiteral("閉じる");
}

QString Soak::performPalette(SoakRandom& random, const Before& before, Expect& expect)
{
    HtmlSelectColor* palette = m_form->colourWindow().window();
    if (!palette || !palette->isVisible() || random.chance(10)) {
        const QString name
            = random.chance(50) ? QStringLiteral("T_SelectColor") : QStringLiteral("Toolbar1_color");
        predictCommand(name, random, before, expect);
        m_form->findChild<QAction*>(name)->trigger();
        return QStringLiteral("palette: %1").arg(name);
    }
    if (random.chance(15)) {
        palette->close();
        expect.text = Expect::Text::Same;
        expect.modified = Expect::Modified::Same;
        return QStringLiteral("palette: close");
    }
    static const QPair<PaletteColour, QString> colours[] = { { PaletteColour::Red, QStringLiteral("red") },
        { PaletteColour::Blue, QStringLiteral("blue") }, { PaletteColour::Yellow, QStringLiteral("yellow") },
        { PaletteColour::Green, QStringLiteral("green") }, { PaletteColour::None, QString() } };
    const auto& [colour, word] = colours[random.below(std::size(colours))];
    palette->option(colour)->click();
    palette->applyButton()->click();
    auto caseTag = [this](const QString& s) { return m_upperCase ? s.toUpper() : s.toLower(); };
    expectAddTag(expect, before,
        caseTag(QStringLiteral("<FONT COLOR=\"") + word + QStringLiteral("\">")) + before.selected()
            + caseTag(QStringLiteral("</FONT>")));
    expect.modified = Expect::Modified::Same;
    return QStringLiteral("palette: 変更 %1").arg(word);
}

QString Soak::performTagList(SoakRandom& random, const Before& before, Expect& expect)
{
    HtmlTagList* window = m_form->tagListWindow().window();
    if (!window || !window->isVisible() || random.chance(10)) {
        const QString name
            = random.chance(50) ? QStringLiteral("T_CusumTag") : QStringLiteral("T_TemplateTag");
        predictCommand(name, random, before, expect);
        m_form->findChild<QAction*>(name)->trigger();
        return QStringLiteral("tag list: %1").arg(name);
    }
    expect.text = Expect::Text::Same;
    expect.modified = Expect::Modified::Same;
    QListWidget* list = window->list();
    if (random.chance(15) || list->count() == 0) {
        window->close();
        return QStringLiteral("tag list: close");
    }
    const int row = int(random.below(list->count()));
    QListWidgetItem* item = list->item(row);
    const bool custom = window->windowTitle() == QStringLiteral("タグリスト");
    if (custom) {
        // Put in as written, without the tag case.
        expectAddTag(expect, before, item->text(), true);
    } else if (const QString content = snippetContent(row); !content.isNull()) {
        expectAddTag(expect, before, content);
    }
    list->setCurrentRow(row);
    Q_EMIT list->itemDoubleClicked(item);
    return QStringLiteral("tag list: double-click %1 of %2").arg(row).arg(window->windowTitle());
}

QString Soak::performDrop(SoakRandom& random, const Before&, Expect& expect)
{
    const QStringList paths = m_files.dropChoice(random);
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    QMimeData data;
    data.setUrls(urls);
    const bool onBox = random.chance(50);
    expectLoad(expect, paths);
    // A drop goes to the widget that accepted the drag's entry, as in a real drag.
    QWidget* target = onBox ? m_form->editBox().viewport() : static_cast<QWidget*>(m_form.get());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QStringList names;
    for (const QString& path : paths)
        names.append(QFileInfo(path).fileName());
    return QStringLiteral("drop %1 on the %2")
        .arg(names.join(u','), onBox ? QStringLiteral("box") : QStringLiteral("window"));
}

QString Soak::performPreview(SoakRandom& random, Expect& expect)
{
    expect.text = Expect::Text::Same;
    expect.modified = Expect::Modified::Rules;
    expect.mayClear = true;
    expect.mayWritePage = true;
    m_form->tabs()->setCurrentIndex(1);
    settle();
    QTest::qWait(int(random.between(20, 200)));
    if (random.chance(30)) {
        m_form->resize(m_form->width() + 40, m_form->height());
        settle();
    }
    m_form->tabs()->setCurrentIndex(0);
    settle();
    return QStringLiteral("preview tab (PreviewSave %1)").arg(m_form->editor().settings().PreviewSave);
}

QString Soak::closeSomeWindow(SoakRandom& random)
{
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != m_form.get() && window->isVisible() && !window->isModal())
            windows.append(window);
    std::sort(windows.begin(), windows.end(),
        [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    if (windows.isEmpty())
        return QStringLiteral("close a window (none open)");
    QWidget* window = random.pick(windows);
    const QString name = window->objectName();
    window->close();
    return QStringLiteral("close %1").arg(name);
}

void Soak::verify(const Before& before, const Expect& expect)
{
    if (QWidget* left = QApplication::activeModalWidget()) {
        fail(QStringLiteral("a dialog was left open: %1 %2")
                 .arg(left->metaObject()->className(), left->objectName()));
        left->close();
        return;
    }
    const DialogRecord& record = m_answerer.record();
    if (record.hung)
        fail(QStringLiteral("the step did not end within its time"));
    if (!record.unknownDialogs.isEmpty())
        fail(QStringLiteral("a dialog the soak cannot answer: %1").arg(record.unknownDialogs.join(u',')));
    if (!m_form->isVisible() && !m_fault.isEmpty())
        return;

    const SourceEdit& box = m_form->editBox();
    const QString text = box.sourceText();
    const qsizetype selStart = box.selectionStartOffset();
    const qsizetype selLength = box.selectionLengthOffset();
    const EditorDocument& document = m_form->editor().document();
    if (box.sourceLength() != text.size() || m_form->host().editBox().text() != text)
        fail(QStringLiteral("the box's length %1 does not agree with its text of %2 characters")
                 .arg(box.sourceLength())
                 .arg(text.size()));
    if (selStart < 0 || selLength < 0 || selStart + selLength > text.size())
        fail(QStringLiteral("selection %1+%2 outside the text of %3")
                 .arg(selStart)
                 .arg(selLength)
                 .arg(text.size()));
    if (!m_form->windowTitle().endsWith(Product))
        fail(QStringLiteral("caption %1").arg(m_form->windowTitle()));

    auto selectionIs = [&](qsizetype start, qsizetype length) {
        const bool near = insidePair(text, start) && std::abs(selStart - start) == 1;
        return (selStart == start || near) && selLength == length;
    };
    switch (expect.text) {
    case Expect::Text::Any:
        break;
    case Expect::Text::Same:
        if (text != before.text)
            fail(QStringLiteral("the text changed: ") + difference(before.text, text));
        break;
    case Expect::Text::Exact:
        if (text != expect.exact)
            fail(difference(expect.exact, text));
        break;
    case Expect::Text::InsertAtSelection: {
        const QString head = before.text.left(before.selStart);
        const QString tail = before.text.mid(before.selStart + before.selLength);
        if (text == before.text)
            break;
        if (!text.startsWith(head) || !text.endsWith(tail) || text.size() < head.size() + tail.size()) {
            fail(QStringLiteral("the text changed outside the selection: ") + difference(before.text, text));
            break;
        }
        const QString inserted = text.mid(head.size(), text.size() - head.size() - tail.size());
        if (!inserted.startsWith(expect.insertPrefix) || !inserted.endsWith(expect.insertSuffix))
            fail(QStringLiteral("inserted \"%1\"").arg(shortened(inserted, 60)));
        if (!selectionIs(head.size() + inserted.size(), 0))
            fail(QStringLiteral("the caret is at %1+%2, not after the inserted text")
                     .arg(selStart)
                     .arg(selLength));
        break;
    }
    case Expect::Text::Deletion: {
        const QString head = before.text.left(before.selStart);
        const QString tail = before.text.mid(before.selStart + before.selLength);
        bool ok = false;
        if (before.selLength > 0) {
            ok = text == head + tail && selectionIs(head.size(), 0);
        } else if (text == before.text) {
            ok = expect.backspace ? before.selStart == 0 : before.selStart == before.text.size();
        } else {
            for (qsizetype k = 1; k <= 8 && !ok; ++k)
                ok = expect.backspace
                    ? text == before.text.left(before.selStart - k) + tail
                        && selectionIs(before.selStart - k, 0)
                    : text == head + before.text.mid(before.selStart + k) && selectionIs(head.size(), 0);
        }
        if (!ok)
            fail(QStringLiteral("%1 at %2 gave an unexpected text: ")
                     .arg(expect.backspace ? QStringLiteral("Backspace") : QStringLiteral("Delete"))
                     .arg(before.selStart)
                + difference(before.text, text));
        break;
    }
    }
    if (expect.selStart >= 0 && (expect.text == Expect::Text::Exact || expect.text == Expect::Text::Same)
        && text == (expect.text == Expect::Text::Exact ? expect.exact : before.text)
        && !selectionIs(expect.selStart, expect.selLength))
        fail(QStringLiteral("the selection is %1+%2, not %3+%4")
                 .arg(selStart)
                 .arg(selLength)
                 .arg(expect.selStart)
                 .arg(expect.selLength));

    switch (expect.modified) {
    case Expect::Modified::Same:
        if (document.Modified() != before.modified)
            fail(QStringLiteral("Modified went from %1 to %2").arg(before.modified).arg(document.Modified()));
        break;
    case Expect::Modified::True:
        if (!document.Modified())
            fail(QStringLiteral("Modified is not set"));
        break;
    case Expect::Modified::Rules:
        if (before.modified && !document.Modified() && !expect.mayClear)
            fail(QStringLiteral("Modified was cleared without a save or a load"));
        if (!before.modified && document.Modified() && !expect.maySet)
            fail(QStringLiteral("Modified was set by a command that does not set it"));
        break;
    }
    if (expect.inputBoxes >= 0 && record.inputBoxes != expect.inputBoxes)
        fail(QStringLiteral("%1 input boxes were shown, not %2")
                 .arg(record.inputBoxes)
                 .arg(expect.inputBoxes));
    if (expect.messageBoxes >= 0 && record.messageBoxes != expect.messageBoxes)
        fail(QStringLiteral("%1 message boxes were shown, not %2")
                 .arg(record.messageBoxes)
                 .arg(expect.messageBoxes));
    if (expect.clipboardKnown && QGuiApplication::clipboard()->text() != expect.clipboard)
        fail(QStringLiteral("the clipboard holds \"%1\", not \"%2\"")
                 .arg(shortened(QGuiApplication::clipboard()->text()), shortened(expect.clipboard)));

    if (record.settingsAccepted)
        m_upperCase = record.settingsTagCase == 0;
    if (m_form->editor().settings().UpperCaseTags != m_upperCase)
        fail(QStringLiteral("the tag case is not the one chosen"));
    if (m_form->isVisible()) {
        const QPair<const char*, QToolBar*> bars[]
            = { { "T_W_Filebar", m_form->fileBar() }, { "T_W_TagBar", m_form->tagBar() } };
        for (const auto& [item, bar] : bars)
            if (m_form->findChild<QAction*>(QString::fromLatin1(item))->isChecked() == bar->isHidden())
                fail(QStringLiteral("%1 does not agree with its bar").arg(QString::fromLatin1(item)));
        auto* colour = m_form->findChild<QAction*>(QStringLiteral("Toolbar1_color"));
        HtmlSelectColor* palette = m_form->colourWindow().window();
        if (colour->isChecked() && (!palette || !palette->isVisible()))
            fail(QStringLiteral("the colour button is pressed but the palette is not shown"));
    }
    if (expect.extra)
        expect.extra(before);
    checkFiles(before, expect);
}

void Soak::checkFiles(const Before& before, const Expect& expect)
{
    const SoakFiles::Snapshot now = m_files.snapshot(m_snapshot);
    const DialogRecord& record = m_answerer.record();
    const EditorDocument& document = m_form->editor().document();
    const QString home = m_files.home() + u'/';
    const QStringList own = { home + QStringLiteral("quorlex.ini"), home + QStringLiteral("temp.html"),
        home + QStringLiteral("html.bak") };
    // A save dialog may add the filter's suffix to the name chosen.
    auto chosenIn = [](const QString& path, const QStringList& choices) {
        return std::any_of(choices.cbegin(), choices.cend(), [&](const QString& chosen) {
            return path == chosen
                || (path.startsWith(chosen + u'.') && !path.mid(chosen.size() + 1).contains(u'/'));
        });
    };
    auto savedTo = [&](const QString& path) {
        return chosenIn(path, record.saveChoices)
            || (expect.mayWritePage
                && (path == before.filePath || path == document.FilePath()
                    || chosenIn(path, m_patternFiles)));
    };
    // A pattern file chosen is where the pattern is stored from then on, even when this
    // save did not write it.
    m_patternFiles += record.patternSaves;
    for (const QString& path : SoakFiles::changes(m_snapshot, now)) {
        if (chosenIn(path, record.patternSaves))
            m_patternFiles.append(path);
        else if (chosenIn(path, record.saveChoices))
            m_patternFiles.removeAll(path); // a page now
        // The program's own files, and the note (and its lock) each run keeps while it runs.
        const QString name = path.mid(home.size());
        if (own.contains(path)
            || (path.startsWith(home) && name.startsWith(u"quorlex-") && !name.contains(u'/')
                && (name.endsWith(u".run") || name.endsWith(u".run.lock"))))
            continue;
        if (path == home + QStringLiteral("usertag.tol") || path == home + QStringLiteral("templete.tol"))
            continue; // checked against the lists below
        if (!savedTo(path))
            fail(QStringLiteral("%1 changed, though nothing was saved to it").arg(path));
    }
    if (fileBytes(home + QStringLiteral("usertag.tol")) != m_userTags)
        fail(QStringLiteral("usertag.tol is not as the custom tags added make it"));
    if (fileBytes(home + QStringLiteral("templete.tol")) != m_snippets)
        fail(QStringLiteral("templete.tol is not as the snippets added make it"));

    // A page written in this step holds the text, and the page is then no longer modified.
    const QString page = document.FilePath();
    const auto old = m_snapshot.value(page);
    const auto written = now.value(page);
    if (!page.isEmpty() && !document.PatternMode() && written.size >= 0
        && (written.size != old.size || written.modified != old.modified || written.hash != old.hash)
        && !m_patternFiles.contains(page)) {
        const QString text = m_form->editBox().sourceText();
        if (mappable(text) && ShiftJis::decode(fileBytes(page)) != text)
            fail(QStringLiteral("the page written does not hold the text: ")
                + difference(text, ShiftJis::decode(fileBytes(page))));
        if (document.Modified())
            fail(QStringLiteral("the page was written but is still marked modified"));
    }
    m_snapshot = now;
}

} // namespace quorlex::soak
