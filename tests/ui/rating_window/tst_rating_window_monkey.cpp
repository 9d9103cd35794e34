// A long fixed-seed stream of keys and clicks: the window must survive it,
// and every Calculate must show what the rating rule gives for the texts in
// the boxes at that moment (or refuse and leave the results alone).
#include "engine/entry_validation.h"
#include "engine/rating_calculation.h"
#include "fake_feedback.h"
#include "tests/common/waits.h"
#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"
#include "window_probe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <array>
#include <random>
#include <variant>

using vrc::ui::FrmVornRating;
using vrc::ui::PictureBox;

namespace {

constexpr int kSteps = 3000;
constexpr unsigned kSeed = 20240607;

enum class Action {
    Digit,
    Letter,
    Minus,
    Point,
    Comma,
    Blank,
    Backspace,
    SelectAll,
    ClearBox,
    Tab,
    Backtab,
    Enter,
    ClickEntry,
    ClickCalculate,
    ClickReset,
    ClickHelp,
    ClickExit,
    AltC,
    AltR,
    AltH,
    AltX,
};

// Weights in the order above: mostly digits and editing, so that many
// Calculates succeed; access keys are rare.
const std::array<double, 21> kWeights{30, 1, 1, 1,   0.5, 0.5, 20,  4,   3,   8,  4,
                                      6,  4, 3, 0.5, 0.3, 0.2, 0.4, 0.2, 0.1, 0.1};

QString Printed(vrc::engine::Rating value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

} // namespace

class TestRatingWindowMonkey : public QObject, protected WindowProbe {
    Q_OBJECT

private slots:
    void randomInput();

private:
    QLineEdit *entry(int index) const // 0..2 team, 3..5 opponents
    {
        return index < 3 ? team(index) : opponent(index - 3);
    }
    // What a Calculate must leave on show, given the boxes' texts.
    [[nodiscard]] std::optional<Shown> expectedResults() const;
    void perform(Action action, std::mt19937 &random);

    QPointer<FrmVornRating> window_;
    int helps_ = 0;
};

std::optional<Shown> TestRatingWindowMonkey::expectedResults() const {
    vrc::engine::RatingEntrySet entries;
    for (int row = 0; row < 3; ++row) {
        entries.team.at(row) = entry(row)->text();
        entries.opponents.at(row) = entry(row + 3)->text();
    }
    const auto validation = vrc::engine::ValidateEntries(entries);
    const auto *accepted = std::get_if<vrc::engine::AcceptedRatings>(&validation);
    if (accepted == nullptr) {
        return std::nullopt;
    }
    const auto rows =
        vrc::engine::NewTeamRatings(*accepted, vrc::engine::CalculateRatings(*accepted));
    const auto *ratings = std::get_if<vrc::engine::TeamRatings>(&rows);
    if (ratings == nullptr) {
        return std::nullopt;
    }
    Shown boxes;
    for (int row = 0; row < 3; ++row) {
        if (const auto &r = ratings->at(row)) {
            boxes.at(row) = Printed(r->afterWin);
            boxes.at(row + 3) = Printed(r->afterLoss);
        }
    }
    return boxes;
}

void TestRatingWindowMonkey::perform(Action action, std::mt19937 &random) {
    QWidget *target = QApplication::focusWidget();
    if (target == nullptr) {
        target = window_;
    }
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    const auto alt = [target](Qt::Key key) { QTest::keyClick(target, key, Qt::AltModifier); };
    switch (action) {
    case Action::Digit:
        QTest::keyClick(target, static_cast<char>('0' + pick(10)));
        break;
    case Action::Letter:
        QTest::keyClick(target, static_cast<char>('a' + pick(26)));
        break;
    case Action::Minus:
        QTest::keyClick(target, '-');
        break;
    case Action::Point:
        QTest::keyClick(target, '.');
        break;
    case Action::Comma:
        QTest::keyClick(target, ',');
        break;
    case Action::Blank:
        QTest::keyClick(target, ' ');
        break;
    case Action::Backspace:
        QTest::keyClick(target, Qt::Key_Backspace);
        break;
    case Action::SelectAll:
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        break;
    case Action::ClearBox:
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        break;
    case Action::Tab:
        QTest::keyClick(target, Qt::Key_Tab);
        break;
    case Action::Backtab:
        QTest::keyClick(target, Qt::Key_Tab, Qt::ShiftModifier);
        break;
    case Action::Enter:
        QTest::keyClick(target, Qt::Key_Return);
        break;
    case Action::ClickEntry: {
        QLineEdit *box = entry(pick(6));
        QTest::mouseClick(box, Qt::LeftButton, {},
                          QPoint(1 + pick(box->width() - 2), box->height() / 2));
        break;
    }
    case Action::ClickCalculate:
        QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton);
        break;
    case Action::ClickReset:
        QTest::mouseClick(button("cmdReset"), Qt::LeftButton);
        break;
    case Action::ClickHelp:
        QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
        break;
    case Action::ClickExit:
        QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
        break;
    case Action::AltC:
        alt(Qt::Key_C);
        break;
    case Action::AltR:
        alt(Qt::Key_R);
        break;
    case Action::AltH:
        alt(Qt::Key_H);
        break;
    case Action::AltX:
        alt(Qt::Key_X);
        break;
    }
}

