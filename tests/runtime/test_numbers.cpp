#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <limits>

using namespace vrc::runtime;

Q_DECLARE_METATYPE(vrc::runtime::NumberKind)

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);
} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("8.5 goes down to even") << 8.5 << 8.0;
        QTest::newRow("9.5 goes up to even") << 9.5 << 10.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("just above half") << 8.500001 << 9.0;
        QTest::newRow("just below half") << 8.499999 << 8.0;
        QTest::newRow("-7.6") << -7.6 << -8.0;
        QTest::newRow("large odd half") << 4503599627370495.5 << 4503599627370496.0;
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(RoundHalfEven(value), expected);
    }

    void fpToInt16_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("max") << 32767.0 << true << 32767;
        QTest::newRow("max + 0.5 rounds to even 32768") << 32767.5 << false << 0;
        QTest::newRow("max + 0.49") << 32767.49 << true << 32767;
        QTest::newRow("min") << -32768.0 << true << -32768;
        QTest::newRow("min - 0.5 rounds to even -32768") << -32768.5 << true << -32768;
        QTest::newRow("min - 0.51") << -32768.51 << false << 0;
        QTest::newRow("inf") << std::numeric_limits<double>::infinity() << false << 0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
        QTest::newRow("huge") << 1e300 << false << 0;
    }
    void fpToInt16() {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const auto result = TryFpToInt16(value);
        QCOMPARE(result.has_value(), fits);
        if (fits) {
            QCOMPARE(int{*result}, expected);
            QCOMPARE(int{FpToInt16(value)}, expected);
        } else {
            QVERIFY_THROWS_EXCEPTION(OverflowError, (void)FpToInt16(value));
        }
    }

    void checkedArithmetic_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("sumFits");
        QTest::addColumn<bool>("differenceFits");
        QTest::newRow("small") << 500 << -32 << true << true;
        QTest::newRow("sum at max") << 32751 << 16 << true << true;
        QTest::newRow("sum past max") << 32760 << 16 << false << true;
        QTest::newRow("difference past min") << -32768 << 1 << true << false;
        QTest::newRow("difference past max") << 32767 << -1 << true << false;
        QTest::newRow("sum past min") << -32768 << -1 << false << true;
        QTest::newRow("extremes") << -32768 << 32767 << true << false;
    }
    void checkedArithmetic() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, sumFits);
        QFETCH(bool, differenceFits);
        const auto a16 = static_cast<Int16>(a);
        const auto b16 = static_cast<Int16>(b);
        QCOMPARE(TryAdd16(a16, b16).has_value(), sumFits);
        QCOMPARE(TrySub16(a16, b16).has_value(), differenceFits);
        if (sumFits) {
            QCOMPARE(int{Add16(a16, b16)}, a + b);
        } else {
            QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Add16(a16, b16));
        }
        if (differenceFits) {
            QCOMPARE(int{Sub16(a16, b16)}, a - b);
        } else {
            QVERIFY_THROWS_EXCEPTION(OverflowError, (void)Sub16(a16, b16));
        }
    }

    void overflowErrorCarriesNumberSix() {
        try {
            RaiseOverflow();
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 6);
            QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("Overflow"));
            return;
        }
        QFAIL("no run-time error raised");
    }

    void readInt16_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<NumberKind>("kind");
        QTest::addColumn<int>("value");
        const auto in = NumberKind::InRange;
        const auto no = NumberKind::NotNumeric;
        const auto out = NumberKind::OutOfRange;
        QTest::newRow("plain") << kUs << "500" << in << 500;
        QTest::newRow("surrounding blanks") << kUs << " 500 " << in << 500;
        QTest::newRow("500.5 to even") << kUs << "500.5" << in << 500;
        QTest::newRow("501.5 to even") << kUs << "501.5" << in << 502;
        QTest::newRow("negative") << kUs << "-20" << in << -20;
        QTest::newRow("plus sign") << kUs << "+20" << in << 20;
        QTest::newRow("exponent") << kUs << "1.5e3" << in << 1500;
        QTest::newRow("leading point") << kUs << ".5" << in << 0;
        QTest::newRow("group separator") << kUs << "1,500" << in << 1500;
        QTest::newRow("misplaced group separator") << kUs << "1,5,00" << no << 0;
        QTest::newRow("comma decimal in en_US") << kUs << "500,5" << no << 0;
        QTest::newRow("de_DE group separator") << kDe << "1.500" << in << 1500;
        QTest::newRow("de_DE decimal comma") << kDe << "500,5" << in << 500;
        QTest::newRow("de_DE 501,5") << kDe << "501,5" << in << 502;
        QTest::newRow("de_DE point decimal") << kDe << "500.5" << no << 0;
        QTest::newRow("empty") << kUs << "" << no << 0;
        QTest::newRow("one blank") << kUs << " " << no << 0;
        QTest::newRow("blanks") << kUs << "     " << no << 0;
        QTest::newRow("letters") << kUs << "abc" << no << 0;
        QTest::newRow("digits then letters") << kUs << "500x" << no << 0;
        QTest::newRow("inner blank") << kUs << "5 00" << no << 0;
        QTest::newRow("sign alone") << kUs << "-" << no << 0;
        QTest::newRow("hexadecimal") << kUs << "0x10" << no << 0;
        QTest::newRow("nan") << kUs << "nan" << no << 0;
        QTest::newRow("inf") << kUs << "inf" << out << 0;
        QTest::newRow("-inf") << kUs << "-inf" << out << 0;
        QTest::newRow("max") << kUs << "32767" << in << 32767;
        QTest::newRow("min") << kUs << "-32768" << in << -32768;
        QTest::newRow("max + 1") << kUs << "32768" << out << 0;
        QTest::newRow("min - 1") << kUs << "-32769" << out << 0;
        QTest::newRow("32767.5 rounds to 32768") << kUs << "32767.5" << out << 0;
        QTest::newRow("-32768.5 rounds to -32768") << kUs << "-32768.5" << in << -32768;
        QTest::newRow("40000") << kUs << "40000" << out << 0;
        QTest::newRow("beyond double") << kUs << "1e400" << out << 0;
        QTest::newRow("below double") << kUs << "1e-400" << in << 0;
        QTest::newRow("negative below double") << kUs << "-5E-999" << in << 0;
        QTest::newRow("400 zeros then 1")
            << kUs << QStringLiteral("0.") + QString(400, u'0') + "1" << in << 0;
        QTest::newRow("de_DE below double") << kDe << "1,5e-400" << in << 0;
        QTest::newRow("ar_EG 400 zeros then 1")
            << QLocale(QLocale::Arabic, QLocale::Egypt)
            << QStringLiteral(u"\u0660\u066B") + QString(400, QChar(0x0660)) + QChar(0x0661) << in
            << 0;
        // ASCII digits are read in every locale, also beside the locale's own.
        QTest::newRow("ar_EG ASCII 9e-999")
            << QLocale(QLocale::Arabic, QLocale::Egypt) << "9e-999" << in << 0;
        QTest::newRow("below double, then letters") << kUs << "1e-400x" << no << 0;
        QTest::newRow("two exponents below double") << kUs << "1e-400e5" << no << 0;
        // Past the fast reader's digit limit, never wrapped into a rating.
        QTest::newRow("2^31") << kUs << "2147483648" << out << 0;
        QTest::newRow("2^32 + 500") << kUs << "4294967796" << out << 0;
        QTest::newRow("ten nines") << kUs << "9999999999" << out << 0;
        QTest::newRow("-2^32") << kUs << "-4294967296" << out << 0;
        QTest::newRow("2^32 + 500, blanks around") << kUs << " 4294967796 " << out << 0;
        QTest::newRow("long zeros then digits") << kUs << QString(5000, u'0') + "42" << in << 42;
        QTest::newRow("long digits") << kUs << QString(5000, u'9') << out << 0;
        QTest::newRow("long letters") << kUs << QString(5000, u'z') << no << 0;
    }
    void readInt16() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(NumberKind, kind);
        QFETCH(int, value);
        const Int16Reading reading = ReadInt16(text, locale);
        QCOMPARE(reading.kind, kind);
        if (kind == NumberKind::InRange) {
            QCOMPARE(int{reading.value}, value);
        }
        QCOMPARE(IsNumeric(text, locale), kind != NumberKind::NotNumeric);
    }

    // The numeric test and the conversion agree on every text: a text that
    // passes the test converts or is out of range, and the value a numeric
    // text converts to is the half-to-even rounding of the number it reads as.
    void testAndConversionAgree() {
        static const QString alphabet = QStringLiteral("0123456789012345678 -+.,eE\tax");
        QRandomGenerator random(20261208);
        for (const QLocale &locale :
             {kUs, kDe, QLocale::c(), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
            for (int i = 0; i < 20000; ++i) {
                QString text;
                const int length = random.bounded(1, 12);
                for (int c = 0; c < length; ++c) {
                    text += alphabet.at(random.bounded(alphabet.size()));
                }
                bool ok = false;
                const double number = locale.toDouble(text, &ok);
                const Int16Reading reading = ReadInt16(text, locale);
                QCOMPARE(IsNumeric(text, locale), reading.kind != NumberKind::NotNumeric);
                if (reading.kind == NumberKind::InRange) {
                    // Qt refuses only a number too small for a double, which reads as 0.
                    QVERIFY2(ok || reading.value == 0, qPrintable(text));
                    QCOMPARE(static_cast<double>(reading.value), RoundHalfEven(number));
                } else if (reading.kind == NumberKind::OutOfRange) {
                    QVERIFY2(std::isinf(number) || std::abs(RoundHalfEven(number)) >= 32768,
                             qPrintable(text));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
