#include "engine/calculation.h"

#include <QTest>
#include <QVariantList>
#include <limits>

using namespace vrc::engine;

class TestCalculation : public QObject {
    Q_OBJECT

private slots:
    void outcome_data() {
        QTest::addColumn<QStringList>("team");
        QTest::addColumn<QStringList>("opponents");
        QTest::addColumn<QString>("locale");
        // For a refusal: its problem, side, row and the start of its message; empty
        // `message` for results.
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        // For results: the win and loss of each team row shown, top first.
        QTest::addColumn<QList<int>>("afterWin");
        QTest::addColumn<QList<int>>("afterLoss");
        using S = QStringList;
        using L = QList<int>;
        const auto refused = [](const char *name, const S &team, const S &opponents,
                                RefusalProblem problem, std::int16_t group, int row,
                                const char *message) {
            QTest::newRow(name) << team << opponents << "en_US" << static_cast<int>(problem)
                                << int{group} << row << QString::fromLatin1(message) << L{} << L{};
        };
        refused("letters in the second opponent row", {"500"}, {"500", "x"},
                RefusalProblem::NotNumeric, kGroupOpponents, 1, "You must enter a numeric");
        refused("third team row out of range", {"500", "", "40000"}, {"500"},
                RefusalProblem::OutOfRange, kGroupTeam, 2, "You must enter a rating between");
        // A whole side is missing: the user is sent to its top box.
        refused("no opponent", {"", "500"}, {"", "", ""}, RefusalProblem::NoRating, kGroupOpponents,
                0, "You must enter at least one player");
        refused("no team", {}, {"", "", "500"}, RefusalProblem::NoRating, kGroupTeam, 0,
                "You must enter at least one player");
        // An entry error is reported before the calculation could overflow.
        refused("bad entry beside an overflow", {"32767", "x"}, {"0"}, RefusalProblem::NotNumeric,
                kGroupTeam, 1, "You must enter a numeric");
        refused("second row's new rating out of range", {"500", "32767"}, {"30000"},
                RefusalProblem::NewRatingOutOfRange, kGroupTeam, 1, "The new rating would be");

        QTest::newRow("results, an empty row skipped")
            << S{"500", "", "600"} << S{"550", "650", "700"} << "en_US" << -1 << 0 << 0 << QString()
            << L{510, 610} << L{494, 594};
        QTest::newRow("results read in the locale") << S{"1.500,5"} << S{"1.500"} << "de_DE" << -1
                                                    << 0 << 0 << QString() << L{1516} << L{1484};
    }

    void outcome() {
        QFETCH(QStringList, team);
        QFETCH(QStringList, opponents);
        QFETCH(QString, locale);
        QFETCH(QString, message);
        RatingEntrySet entries;
        std::copy(team.cbegin(), team.cend(), entries.team.begin());
        std::copy(opponents.cbegin(), opponents.cend(), entries.opponents.begin());

        const CalculationOutcome outcome = CalculateEntries(entries, QLocale(locale));
        if (const auto *refusal = std::get_if<Refusal>(&outcome)) {
            QVERIFY2(!message.isEmpty(), qPrintable(refusal->message));
            QTEST(static_cast<int>(refusal->problem), "problem");
            QTEST(int{refusal->group}, "group");
            QTEST(refusal->row, "row");
            QVERIFY2(refusal->message.startsWith(message), qPrintable(refusal->message));
            return;
        }
        QVERIFY2(message.isEmpty(), "results where a refusal was due");
        const auto &calculation = std::get<Calculation>(outcome);
        QList<int> afterWin;
        QList<int> afterLoss;
        for (const auto &row : calculation.rows) {
            if (row) {
                afterWin << row->afterWin;
                afterLoss << row->afterLoss;
            }
        }
        QTEST(afterWin, "afterWin");
        QTEST(afterLoss, "afterLoss");
        // What the command line prints beside the rows.
        QCOMPARE(calculation.accepted.team.at(2), team.size() > 2 ? team.at(2).toInt() : 0);
    }

