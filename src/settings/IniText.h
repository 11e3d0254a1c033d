#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The bytes of a Shift_JIS INI file, read and edited under the Windows private-profile rules.
// Pure functions: IniFile does the file work around them.
namespace quorlex::IniText {

// Longest value a read returns, in Shift_JIS bytes (a 255-byte buffer less its NUL).
inline constexpr qsizetype MaxValueBytes = 254;

// The value of `key` in `section`, or nothing when the section or the key is absent.
// Names match without regard to case; the first of duplicate sections or keys wins.
std::optional<QString> value(QByteArrayView content, QStringView section, QStringView key);

enum class EditResult {
    Changed, // `content` holds the new file
    Unchanged, // the file already reads back the value; nothing to write
    Refused, // a name or the value cannot be stored so that it reads back the same
};

struct Edit {
    EditResult result;
    QByteArray content;
};

// `content` with `key` in `section` set to `text`. Every line other than the key's own keeps
// its bytes; a missing key or section is added with CR LF line ends.
Edit withValue(QByteArrayView content, QStringView section, QStringView key, QStringView text);

} // namespace quorlex::IniText
