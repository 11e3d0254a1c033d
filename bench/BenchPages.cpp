#include "BenchPages.h"

#include "files/ShiftJisCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <ctime>
#include <memory>

namespace quorlex::bench {

namespace {

// Blocks of a hand-written page; %1 is a running number.
const char16_t* const PageBlocks[] = {
    u"<h2 class=\"title\">日記　%1回目</h2>\r\n"
    u"<p>今日は朝から雨が降っていました。駅前の本屋で新しい小説を買い、喫茶店で読みました。</p>\r\n",
    u"<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\" width=\"100%\">\r\n"
    u"<tr><th>日付</th><th>内容</th><th>備考</th></tr>\n"
    u"<tr><td align=\"center\">%1月</td><td>ﾃｽﾄ公開</td><td>①②③　髙﨑</td></tr>\r\n</table>\r\n",
    u"<ul>\r\n<li><a href=\"link%1.html\" target=\"_blank\">リンク集（更新しました）</a></li>\r\n"
    u"<li><a href=\"http://www.example.co.jp/~user/bbs/index.cgi?page=%1\">掲示板</a></li>\r\n</ul>\r\n",
    u"<div align=\"right\"><font size=\"2\" color=\"#808080\">最終更新日：2003年%1月　"
    u"Copyright (C) 2003 All rights reserved.</font></div>\r\n<hr size=\"1\" noshade>\r\n",
};

const char16_t* const MinifiedBlocks[] = {
    u"<div class=\"item\" id=\"i%1\"><a href=\"/items/%1.html\">商品%1</a><span class=\"price\">"
    u"￥1,200</span></div>",
    u"<li><a href=\"/news/%1\">お知らせ：新しい記事を公開しました</a><time>2024-01-%1</time></li>",
    u"<p class=\"lead\">この文章は圧縮されたページの一部です。改行はありません。</p>",
};

template <std::size_t N> QString pageOf(const char16_t* const (&blocks)[N], double megabytes)
{
    const auto targetBytes = qsizetype(megabytes * 1000 * 1000);
    QString page;
    qsizetype bytes = 0;
    for (qsizetype n = 1; bytes < targetBytes; ++n) {
        const QString block = QString::fromUtf16(blocks[n % N]).arg(n);
        // Shift_JIS takes one byte per ASCII character and two per other character here.
        for (QChar c : block)
            bytes += c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) ? 1 : 2;
        page += block;
    }
    return page;
}

QString folder()
{
    static std::unique_ptr<QTemporaryDir> temporary;
    const QString kept = qEnvironmentVariable("QUORLEX_BENCH_PAGES");
    if (!kept.isEmpty()) {
        QDir().mkpath(kept);
        return kept;
    }
    if (!temporary)
        temporary = std::make_unique<QTemporaryDir>();
    return temporary->path();
}

QString fileOf(const QString& name, double megabytes, QString (*text)(double))
{
    const QString path = folder() + QStringLiteral("/%1-%2mb.html").arg(name).arg(megabytes);
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(ShiftJis::encode(text(megabytes))) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

} // namespace

QString typicalPageText(double megabytes)
{
    return pageOf(PageBlocks, megabytes);
}

QString minifiedPageText(double megabytes)
{
    return pageOf(MinifiedBlocks, megabytes);
}

QString typicalPageFile(double megabytes)
{
    return fileOf(QStringLiteral("typical"), megabytes, typicalPageText);
}

QString minifiedPageFile(double megabytes)
{
    return fileOf(QStringLiteral("minified"), megabytes, minifiedPageText);
}

double processCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double peakResidentMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024 / 1e6;
}

} // namespace quorlex::bench
