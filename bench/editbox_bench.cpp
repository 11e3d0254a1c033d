// How the editing box copes with a large page: typing a character in the middle, and
// converting between text offsets and the widget's positions. The page is ~50 MB with
// CR LF line ends and a sprinkling of LF-only lines, so both conversion paths are used.
#include "host/LineBreakIndex.h"
#include "host/SourceEdit.h"
#include "host/SourceEditBox.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace quorlex;

namespace {

QString bigPage(qsizetype targetChars)
{
    const QString line = QStringLiteral(
        "<P>日本語のテキストと English text, <B>太字</B> &amp; <A HREF=\"x.html\">link</A></P>");
    QString page;
    page.reserve(targetChars + 200);
    int n = 0;
    while (page.size() < targetChars) {
        page += line;
        page += (++n % 97 == 0) ? QStringLiteral("\n") : QStringLiteral("\r\n");
    }
    return page;
}

struct Page {
    std::unique_ptr<SourceEdit> edit;
    std::unique_ptr<SourceEditBox> box;
    qsizetype length = 0;
};

Page& page()
{
    static Page p = [] {
        Page made;
        made.edit = std::make_unique<SourceEdit>();
        made.box = std::make_unique<SourceEditBox>(*made.edit);
        made.box->setText(bigPage(qsizetype(50) * 1000 * 1000)); // ~50 MB as a Shift_JIS file
        made.length = made.box->length();
        return made;
    }();
    return p;
}

void BM_TypeOneCharacterInTheMiddle(benchmark::State& state)
{
    Page& p = page();
    qsizetype at = p.length / 2;
    for (auto _ : state) {
        p.box->setSelStart(at);
        p.box->setSelText(QStringLiteral("x"));
        benchmark::DoNotOptimize(p.box->selStart());
        at += 7;
    }
}
BENCHMARK(BM_TypeOneCharacterInTheMiddle)->Unit(benchmark::kMicrosecond);

void BM_TypeEnterInTheMiddle(benchmark::State& state)
{
    Page& p = page();
    qsizetype at = p.length / 3;
    for (auto _ : state) {
        p.box->setSelStart(at);
        p.box->setSelText(QStringLiteral("<BR>\r\n"));
        at += 11;
    }
}
BENCHMARK(BM_TypeEnterInTheMiddle)->Unit(benchmark::kMicrosecond);

void BM_OffsetToPositionAndBack(benchmark::State& state)
{
    Page& p = page();
    const LineBreakIndex& index = p.edit->lineBreaks();
    qsizetype offset = 12345;
    for (auto _ : state) {
        const int pos = index.positionOf(offset);
        benchmark::DoNotOptimize(index.offsetOf(pos));
        offset = (offset * 7919 + 13) % p.length;
    }
}
BENCHMARK(BM_OffsetToPositionAndBack)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
