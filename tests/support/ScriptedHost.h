#pragma once

#include "host/Host.h"
#include "support/StringEditBox.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QSet>
#include <QStringList>

#include <functional>

namespace quorlex::test {

// A host whose boxes answer from queues and record what they were asked.
class ScriptedHost : public Host {
public:
    struct Input {
        QString prompt, title, defaultText;
    };
    struct Message {
        QString text;
        MsgStyle style;
        QString title;
    };

    EditBox& editBox() override { return box(); }
    virtual EditBox& box() { return m_box; }
    StringEditBox& stringBox() { return m_box; }

    // Answers for the input boxes, in order; a missing answer counts as a cancel.
    void answerInputs(const QStringList& answers)
    {
        for (const auto& a : answers)
            inputAnswers.enqueue(a);
    }
    // Results for the message boxes, in order; a missing one answers OK.
    void answerMessages(const QList<MsgAnswer>& results)
    {
        for (MsgAnswer r : results)
            messageAnswers.enqueue(r);
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title) override;
    void closeMainWindow() override { ++closeRequests; }
    QString windowCaption() const override { return caption; }
    void setWindowCaption(const QString& c) override
    {
        caption = c;
        captions.append(c);
    }
    bool isMenuEnabled(const QString& name) const { return !disabledMenus.contains(name); }
    void setMenuEnabled(const QString& name, bool enabled) override;
    bool isMenuChecked(const QString& name) const override { return checkedMenus.contains(name); }
    void setMenuChecked(const QString& name, bool checked) override;
    QString menuCaption(const QString& name) const override { return menuCaptions.value(name); }
    void setMenuCaption(const QString& name, const QString& c) override { menuCaptions.insert(name, c); }
    void loadMenuItem(const QString& array, int index) override;
    int menuItemCount(const QString& array) const;
    bool isToolbarVisible(const QString& name) const { return visibleToolbars.contains(name); }
    void setToolbarVisible(const QString& name, bool visible) override;
    void makeToolbarFlat(const QString& name) override { flatToolbars.append(name); }
    bool isToolbarButtonPressed(const QString& bar, const QString& key) const override
    {
        return pressedButtons.contains(bar + u'_' + key);
    }
    void setToolbarButtonPressed(const QString& bar, const QString& key, bool pressed) override;
    FileDialogResult showFileDialog(const FileDialogRequest& request) override;
    QString showFolderDialog(const QString& prompt, const QString& initialDirectory) override;
    QString currentDirectory() const override { return cwd; }

    QQueue<QString> inputAnswers;
    QQueue<MsgAnswer> messageAnswers;
    QList<Input> inputs;
    QList<Message> messages;
    int closeRequests = 0;
    QString caption;
    QStringList captions;
    QSet<QString> disabledMenus;
    QSet<QString> checkedMenus;
    QSet<QString> visibleToolbars;
    QStringList flatToolbars;
    QSet<QString> pressedButtons;
    QHash<QString, QString> menuCaptions;
    QString cwd;
    // Answers for the file dialogs, in order; a missing one counts as a cancel.
    QQueue<FileDialogResult> fileAnswers;
    QList<FileDialogRequest> fileRequests;
    // Answers for the folder browser, in order; a missing or empty one counts as a cancel.
    QQueue<QString> folderAnswers;
    struct FolderRequest {
        QString prompt, initialDirectory;
    };
    QList<FolderRequest> folderRequests;
    // Runs when a message box is shown, before it answers (to look at the state then).
    std::function<void(const Message&)> onMessage;

private:
    StringEditBox m_box;
};

} // namespace quorlex::test
