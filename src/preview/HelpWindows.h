#pragma once

#include <QString>
#include <QtGlobal>

namespace quorlex {

// The help viewer as the help command sees it: started with a help file (and a topic inside it),
// giving back a task number, and brought to the front again by that number.
class HelpLauncher {
public:
    virtual ~HelpLauncher() = default;
    // Starts a viewer on the help file at the topic (the file's start when empty); the task
    // number, 0 when nothing could be started.
    virtual qint64 start(const QString& helpFile, const QString& topic) = 0;
    // Brings the task's viewer to the front; false when it is no longer running.
    virtual bool bringToFront(qint64 task) = 0;
};

// The about window "バージョン情報", shown modally.
class AboutWindow {
public:
    virtual ~AboutWindow() = default;
    virtual void showAbout() = 0;
};

} // namespace quorlex
