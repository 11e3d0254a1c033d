#pragma once

#include <QByteArray>
#include <QString>

#include <iconv.h>

#include <optional>

namespace quorlex::bench {

// glibc iconv between "CP932" and UTF-16, the reference the codec and save benchmarks are
// measured against. Each call converts into a buffer of the size the result needs, as a codec
// returning a QString or QByteArray would; nothing on failure.
class IconvCp932 {
public:
    IconvCp932();
    ~IconvCp932();
    IconvCp932(const IconvCp932&) = delete;
    IconvCp932& operator=(const IconvCp932&) = delete;

    std::optional<QString> decode(const QByteArray& bytes);
    std::optional<QByteArray> encode(const QString& text);

private:
    iconv_t toUtf16_;
    iconv_t toCp932_;
};

} // namespace quorlex::bench
