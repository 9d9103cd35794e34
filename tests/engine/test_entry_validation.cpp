#include "engine/entry_validation.h"

#include <QTest>

using namespace vrc::engine;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

RatingEntrySet Entries(const QStringList &team, const QStringList &opponents) {
    RatingEntrySet set;
    for (int row = 0; row < kRows; ++row) {
        set.team.at(row) = team.value(row);
        set.opponents.at(row) = opponents.value(row);
    }
    return set;
}

QString Describe(const EntryError &error) {
    static const char *const problems[] = {"not numeric", "out of range", "no rating"};
    return QStringLiteral("row %1 group %2 %3")
        .arg(error.row)
        .arg(error.group)
        .arg(QLatin1String(problems[static_cast<int>(error.problem)]));
}
} // namespace

class TestEntryValidation : public QObject {
    Q_OBJECT

private slots:
    // Refusals: the first offending box in the order team 0, opponent 0,
    // team 1, opponent 1, team 2, opponent 2; then no team, then no opponent.
    void refusals_data() {
        QTest::addColumn<QStringList>("team");
        QTest::addColumn<QStringList>("opponents");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all empty") << QStringList{} << QStringList{} << "row 3 group 1 no rating";
        QTest::newRow("letters before the count checks")
            << QStringList{} << QStringList{"", "abc"} << "row 1 group 2 not numeric";
        QTest::newRow("team box before opponent box")
            << QStringList{"x"} << QStringList{"y"} << "row 0 group 1 not numeric";
        QTest::newRow("opponent row 0 before team row 1")
            << QStringList{"500", "x"} << QStringList{"y"} << "row 0 group 2 not numeric";
        QTest::newRow("no opponents")
            << QStringList{"500", "600", "700"} << QStringList{} << "row 3 group 2 no rating";
        QTest::newRow("no team reported before no opponents")
            << QStringList{} << QStringList{} << "row 3 group 1 no rating";
        QTest::newRow("single blank is not empty")
            << QStringList{"500", " "} << QStringList{"500"} << "row 1 group 1 not numeric";
        QTest::newRow("40000 is out of range")
            << QStringList{"500"} << QStringList{"", "", "40000"} << "row 2 group 2 out of range";
        QTest::newRow("out of range keeps the scan order")
            << QStringList{"", "40000"} << QStringList{"", "abc"} << "row 1 group 1 out of range";
        QTest::newRow("letters before a later out-of-range box")
            << QStringList{"", "-40000"} << QStringList{"abc"} << "row 0 group 2 not numeric";
        QTest::newRow("out of range reported even with no opponents")
            << QStringList{"32768"} << QStringList{} << "row 0 group 1 out of range";
        QTest::newRow("blanks only in the last box")
            << QStringList{"1", "2", "3"} << QStringList{"4", "5", "  "}
            << "row 2 group 2 not numeric";
    }
    void refusals() {
        QFETCH(QStringList, team);
        QFETCH(QStringList, opponents);
        QFETCH(QString, expected);
        const ValidationResult result = ValidateEntries(Entries(team, opponents), kUs);
        const auto *error = std::get_if<EntryError>(&result);
        QVERIFY2(error != nullptr, "entries were accepted");
        QCOMPARE(Describe(*error), expected);
    }

    void accepted_data() {
        QTest::addColumn<QStringList>("team");
        QTest::addColumn<QStringList>("opponents");
        QTest::addColumn<QList<int>>("teamRatings"); // -1000000 marks an empty row
        QTest::addColumn<int>("teamTotal");
        QTest::addColumn<int>("opponentCount");
        QTest::addColumn<int>("opponentTotal");
        constexpr int none = -1000000;
        QTest::newRow("lone team rating in row 2")
            << QStringList{"", "", "700"} << QStringList{"650"} << QList<int>{none, none, 700}
            << 700 << 1 << 650;
        QTest::newRow("rounding half to even")
            << QStringList{" 500 ", "500.5", "501.5"} << QStringList{"-20"}
            << QList<int>{500, 500, 502} << 1502 << 1 << -20;
        QTest::newRow("empty boxes between filled ones")
            << QStringList{"400", "", "600"} << QStringList{"", "500", ""}
            << QList<int>{400, none, 600} << 1000 << 1 << 500;
        QTest::newRow("totals wider than a rating")
            << QStringList{"20000", "20000", "20000"} << QStringList{"-32768", "-32768", "-32768"}
            << QList<int>{20000, 20000, 20000} << 60000 << 3 << -98304;
        QTest::newRow("range ends") << QStringList{"32767"} << QStringList{"-32768"}
                                    << QList<int>{32767, none, none} << 32767 << 1 << -32768;
    }
    void accepted() {
        QFETCH(QStringList, team);
        QFETCH(QStringList, opponents);
        QFETCH(QList<int>, teamRatings);
        QFETCH(int, teamTotal);
        QFETCH(int, opponentCount);
        QFETCH(int, opponentTotal);
        const ValidationResult result = ValidateEntries(Entries(team, opponents), kUs);
        const auto *accepted = std::get_if<AcceptedRatings>(&result);
        QVERIFY2(accepted != nullptr, "entries were refused");
        int teamCount = 0;
        for (int row = 0; row < kRows; ++row) {
            const bool present = teamRatings.at(row) != -1000000;
            QCOMPARE(accepted->hasTeam.at(row), present);
            QCOMPARE(int{accepted->team.at(row)}, present ? teamRatings.at(row) : 0);
            teamCount += present ? 1 : 0;
        }
        QCOMPARE(accepted->teamCount, teamCount);
        QCOMPARE(accepted->teamTotal, teamTotal);
        QCOMPARE(accepted->opponentCount, opponentCount);
        QCOMPARE(accepted->opponentTotal, opponentTotal);
    }

    void localeDecidesSeparators() {
        const QLocale de(QLocale::German, QLocale::Germany);
        const ValidationResult result =
            ValidateEntries(Entries({"1.500", "500,5"}, {"1.000,25"}), de);
        const auto *accepted = std::get_if<AcceptedRatings>(&result);
        QVERIFY(accepted != nullptr);
        QCOMPARE(int{accepted->team.at(0)}, 1500);
        QCOMPARE(int{accepted->team.at(1)}, 500);
        QCOMPARE(int{accepted->opponents.at(0)}, 1000);

        const ValidationResult refused = ValidateEntries(Entries({"500.5"}, {"500"}), de);
        QCOMPARE(std::get<EntryError>(refused),
                 (EntryError{0, kGroupTeam, EntryProblem::NotNumeric}));
    }
};

QTEST_GUILESS_MAIN(TestEntryValidation)
#include "test_entry_validation.moc"