void TestRatingWindowMonkey::randomInput() {
    FakeFeedback feedback;
    FrmVornRating window([this](QWidget *) { ++helps_; });
    window_ = &window;
    probed_ = &window;
    window.show();
    VRC_WAIT_ACTIVE(&window);

    int calculates = 0;
    int resets = 0;
    connect(button("cmdCalculate"), &QPushButton::clicked, this, [&calculates] { ++calculates; });
    connect(button("cmdReset"), &QPushButton::clicked, this, [&resets] { ++resets; });

    std::mt19937 random(kSeed);
    std::discrete_distribution<int> actions(kWeights.begin(), kWeights.end());
    int successes = 0;
    int refusals = 0;
    for (int step = 0; step < kSteps; ++step) {
        const auto action = static_cast<Action>(actions(random));
        const Shown before = shown();
        const qsizetype messagesBefore = feedback.messages.size();
        const int calculatesBefore = calculates;
        const int resetsBefore = resets;
        const int helpsBefore = helps_;
        const int endsBefore = feedback.ends;

        perform(action, random);
        // Access keys run their command on the key press.
        switch (action) {
        case Action::AltC:
            QCOMPARE(calculates, calculatesBefore + 1);
            break;
        case Action::AltR:
            QCOMPARE(resets, resetsBefore + 1);
            break;
        case Action::AltH:
            QCOMPARE(helps_, helpsBefore + 1);
            break;
        case Action::AltX:
            QCOMPARE(feedback.ends, endsBefore + 1);
            break;
        default:
            break;
        }

        QVERIFY2(!window_.isNull() && window.isVisible(), qPrintable(QString::number(step)));
        QVERIFY(calculates - calculatesBefore <= 1);
        if (calculates != calculatesBefore) {
            if (const auto expected = expectedResults()) {
                QCOMPARE(shown(), *expected);
                QCOMPARE(feedback.messages.size(), messagesBefore);
                ++successes;
            } else {
                QCOMPARE(shown(), before);
                QCOMPARE(feedback.messages.size(), messagesBefore + 1);
                QCOMPARE(feedback.messages.last().title, QStringLiteral("Error"));
                QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()) != nullptr);
                ++refusals;
            }
        } else if (resets != resetsBefore) {
            QCOMPARE(shown(), Shown{});
            for (int i = 0; i < 6; ++i) {
                QVERIFY(entry(i)->text().isEmpty());
            }
        } else {
            QCOMPARE(shown(), before);
            QCOMPARE(feedback.messages.size(), messagesBefore);
        }
        QCOMPARE(feedback.beeps, feedback.messages.size());
    }
    qInfo("%d calculations shown, %d refused, %d resets", successes, refusals, resets);
    // The stream must really exercise both outcomes.
    QVERIFY(successes >= 50);
    QVERIFY(refusals >= 50);
}

QTEST_MAIN(TestRatingWindowMonkey)
#include "tst_rating_window_monkey.moc"
