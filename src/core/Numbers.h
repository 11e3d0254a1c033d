#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quorlex {

// The value of s when the whole of it (blanks around allowed) is a number: sign, digits with ","
// between groups of three, "." as decimal point, exponent. The program's numbers are written
// so in every locale; "inf", "nan" and numbers too large for a double are none.
std::optional<double> parseStrictNumber(QStringView s);

// The value of the leading number of s: blanks, tabs and line feeds are skipped
// wherever they stand; digits with an optional sign, one "." and an optional exponent
// are taken; 0 when there is none. Full-width characters must be narrowed first.
double leadingNumber(QStringView s);

// Full-width characters that have a half-width form replaced by it (１２ -> 12).
QString toNarrow(QStringView s);

// A number from user or stored text, 0 when the text holds none; nullopt only when
// the number is too large for a double (overflow).
std::optional<double> ToNumber(QStringView s);

// value in the general number format: whole numbers without a decimal point, others in their
// shortest decimal form of at most 15 significant digits, very large or small ones with an
// exponent ("1E+20", "1E-05").
QString generalNumberText(double value);

// The nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// value rounded half to even when it fits the integer type T, otherwise nullopt.
template <typename T> std::optional<T> toWholeNumber(double value);

} // namespace quorlex

#include "core/Numbers_impl.h"
