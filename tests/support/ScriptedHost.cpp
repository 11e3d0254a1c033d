#include "support/ScriptedHost.h"

namespace quorlex::test {

QString ScriptedHost::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    inputs.append({ prompt, title, defaultText });
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

MsgAnswer ScriptedHost::messageBox(const QString& text, MsgStyle style, const QString& title)
{
    messages.append({ text, style, title });
    if (onMessage)
        onMessage(messages.last());
    return messageAnswers.isEmpty() ? MsgAnswer::Ok : messageAnswers.dequeue();
}

void ScriptedHost::setMenuEnabled(const QString& name, bool enabled)
{
    if (enabled)
        disabledMenus.remove(name);
    else
        disabledMenus.insert(name);
}

void ScriptedHost::setMenuChecked(const QString& name, bool checked)
{
    if (checked)
        checkedMenus.insert(name);
    else
        checkedMenus.remove(name);
}

void ScriptedHost::setToolbarVisible(const QString& name, bool visible)
{
    if (visible)
        visibleToolbars.insert(name);
    else
        visibleToolbars.remove(name);
}

void ScriptedHost::loadMenuItem(const QString& array, int index)
{
    const QString name = array + u'_' + QString::number(index);
    if (!menuCaptions.contains(name))
        menuCaptions.insert(name, menuCaptions.value(array + QStringLiteral("_0")));
}

int ScriptedHost::menuItemCount(const QString& array) const
{
    int n = 0;
    while (menuCaptions.contains(array + u'_' + QString::number(n)))
        ++n;
    return n;
}

void ScriptedHost::setToolbarButtonPressed(const QString& bar, const QString& key, bool pressed)
{
    const QString name = bar + u'_' + key;
    if (pressed)
        pressedButtons.insert(name);
    else
        pressedButtons.remove(name);
}

FileDialogResult ScriptedHost::showFileDialog(const FileDialogRequest& request)
{
    fileRequests.append(request);
    return fileAnswers.isEmpty() ? FileDialogResult {} : fileAnswers.dequeue();
}

QString ScriptedHost::showFolderDialog(const QString& prompt, const QString& initialDirectory)
{
    folderRequests.append({ prompt, initialDirectory });
    return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
}

} // namespace quorlex::test
