#pragma once

#include <QString>
#include <QStringView>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace quorlex::fuzz {

// Any UTF-16 code units, lone surrogates and NULs included, up to maxUnits of them.
inline QString anyText(FuzzedDataProvider& data, std::size_t maxUnits)
{
    const std::size_t units = data.ConsumeIntegralInRange<std::size_t>(0, maxUnits);
    QString text;
    for (std::size_t i = 0; i < units && data.remaining_bytes() > 0; ++i)
        text.append(QChar(data.ConsumeIntegral<char16_t>()));
    return text;
}

// Up to maxChars characters, each one of alphabet: inputs that stay among the characters a
// reader treats specially.
inline QString textOf(FuzzedDataProvider& data, QStringView alphabet, std::size_t maxChars)
{
    const std::size_t chars = data.ConsumeIntegralInRange<std::size_t>(0, maxChars);
    QString text;
    for (std::size_t i = 0; i < chars && data.remaining_bytes() > 0; ++i)
        text.append(alphabet[data.ConsumeIntegralInRange<qsizetype>(0, alphabet.size() - 1)]);
    return text;
}

// Stops the run with the input as a crash when a property does not hold: libFuzzer keeps the
// input and the sanitizers print where it happened.
inline void check(bool holds, const char* what, const QString& detail = {})
{
    if (!holds) {
        std::fprintf(stderr, "property does not hold: %s\n%s\n", what, qPrintable(detail));
        std::abort();
    }
}

// Text with its line ends and other control characters made visible, for check() details.
inline QString visible(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0) || c.isSurrogate()
            || c.category() == QChar::Other_PrivateUse || c.unicode() >= 0xFDD0)
            out += QStringLiteral("<%1>").arg(c.unicode(), 0, 16);
        else
            out += c;
    }
    return out;
}

} // namespace quorlex::fuzz
