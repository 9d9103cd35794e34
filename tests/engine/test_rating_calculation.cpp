#include "engine/rating_calculation.h"
#include "runtime/runtime_error.h"

#include <QTest>
#include <algorithm>

using namespace vrc::engine;

namespace {
AcceptedRatings Accept(const QList<int> &team, const QList<int> &opponents) {
    AcceptedRatings accepted;
    for (int row = 0; row < team.size(); ++row) {
        accepted.team.at(row) = static_cast<Rating>(team.at(row));
        accepted.hasTeam.at(row) = true;
        accepted.teamTotal += team.at(row);
    }
    for (int row = 0; row < opponents.size(); ++row) {
        accepted.opponents.at(row) = static_cast<Rating>(opponents.at(row));
        accepted.hasOpponent.at(row) = true;
        accepted.opponentTotal += opponents.at(row);
    }
    accepted.teamCount = static_cast<int>(team.size());
    accepted.opponentCount = static_cast<int>(opponents.size());
    return accepted;
}

// numerator / denominator (both positive), halves to even, in integers.
int DivideHalfEven(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) {
        return quotient + 1;
    }
    return quotient;
}
} // namespace

class TestRatingCalculation : public QObject {
    Q_OBJECT

private slots:
    void workedResults_data() {
        QTest::addColumn<QList<int>>("team");
        QTest::addColumn<QList<int>>("opponents");
        QTest::addColumn<int>("teamAverage");
        QTest::addColumn<int>("opponentAverage");
        QTest::addColumn<int>("difference");
        QTest::addColumn<int>("winChange");
        QTest::addColumn<int>("lossChange");
        QTest::addColumn<QList<int>>("afterWin");
        QTest::addColumn<QList<int>>("afterLoss");
        using L = QList<int>;
        QTest::newRow("two against three") << L{500, 600} << L{550, 650, 700} << 550 << 633 << 83
                                           << 10 << -6 << L{510, 610} << L{494, 594};
        QTest::newRow("one against one, equal")
            << L{500} << L{500} << 500 << 500 << 0 << 16 << -16 << L{516} << L{484};
        QTest::newRow("difference 25, halves to even")
            << L{500, 500} << L{525, 525} << 500 << 525 << 25 << 8 << -8 << L{508, 508}
            << L{492, 492};
        QTest::newRow("difference 75, halves to even")
            << L{500, 500} << L{575, 575} << 500 << 575 << 75 << 10 << -6 << L{510, 510}
            << L{494, 494};
        QTest::newRow("three players, equal") << L{400, 500, 600} << L{500} << 500 << 500 << 0 << 5
                                              << -5 << L{405, 505, 605} << L{395, 495, 595};
        QTest::newRow("team 500 stronger")
            << L{900, 900, 900} << L{400, 400, 400} << 900 << 400 << -500 << 0 << -11
            << L{900, 900, 900} << L{889, 889, 889};
        QTest::newRow("team 400 weaker") << L{500, 500, 500} << L{900, 900, 900} << 500 << 900
                                         << 400 << 11 << 0 << L{511, 511, 511} << L{500, 500, 500};
        QTest::newRow("team 400 stronger")
            << L{800} << L{400} << 800 << 400 << -400 << 1 << -32 << L{801} << L{768};
        QTest::newRow("averages half to even")
            << L{501, 502} << L{500} << 502 << 500 << -2 << 8 << -8 << L{509, 510} << L{493, 494};
        QTest::newRow("negative rating")
            << L{-100} << L{100} << -100 << 100 << 200 << 24 << -8 << L{-76} << L{-108};
        QTest::newRow("difference -25")
            << L{525, 525} << L{500} << 525 << 500 << -25 << 8 << -8 << L{533, 533} << L{517, 517};
        QTest::newRow("two players, 400 stronger, floors")
            << L{800, 800} << L{400} << 800 << 400 << -400 << 0 << -16 << L{800, 800}
            << L{784, 784};
        QTest::newRow("averages 503 and 504 give 504")
            << L{503, 504} << L{504} << 504 << 504 << 0 << 8 << -8 << L{511, 512} << L{495, 496};
        QTest::newRow("averages of in-range extremes, no overflow")
            << L{20000, 20000, 20000} << L{-32768} << 20000 << -32768 << -52768 << 0 << -11
            << L{20000, 20000, 20000} << L{19989, 19989, 19989};
    }
    void workedResults() {
        QFETCH(QList<int>, team);
        QFETCH(QList<int>, opponents);
        const AcceptedRatings accepted = Accept(team, opponents);
        const RatingResult result = CalculateRatings(accepted);
        QTEST(int{result.teamAverage}, "teamAverage");
        QTEST(int{result.opponentAverage}, "opponentAverage");
        QTEST(int{result.difference}, "difference");
        QTEST(int{result.winChange}, "winChange");
        QTEST(int{result.lossChange}, "lossChange");

        const auto rows = std::get<TeamRatings>(NewTeamRatings(accepted, result));
        QList<int> afterWin;
        QList<int> afterLoss;
        for (const auto &row : rows) {
            if (row) {
                afterWin << row->afterWin;
                afterLoss << row->afterLoss;
            }
        }
        QTEST(afterWin, "afterWin");
        QTEST(afterLoss, "afterLoss");
    }

