#pragma once

#include <QLocale>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vrc::runtime {

using Int16 = std::int16_t;

// What a text says as a number. Every text is exactly one of these, so the
// numeric test and the conversion can never disagree.
enum class NumberKind {
    NotNumeric, // empty, blanks only, letters, "nan", malformed
    InRange,    // a number that rounds into -32768..32767 (one too small for a double reads as 0)
    OutOfRange, // a number, but too large in magnitude (including "inf")
};

struct Int16Reading {
    NumberKind kind = NumberKind::NotNumeric;
    Int16 value = 0; // meaningful only for InRange
};

// Reads a text typed by the user: surrounding blanks, a sign, a decimal
// fraction and an exponent are accepted; the locale decides the decimal and
// group separators. The value is rounded to the nearest integer, exact
// halves to the even neighbour.
[[nodiscard]] Int16Reading ReadInt16(QStringView text, const QLocale &locale);

[[nodiscard]] bool IsNumeric(QStringView text, const QLocale &locale);

// Nearest integer, exact halves to the even neighbour, whatever the
// floating-point environment's rounding mode.
[[nodiscard]] double RoundHalfEven(double value) noexcept;

// Half-to-even conversion; nullopt when the result leaves the 16-bit range
// or the value is not finite.
[[nodiscard]] std::optional<Int16> TryFpToInt16(double value) noexcept;

// As above, but a value out of range raises the overflow run-time error.
[[nodiscard]] Int16 FpToInt16(double value);

// Checked 16-bit arithmetic.
[[nodiscard]] std::optional<Int16> TryAdd16(Int16 a, Int16 b) noexcept;
[[nodiscard]] std::optional<Int16> TrySub16(Int16 a, Int16 b) noexcept;
[[nodiscard]] Int16 Add16(Int16 a, Int16 b);
[[nodiscard]] Int16 Sub16(Int16 a, Int16 b);

} // namespace vrc::runtime
