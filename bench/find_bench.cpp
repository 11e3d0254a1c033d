// Replace all on a large page: 100,000 replacements in a ~10 MB page, through the real editing
// box, next to Qt's own QString::replace and sed on the same text. "SetText" is what loading the
// result alone costs the box; Replace all's own work is what it takes beyond that. And FindText
// of a text near the end of a ~50 MB page beside memmem looking for it in the same characters.
#include "core/Editor.h"
#include "find/HtmlFind.h"
#include "find/TextSearch.h"
#include "host/SourceEdit.h"
#include "host/SourceEditBox.h"
#include "support/ScriptedHost.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

using namespace quorlex;

namespace {

const QString Find = QStringLiteral("<TD>");
const QString Replacement = QStringLiteral("<TD CLASS=x>");

// 100,000 lines of ~100 characters, each with one "<TD>".
const QString& bigPage()
{
    static const QString page = [] {
        QString text;
        text.reserve(10'100'000);
        for (int i = 0; i < 100'000; ++i)
            text += QStringLiteral("<TR><TH>行 %1</TH>").arg(i, 6, 10, QLatin1Char('0')) + Find
                + QStringLiteral(
                    "日本語のテキストと English text &amp; more words to fill the line</TD></TR>\r\n");
        return text;
    }();
    return page;
}

struct BoxHost : test::ScriptedHost {
    SourceEdit edit;
    SourceEditBox real { edit };
    EditBox& box() override { return real; }
};

struct QuietFindWindow : FindWindow {
    bool isLoaded() const override { return true; }
    void load(HtmlFind&) override { }
    void show() override { }
    void unload() override { }
    QString text(FindBox box) const override { return box == FindBox::Text1 ? Find : Replacement; }
    void setText(FindBox, const QString&) override { }
    QStringList history(FindBox) const override { return {}; }
    void addToHistory(FindBox, const QString&) override { }
    SearchFrom searchFrom() const override { return SearchFrom::CurrentPosition; }
    void setSearchFrom(SearchFrom) override { }
    MsgAnswer message(const QString&, MsgStyle, const QString&) override { return MsgAnswer::Ok; }
    void activateEditor() override { }
};

void BM_ReplaceAllInTheBox(benchmark::State& state)
{
    BoxHost host;
    Editor editor(host);
    QuietFindWindow window;
    HtmlFind find(editor, window);
    for (auto _ : state) {
        state.PauseTiming();
        host.real.setText(bigPage());
        state.ResumeTiming();
        find.Command4_Click();
    }
    state.counters["replaced"] = double(CountOccurrences(host.real.text(), Replacement));
}
BENCHMARK(BM_ReplaceAllInTheBox)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SetTextOfTheResult(benchmark::State& state)
{
    SourceEdit edit;
    SourceEditBox box(edit);
    const QString result = QString(bigPage()).replace(Find, Replacement);
    for (auto _ : state)
        box.setText(result);
}
BENCHMARK(BM_SetTextOfTheResult)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReplaceEvery(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(replaceEvery(bigPage(), Find, Replacement));
}
BENCHMARK(BM_ReplaceEvery)->Unit(benchmark::kMillisecond);

void BM_QStringReplace(benchmark::State& state)
{
    for (auto _ : state) {
        QString copy = bigPage();
        benchmark::DoNotOptimize(copy.replace(Find, Replacement));
    }
}
BENCHMARK(BM_QStringReplace)->Unit(benchmark::kMillisecond);

void BM_Sed(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("page.html"));
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(bigPage().toUtf8()) < 0) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.close();
    const QString script = QStringLiteral("s/<TD>/<TD CLASS=x>/g");
    for (auto _ : state) {
        QProcess sed;
        sed.setStandardOutputFile(dir.filePath(QStringLiteral("out.html")));
        sed.start(QStringLiteral("sed"), { script, in });
        if (!sed.waitForFinished(60'000) || sed.exitCode() != 0) {
            state.SkipWithError("sed failed");
            return;
        }
    }
}
BENCHMARK(BM_Sed)->Unit(benchmark::kMillisecond)->UseRealTime();

const QString Needle = QStringLiteral("<P ID=last>");

// Five of the replace page, then the text looked for, then one more line.
const QString& hugePage()
{
    static const QString page = bigPage().repeated(5) + Needle + QStringLiteral("</P>\r\n");
    return page;
}

void BM_FindTextNearTheEnd(benchmark::State& state)
{
    BoxHost host;
    Editor editor(host);
    QuietFindWindow window;
    HtmlFind find(editor, window);
    host.real.setText(hugePage());
    for (auto _ : state) {
        host.real.setSelStart(0);
        if (!find.FindText(Needle))
            state.SkipWithError("not found");
    }
}
BENCHMARK(BM_FindTextNearTheEnd)->Unit(benchmark::kMillisecond);

// The usual "find next": the text looked for a few lines after the caret, in the same page.
void BM_FindTextNearTheCaret(benchmark::State& state)
{
    BoxHost host;
    Editor editor(host);
    QuietFindWindow window;
    HtmlFind find(editor, window);
    const QString page = bigPage().repeated(2) + Needle + bigPage().repeated(3);
    host.real.setText(page);
    const qsizetype caret = page.indexOf(Needle) - 2000;
    for (auto _ : state) {
        host.real.setSelStart(caret);
        if (!find.FindText(Needle))
            state.SkipWithError("not found");
    }
}
BENCHMARK(BM_FindTextNearTheCaret)->Unit(benchmark::kMillisecond);

void BM_Memmem(benchmark::State& state)
{
    const QString& page = hugePage();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            memmem(page.utf16(), size_t(page.size()) * 2, Needle.utf16(), size_t(Needle.size()) * 2));
}
BENCHMARK(BM_Memmem)->Unit(benchmark::kMillisecond);

} // namespace
