#include "DialogAnswerer.h"

#include "SoakFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>

namespace quorlex::soak {

namespace {

const char* const RoundsProperty = "soakRounds";
const char* const PendingProperty = "soakPending";

QString firstLine(const QString& text)
{
    return text.section(u'\n', 0, 0).left(40);
}

void cancel(QWidget* dialog)
{
    if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
    else
        dialog->close();
}

template <typename T> T* child(QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

// The first "*.ext" of a dialog's first filter.
QString suffixOfFilter(const QFileDialog* dialog)
{
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.\\w+)"));
    const QRegularExpressionMatch match = pattern.match(dialog->nameFilters().value(0));
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

DialogAnswerer::DialogAnswerer(const SoakFiles& files, QString pdfFolder)
    : m_files(files)
    , m_pdfFolder(std::move(pdfFolder))
{
    m_timer.setInterval(2);
    connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

void DialogAnswerer::beginStep(std::uint64_t seed, qsizetype step, int secondsAllowed)
{
    m_random = stepRandom(seed, step, 1);
    m_scripted.clear();
    m_record = DialogRecord();
    m_step = step;
    m_deadline = QDeadlineTimer(std::chrono::seconds(secondsAllowed));
}

QString DialogAnswerer::randomText(SoakRandom& random)
{
    static const QStringList words
        = { QString(), QStringLiteral("Hello"), QStringLiteral("abc"), QStringLiteral("Top"),
              QStringLiteral("日本語"), QStringLiteral("テスト文字"), QStringLiteral("ＡＢＣ１２"),
              QStringLiteral("<a & \"b\">"), QStringLiteral("x=y, z"), QStringLiteral("café"),
              QStringLiteral("顔😀"), QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("2.5"),
              QStringLiteral("-2"), QStringLiteral("０"), QStringLiteral("top.htm"), QStringLiteral("sec1") };
    if (random.chance(3))
        return QStringLiteral("長い").repeated(int(random.between(50, 200)));
    return random.pick(words);
}

void DialogAnswerer::later(QWidget* dialog, std::function<void()> action)
{
    dialog->setProperty(PendingProperty, true);
    QTimer::singleShot(0, dialog, [dialog, action = std::move(action)] {
        dialog->setProperty(PendingProperty, false);
        action();
    });
}

void DialogAnswerer::poll()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible() || dialog->property(PendingProperty).toBool())
        return;
    if (m_deadline.hasExpired()) {
        m_record.hung = true;
        note(QStringLiteral("%1 still open when the step ran out of time: cancelled")
                 .arg(dialog->metaObject()->className()));
        later(dialog, [dialog] { cancel(dialog); });
        return;
    }
    const int round = dialog->property(RoundsProperty).toInt() + 1;
    dialog->setProperty(RoundsProperty, round);
    if (round > 14) {
        note(QStringLiteral("%1 cancelled after %2 answers").arg(dialog->objectName()).arg(round - 1));
        later(dialog, [dialog] { cancel(dialog); });
        return;
    }
    answer(dialog, round);
}

void DialogAnswerer::answer(QWidget* dialog, int round)
{
    const QString name = dialog->objectName();
    if (qobject_cast<QMessageBox*>(dialog))
        answerMessageBox(dialog);
    else if (qobject_cast<QInputDialog*>(dialog))
        answerInputBox(dialog);
    else if (qobject_cast<QFileDialog*>(dialog))
        answerFileDialog(dialog, round);
    else if (qobject_cast<QPrintDialog*>(dialog))
        answerPrintDialog(dialog);
    else if (auto* setup = qobject_cast<QPageSetupDialog*>(dialog)) {
        const bool ok = m_random.chance(50);
        note(ok ? QStringLiteral("page setup: OK") : QStringLiteral("page setup: cancel"));
        later(setup, [setup, ok] { ok ? setup->accept() : setup->reject(); });
    } else if (auto* colours = qobject_cast<QColorDialog*>(dialog)) {
        const bool ok = m_random.chance(70);
        colours->setCurrentColor(QColor::fromRgb(QRgb(m_random.next() & 0xFFFFFF)));
        note(ok ? QStringLiteral("colour dialog: ") + colours->currentColor().name()
                : QStringLiteral("colour dialog: cancel"));
        later(colours, [colours, ok] { ok ? colours->accept() : colours->reject(); });
    } else if (name == QStringLiteral("NewHtml"))
        answerNewPage(dialog, round);
    else if (name == QStringLiteral("NewTable"))
        answerTable(dialog, round);
    else if (name == QStringLiteral("NewFrame"))
        answerFrame(dialog, round);
    else if (name == QStringLiteral("HtmlSetting"))
        answerSettings(dialog);
    else if (name == QStringLiteral("HtmlVersion")) {
        const bool ok = m_random.chance(70);
        note(ok ? QStringLiteral("about: OK") : QStringLiteral("about: Esc"));
        auto* button = child<QPushButton>(dialog, "Command1");
        later(dialog, [dialog, button, ok] { ok&& button ? button->click() : cancel(dialog); });
    } else {
        m_record.unknownDialogs.append(QStringLiteral("%1 %2").arg(dialog->metaObject()->className(), name));
        note(QStringLiteral("unknown dialog %1: cancelled").arg(name));
        later(dialog, [dialog] { cancel(dialog); });
    }
}

void DialogAnswerer::answerMessageBox(QWidget* dialog)
{
    auto* box = static_cast<QMessageBox*>(dialog);
    ++m_record.messageBoxes;
    const QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.isEmpty()) {
        later(box, [box] { box->reject(); });
        return;
    }
    QAbstractButton* button = m_random.pick(buttons);
    if (box->text().contains(QStringLiteral("変更内容を保存しますか"))) {
        m_record.savePromptYes |= box->standardButton(button) == QMessageBox::Yes;
        m_record.savePromptNo |= box->standardButton(button) == QMessageBox::No;
    }
    note(QStringLiteral("message 「%1」: %2").arg(firstLine(box->text()), button->text()));
    later(box, [button] { button->click(); });
}

void DialogAnswerer::answerInputBox(QWidget* dialog)
{
    auto* input = static_cast<QInputDialog*>(dialog);
    ++m_record.inputBoxes;
    Scripted answer = m_scripted.isEmpty() ? Scripted { randomText(m_random), m_random.chance(10) }
                                           : m_scripted.dequeue();
    input->setTextValue(answer.text);
    note(QStringLiteral("input 「%1」: %2")
             .arg(firstLine(input->labelText()),
                 answer.cancel ? QStringLiteral("cancel")
                               : QStringLiteral("\"%1\"").arg(answer.text.left(40))));
    const bool cancelled = answer.cancel;
    later(input, [input, cancelled] { cancelled ? input->reject() : input->accept(); });
}

void DialogAnswerer::answerFileDialog(QWidget* dialog, int round)
{
    auto* files = static_cast<QFileDialog*>(dialog);
    if (round > 4 || m_random.chance(12)) {
        note(QStringLiteral("file dialog 「%1」: cancel").arg(files->windowTitle()));
        later(files, [files] { files->reject(); });
        return;
    }
    const bool save = files->acceptMode() == QFileDialog::AcceptSave;
    const QString path
        = save ? m_files.saveChoice(m_random) : m_files.openChoice(m_random, suffixOfFilter(files));
    (save ? m_record.saveChoices : m_record.openChoices).append(path);
    if (save && files->windowTitle().contains(QStringLiteral("テンプレート")))
        m_record.patternSaves.append(path);
    // selectFile leaves the name box alone while it has the focus: the name is typed too.
    files->selectFile(path);
    if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    note(QStringLiteral("%1 dialog 「%2」: %3")
             .arg(save ? QStringLiteral("save") : QStringLiteral("open"), files->windowTitle(),
                 QString(path).replace(m_files.root(), QStringLiteral("<files>"))));
    later(files, [files] { static_cast<QDialog*>(files)->accept(); });
}

void DialogAnswerer::answerPrintDialog(QWidget* dialog)
{
    auto* print = static_cast<QPrintDialog*>(dialog);
    auto* printers = child<QComboBox>(print, "printers");
    auto* file = child<QLineEdit>(print, "filename");
    int pdf = -1;
    for (int i = 0; printers && i < printers->count(); ++i)
        if (printers->itemText(i).contains(QStringLiteral("PDF")))
            pdf = i;
    if (m_random.chance(55) || pdf < 0 || !file) {
        note(QStringLiteral("print dialog: cancel"));
        later(print, [print] { print->reject(); });
        return;
    }
    printers->setCurrentIndex(pdf);
    const QString out = m_pdfFolder + QStringLiteral("/print-%1.pdf").arg(++m_pdfCount);
    file->setText(out);
    m_record.pdfFiles.append(out);
    note(QStringLiteral("print dialog: to %1").arg(out.section(u'/', -1)));
    later(print, [print] { print->accept(); });
}

void DialogAnswerer::answerNewPage(QWidget* dialog, int round)
{
    if (round >= 2 && (round >= 8 || m_random.chance(35))) {
        const qsizetype how = m_random.below(20);
        auto* finish = child<QPushButton>(dialog, how < 13 ? "Command1" : "Command2");
        note(how < 13      ? QStringLiteral("new page: 完了")
                : how < 17 ? QStringLiteral("new page: キャンセル")
                           : QStringLiteral("new page: Esc"));
        later(dialog, [this, dialog, finish, how] {
            if (how >= 17 || !finish) {
                cancel(dialog);
                return;
            }
            const QPointer<QWidget> wizard = dialog;
            finish->click();
            // 完了 closes the wizard only when the page could be made.
            m_record.newPageFinished |= how < 13 && (!wizard || !wizard->isVisible());
        });
        return;
    }
    switch (m_random.below(7)) {
    case 0:
        child<QLineEdit>(dialog, "Text1")->setText(randomText(m_random));
        note(QStringLiteral("new page: title"));
        break;
    case 1: {
        const QString pattern
            = m_random.chance(80) ? m_files.openChoice(m_random, QStringLiteral(".hpf")) : QString();
        child<QLineEdit>(dialog, "Text2")->setText(pattern);
        note(QStringLiteral("new page: pattern %1").arg(pattern.section(u'/', -1)));
        break;
    }
    case 2:
        child<QLineEdit>(dialog, "Text3")
            ->setText(m_random.chance(50) ? randomText(m_random) : QStringLiteral("bg.gif"));
        note(QStringLiteral("new page: image"));
        break;
    case 3: {
        const QString option = QStringLiteral("Option%1").arg(m_random.between(1, 5));
        if (auto* button = dialog->findChild<QRadioButton*>(option))
            button->setChecked(true);
        note(QStringLiteral("new page: ") + option);
        break;
    }
    default: {
        static const char* const buttons[] = { "Command3", "Command4", "Command5" };
        const char* name = buttons[m_random.below(3)];
        auto* button = child<QPushButton>(dialog, name);
        note(QStringLiteral("new page: ") + QString::fromLatin1(name));
        if (button)
            later(dialog, [button] { button->click(); });
        break;
    }
    }
}

void DialogAnswerer::answerTable(QWidget* dialog, int round)
{
    static const QStringList counts = { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
        QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("2.5"), QStringLiteral("3.5"),
        QStringLiteral("abc"), QString(), QStringLiteral("-1"), QStringLiteral("１２"),
        QStringLiteral("12px"), QStringLiteral("1e2"), QStringLiteral("99999999999") };
    if (round >= 2 && (round >= 9 || m_random.chance(30))) {
        const qsizetype how = m_random.below(20);
        auto* finish = child<QPushButton>(dialog, how < 14 ? "Command1" : "Command2");
        note(how < 14      ? QStringLiteral("table: 次へ")
                : how < 18 ? QStringLiteral("table: キャンセル")
                           : QStringLiteral("table: Esc"));
        later(dialog, [dialog, finish, how] { how >= 18 || !finish ? cancel(dialog) : finish->click(); });
        return;
    }
    switch (m_random.below(6)) {
    case 0:
        child<QLineEdit>(dialog, "Text3")->setText(randomText(m_random));
        note(QStringLiteral("table: caption"));
        break;
    case 1: {
        const char* box = m_random.chance(50) ? "Text4" : "Text5";
        const QString count = m_random.pick(counts);
        child<QLineEdit>(dialog, box)->setText(count);
        note(QStringLiteral("table: %1 = %2").arg(QString::fromLatin1(box), count));
        break;
    }
    case 2: {
        static const char* const boxes[] = { "Text6", "Text1", "Text2", "Text7" };
        const char* box = boxes[m_random.below(4)];
        child<QLineEdit>(dialog, box)->setText(m_random.pick(counts));
        note(QStringLiteral("table: ") + QString::fromLatin1(box));
        break;
    }
    case 3: {
        const QString check = QStringLiteral("Check%1").arg(m_random.between(1, 5));
        if (auto* box = dialog->findChild<QCheckBox*>(check))
            box->click();
        note(QStringLiteral("table: ") + check);
        break;
    }
    case 4: {
        const QString option = QStringLiteral("Option%1").arg(m_random.between(1, 3));
        if (auto* button = dialog->findChild<QRadioButton*>(option))
            button->setChecked(true);
        note(QStringLiteral("table: ") + option);
        break;
    }
    default: {
        const QString bar = QStringLiteral("HScroll%1").arg(m_random.between(1, 5));
        if (auto* scroll = dialog->findChild<QScrollBar*>(bar))
            scroll->setValue(int(m_random.below(6)));
        note(QStringLiteral("table: ") + bar);
        break;
    }
    }
}

void DialogAnswerer::answerFrame(QWidget* dialog, int round)
{
    static const QStringList ratios = { QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("150"),
        QStringLiteral("-5"), QStringLiteral("3a"), QString(), QStringLiteral("50"), QStringLiteral("070") };
    if (round >= 2 && (round >= 10 || m_random.chance(25))) {
        const qsizetype how = m_random.below(20);
        auto* finish = child<QPushButton>(dialog, how < 14 ? "Command1" : "Command2");
        note(how < 14      ? QStringLiteral("frame: 挿入")
                : how < 18 ? QStringLiteral("frame: キャンセル")
                           : QStringLiteral("frame: Esc"));
        later(dialog, [dialog, finish, how] { how >= 18 || !finish ? cancel(dialog) : finish->click(); });
        return;
    }
    switch (m_random.below(5)) {
    case 0:
        child<QLineEdit>(dialog, "Text1")->setText(m_random.pick(ratios));
        note(QStringLiteral("frame: ratio"));
        break;
    case 1:
        child<QLineEdit>(dialog, m_random.chance(50) ? "Text2" : "Text3")->setText(randomText(m_random));
        note(QStringLiteral("frame: name or address"));
        break;
    case 2: {
        auto* combo = child<QComboBox>(dialog, "Combo1");
        const int index = int(m_random.below(combo->count()));
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
        note(QStringLiteral("frame: show frame %1").arg(index + 1));
        break;
    }
    default: {
        auto* add = child<QPushButton>(dialog, "Command4");
        note(QStringLiteral("frame: 追加"));
        later(dialog, [add] { add->click(); });
        break;
    }
    }
}

void DialogAnswerer::answerSettings(QWidget* dialog)
{
    auto* tagCase = child<QComboBox>(dialog, "Combo1");
    auto* preview = child<QComboBox>(dialog, "Combo3");
    tagCase->setCurrentIndex(int(m_random.below(2)));
    preview->setCurrentIndex(int(m_random.below(3)));
    const bool ok = m_random.chance(70);
    note(QStringLiteral("settings: %1 %2 %3")
             .arg(tagCase->currentText(), preview->currentText(),
                 ok ? QStringLiteral("OK") : QStringLiteral("cancel")));
    if (ok) {
        m_record.settingsAccepted = true;
        m_record.settingsTagCase = tagCase->currentIndex();
    }
    auto* button = child<QPushButton>(dialog, ok ? "Command1" : "Command2");
    later(dialog, [dialog, button] { button ? button->click() : cancel(dialog); });
}

} // namespace quorlex::soak
