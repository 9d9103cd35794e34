#include "engine/calculation.h"

#include <QTest>

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
};

QTEST_APPLESS_MAIN(TestCalculation)
#include "test_calculation.moc"
