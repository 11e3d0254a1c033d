#include "SoakFiles.h"

#include "files/ShiftJisCodec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace quorlex::soak {

namespace {

QByteArray sjis(const QString& text)
{
    return ShiftJis::encode(text);
}

QByteArray hashOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

} // namespace

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

SoakFiles::SoakFiles(QString root, QString home, qsizetype hugeLineBytes, SoakRandom& random)
    : m_root(std::move(root))
    , m_home(std::move(home))
{
    auto put = [this](const QString& name, const QByteArray& bytes) {
        writeFileBytes(m_root + u'/' + name, bytes);
    };
    put(QStringLiteral("site/index.html"),
        sjis(QStringLiteral(
            "<HTML>\r\n<HEAD>\r\n<title>トップ</title>\r\n</HEAD>\r\n<BODY>\r\nようこそ。<BR>\r\n"
            "<a href=\"sub/page.htm\">次へ</a> abc ABC abc\r\n</BODY>\r\n</HTML>")));
    put(QStringLiteral("site/sub/page.htm"), sjis(QStringLiteral("<p>サブページ</p>\r\nabc abc ABC\r\n")));
    put(QStringLiteral("site/mixed-breaks.html"), QByteArray("one\ntwo\rthree\r\n<head></head>\n\n"));
    // Bytes that are no Shift_JIS: a lead byte without its trail byte, 0x80, 0xA0 and 0xFD-0xFF.
    put(QStringLiteral("broken.html"), QByteArray("ok \x82 \xff\xfe\x81\x20 end\x80\xa0\xfd", 17));
    QByteArray huge;
    const QByteArray piece = sjis(QStringLiteral("<div class=\"x\">あいう&amp;</div>"));
    while (huge.size() < hugeLineBytes)
        huge += piece;
    put(QStringLiteral("huge-line.html"), huge);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(random.below(256)));
    put(QStringLiteral("binary.bin"), binary);
    put(QStringLiteral("image.gif"), binary.left(300));
    put(QStringLiteral("empty.html"), QByteArray());
    put(QStringLiteral("pattern.hpf"),
        sjis(QStringLiteral("\"の追加\"\r\n\"#FFEECC\"\r\n\"bg.gif\"\r\n\"<p>本文</p>\r\n二行目\"\r\n")));
    put(QStringLiteral("short.hpf"), QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n"));
    put(QStringLiteral("notes.txt"),
        sjis(QStringLiteral("first line\r\n-----\r\n----- x -----\r\n----\r\na<b & c\r\n日本語の行\r\n")));
    put(QStringLiteral("lf.txt"), QByteArray("a\nb\n"));
    put(QStringLiteral("music.mid"), QByteArray("MThd"));
    put(QStringLiteral("movie.avi"), QByteArray("RIFF"));
    put(QStringLiteral("photo.jpeg"), QByteArray("\xff\xd8\xff", 3));
    QDir(m_root).mkpath(QStringLiteral("folder.html"));
    QDir(m_root).mkpath(QStringLiteral("saves"));

    // The program's own lists: entries with "=", quotes and "&", numbers of two digits, and a
    // snippet title out of order.
    QString tags;
    const QStringList tagValues = { QStringLiteral("<ABC></ABC>"), QStringLiteral("<a href=\"x\">&amp;</a>"),
        QStringLiteral("a=b,c"), QStringLiteral("日本語タグ") };
    for (int i = 0; i < 11; ++i)
        tags += QStringLiteral("TOL%1=%2\r\n")
                    .arg(i)
                    .arg(tagValues.at(i % tagValues.size()) + QString::number(i));
    writeFileBytes(homeFile(QStringLiteral("usertag.tol")), sjis(tags));
    writeFileBytes(homeFile(QStringLiteral("templete.tol")),
        sjis(QStringLiteral("TOL0=<P>ひな型</P>\r\nTLN0=段落\r\nTOL1=Hello World\r\nTLN1=挨拶\r\n"
                            "TLN3=飛び番\r\nTOL2=<B>二</B>\r\nTLN2=太字\r\n")));
}

QStringList SoakFiles::existingFiles() const
{
    QStringList files;
    QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QString SoakFiles::openChoice(SoakRandom& random, const QString& preferredSuffix) const
{
    const QStringList files = existingFiles();
    if (!preferredSuffix.isEmpty() && random.chance(50)) {
        QStringList preferred;
        for (const QString& f : files)
            if (f.endsWith(preferredSuffix))
                preferred.append(f);
        if (!preferred.isEmpty())
            return random.pick(preferred);
    }
    switch (random.below(20)) {
    case 0:
        return m_root + QStringLiteral("/missing.html");
    case 1:
        return m_root + QStringLiteral("/folder.html");
    case 2:
        return QStringLiteral("http://example.com/pic.gif");
    default:
        return files.isEmpty() ? m_root + QStringLiteral("/missing.html") : random.pick(files);
    }
}

QString SoakFiles::saveChoice(SoakRandom& random) const
{
    if (random.chance(25)) {
        const QStringList files = existingFiles();
        if (!files.isEmpty())
            return random.pick(files);
    }
    static const QStringList suffixes = { QStringLiteral(".html"), QStringLiteral(".htm"), QString(),
        QStringLiteral(".hpf"), QStringLiteral(".txt") };
    return m_root + QStringLiteral("/saves/page%1%2").arg(random.below(6)).arg(random.pick(suffixes));
}

QStringList SoakFiles::dropChoice(SoakRandom& random) const
{
    QStringList paths;
    const qsizetype count = random.between(1, 3);
    for (qsizetype i = 0; i < count; ++i)
        paths.append(openChoice(random));
    return paths;
}

SoakFiles::Snapshot SoakFiles::snapshot(const Snapshot& previous) const
{
    Snapshot shot;
    for (const QString& folder : { m_root, m_home }) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QFileInfo info = it.fileInfo();
            Fingerprint print { info.size(), info.lastModified(), {} };
            const auto old = previous.constFind(path);
            if (old != previous.cend() && old->size == print.size && old->modified == print.modified)
                print.hash = old->hash;
            else
                print.hash = hashOf(path);
            shot.insert(path, print);
        }
    }
    return shot;
}

QStringList SoakFiles::changes(const Snapshot& before, const Snapshot& after)
{
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const auto old = before.constFind(it.key());
        if (old == before.cend() || old->hash != it->hash)
            changed.append(it.key());
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!after.contains(it.key()))
            changed.append(it.key());
    changed.sort();
    return changed;
}

} // namespace quorlex::soak
