#pragma once

#include "SoakRandom.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

namespace quorlex::soak {

// The folders a run works in: pages and other files to open, drop, convert and insert (good,
// broken, one huge line, binary), a folder for new saves, and the program's own folder. It
// takes fingerprints of every file so that a step can be checked to have changed only the
// files it saved to.
class SoakFiles {
public:
    SoakFiles(QString root, QString home, qsizetype hugeLineBytes, SoakRandom& random);

    const QString& root() const { return m_root; }
    const QString& home() const { return m_home; }
    QString homeFile(const QString& name) const { return m_home + u'/' + name; }

    // A file or name for an open dialog: mostly an existing file, sometimes a folder or a
    // name under which nothing stands.
    QString openChoice(SoakRandom& random, const QString& preferredSuffix = QString()) const;
    // A name for a save dialog: a new file in the saves folder, or an existing file.
    QString saveChoice(SoakRandom& random) const;
    // Files to drop on the window.
    QStringList dropChoice(SoakRandom& random) const;

    struct Fingerprint {
        qint64 size = -1;
        QDateTime modified;
        QByteArray hash;
    };
    using Snapshot = QHash<QString, Fingerprint>;
    // Every file under the two folders; fingerprints of files whose size and time are as in
    // previous are taken over instead of read again.
    Snapshot snapshot(const Snapshot& previous = {}) const;
    // Files whose contents differ, that appeared or that went.
    static QStringList changes(const Snapshot& before, const Snapshot& after);

private:
    QStringList existingFiles() const;

    QString m_root;
    QString m_home;
};

// Reads a whole file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

} // namespace quorlex::soak
