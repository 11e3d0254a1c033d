// Opening a page, as a user starts the program with it: each measurement runs in a fresh child
// process, so that its peak memory is its own. Beside it, the reference: a bare QPlainTextEdit
// given the same (decoded) text with setPlainText.
#include "BenchPages.h"
#include "OpenedPage.h"

#include "app/EditorForm.h"
#include "files/ShiftJisCodec.h"
#include "host/SourceEdit.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

using namespace quorlex;
using namespace quorlex::bench;

namespace {

qint64 monotonicNanoseconds()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Child: starts the program's window with the page, as main() does, and reports when the
// window was shown (wall clock, and CPU time since the process started, as the issue
// measures), when the page was wholly in the box, the CPU time that took, the longest CPU
// time between two turns of the event loop meanwhile (the window does not answer during
// it; CPU time, so that other processes on the machine do not count), and the peak memory.
int openPage(const QString& path)
{
    int argc = 1;
    char name[] = "open_bench";
    char* argv[] = { name, nullptr };
    QApplication app(argc, argv);
    const double cpu0 = processCpuSeconds();
    EditorForm form(path);
    form.show();
    QApplication::processEvents();
    const qint64 shown = monotonicNanoseconds();
    const double shownCpu = processCpuSeconds();
    double lastTick = shownCpu;
    double longestStall = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &form, [&] {
        const double now = processCpuSeconds();
        longestStall = std::max(longestStall, now - lastTick);
        lastTick = now;
    });
    ticker.start(1);
    waitUntilFilled(form);
    const qint64 filled = monotonicNanoseconds();
    const double work = processCpuSeconds() - cpu0;
    longestStall = std::max(longestStall, processCpuSeconds() - lastTick);
    std::printf(
        "shown_ns=%lld shown_cpu_s=%.6f filled_ns=%lld work_s=%.6f stall_ms=%.3f peak_mb=%.1f chars=%lld\n",
        (long long)shown, shownCpu, (long long)filled, work, longestStall * 1e3, peakResidentMegabytes(),
        (long long)form.editBox().sourceLength());
    return 0;
}

// Child: the reference, setPlainText of the decoded page on a shown QPlainTextEdit.
int bareSetPlainText(const QString& path)
{
    int argc = 1;
    char name[] = "open_bench";
    char* argv[] = { name, nullptr };
    QApplication app(argc, argv);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QString text = ShiftJis::decode(file.readAll());
    file.close();
    QPlainTextEdit edit;
    edit.resize(960, 680);
    edit.show();
    QApplication::processEvents();
    const double cpu0 = processCpuSeconds();
    edit.setPlainText(text);
    QApplication::processEvents();
    const double work = processCpuSeconds() - cpu0;
    std::printf(
        "work_s=%.6f peak_mb=%.1f chars=%lld\n", work, peakResidentMegabytes(), (long long)text.size());
    return 0;
}

// Runs a child and reads its "key=value" report.
QHash<QString, double> runChild(const QString& mode, const QString& path, qint64* started)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    *started = monotonicNanoseconds();
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--child"), mode, path });
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return {};
    QHash<QString, double> values;
    for (const QByteArray& pair : child.readAllStandardOutput().trimmed().split(' ')) {
        const qsizetype eq = pair.indexOf('=');
        if (eq > 0)
            values.insert(QString::fromLatin1(pair.left(eq)), pair.mid(eq + 1).toDouble());
    }
    return values;
}

void measureOpen(benchmark::State& state, const QString& path)
{
    const double fileMegabytes = double(QFileInfo(path).size()) / 1e6;
    for (auto _ : state) {
        qint64 started = 0;
        const auto v = runChild(QStringLiteral("open"), path, &started);
        if (v.isEmpty()) {
            state.SkipWithError("the child failed");
            return;
        }
        state.SetIterationTime(v.value(QStringLiteral("work_s")));
        state.counters["shown_s"] = (v.value(QStringLiteral("shown_ns")) - double(started)) / 1e9;
        state.counters["shown_cpu_s"] = v.value(QStringLiteral("shown_cpu_s"));
        state.counters["filled_s"] = (v.value(QStringLiteral("filled_ns")) - double(started)) / 1e9;
        state.counters["stall_ms"] = v.value(QStringLiteral("stall_ms"));
        state.counters["peak_mb"] = v.value(QStringLiteral("peak_mb"));
        state.counters["peak_per_file_mb"] = v.value(QStringLiteral("peak_mb")) / fileMegabytes;
        state.counters["file_mb"] = fileMegabytes;
    }
}

void BM_OpenPage(benchmark::State& state)
{
    measureOpen(state, typicalPageFile(double(state.range(0))));
}

void BM_OpenLongLine(benchmark::State& state)
{
    measureOpen(state, minifiedPageFile(double(state.range(0))));
}

void BM_BareSetPlainText(benchmark::State& state)
{
    const QString path = typicalPageFile(double(state.range(0)));
    const double fileMegabytes = double(QFileInfo(path).size()) / 1e6;
    for (auto _ : state) {
        qint64 started = 0;
        const auto v = runChild(QStringLiteral("bare"), path, &started);
        if (v.isEmpty()) {
            state.SkipWithError("the child failed");
            return;
        }
        state.SetIterationTime(v.value(QStringLiteral("work_s")));
        state.counters["peak_mb"] = v.value(QStringLiteral("peak_mb"));
        state.counters["peak_per_file_mb"] = v.value(QStringLiteral("peak_mb")) / fileMegabytes;
    }
}

int repetitions()
{
    const int n = qEnvironmentVariableIntValue("QUORLEX_BENCH_REPETITIONS");
    return n > 0 ? n : 3;
}

void registerBenchmarks()
{
    for (int megabytes : { 1, 10, 50, 300 }) {
        for (auto* b : { benchmark::RegisterBenchmark("BM_OpenPage", BM_OpenPage),
                 benchmark::RegisterBenchmark("BM_BareSetPlainText", BM_BareSetPlainText) })
            b->Arg(megabytes)
                ->Iterations(1)
                ->Repetitions(repetitions())
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    }
    for (int megabytes : { 1, 5 })
        benchmark::RegisterBenchmark("BM_OpenLongLine", BM_OpenLongLine)
            ->Arg(megabytes)
            ->Iterations(1)
            ->Repetitions(repetitions())
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
        const QString path = QString::fromLocal8Bit(argv[3]);
        return qstrcmp(argv[2], "open") == 0 ? openPage(path) : bareSetPlainText(path);
    }
    QCoreApplication app(argc, argv);
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
