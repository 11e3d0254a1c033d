#pragma once

#include "files/PageEncoding.h"
#include "host/EditBox.h"

#include <QByteArray>

namespace quorlex {

// A page's bytes decoded part by part as the editing box takes them, so that the box
// can show the start of a large page at once and the whole text never exists twice.
class DecodedParts : public TextParts {
public:
    // About this many bytes make a part.
    static constexpr qsizetype PartBytes = 256 * 1024;

    explicit DecodedParts(
        QByteArray bytes, PageEncoding encoding = PageEncoding::ShiftJis, qsizetype partBytes = PartBytes);

    QString next() override;
    double progress() const override;
    qsizetype lineCount() const override;

    // Where the part that starts at start ends: just after a byte below 0x40 other than CR, which
    // is a character of its own in both encodings (never the second byte of a Shift_JIS pair nor
    // part of a UTF-8 sequence), so that decoding goes on
    // after it as it would have gone on in the whole page (and a CR LF stays in one part).
    static qsizetype partEnd(QByteArrayView bytes, qsizetype start, qsizetype partBytes);

private:
    QByteArray m_bytes;
    PageEncoding m_encoding;
    qsizetype m_partBytes;
    qsizetype m_done = 0;
};

} // namespace quorlex