    // The floating-point rule against exact rational arithmetic for every
    // difference from -1000 to 1000 and every team size.
    void matchesExactArithmetic() {
        for (int count = 1; count <= kRows; ++count) {
            for (int difference = -1000; difference <= 1000; ++difference) {
                const AcceptedRatings accepted = Accept(QList<int>(count, 0), {difference});
                const RatingResult result = CalculateRatings(accepted);
                const int capped = std::clamp(difference, -400, 400);
                const int denominator = 25 * count;
                const int win = DivideHalfEven(std::max(400 + capped, 25), denominator);
                const int loss = -DivideHalfEven(std::max(400 - capped, 25), denominator);
                QCOMPARE(result.difference, difference);
                if (result.winChange != win || result.lossChange != loss) {
                    QFAIL(qPrintable(QStringLiteral("count %1 difference %2: %3/%4, exact %5/%6")
                                         .arg(count)
                                         .arg(difference)
                                         .arg(result.winChange)
                                         .arg(result.lossChange)
                                         .arg(win)
                                         .arg(loss)));
                }
            }
        }
    }

    // The share a team must win to hold its rating, exact, from the capped difference and
    // the least points of each side; what the command line and the page print of it.
    void breakEven_data() {
        QTest::addColumn<QList<int>>("team");
        QTest::addColumn<QList<int>>("opponents");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("percentTenths");
        using L = QList<int>;
        QTest::newRow("worked example, 83") << L{500, 600} << L{550, 650, 700} << 317 << 800 << 396;
        QTest::newRow("equal teams") << L{500} << L{500} << 1 << 2 << 500;
        QTest::newRow("team 200 weaker") << L{-100} << L{100} << 1 << 4 << 250;
        QTest::newRow("400 weaker: the loss floor") << L{500} << L{900} << 1 << 33 << 30;
        QTest::newRow("beyond 400 weaker, capped") << L{0} << L{5000} << 1 << 33 << 30;
        QTest::newRow("400 stronger: the win floor") << L{800} << L{400} << 32 << 33 << 970;
        QTest::newRow("-375: the win floor just reached") << L{375} << L{0} << 31 << 32 << 969;
        QTest::newRow("-374: above the win floor") << L{374} << L{0} << 387 << 400 << 968;
        QTest::newRow("376: the loss floor just passed") << L{0} << L{376} << 25 << 801 << 31;
        QTest::newRow("375: the loss floor just reached") << L{0} << L{375} << 1 << 32 << 31;
        QTest::newRow("86: 39.25 % halves to even") << L{0} << L{86} << 157 << 400 << 392;
        QTest::newRow("82: 39.75 % halves to even") << L{0} << L{82} << 159 << 400 << 398;
        QTest::newRow("averages, not totals") << L{500, 500, 500} << L{600} << 3 << 8 << 375;
    }
    void breakEven() {
        QFETCH(QList<int>, team);
        QFETCH(QList<int>, opponents);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        const BreakEven share = CalculateRatings(Accept(team, opponents)).breakEven;
        QCOMPARE(share, (BreakEven{numerator, denominator}));
        QTEST(PercentTenthsOf(share), "percentTenths");
        QCOMPARE(ShareOf(share), static_cast<double>(numerator) / denominator);
    }

    void newRating_data() {
        QTest::addColumn<int>("rating");
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("fits");
        QTest::newRow("500 - 32") << 500 << -32 << true;
        QTest::newRow("32760 + 16 overflows") << 32760 << 16 << false;
        QTest::newRow("32751 + 16 fits") << 32751 << 16 << true;
        QTest::newRow("-32760 - 16 overflows") << -32760 << -16 << false;
    }
    void newRating() {
        QFETCH(int, rating);
        QFETCH(int, change);
        QFETCH(bool, fits);
        const auto sum = NewRating(static_cast<Rating>(rating), static_cast<Rating>(change));
        QCOMPARE(sum.has_value(), fits);
        if (fits) {
            QCOMPARE(int{*sum}, rating + change);
        }
    }

    void overflowNamesTheFirstRow() {
        const AcceptedRatings accepted = Accept({500, 32760, 32767}, {32767, 32767, 32767});
        const RatingResult result = CalculateRatings(accepted);
        const auto outcome = NewTeamRatings(accepted, result);
        QCOMPARE(std::get<RatingOverflow>(outcome), RatingOverflow{1});

        const AcceptedRatings low = Accept({-32768}, {32767});
        QCOMPARE(std::get<RatingOverflow>(NewTeamRatings(low, CalculateRatings(low))),
                 RatingOverflow{0});
    }

    void maxOfMinOfPreferTheSecondOnTies() {
        QCOMPARE(MaxOf(1.0, 2.0), 2.0);
        QCOMPARE(MaxOf(2.0, 1.0), 2.0);
        QCOMPARE(MinOf(1.0, 2.0), 1.0);
        QCOMPARE(MinOf(2.0, 1.0), 1.0);
        QVERIFY(std::signbit(MaxOf(0.0, -0.0)));
        QVERIFY(!std::signbit(MinOf(-0.0, 0.0)));
    }
};

QTEST_GUILESS_MAIN(TestRatingCalculation)
#include "test_rating_calculation.moc"