    // Boxes a program fills: a number is taken as the same number typed, beside texts
    // read in the locale, in the window's order of checks.
    void boxes_data() {
        QTest::addColumn<QVariantList>("team"); // a null QVariant is an empty box
        QTest::addColumn<QVariantList>("opponents");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("problem"); // -1: results
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("teamAverage");
        QTest::addColumn<int>("opponentAverage");
        using V = QVariantList;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double infinity = std::numeric_limits<double>::infinity();
        const auto refused = [](const char *name, const V &team, const V &opponents,
                                RefusalProblem problem, std::int16_t group, int row) {
            QTest::newRow(name) << team << opponents << "en_US" << static_cast<int>(problem)
                                << int{group} << row << 0 << 0;
        };
        QTest::newRow("numbers halve to even")
            << V{500.5} << V{501.5} << "en_US" << -1 << 0 << 0 << 500 << 502;
        QTest::newRow("numbers beside texts read in the locale")
            << V{QStringLiteral("1.500,5"), QVariant(), 1700.0} << V{1600.0} << "de_DE" << -1 << 0
            << 0 << 1600 << 1600;
        QTest::newRow("an empty text is an empty box")
            << V{QString(), 500.0} << V{QString(), QString(), 500.0} << "en_US" << -1 << 0 << 0
            << 500 << 500;
        refused("NaN is no number", V{500.0, nan}, V{500.0}, RefusalProblem::NotNumeric, kGroupTeam,
                1);
        refused("infinity is out of range", V{500.0}, V{QVariant(), -infinity},
                RefusalProblem::OutOfRange, kGroupOpponents, 1);
        refused("32767.5 halves to 32768", V{32767.5}, V{500.0}, RefusalProblem::OutOfRange,
                kGroupTeam, 0);
        QTest::newRow("-32768.5 halves to -32768") << V{-32768.5, -32768.0, -32768.0} << V{32767.0}
                                                   << "en_US" << -1 << 0 << 0 << -32768 << 32767;
        refused("a text before a number, in the window's order", V{QVariant(), nan},
                V{QStringLiteral("x")}, RefusalProblem::NotNumeric, kGroupOpponents, 0);
        refused("no opponent", V{500.0}, V{QVariant(), QString()}, RefusalProblem::NoRating,
                kGroupOpponents, 0);
    }

    void boxes() {
        QFETCH(QVariantList, team);
        QFETCH(QVariantList, opponents);
        QFETCH(QString, locale);
        QFETCH(int, problem);
        const auto fill = [](const QVariantList &values, std::array<RatingBox, kRows> &boxes) {
            for (qsizetype row = 0; row < values.size(); ++row) {
                const QVariant &value = values.at(row);
                if (value.typeId() == QMetaType::Double) {
                    boxes.at(row) = value.toDouble();
                } else if (value.typeId() == QMetaType::QString) {
                    boxes.at(row) = value.toString();
                }
            }
        };
        RatingBoxSet boxes;
        fill(team, boxes.team);
        fill(opponents, boxes.opponents);

        const CalculationOutcome outcome = CalculateBoxes(boxes, QLocale(locale));
        if (const auto *refusal = std::get_if<Refusal>(&outcome)) {
            QCOMPARE(static_cast<int>(refusal->problem), problem);
            QTEST(int{refusal->group}, "group");
            QTEST(refusal->row, "row");
            return;
        }
        QCOMPARE(-1, problem);
        const auto &calculation = std::get<Calculation>(outcome);
        QTEST(int{calculation.result.teamAverage}, "teamAverage");
        QTEST(int{calculation.result.opponentAverage}, "opponentAverage");
    }
};

QTEST_APPLESS_MAIN(TestCalculation)
#include "test_calculation.moc"
