#include "runtime/numbers.h"

#include "runtime/runtime_error.h"

#include <cmath>
#include <limits>

namespace vrc::runtime {

namespace {
constexpr int kMin16 = std::numeric_limits<Int16>::min();
constexpr int kMax16 = std::numeric_limits<Int16>::max();

std::optional<Int16> Narrow(int value) noexcept {
    if (value < kMin16 || value > kMax16) {
        return std::nullopt;
    }
    return static_cast<Int16>(value);
}
// Whether the locale reads plain ASCII integers the ordinary way, so that
// such texts can skip its general (and much slower) reader.
bool ReadsAsciiIntegers(const QLocale &locale) {
    thread_local QLocale cached = QLocale::c();
    thread_local bool answer = true;
    if (!(locale == cached)) {
        bool minusOk = false;
        bool plusOk = false;
        answer = locale.toDouble(u" -1234567890 ", &minusOk) == -1234567890.0 && minusOk &&
                 locale.toDouble(u"+0987654321", &plusOk) == 987654321.0 && plusOk;
        cached = locale;
    }
    return answer;
}

// "[blanks][sign]digits[blanks]" with at most nine digits; anything else is
// left to the locale.
std::optional<int> ReadPlainInteger(QStringView text) noexcept {
    constexpr int kMaxDigits = 9;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == u' ') {
        --end;
    }
    bool negative = false;
    if (begin < end && (text[begin] == u'-' || text[begin] == u'+')) {
        negative = text[begin] == u'-';
        ++begin;
    }
    const qsizetype digits = end - begin;
    if (digits < 1 || digits > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

// Qt answers a number too small for a double ("1e-400") as it answers a text
// that is not a number. With every digit made 0, a well-formed number reads
// as zero and anything else still fails.
bool IsUnderflow(QStringView text, const QLocale &locale) {
    const QString zero = locale.zeroDigit();
    const char16_t localeZero = zero.size() == 1 ? zero.at(0).unicode() : u'0';
    QString zeroed = text.toString();
    for (QChar &c : zeroed) {
        const char16_t u = c.unicode();
        if (u > u'0' && u <= u'9') {
            c = QChar(u'0');
        } else if (u > localeZero && u <= localeZero + 9) {
            c = QChar(localeZero);
        }
    }
    bool ok = false;
    return locale.toDouble(zeroed, &ok) == 0.0 && ok;
}
} // namespace

double RoundHalfEven(double value) noexcept {
    const double below = std::floor(value);
    // Exact for every finite double: below and value share their exponent range.
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<Int16> TryFpToInt16(double value) noexcept {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = RoundHalfEven(value);
    if (rounded < kMin16 || rounded > kMax16) {
        return std::nullopt;
    }
    return static_cast<Int16>(rounded);
}

Int16 FpToInt16(double value) {
    const auto result = TryFpToInt16(value);
    if (!result) {
        RaiseOverflow();
    }
    return *result;
}

Int16Reading ReadInt16(QStringView text, const QLocale &locale) {
    if (const auto plain = ReadPlainInteger(text); plain && ReadsAsciiIntegers(locale)) {
        if (const auto value = Narrow(*plain)) {
            return {NumberKind::InRange, *value};
        }
        return {NumberKind::OutOfRange, 0};
    }
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok) {
        // Qt answers a number too large for a double with infinity.
        if (std::isinf(value)) {
            return {NumberKind::OutOfRange, 0};
        }
        if (IsUnderflow(text, locale)) {
            return {NumberKind::InRange, 0};
        }
        return {NumberKind::NotNumeric, 0};
    }
    if (std::isnan(value)) {
        return {NumberKind::NotNumeric, 0};
    }
    if (const auto converted = TryFpToInt16(value)) {
        return {NumberKind::InRange, *converted};
    }
    return {NumberKind::OutOfRange, 0};
}

bool IsNumeric(QStringView text, const QLocale &locale) {
    return ReadInt16(text, locale).kind != NumberKind::NotNumeric;
}

std::optional<Int16> TryAdd16(Int16 a, Int16 b) noexcept {
    return Narrow(int{a} + int{b});
}

std::optional<Int16> TrySub16(Int16 a, Int16 b) noexcept {
    return Narrow(int{a} - int{b});
}

Int16 Add16(Int16 a, Int16 b) {
    const auto sum = TryAdd16(a, b);
    if (!sum) {
        RaiseOverflow();
    }
    return *sum;
}

Int16 Sub16(Int16 a, Int16 b) {
    const auto difference = TrySub16(a, b);
    if (!difference) {
        RaiseOverflow();
    }
    return *difference;
}

} // namespace vrc::runtime
