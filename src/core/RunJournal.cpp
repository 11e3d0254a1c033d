#include "core/RunJournal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>

namespace quorlex {

namespace {

const QString Prefix = QStringLiteral("quorlex-");
const QString NoteSuffix = QStringLiteral(".run");
const QString LockSuffix = QStringLiteral(".run.lock");

// A note's lines: "started=<time>", "backup=<time>;<digest>;<encoding>", "previous=…".
QByteArray noteLine(const char* key, const BackupNote& note)
{
    return QByteArray(key) + '=' + note.time.toString(Qt::ISODateWithMs).toUtf8() + ';' + note.digest.toHex()
        + ';' + pageEncodingName(note.encoding).toUtf8() + '\n';
}

std::optional<BackupNote> parseBackup(const QByteArray& value)
{
    const QList<QByteArray> fields = value.split(';');
    if (fields.size() != 3)
        return std::nullopt;
    BackupNote note;
    note.time = QDateTime::fromString(QString::fromUtf8(fields[0]), Qt::ISODateWithMs);
    note.digest = QByteArray::fromHex(fields[1]);
    const auto encoding = pageEncodingFromName(QString::fromUtf8(fields[2]));
    if (!note.time.isValid() || note.digest.isEmpty() || !encoding)
        return std::nullopt;
    note.encoding = *encoding;
    return note;
}

QList<BackupNote> parseNote(const QByteArray& text)
{
    QList<BackupNote> backups;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        if (equals > 0 && (key == "backup" || key == "previous")) {
            if (auto note = parseBackup(line.sliced(equals + 1)))
                backups.append(*note);
        }
    }
    return backups;
}

} // namespace

RunJournal::RunJournal(const QString& programDirectory)
    : m_directory(programDirectory)
    , m_id(QStringLiteral("%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')))
{
}

RunJournal::~RunJournal()
{
    finish();
}

QString RunJournal::notePath(const QString& id) const
{
    return QDir(m_directory).filePath(Prefix + id + NoteSuffix);
}

bool RunJournal::begin()
{
    if (m_lock)
        return true;
    auto lock = std::make_unique<QLockFile>(QDir(m_directory).filePath(Prefix + m_id + LockSuffix));
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    m_started = QDateTime::currentDateTime();
    writeNote();
    return true;
}

void RunJournal::backupWriting(QByteArrayView bytes, PageEncoding encoding)
{
    if (!m_lock)
        return;
    m_previousBackup = m_backup;
    m_backup = BackupNote { QDateTime::currentDateTime(), digest(bytes), encoding };
    writeNote();
}

void RunJournal::finish()
{
    if (!m_lock)
        return;
    QFile::remove(notePath(m_id));
    m_lock.reset();
}

void RunJournal::writeNote()
{
    QByteArray text = "started=" + m_started.toString(Qt::ISODateWithMs).toUtf8() + '\n';
    if (m_backup)
        text += noteLine("backup", *m_backup);
    if (m_previousBackup)
        text += noteLine("previous", *m_previousBackup);
    (void)replaceFile(m_ops, notePath(m_id), text);
}

QList<BackupNote> RunJournal::takeCrashedRuns()
{
    const QDir directory(m_directory);
    QSet<QString> ids;
    for (const QString& name : directory.entryList(
             { Prefix + u'*' + NoteSuffix, Prefix + u'*' + LockSuffix }, QDir::Files | QDir::Hidden)) {
        const QString rest = name.sliced(Prefix.size());
        ids.insert(rest.left(rest.indexOf(NoteSuffix)));
    }
    ids.remove(m_id);

    QList<BackupNote> backups;
    for (const QString& id : std::as_const(ids)) {
        // A lock that can be taken belongs to no running copy: its own run has ended, and a copy
        // that starts at the same time cannot take it while this one holds it.
        QLockFile lock(directory.filePath(Prefix + id + LockSuffix));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        QByteArray text;
        if (!m_ops.readAll(notePath(id), text, 64 * 1024))
            backups += parseNote(text);
        QFile::remove(notePath(id));
    }
    std::sort(backups.begin(), backups.end(),
        [](const BackupNote& a, const BackupNote& b) { return a.time > b.time; });
    return backups;
}

QByteArray RunJournal::digest(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

} // namespace quorlex
