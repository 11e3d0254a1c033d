// The editing box on screen, with and without its colouring and line numbers: opening a page
// (the text set and the first screen painted), typing a character in the middle (the key
// applied and what it changed painted), painting the whole screen again and a jump to the end. The pages are
// the ~50 MB page of editbox_bench and a 5 MB page of minified markup on one line.
//
// Arguments of each benchmark: the page (0: 50 MB, 1: one 5 MB line), colouring (0 off, 1 on).
#include "host/HtmlColouring.h"
#include "host/LineNumberGutter.h"
#include "host/SourceColouring.h"
#include "host/SourceEdit.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <memory>

using namespace quorlex;

namespace {

QString repeated(const QString& piece, QStringView separator, qsizetype targetChars, int alternateEvery = 0)
{
    QString page;
    page.reserve(targetChars + 200);
    int n = 0;
    while (page.size() < targetChars) {
        page += piece;
        page += (alternateEvery && ++n % alternateEvery == 0) ? QStringView(u"\n") : separator;
    }
    return page;
}

const QString& pageText(int page)
{
    static const QString big
        = repeated(QStringLiteral("<P>日本語のテキストと English text, <B>太字</B> &amp; "
                                  "<A HREF=\"x.html\">link</A></P>"),
            u"\r\n", qsizetype(50) * 1000 * 1000, 97);
    static const QString oneLine = repeated(QStringLiteral("<div class=\"c\"><a href=\"x.html\">link &amp; "
                                                           "日本語</a><!-- c --></div>"),
        u"", qsizetype(5) * 1000 * 1000);
    return page == 0 ? big : oneLine;
}

std::unique_ptr<SourceEdit> shownBox(bool coloured)
{
    auto edit = std::make_unique<SourceEdit>();
    if (coloured) {
        new SourceColouring(*edit);
        new LineNumberGutter(*edit);
    }
    edit->resize(900, 600);
    edit->show();
    QApplication::processEvents();
    return edit;
}

void paint(SourceEdit& edit)
{
    edit.viewport()->repaint();
}

void BM_Open(benchmark::State& state)
{
    const QString& text = pageText(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<SourceEdit> edit = shownBox(state.range(1) != 0);
        state.ResumeTiming();
        edit->setSourceText(text);
        paint(*edit);
        state.PauseTiming();
        edit.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open)->ArgsProduct({ { 0, 1 }, { 0, 1 } })->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TypeInTheMiddle(benchmark::State& state)
{
    const QString& text = pageText(int(state.range(0)));
    std::unique_ptr<SourceEdit> edit = shownBox(state.range(1) != 0);
    edit->setSourceText(text);
    edit->setCaretOffset(text.size() / 2);
    edit->ensureCursorVisible();
    paint(*edit);
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(edit.get(), &key);
        // The box paints what the key changed, as it does on screen.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TypeInTheMiddle)->Args({ 0, 0 })->Args({ 0, 1 })->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_TypeInTheMiddle)->Args({ 1, 0 })->Args({ 1, 1 })->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole screen painted again, nothing changed: what drawing the colours costs.
void BM_PaintTheScreen(benchmark::State& state)
{
    const QString& text = pageText(0);
    std::unique_ptr<SourceEdit> edit = shownBox(state.range(1) != 0);
    edit->setSourceText(text);
    edit->setCaretOffset(text.size() / 2);
    edit->ensureCursorVisible();
    paint(*edit);
    for (auto _ : state)
        paint(*edit);
}
BENCHMARK(BM_PaintTheScreen)->Args({ 0, 0 })->Args({ 0, 1 })->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_JumpToTheEnd(benchmark::State& state)
{
    const QString& text = pageText(0);
    std::unique_ptr<SourceEdit> edit = shownBox(state.range(1) != 0);
    for (auto _ : state) {
        // Each time on a page just opened, so nothing of it is known yet.
        state.PauseTiming();
        edit->setSourceText(text);
        paint(*edit);
        state.ResumeTiming();
        edit->setCaretOffset(text.size());
        edit->ensureCursorVisible();
        paint(*edit);
    }
}
BENCHMARK(BM_JumpToTheEnd)->Args({ 0, 0 })->Args({ 0, 1 })->Unit(benchmark::kMillisecond)->Iterations(5);

// The scanner alone, line by line over the first 10 MB of the 50 MB page: what a look-back costs.
void BM_ScanLines(benchmark::State& state)
{
    const QStringView text = QStringView(pageText(0)).left(10 * 1000 * 1000);
    const QList<QStringView> lines = text.split(u'\n');
    for (auto _ : state) {
        HtmlScanState scanState;
        QList<HtmlSpan> spans;
        for (QStringView line : lines) {
            spans.clear();
            scanState = HtmlColouring::afterLineBreak(HtmlColouring::scan(line, scanState, &spans));
        }
        benchmark::DoNotOptimize(scanState);
    }
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_ScanLines)->Unit(benchmark::kMillisecond);

} // namespace
