// Throughput of the Shift_JIS codec on a typical Japanese page, beside glibc iconv "CP932" on the
// same bytes. Compare the bytes_per_second columns.
#include "files/ShiftJisCodec.h"

#include <benchmark/benchmark.h>

#include "Iconv.h"

#include <cstdlib>

using namespace quorlex;

namespace {

// A hand-written page: mostly ASCII markup, Japanese headings, paragraphs and list items, with
// full-width punctuation, a few half-width katakana and NEC/IBM extension characters.
QString japanesePage(qsizetype targetBytes)
{
    const QString head = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html lang=\"ja\">\r\n"
        "<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
        "<title>わたしのホームページ</title>\r\n<link rel=\"stylesheet\" href=\"style.css\" "
        "type=\"text/css\">\r\n"
        "</head>\r\n<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\">\r\n");
    const QString blocks[] = {
        QStringLiteral("<h2 class=\"title\">日記　%1回目</h2>\r\n"
                       "<p>今日は朝から雨が降っていました。駅前の本屋で新しい小説を買い、"
                       "喫茶店でコーヒーを飲みながら読みました。</p>\r\n"),
        QStringLiteral("<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\" width=\"100%\">\r\n"
                       "<tr><th>日付</th><th>内容</th><th>備考</th></tr>\r\n"
                       "<tr><td align=\"center\">%1月</td><td>ﾃｽﾄ公開</td><td>①②③　髙﨑</td></tr>\r\n"
                       "</table>\r\n"),
        QStringLiteral(
            "<ul>\r\n<li><a href=\"link%1.html\" target=\"_blank\">リンク集（更新しました）</a></li>\r\n"
            "<li><a href=\"http://www.example.co.jp/~user/bbs/index.cgi?page=%1\">掲示板</a></li>\r\n"
            "<li><img src=\"images/icon%1.gif\" width=\"32\" height=\"32\" alt=\"アイコン\"></li>\r\n"
            "</ul>\r\n"),
        QStringLiteral("<div align=\"right\"><font size=\"2\" color=\"#808080\">"
                       "最終更新日：2003年%1月　Copyright (C) 2003 All rights reserved.</font></div>\r\n"
                       "<hr size=\"1\" noshade>\r\n"),
    };
    QString page = head;
    for (qsizetype n = 1, bytes = 0; bytes < targetBytes; ++n) {
        const QString block = blocks[n % std::size(blocks)].arg(n);
        page += block;
        bytes += ShiftJis::encode(block).size();
    }
    return page + QStringLiteral("</body>\r\n</html>\r\n");
}

struct Sample {
    QString text;
    QByteArray bytes;
};

const Sample& sample(qsizetype targetBytes)
{
    static Sample small;
    static Sample large;
    Sample& s = targetBytes < 1'000'000 ? small : large;
    if (s.bytes.isEmpty()) {
        s.text = japanesePage(targetBytes);
        s.bytes = ShiftJis::encode(s.text);
        if (ShiftJis::decode(s.bytes) != s.text)
            std::abort();
    }
    return s;
}

void setCounters(benchmark::State& state, const Sample& s)
{
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
    state.counters["page_bytes"] = double(s.bytes.size());
}

void BM_QuorlexDecode(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ShiftJis::decode(s.bytes));
    setCounters(state, s);
}

void BM_QuorlexEncode(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ShiftJis::encode(s.text));
    setCounters(state, s);
}

// iconv into a buffer of the size the result needs, as a codec returning QString would.
void BM_IconvDecode(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    bench::IconvCp932 iconv;
    for (auto _ : state) {
        const std::optional<QString> text = iconv.decode(s.bytes);
        if (!text)
            state.SkipWithError("iconv failed");
        benchmark::DoNotOptimize(text);
    }
    setCounters(state, s);
}

void BM_IconvEncode(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    bench::IconvCp932 iconv;
    for (auto _ : state) {
        const std::optional<QByteArray> bytes = iconv.encode(s.text);
        if (!bytes)
            state.SkipWithError("iconv failed");
        benchmark::DoNotOptimize(bytes);
    }
    setCounters(state, s);
}

} // namespace

BENCHMARK(BM_QuorlexDecode)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuorlexEncode)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IconvDecode)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IconvEncode)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
