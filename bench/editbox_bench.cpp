// The editing box under a user's hands on large pages, in the program's own window: a key
// press in the middle of a page (the program's key handler, TextRefrash and the Enter rule
// included, and the repaint that follows), a key press inside one very long line, saving a
// large page beside iconv encoding the same text, and the box's offset conversions.
#include "BenchPages.h"
#include "Iconv.h"
#include "OpenedPage.h"

#include "app/EditorForm.h"
#include "core/Editor.h"
#include "host/LineBreakIndex.h"
#include "host/QtHost.h"
#include "host/SourceEdit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

using namespace quorlex;
using namespace quorlex::bench;

namespace {

double threadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A window opened with a copy of a page, shown, with the whole page in the box.
std::unique_ptr<EditorForm> openCopy(const QString& page, const QString& name)
{
    static QTemporaryDir copies;
    const QString copy = copies.filePath(name);
    QFile::remove(copy);
    QFile::copy(page, copy);
    auto form = std::make_unique<EditorForm>(copy);
    form->resize(960, 680);
    form->show();
    waitUntilFilled(*form);
    QApplication::processEvents();
    return form;
}

EditorForm& typicalForm(int megabytes)
{
    static std::map<int, std::unique_ptr<EditorForm>> forms;
    auto& form = forms[megabytes];
    if (!form)
        form = openCopy(typicalPageFile(megabytes), QStringLiteral("typing-%1.html").arg(megabytes));
    return *form;
}

EditorForm& minifiedForm(int megabytes)
{
    static std::map<int, std::unique_ptr<EditorForm>> forms;
    auto& form = forms[megabytes];
    if (!form)
        form = openCopy(minifiedPageFile(megabytes), QStringLiteral("minified-%1.html").arg(megabytes));
    return *form;
}

void caretToMiddle(EditorForm& form)
{
    EditBox& box = form.host().editBox();
    box.setSelStart(box.length() / 2);
    form.editBox().ensureCursorVisible();
    QApplication::processEvents();
}

void pressKey(QWidget* widget, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

// The median CPU time of a key press and the repaint after it, over many presses.
void measureKeys(benchmark::State& state, EditorForm& form, Qt::Key key, const QString& text)
{
    caretToMiddle(form);
    const int requested = qEnvironmentVariableIntValue("QUORLEX_BENCH_PRESSES");
    const int Presses = requested > 0 ? requested : 200;
    for (auto _ : state) {
        std::vector<double> times;
        times.reserve(Presses);
        for (int i = 0; i < Presses; ++i) {
            const double start = threadCpuSeconds();
            pressKey(&form.editBox(), key, text);
            times.push_back(threadCpuSeconds() - start);
        }
        std::nth_element(times.begin(), times.begin() + Presses / 2, times.end());
        state.SetIterationTime(times[Presses / 2]);
    }
}

void BM_TypeLetter(benchmark::State& state)
{
    measureKeys(state, typicalForm(int(state.range(0))), Qt::Key_A, QStringLiteral("a"));
}

void BM_TypeEnter(benchmark::State& state)
{
    measureKeys(state, typicalForm(int(state.range(0))), Qt::Key_Return, QStringLiteral("\r"));
}

void BM_TypeLetterInLongLine(benchmark::State& state)
{
    measureKeys(state, minifiedForm(int(state.range(0))), Qt::Key_A, QStringLiteral("a"));
}

// Save after a change, so that the text is encoded afresh. CPU time: the disk is not ours.
void BM_SavePage(benchmark::State& state)
{
    static std::unique_ptr<EditorForm> form;
    if (!form)
        form = openCopy(typicalPageFile(double(state.range(0))), QStringLiteral("save.html"));
    caretToMiddle(*form);
    for (auto _ : state) {
        pressKey(&form->editBox(), Qt::Key_A, QStringLiteral("a"));
        const double start = processCpuSeconds();
        if (!form->runCommand(QStringLiteral("F_Save")) || form->editor().document().Modified())
            state.SkipWithError("the page was not saved");
        state.SetIterationTime(processCpuSeconds() - start);
    }
}

// iconv "CP932" encoding the same text into a buffer of the size it needs.
void BM_IconvEncode(benchmark::State& state)
{
    const QString text = typicalPageText(double(state.range(0)));
    IconvCp932 iconv;
    for (auto _ : state) {
        const double start = processCpuSeconds();
        const std::optional<QByteArray> bytes = iconv.encode(text);
        if (!bytes)
            state.SkipWithError("iconv failed");
        benchmark::DoNotOptimize(bytes);
        state.SetIterationTime(processCpuSeconds() - start);
    }
}

void BM_OffsetToPositionAndBack(benchmark::State& state)
{
    EditorForm& form = typicalForm(int(state.range(0)));
    const LineBreakIndex& index = form.editBox().lineBreaks();
    const qsizetype length = form.editBox().sourceLength();
    qsizetype offset = 12345;
    for (auto _ : state) {
        const int pos = index.positionOf(offset);
        benchmark::DoNotOptimize(index.offsetOf(pos));
        offset = (offset * 7919 + 13) % length;
    }
}

void registerBenchmarks()
{
    const int reps = std::max(1, qEnvironmentVariableIntValue("QUORLEX_BENCH_REPETITIONS"));
    auto manual = [reps](benchmark::internal::Benchmark* b, benchmark::TimeUnit unit) {
        b->Iterations(1)->Repetitions(reps)->UseManualTime()->Unit(unit);
    };
    for (int megabytes : { 1, 10, 50 }) {
        manual(benchmark::RegisterBenchmark("BM_TypeLetter", BM_TypeLetter)->Arg(megabytes),
            benchmark::kMicrosecond);
        manual(benchmark::RegisterBenchmark("BM_TypeEnter", BM_TypeEnter)->Arg(megabytes),
            benchmark::kMicrosecond);
    }
    manual(benchmark::RegisterBenchmark("BM_TypeLetterInLongLine", BM_TypeLetterInLongLine)->Arg(5),
        benchmark::kMicrosecond);
    manual(benchmark::RegisterBenchmark("BM_SavePage", BM_SavePage)->Arg(50), benchmark::kMillisecond);
    manual(benchmark::RegisterBenchmark("BM_IconvEncode", BM_IconvEncode)->Arg(50), benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OffsetToPositionAndBack", BM_OffsetToPositionAndBack)
        ->Arg(50)
        ->Unit(benchmark::kMicrosecond);
}

[[maybe_unused]] const bool registered = (registerBenchmarks(), true);

} // namespace
