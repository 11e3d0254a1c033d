// How long the first switch to the preview tab takes: each run starts a fresh process (the first
// switch happens once per run), builds the main window, checks that start-up left the browser
// engine unloaded, then switches to the preview tab of a saved page. It reports the time until
// the switch returns (plugin loaded, browser created) and until the page's title is shown, and
// the median of the runs.
#include "app/EditorForm.h"
#include "app/EditorFormLogic.h"
#include "files/DocumentFiles.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace quorlex;

namespace {

bool engineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

int measureOnce()
{
    QTemporaryDir home;
    qputenv("QUORLEX_HOME", home.path().toLocal8Bit());
    const QString page = home.filePath(QStringLiteral("page.html"));
    QFile file(page);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("<html><head><title>bench</title></head><body><p>preview</p></body></html>");
    file.close();

    EditorForm form;
    form.resize(900, 650);
    form.show();
    QApplication::processEvents();
    const bool engineAtStart = engineMapped();
    form.logic().files().LoadDocument(page);

    QElapsedTimer timer;
    timer.start();
    form.tabs()->setCurrentIndex(1);
    QApplication::sendPostedEvents();
    const qint64 switched = timer.elapsed();
    QObject* browser = form.findChild<QObject*>(QStringLiteral("WebBrowser1"));
    const QDeadlineTimer deadline(60000);
    while (
        browser && browser->property("title").toString() != QStringLiteral("bench") && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 shown = timer.elapsed();
    std::printf("switch_ms=%lld shown_ms=%lld engine_at_start=%d engine_after=%d\n", switched, shown,
        int(engineAtStart), int(engineMapped()));
    return browser ? 0 : 1;
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    const bool child = argc > 1 && qstrcmp(argv[1], "--child") == 0;
    if (child) {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        return measureOnce();
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 7;
    QList<qint64> switches, shows;
    for (int i = 0; i < runs; ++i) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--child") });
        run.waitForFinished(120000);
        const QString line = QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed();
        std::printf("run %d: %s\n", i + 1, qPrintable(line));
        for (const QString& field : line.split(u' ')) {
            if (field.startsWith(QStringLiteral("switch_ms=")))
                switches.append(field.mid(10).toLongLong());
            else if (field.startsWith(QStringLiteral("shown_ms=")))
                shows.append(field.mid(9).toLongLong());
        }
    }
    std::printf("median of %d runs: switch returns after %lld ms, page shown after %lld ms\n", runs,
        median(switches), median(shows));
    return switches.size() == runs ? 0 : 1;
}
