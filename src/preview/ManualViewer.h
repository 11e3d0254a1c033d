#pragma once

#include "preview/HelpWindows.h"

#include <QPointer>
#include <QWidget>

class QTextBrowser;

namespace quorlex {

// The program's manual in a window of its own: the pages with their links, back, forward, the
// contents page, and the page in the system's browser. A missing manual is said in the window.
class ManualViewer : public QWidget {
    Q_OBJECT
public:
    ManualViewer(const QString& helpFile, const QString& topic, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

// Starts the help viewer: on Windows the system's help viewer "hh.exe" as a process of its own,
// elsewhere the manual viewer window, one task number per window started.
class QtHelpLauncher : public HelpLauncher {
public:
    qint64 start(const QString& helpFile, const QString& topic) override;
    bool bringToFront(qint64 task) override;

    // The viewer window started last, while it is open.
    ManualViewer* viewer() const { return m_viewer; }

private:
    QPointer<ManualViewer> m_viewer;
    qint64 m_viewerTask = 0;
    qint64 m_lastTask = 0;
};

} // namespace quorlex
