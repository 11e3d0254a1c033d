#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace quorlex {
namespace Utf8 {

// UTF-8 for pages, without losing a byte. A byte b that is not part of a valid sequence (a stray
// continuation byte, a lead byte cut short, an overlong form, a surrogate, a code point above
// U+10FFFF) decodes to the kept-byte character U+F700 + b, the same one the Shift_JIS codec uses,
// and encode() writes that character back as the raw byte b. The characters U+F780..U+F7FF
// themselves, when a file holds them as valid sequences, are read as their three kept bytes, so
// that decode() followed by encode() gives back every file unchanged.

// What a pass over bytes found.
struct Scan {
    bool valid = true; // every byte belongs to a valid sequence
    bool hasThreeByteSequence = false;
};
Scan scan(QByteArrayView bytes);

QString decode(QByteArrayView bytes);
// A lone surrogate, which has no UTF-8 form, is written as U+FFFD.
QByteArray encode(QStringView text);

} // namespace Utf8
} // namespace quorlex
