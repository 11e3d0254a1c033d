#include "host/QtHost.h"

#include "host/FileDialogRules.h"
#include "host/ProductInfo.h"
#include "host/SourceEdit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace quorlex {

// A control name that names nothing is a programming error, which the tests turn into a failure.
Q_LOGGING_CATEGORY(lcControlNames, "quorlex.commands")

QString displayText(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QtHost::QtHost(QWidget& window, SourceEdit& edit)
    : m_window(window)
    , m_box(edit)
{
}

void QtHost::setMenuArrayHandler(const QString& array, std::function<void(int)> handler)
{
    m_arrayHandlers.insert(array, std::move(handler));
}

QString QtHost::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(title.isEmpty() ? productTitle() : title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.resize(std::max(dialog.sizeHint().width(), 420), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

MsgAnswer QtHost::messageBox(const QString& text, MsgStyle style, const QString& title)
{
    return showMessageBox(m_window, text, style, title);
}

MsgAnswer showMessageBox(QWidget& owner, const QString& text, MsgStyle style, const QString& title)
{
    QMessageBox box(&owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(title.isEmpty() ? productTitle() : title);
    box.setText(displayText(text));
    box.setTextFormat(Qt::PlainText);
    switch (style.icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::None:
        break;
    }
    if (style.systemModal)
        box.setWindowModality(Qt::ApplicationModal);
    switch (style.buttons) {
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

void QtHost::closeMainWindow()
{
    m_window.close();
}

QString QtHost::windowCaption() const
{
    return m_window.windowTitle();
}

void QtHost::setWindowCaption(const QString& caption)
{
    m_window.setWindowTitle(caption);
}

QAction* QtHost::action(const QString& name) const
{
    // Looked up once: the undo item is refreshed on every key press.
    QPointer<QAction>& cached = m_actions[name];
    if (!cached)
        cached = m_window.findChild<QAction*>(name);
    return cached;
}

QAction* QtHost::namedAction(const QString& name) const
{
    QAction* a = action(name);
    if (!a)
        qCCritical(lcControlNames, "no menu item or button named %s", qUtf8Printable(name));
    return a;
}

void QtHost::setMenuEnabled(const QString& name, bool enabled)
{
    if (QAction* a = namedAction(name))
        a->setEnabled(enabled);
}

bool QtHost::isMenuChecked(const QString& name) const
{
    const QAction* a = action(name);
    return a && a->isChecked();
}

void QtHost::setMenuChecked(const QString& name, bool checked)
{
    if (QAction* a = namedAction(name))
        a->setChecked(checked);
}

QString QtHost::menuCaption(const QString& name) const
{
    const QAction* a = action(name);
    return a ? a->text() : QString();
}

void QtHost::setMenuCaption(const QString& name, const QString& caption)
{
    if (QAction* a = namedAction(name))
        a->setText(caption);
}

void QtHost::loadMenuItem(const QString& array, int index)
{
    const QString name = array + u'_' + QString::number(index);
    QAction* first = action(array + QStringLiteral("_0"));
    QAction* previous = action(array + u'_' + QString::number(index - 1));
    auto* menu = first ? qobject_cast<QMenu*>(first->parent()) : nullptr;
    if (index <= 0 || action(name) || !menu || !previous)
        return;
    auto* item = new QAction(first->text(), menu);
    item->setObjectName(name);
    item->setEnabled(first->isEnabled());
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(previous);
    menu->insertAction(at + 1 < actions.size() ? actions.at(at + 1) : nullptr, item);
    QObject::connect(item, &QAction::triggered, item, [this, array, index] {
        if (const auto handler = m_arrayHandlers.value(array))
            handler(index);
    });
}

void QtHost::setToolbarVisible(const QString& name, bool visible)
{
    if (auto* bar = m_window.findChild<QToolBar*>(name))
        bar->setVisible(visible);
    else
        qCCritical(lcControlNames, "no toolbar named %s", qUtf8Printable(name));
}

QAction* QtHost::toolbarButton(const QString& bar, const QString& key) const
{
    return action(bar + u'_' + key);
}

bool QtHost::isToolbarButtonPressed(const QString& bar, const QString& key) const
{
    const QAction* a = toolbarButton(bar, key);
    return a && a->isChecked();
}

void QtHost::setToolbarButtonPressed(const QString& bar, const QString& key, bool pressed)
{
    if (QAction* a = namedAction(bar + u'_' + key))
        a->setChecked(pressed);
}

void QtHost::makeToolbarFlat(const QString& name)
{
    if (auto* bar = m_window.findChild<QToolBar*>(name)) {
        for (auto* button : bar->findChildren<QToolButton*>())
            button->setAutoRaise(true);
        bar->update();
    }
}

FileDialogResult QtHost::showFileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(&m_window, request.title, request.initialDirectory);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    // Qt's own dialog, so the typed name can be read back exactly as typed.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The descriptions show as written, without Qt's pattern list after them.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters;
    for (const FileFilter& f : request.filters)
        filters.append(qtNameFilter(f));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.selectedFilter, filters.first()));
    }
    if (request.kind == FileDialogRequest::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
        const QList<FileFilter> requestFilters = request.filters;
        auto followFilter = [&dialog, requestFilters, filters](const QString& chosen) {
            // Qt names the chosen filter in full or, with its details hidden, by its description.
            qsizetype index = filters.indexOf(chosen);
            for (qsizetype i = 0; index < 0 && i < requestFilters.size(); ++i)
                if (requestFilters.at(i).description.trimmed() == chosen.trimmed())
                    index = i;
            dialog.setDefaultSuffix(index >= 0 ? defaultSuffix(requestFilters.at(index)) : QString());
        };
        followFilter(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist && !request.acceptAnyText ? QFileDialog::ExistingFile
                                                                           : QFileDialog::AnyFile);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (request.acceptAnyText) {
        // A typed address comes back exactly as typed, not joined to the folder.
        if (auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            const QString typed = edit->text();
            // A file of the folder whose name merely looks like an address stays a file.
            if (startsWithScheme(typed) && !dialog.directory().exists(typed))
                return { true, typed };
        }
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return {};
    return { true, QDir::toNativeSeparators(files.first()) };
}

QString QtHost::showFolderDialog(const QString& prompt, const QString& initialDirectory)
{
    const QString folder = QFileDialog::getExistingDirectory(&m_window, prompt, initialDirectory);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}

QString QtHost::currentDirectory() const
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace quorlex
