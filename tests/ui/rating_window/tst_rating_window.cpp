#include "fake_feedback.h"
#include "runtime/type_ahead.h"
#include "tests/common/waits.h"
#include "tests/ui/window_faces.h"
#include "ui/about_window/frm_about.h"
#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"
#include "ui/rating_window/rating_window_accessible.h"
#include "window_probe.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <array>
#include <memory>
#include <qpa/qwindowsysteminterface.h>
#include <resource_paths.h>
#include <vrc_version.h>

using vrc::ui::FrmVornRating;
using vrc::ui::PictureBox;

namespace {

const QString kNotNumeric = QStringLiteral("You must enter a numeric value for rating");
const QString kNoRating = QStringLiteral("You must enter at least one player and one opponent");
const QString kOutOfRange = QStringLiteral("You must enter a rating between -32768 and 32767");
const QString kNewOutOfRange =
    QStringLiteral("The new rating would be outside the range -32768 to 32767");

// The six entry texts: team rows 0..2, then opponent rows 0..2.
using Texts = std::array<QString, 6>;

// Keys as the window system queues them, typed with no pause between them.
struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
using Strokes = QList<Stroke>;

Stroke Alt(Qt::Key key, char letter) {
    return {key, Qt::AltModifier, QString(QLatin1Char(letter))};
}
Stroke Digit(char digit) {
    return {Qt::Key(Qt::Key_0 + (digit - '0')), Qt::NoModifier, QString(QLatin1Char(digit))};
}
const Stroke kEnter{Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};

Texts T(const QString &t0, const QString &t1, const QString &t2, const QString &o0,
        const QString &o1, const QString &o2) {
    return {t0, t1, t2, o0, o1, o2};
}

} // namespace

Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(Strokes)

class TestRatingWindow : public QObject, protected WindowProbe {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlRectangles_data();
    void controlRectangles();
    void fonts_data();
    void fonts();
    void captions_data();
    void captions();
    void window();
    void overlaps();
    void resizingLeavesControlsInPlace();
    void firstShow();

    void focusCycle_data();
    void focusCycle();
    void enterPressesCalculate_data();
    void enterPressesCalculate();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void escapeDoesNothing();
    void accessKeys_data();
    void accessKeys();
    void typeAhead_data();
    void typeAhead();

    void entryErrors_data();
    void entryErrors();
    void results_data();
    void results();
    void refusedCalculateKeepsResults();
    void secondCalculateClearsEmptiedRow();
    void reset();
    void help();
    void helpKey_data();
    void helpKey();
    void copyKeys_data();
    void copyKeys();
    void copyMenu_data();
    void copyMenu();
    void exit();
    void focusSelection_data();
    void focusSelection();
    void selectionKeptAcrossVisits_data();
    void selectionKeptAcrossVisits();
    void focusReturnsWithoutSelecting_data();
    void focusReturnsWithoutSelecting();
    void focusFrame();
    void accessibleNames();

    void printFormat_data();
    void printFormat();

    void realMessageBox();
    void closingEndsEventLoop();

private:
    void enter(const Texts &texts) const;
    [[nodiscard]] Texts entered() const;
    [[nodiscard]] QString focusName() const;
    // What the window system was last given to show of `control`.
    [[nodiscard]] QImage onScreen(const QWidget *control) const;

    std::unique_ptr<FakeFeedback> feedback_;
    std::unique_ptr<FrmVornRating> window_;
    QList<QWidget *> helpOwners_;
    // Help shows the real About window when set.
    bool realAbout_ = false;
    vrc::ui::FrmAbout about_;
    int aboutRescued_ = 0;
};

void TestRatingWindow::initTestCase() {
    vrc::runtime::ForwardTypeAheadToModalWindow();
    // Before any window: Qt keeps the first interface it makes for a control.
    QAccessible::installFactory(vrc::ui::RatingWindowAccessibleFactory);
}

void TestRatingWindow::init() {
    feedback_ = std::make_unique<FakeFeedback>();
    helpOwners_.clear();
    realAbout_ = false;
    aboutRescued_ = 0;
    window_ = std::make_unique<FrmVornRating>([this](QWidget *owner) {
        helpOwners_.append(owner);
        if (realAbout_) {
            ShowModalRescued([&] { about_.ShowModal(owner); }, aboutRescued_);
        }
    });
    probed_ = window_.get();
    window_->show();
    VRC_WAIT_ACTIVE(window_.get());
}

void TestRatingWindow::cleanup() {
    window_.reset();
    feedback_.reset();
}

void TestRatingWindow::enter(const Texts &texts) const {
    for (int row = 0; row < 3; ++row) {
        team(row)->setText(texts.at(row));
        opponent(row)->setText(texts.at(row + 3));
    }
}

Texts TestRatingWindow::entered() const {
    Texts texts;
    for (int row = 0; row < 3; ++row) {
        texts.at(row) = team(row)->text();
        texts.at(row + 3) = opponent(row)->text();
    }
    return texts;
}

QString TestRatingWindow::focusName() const {
    const QWidget *focused = QApplication::focusWidget();
    return focused != nullptr ? focused->objectName() : QString();
}

QImage TestRatingWindow::onScreen(const QWidget *control) const {
    const QRect area(control->mapTo(window_.get(), QPoint()), control->size());
    return window_->screen()
        ->grabWindow(window_->winId(), area.x(), area.y(), area.width(), area.height())
        .toImage();
}

void TestRatingWindow::controlRectangles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    const std::array<int, 3> teamTops{40, 64, 88};
    const std::array<int, 3> opponentTops{120, 144, 168};
    for (int row = 0; row < 3; ++row) {
        const auto add = [row](const char *array, const QRect &rect) {
            QTest::addRow("%s(%d)", array, row) << Name(array, row) << rect;
        };
        add("txtRold", QRect(96, teamTops.at(row), 89, 19));
        add("txtROpponent", QRect(96, opponentTops.at(row), 89, 19));
        add("picRwin", QRect(200, teamTops.at(row), 89, 17));
        add("picRlose", QRect(296, teamTops.at(row), 89, 17));
    }
    const auto add = [](const char *name, const QRect &rect) {
        QTest::newRow(name) << QString::fromLatin1(name) << rect;
    };
    add("Label1", QRect(16, 40, 89, 17));
    add("Label2", QRect(16, 120, 89, 17));
    add("Label3", QRect(96, 8, 89, 17));
    add("Label4", QRect(200, 8, 89, 17));
    add("Label5", QRect(296, 8, 89, 17));
    add("Image1", QRect(240, 120, 97, 71));
    add("cmdCalculate", QRect(8, 200, 81, 25));
    add("cmdReset", QRect(104, 200, 81, 25));
    add("cmdHelp", QRect(200, 200, 81, 25));
    add("cmdExit", QRect(296, 200, 81, 25));
    // Lines cover both end points; Line3 starts left of the client area.
    add("Line1", QRect(0, 112, 401, 1));
    add("Line2", QRect(192, 8, 1, 177));
    add("Line3", QRect(-16, 24, 417, 1));
}

void TestRatingWindow::controlRectangles() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const auto *control = find<QWidget>(name);
    QCOMPARE(control->geometry(), rect);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
}

void TestRatingWindow::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("heading");

    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "cmdCalculate",
                             "cmdReset", "cmdHelp", "cmdExit"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    }
    for (const char *array : {"txtRold", "txtROpponent", "picRwin", "picRlose"}) {
        for (int row = 0; row < 3; ++row) {
            QTest::addRow("%s(%d)", array, row) << Name(array, row) << false;
        }
    }
}

void TestRatingWindow::fonts() {
    QFETCH(QString, name);
    QFETCH(bool, heading);
    const QFont font = find<QWidget>(name)->font();
    if (heading) {
        QCOMPARE(font.family(), QStringLiteral("Nimbus Roman No9 L"));
        QCOMPARE(font.pointSizeF(), 9.75);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(font.italic());
    } else {
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic());
    }
    // Whatever face stands in, size, weight and slant stay.
    if (NamedFacesResolve()) {
        const QFontInfo info(font);
        QCOMPARE(info.bold(), heading);
        QCOMPARE(info.italic(), heading);
    }
}

void TestRatingWindow::captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("alignment"); // 0 for a button

    const int centred = Qt::AlignHCenter | Qt::AlignTop;
    const int left = Qt::AlignLeft | Qt::AlignTop;
    QTest::newRow("Label1") << "Label1"
                            << "Your Team" << left;
    QTest::newRow("Label2") << "Label2"
                            << "Opponents" << left;
    QTest::newRow("Label3") << "Label3"
                            << "Old Ratings" << centred;
    QTest::newRow("Label4") << "Label4"
                            << "You Win" << centred;
    QTest::newRow("Label5") << "Label5"
                            << "You Lose" << centred;
    QTest::newRow("cmdCalculate") << "cmdCalculate"
                                  << "&Calculate" << 0;
    QTest::newRow("cmdReset") << "cmdReset"
                              << "&Reset" << 0;
    QTest::newRow("cmdHelp") << "cmdHelp"
                             << "&Help" << 0;
    QTest::newRow("cmdExit") << "cmdExit"
                             << "E&xit" << 0;
}

void TestRatingWindow::captions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, alignment);
    if (alignment == 0) {
        QCOMPARE(find<QPushButton>(name)->text(), caption);
        return;
    }
    const auto *label = find<QLabel>(name);
    QCOMPARE(label->text(), caption);
    QCOMPARE(static_cast<int>(label->alignment()), alignment);
    QVERIFY(label->wordWrap());
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestRatingWindow::window() {
    QCOMPARE(window_->objectName(), QStringLiteral("frmVornRating"));
    QCOMPARE(window_->windowTitle(), QString::fromUtf8(vrc::identity::kWindowTitle));
    QCOMPARE(window_->geometry().size(), QSize(401, 235));
    const Qt::WindowFlags flags = window_->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!window_->isModal());
    QVERIFY(!window_->windowIcon().isNull());
    const QLabel *image = find<QLabel>(QStringLiteral("Image1"));
    QCOMPARE(image->pixmap().size(), QSize(545, 399));
    QCOMPARE(image->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(QString::fromLatin1(vrc::resources::kRatingPicturePath))
                 .convertToFormat(QImage::Format_RGB32));
    QVERIFY(image->hasScaledContents());
}

void TestRatingWindow::overlaps() {
    // Line3 lies in front of the headings whose bottom row it crosses.
    const QObjectList stack = window_->children();
    const auto depth = [&](const char *name) {
        return stack.indexOf(find<QWidget>(QLatin1String(name)));
    };
    for (const char *heading : {"Label3", "Label4", "Label5"}) {
        QVERIFY2(depth("Line3") > depth(heading), heading);
    }
    // The top entry boxes cover the right end of the block labels.
    QCOMPARE(window_->childAt(100, 45)->objectName(), QStringLiteral("txtRold_0"));
    QCOMPARE(window_->childAt(100, 125)->objectName(), QStringLiteral("txtROpponent_0"));
    QCOMPARE(window_->childAt(90, 45)->objectName(), QStringLiteral("Label1"));
    QCOMPARE(window_->childAt(90, 125)->objectName(), QStringLiteral("Label2"));
}

void TestRatingWindow::resizingLeavesControlsInPlace() {
    QList<QRect> before;
    const QList<QWidget *> controls =
        window_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls) {
        before.append(control->geometry());
    }
    for (const QSize size : {QSize(640, 480), QSize(150, 90), QSize(401, 235)}) {
        window_->resize(size);
        QCOMPARE(window_->size(), size);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QCOMPARE(controls.at(i)->geometry(), before.at(i));
        }
    }
}

void TestRatingWindow::firstShow() {
    QCOMPARE(entered(), Texts{});
    QCOMPARE(shown(), Shown{});
    QCOMPARE(focusName(), QStringLiteral("txtRold_0"));
}

void TestRatingWindow::focusCycle_data() {
    QTest::addColumn<bool>("backward");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
}

void TestRatingWindow::focusCycle() {
    QFETCH(bool, backward);
    QStringList expected{"txtRold_0",      "txtRold_1",      "txtRold_2",    "txtROpponent_0",
                         "txtROpponent_1", "txtROpponent_2", "picRwin_0",    "picRwin_1",
                         "picRwin_2",      "cmdReset",       "cmdCalculate", "picRlose_0",
                         "picRlose_1",     "picRlose_2",     "cmdHelp",      "cmdExit"};
    if (backward) {
        std::reverse(expected.begin() + 1, expected.end());
    }
    expected.append(QStringLiteral("txtRold_0"));
    QStringList visited{focusName()};
    for (int step = 0; step < 16; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        backward ? Qt::ShiftModifier : Qt::NoModifier);
        visited.append(focusName());
    }
    QCOMPARE(visited, expected);
}

void TestRatingWindow::enterPressesCalculate_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char *array : {"txtRold", "txtROpponent", "picRwin", "picRlose"}) {
        for (int row = 0; row < 3; ++row) {
            QTest::addRow("Return in %s(%d)", array, row)
                << Name(array, row) << int(Qt::Key_Return);
        }
    }
    QTest::newRow("keypad Enter in txtRold(1)") << "txtRold_1" << int(Qt::Key_Enter);
}

void TestRatingWindow::enterPressesCalculate() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    enter(T("500", "", "", "500", "", ""));
    // Passing over a button must not leave it the one Enter presses.
    button("cmdHelp")->setFocus(Qt::TabFocusReason);
    find<QWidget>(focus)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(shown(), (Shown{" 516", "", "", " 484", "", ""}));
    QVERIFY(helpOwners_.isEmpty());
}

void TestRatingWindow::enterPressesFocusedButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Shown>("boxes");
    QTest::addColumn<int>("helps");
    QTest::addColumn<int>("ends");
    const Shown calculated{" 516", "", "", " 484", "", ""};
    QTest::newRow("cmdCalculate") << "cmdCalculate" << calculated << 0 << 0;
    QTest::newRow("cmdReset") << "cmdReset" << Shown{} << 0 << 0;
    QTest::newRow("cmdHelp") << "cmdHelp" << Shown{} << 1 << 0;
    QTest::newRow("cmdExit") << "cmdExit" << Shown{} << 0 << 1;
}

void TestRatingWindow::enterPressesFocusedButton() {
    QFETCH(QString, focus);
    QFETCH(Shown, boxes);
    QFETCH(int, helps);
    QFETCH(int, ends);
    enter(T("500", "", "", "500", "", ""));
    find<QWidget>(focus)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(shown(), boxes);
    QCOMPARE(helpOwners_.size(), helps);
    QCOMPARE(feedback_->ends, ends);
    QCOMPARE(entered().at(0).isEmpty(), focus == QLatin1String("cmdReset"));
}

void TestRatingWindow::escapeDoesNothing() {
    enter(T("500", "", "", "500", "", ""));
    team(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(team(1), Qt::Key_Escape);
    QVERIFY(window_->isVisible());
    QCOMPARE(entered(), T("500", "", "", "500", "", ""));
    QCOMPARE(focusName(), QStringLiteral("txtRold_1"));
    QCOMPARE(feedback_->ends, 0);

    // The close control still closes the window.
    QVERIFY(window_->close());
    QVERIFY(!window_->isVisible());
}

void TestRatingWindow::accessKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Shown>("boxes");
    QTest::addColumn<int>("helps");
    QTest::addColumn<int>("ends");
    const Shown calculated{" 516", "", "", " 484", "", ""};
    QTest::newRow("Alt+C in txtRold(0)") << int(Qt::Key_C) << "txtRold_0" << calculated << 0 << 0;
    QTest::newRow("Alt+C on cmdExit") << int(Qt::Key_C) << "cmdExit" << calculated << 0 << 0;
    QTest::newRow("Alt+R in txtROpponent(2)")
        << int(Qt::Key_R) << "txtROpponent_2" << Shown{} << 0 << 0;
    QTest::newRow("Alt+H on picRwin(1)") << int(Qt::Key_H) << "picRwin_1" << Shown{} << 1 << 0;
    QTest::newRow("Alt+X in txtRold(2)") << int(Qt::Key_X) << "txtRold_2" << Shown{} << 0 << 1;
    QTest::newRow("Alt+X on cmdCalculate") << int(Qt::Key_X) << "cmdCalculate" << Shown{} << 0 << 1;
}

void TestRatingWindow::accessKeys() {
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(Shown, boxes);
    QFETCH(int, helps);
    QFETCH(int, ends);
    enter(T("500", "", "", "500", "", ""));
    find<QWidget>(focus)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    // The command runs on the key press.
    QCOMPARE(shown(), boxes);
    QCOMPARE(helpOwners_.size(), helps);
    QCOMPARE(feedback_->ends, ends);
    if (key == Qt::Key_R) {
        QCOMPARE(entered(), Texts{});
    }
    // The typed letter never reaches a box.
    QVERIFY(!entered().at(2).contains(QLatin1Char('x')));
    // Nor does Qt's own handling of the key, which would click again once
    // its animated press ends.
    for (const char *name : {"cmdCalculate", "cmdReset", "cmdHelp", "cmdExit"}) {
        QTRY_VERIFY_WITH_TIMEOUT(!button(name)->isDown(), vrc::test::kWaitMs);
    }
    QCOMPARE(helpOwners_.size(), helps);
    QCOMPARE(feedback_->ends, ends);
}

void TestRatingWindow::typeAhead_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Strokes>("strokes");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<Shown>("boxes");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("helps");
    QTest::addColumn<bool>("windowless"); // as evdev and libinput send keys

    const Texts even = T("500", "", "", "500", "", "");
    // The command runs on the key press; what is typed after it comes after it.
    QTest::newRow("Alt+C then 7") << even << "txtRold_0" << Strokes{Alt(Qt::Key_C, 'c'), Digit('7')}
                                  << T("5007", "", "", "500", "", "")
                                  << Shown{" 516", "", "", " 484", "", ""} << 0 << 0 << false;
    QTest::newRow("Alt+R then 9") << even << "txtROpponent_0"
                                  << Strokes{Alt(Qt::Key_R, 'r'), Digit('9')}
                                  << T("9", "", "", "", "", "") << Shown{} << 0 << 0 << false;
    // Keys typed while the window a command opens is coming up belong to it.
    QTest::newRow("letters, Alt+C then Enter")
        << T("abc", "", "", "500", "", "") << "txtRold_0" << Strokes{Alt(Qt::Key_C, 'c'), kEnter}
        << T("abc", "", "", "500", "", "") << Shown{} << 1 << 0 << false;
    QTest::newRow("letters, Alt+C then Enter, keys without a window")
        << T("abc", "", "", "500", "", "") << "txtRold_0" << Strokes{Alt(Qt::Key_C, 'c'), kEnter}
        << T("abc", "", "", "500", "", "") << Shown{} << 1 << 0 << true;
    QTest::newRow("Alt+H, Alt+R, Enter")
        << even << "txtRold_0" << Strokes{Alt(Qt::Key_H, 'h'), Alt(Qt::Key_R, 'r'), kEnter} << even
        << Shown{} << 0 << 1 << false;
}

void TestRatingWindow::typeAhead() {
    QFETCH(Texts, texts);
    QFETCH(QString, focus);
    QFETCH(Strokes, strokes);
    QFETCH(Texts, typed);
    QFETCH(Shown, boxes);
    QFETCH(int, messages);
    QFETCH(int, helps);
    QFETCH(bool, windowless);
    feedback_->realBoxes = true;
    realAbout_ = true;
    enter(texts);
    auto *box = find<QLineEdit>(focus);
    box->setFocus(Qt::OtherFocusReason);
    box->end(false);

    QWindow *window = windowless ? nullptr : window_->windowHandle();
    for (const Stroke &stroke : strokes) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window, type, stroke.key, stroke.modifiers, stroke.text);
        }
    }
    QWindowSystemInterface::flushWindowSystemEvents();

    QCOMPARE(entered(), typed);
    QCOMPARE(shown(), boxes);
    QCOMPARE(feedback_->messages.size(), messages);
    QCOMPARE(feedback_->beeps, messages);
    QCOMPARE(helpOwners_.size(), helps);
    // The Enter typed ahead closed what the command opened.
    QCOMPARE(feedback_->rescued, 0);
    QCOMPARE(aboutRescued_, 0);
    QVERIFY(!about_.IsLoaded());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(window_->isActiveWindow());
}

void TestRatingWindow::entryErrors_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("all empty") << T("", "", "", "", "", "") << kNoRating << "txtRold_0";
    QTest::newRow("no opponent") << T("500", "600", "700", "", "", "") << kNoRating
                                 << "txtROpponent_0";
    QTest::newRow("no team, opponent in row 2")
        << T("", "", "", "", "", "650") << kNoRating << "txtRold_0";
    QTest::newRow("letters in opponent 1")
        << T("500", "", "", "500", "abc", "") << kNotNumeric << "txtROpponent_1";
    QTest::newRow("letters in team 2")
        << T("500", "", "x1", "500", "", "") << kNotNumeric << "txtRold_2";
    QTest::newRow("letters before an empty group")
        << T("", "", "", "", "abc", "") << kNotNumeric << "txtROpponent_1";
    QTest::newRow("team box reported first")
        << T("abc", "", "", "def", "", "") << kNotNumeric << "txtRold_0";
    QTest::newRow("a single blank") << T(" ", "", "", "500", "", "") << kNotNumeric << "txtRold_0";
    QTest::newRow("40000 in opponent 2")
        << T("500", "", "", "500", "", "40000") << kOutOfRange << "txtROpponent_2";
    QTest::newRow("-32769 in team 1")
        << T("500", "-32769", "", "500", "", "") << kOutOfRange << "txtRold_1";
    QTest::newRow("1e9 in team 0") << T("1e9", "", "", "500", "", "") << kOutOfRange << "txtRold_0";
    // No length limit: the whole text stays in the box.
    QTest::newRow("40,000 digits in opponent 0")
        << T("500", "", "", QString(40000, u'7'), "", "") << kOutOfRange << "txtROpponent_0";
    QTest::newRow("win leaves the range")
        << T("32760", "", "", "32760", "", "") << kNewOutOfRange << "txtRold_0";
    QTest::newRow("loss leaves the range")
        << T("-32768", "", "", "-32768", "", "") << kNewOutOfRange << "txtRold_0";
    QTest::newRow("second row leaves the range")
        << T("100", "32767", "", "32767", "", "") << kNewOutOfRange << "txtRold_1";
}

void TestRatingWindow::entryErrors() {
    QFETCH(Texts, texts);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    enter(texts);
    for (int row = 0; row < 3; ++row) {
        win(row)->Print(111);
        lose(row)->Print(-222);
    }
    const Shown before = shown();
    button("cmdCalculate")->setFocus(Qt::TabFocusReason);

    QTest::keyClick(button("cmdCalculate"), Qt::Key_Space);

    QCOMPARE(feedback_->beeps, 1);
    QCOMPARE(feedback_->messages.size(), 1);
    const FakeFeedback::Message &shownMessage = feedback_->messages.first();
    QCOMPARE(shownMessage.text, message);
    QCOMPARE(shownMessage.title, QStringLiteral("Error"));
    QCOMPARE(shownMessage.beepsBefore, 1);
    QCOMPARE(shownMessage.parent.data(), window_.get());
    QCOMPARE(focusName(), focus);
    QCOMPARE(shown(), before);
    QCOMPARE(entered(), texts);
    QCOMPARE(feedback_->ends, 0);
}

void TestRatingWindow::results_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Shown>("boxes");

    QTest::newRow("500,600 vs 550,650,700") << T("500", "600", "", "550", "650", "700")
                                            << Shown{" 510", " 610", "", " 494", " 594", ""};
    QTest::newRow("500 vs 500") << T("500", "", "", "500", "", "")
                                << Shown{" 516", "", "", " 484", "", ""};
    QTest::newRow("difference 25, halves to even")
        << T("500", "500", "", "525", "525", "") << Shown{" 508", " 508", "", " 492", " 492", ""};
    QTest::newRow("difference 75")
        << T("500", "500", "", "575", "575", "") << Shown{" 510", " 510", "", " 494", " 494", ""};
    QTest::newRow("three players, equal") << T("400", "500", "600", "500", "", "")
                                          << Shown{" 405", " 505", " 605", " 395", " 495", " 595"};
    QTest::newRow("500 stronger") << T("900", "900", "900", "400", "400", "400")
                                  << Shown{" 900", " 900", " 900", " 889", " 889", " 889"};
    QTest::newRow("400 weaker") << T("500", "500", "500", "900", "900", "900")
                                << Shown{" 511", " 511", " 511", " 500", " 500", " 500"};
    QTest::newRow("400 stronger") << T("800", "", "", "400", "", "")
                                  << Shown{" 801", "", "", " 768", "", ""};
    QTest::newRow("average 502.5 to 502")
        << T("501", "502", "", "500", "", "") << Shown{" 509", " 510", "", " 493", " 494", ""};
    QTest::newRow("negative") << T("-100", "", "", "100", "", "")
                              << Shown{"-76", "", "", "-108", "", ""};
    QTest::newRow("rows 1 and 2 only")
        << T("", "500", "600", "", "550", "") << Shown{"", " 508", " 608", "", " 492", " 592"};
    QTest::newRow("team row 2 only, blanks around")
        << T("", "", " 700 ", "650", "", "") << Shown{"", "", " 714", "", "", " 682"};
    QTest::newRow("halves in the text")
        << T("500.5", "", "", "501.5", "", "") << Shown{" 516", "", "", " 484", "", ""};
}

void TestRatingWindow::results() {
    QFETCH(Texts, texts);
    QFETCH(Shown, boxes);
    enter(texts);
    button("cmdCalculate")->click();
    QCOMPARE(shown(), boxes);
    QCOMPARE(feedback_->beeps, 0);
    QCOMPARE(feedback_->messages.size(), 0);
    QCOMPARE(entered(), texts);
}

void TestRatingWindow::refusedCalculateKeepsResults() {
    enter(T("500", "", "", "500", "", ""));
    button("cmdCalculate")->click();
    const Shown first = shown();
    for (const Texts &refused :
         {T("500", "", "", "abc", "", ""), T("32760", "", "", "32760", "", ""),
          T("500", "", "", "99999", "", ""), T("", "", "", "", "", "")}) {
        enter(refused);
        button("cmdCalculate")->click();
        QCOMPARE(shown(), first);
    }
    QCOMPARE(feedback_->messages.size(), 4);
}

void TestRatingWindow::secondCalculateClearsEmptiedRow() {
    enter(T("400", "500", "600", "500", "", ""));
    button("cmdCalculate")->click();
    QCOMPARE(shown(), (Shown{" 405", " 505", " 605", " 395", " 495", " 595"}));
    team(2)->clear();
    button("cmdCalculate")->click();
    QCOMPARE(shown(), (Shown{" 409", " 509", "", " 393", " 493", ""}));
}

void TestRatingWindow::reset() {
    const QList<QWidget *> results{win(0), win(1), win(2), lose(0), lose(1), lose(2)};
    QList<QImage> blank;
    for (const QWidget *box : results) {
        blank << onScreen(box);
    }
    enter(T("400", "", "600", "500", "", "700"));
    button("cmdCalculate")->click();
    QTRY_VERIFY_WITH_TIMEOUT(onScreen(win(2)) != blank.at(2), vrc::test::kWaitMs);
    button("cmdHelp")->setFocus(Qt::TabFocusReason);
    button("cmdReset")->click();
    QCOMPARE(entered(), Texts{});
    QCOMPARE(shown(), Shown{});
    QCOMPARE(focusName(), QStringLiteral("txtRold_0"));
    for (qsizetype box = 0; box < results.size(); ++box) {
        QTRY_COMPARE_WITH_TIMEOUT(onScreen(results.at(box)), blank.at(box), vrc::test::kWaitMs);
    }
    // Again with everything already empty and the caret already there.
    button("cmdReset")->click();
    QCOMPARE(entered(), Texts{});
    QCOMPARE(focusName(), QStringLiteral("txtRold_0"));
}

void TestRatingWindow::help() {
    enter(T("500", "x", "", "", "", ""));
    button("cmdHelp")->click();
    QCOMPARE(helpOwners_, QList<QWidget *>{window_.get()});
    QCOMPARE(entered(), T("500", "x", "", "", "", ""));
    QVERIFY(window_->isVisible());
}

void TestRatingWindow::helpKey_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("in an entry box") << "txtROpponent_1";
    QTest::newRow("on a result box") << "picRlose_2";
    QTest::newRow("on a button") << "cmdExit";
}

void TestRatingWindow::helpKey() {
    QFETCH(QString, focus);
    find<QWidget>(focus)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(helpOwners_, QList<QWidget *>{window_.get()});
    QCOMPARE(feedback_->ends, 0);
}

// The clipboard before a copy; what no copy puts there.
const QString kUntouched = QStringLiteral("kept from before");

void TestRatingWindow::copyKeys_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("copied");
    const Texts twoAgainstThree = T("500", "600", "", "550", "650", "700");
    const QKeySequence ctrlC(Qt::CTRL | Qt::Key_C);
    QTest::newRow("Ctrl+C, win") << twoAgainstThree << "picRwin_1" << ctrlC << "610";
    QTest::newRow("Ctrl+Insert, loss")
        << twoAgainstThree << "picRlose_0" << QKeySequence(Qt::CTRL | Qt::Key_Insert) << "494";
    QTest::newRow("negative") << T("-100", "", "", "100", "", "") << "picRlose_0" << ctrlC
                              << "-108";
    QTest::newRow("empty row") << twoAgainstThree << "picRwin_2" << ctrlC << kUntouched;
    QTest::newRow("nothing calculated") << Texts{} << "picRwin_0" << ctrlC << kUntouched;
    QTest::newRow("C alone") << twoAgainstThree << "picRwin_0" << QKeySequence(Qt::Key_C)
                             << kUntouched;
}

void TestRatingWindow::copyKeys() {
    QFETCH(Texts, texts);
    QFETCH(QString, box);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, copied);
    enter(texts);
    if (texts != Texts{}) {
        button("cmdCalculate")->click();
    }
    const Shown before = shown();
    QGuiApplication::clipboard()->setText(kUntouched);
    find<QWidget>(box)->setFocus(Qt::TabFocusReason);
    QTest::keySequence(QApplication::focusWidget(), keys);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(shown(), before);
    QCOMPARE(entered(), texts);
}

void TestRatingWindow::copyMenu_data() {
    QTest::addColumn<Texts>("texts");
    // Typed after the calculation, before the menu opens.
    QTest::addColumn<Texts>("retyped");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<bool>>("enabled"); // Copy, Copy All Results
    QTest::addColumn<QString>("copied");
    QTest::addColumn<bool>("viaKey");
    const Texts twoAgainstThree = T("500", "600", "", "550", "650", "700");
    const QString bothRows = QStringLiteral("500\t510\t494\n600\t610\t594\n");
    const QList<bool> both{true, true};
    QTest::newRow("Copy") << twoAgainstThree << Texts{} << "picRlose_1"
                          << "Copy" << both << "594" << false;
    QTest::newRow("Copy All Results") << twoAgainstThree << Texts{} << "picRwin_0"
                                      << "Copy All Results" << both << bothRows << false;
    QTest::newRow("Copy All Results, from an empty row")
        << twoAgainstThree << Texts{} << "picRwin_2"
        << "Copy All Results" << QList<bool>{false, true} << bothRows << false;
    QTest::newRow("Copy All Results, middle row empty")
        << T("500", "", "600", "550", "650", "700") << Texts{} << "picRlose_2"
        << "Copy All Results" << both << bothRows << false;
    // The old rating is the one the results came from, as a whole number.
    QTest::newRow("Copy All Results, ratings retyped since")
        << T("500.5", "", "", "500", "", "") << T("", "900", "", "", "", "") << "picRwin_0"
        << "Copy All Results" << both << "500\t516\t484\n"
        << false;
    QTest::newRow("nothing calculated") << Texts{} << Texts{} << "picRwin_0"
                                        << "" << QList<bool>{false, false} << kUntouched << false;
    QTest::newRow("after Reset") << twoAgainstThree << Texts{} << "cmdReset"
                                 << "" << QList<bool>{false, false} << kUntouched << false;
    QTest::newRow("Copy, from the menu key") << twoAgainstThree << Texts{} << "picRwin_1"
                                             << "Copy" << both << "610" << true;
}

void TestRatingWindow::copyMenu() {
    QFETCH(Texts, texts);
    QFETCH(Texts, retyped);
    QFETCH(QString, box);
    QFETCH(QString, item);
    QFETCH(QList<bool>, enabled);
    QFETCH(QString, copied);
    QFETCH(bool, viaKey);
    enter(texts);
    if (texts != Texts{}) {
        button("cmdCalculate")->click();
    }
    if (box == QLatin1String("cmdReset")) {
        button("cmdReset")->click();
        box = QStringLiteral("picRwin_0");
    }
    enter(retyped);
    const Shown before = shown();
    QGuiApplication::clipboard()->setText(kUntouched);

    // Through the window system, which turns a right click, or the menu key (Shift+F10
    // on Windows), into a context menu request; the key's goes to the focused box.
    QWidget *clicked = find<QWidget>(box);
    if (viaKey) {
        clicked->setFocus(Qt::TabFocusReason);
        QWindowSystemInterface::handleContextMenuEvent(window_->windowHandle(), false, QPoint(),
                                                       QPoint(), Qt::NoModifier);
        QWindowSystemInterface::flushWindowSystemEvents();
    } else {
        QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {},
                          clicked->mapTo(window_.get(), QPoint(5, 5)));
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QStringList items;
    QList<bool> states;
    for (const QAction *action : menu->actions()) {
        items << action->text();
        states << action->isEnabled();
    }
    QCOMPARE(items, (QStringList{"Copy", "Copy All Results"}));
    QCOMPARE(states, enabled);
    if (item.isEmpty()) {
        menu->close();
    } else {
        QAction *action = menu->actions().at(items.indexOf(item));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, vrc::test::kWaitMs);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(shown(), before);
}

void TestRatingWindow::exit() {
    button("cmdExit")->click();
    QCOMPARE(feedback_->ends, 1);
    QCOMPARE(feedback_->messages.size(), 0);
}

void TestRatingWindow::focusSelection_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("selected");

    // "error": Calculate refuses the letters and puts the caret back in the
    // box; "Enter": the same, pressed in the box that has the focus.
    for (const char *how : {"Tab", "Shift+Tab", "program", "error", "Enter"}) {
        QTest::addRow("%s, caret at start", how) << how << "12ab" << 0 << "12ab";
        QTest::addRow("%s, caret inside", how) << how << "12ab" << 1 << "2ab";
        QTest::addRow("%s, caret at end", how) << how << "12ab" << 4 << "";
    }
    for (const char *how : {"Tab", "Shift+Tab", "program"}) {
        QTest::addRow("%s, empty", how) << how << "" << 0 << "";
    }
    // A focusing click acts after the handler: the caret stays where the
    // click put it, nothing selected.
    QTest::newRow("click at start") << "click"
                                    << "12ab" << 0 << "";
    QTest::newRow("click inside") << "click"
                                  << "12ab" << 2 << "";
    QTest::newRow("click at end") << "click"
                                  << "12ab" << 4 << "";
}

void TestRatingWindow::focusSelection() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, selected);
    QLineEdit *box = opponent(1);
    enter(T("500", "", "", "500", text, ""));
    box->setCursorPosition(caret);

    if (how == QLatin1String("Tab")) {
        opponent(0)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(opponent(0), Qt::Key_Tab);
    } else if (how == QLatin1String("Shift+Tab")) {
        opponent(2)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(opponent(2), Qt::Key_Tab, Qt::ShiftModifier);
    } else if (how == QLatin1String("click")) {
        const QPoint at = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        box->setCursorPosition(caret == 0 ? static_cast<int>(text.size()) : 0);
        QTest::mouseClick(box, Qt::LeftButton, {}, at);
        QCOMPARE(box->cursorPosition(), caret);
    } else if (how == QLatin1String("program")) {
        box->setFocus(Qt::OtherFocusReason);
    } else if (how == QLatin1String("error")) {
        button("cmdCalculate")->click();
        QCOMPARE(feedback_->messages.size(), 1);
    } else {
        box->setFocus(Qt::OtherFocusReason);
        box->setCursorPosition(caret);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(feedback_->messages.size(), 1);
    }
    QCOMPARE(focusName(), box->objectName());
    QCOMPARE(box->selectedText(), selected);
    QCOMPARE(box->text(), text);
}

void TestRatingWindow::selectionKeptAcrossVisits_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("back"); // how the focus comes back
    QTest::addColumn<int>("visits");
    QTest::addColumn<QString>("selected");

    for (const char *back : {"Tab", "Shift+Tab", "error"}) {
        QTest::addRow("all selected, %s, three visits", back) << 0 << 4 << back << 3 << "12ab";
        QTest::addRow("first character, %s", back) << 0 << 1 << back << 1 << "12ab";
        QTest::addRow("second character, %s", back) << 1 << 1 << back << 1 << "2ab";
        QTest::addRow("caret inside, %s", back) << 2 << 0 << back << 1 << "ab";
    }
    // A screen reader or a drop replaced the text meanwhile: nothing stale.
    QTest::newRow("text replaced, same length") << 2 << 2 << "replaced, Shift+Tab" << 1 << "";
}

// The box keeps its selection while the focus is elsewhere: each visit
// selects from where it stood when the box lost the focus.
void TestRatingWindow::selectionKeptAcrossVisits() {
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, back);
    QFETCH(int, visits);
    QFETCH(QString, selected);
    QLineEdit *box = opponent(1);
    enter(T("500", "", "", "500", "12ab", ""));
    box->setFocus(Qt::OtherFocusReason);
    box->setSelection(start, length);
    for (int visit = 0; visit < visits; ++visit) {
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("txtROpponent_2"));
        if (back == QLatin1String("Tab")) {
            opponent(0)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(opponent(0), Qt::Key_Tab);
        } else if (back == QLatin1String("Shift+Tab")) {
            QTest::keyClick(opponent(2), Qt::Key_Tab, Qt::ShiftModifier);
        } else if (back == QLatin1String("replaced, Shift+Tab")) {
            box->setText(QStringLiteral("wxyz"));
            QTest::keyClick(opponent(2), Qt::Key_Tab, Qt::ShiftModifier);
        } else {
            button("cmdCalculate")->click();
        }
        QCOMPARE(focusName(), box->objectName());
        QCOMPARE(box->selectedText(), selected);
    }
}

void TestRatingWindow::focusReturnsWithoutSelecting_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("another window active, then this one") << "window";
    QTest::newRow("context menu closed") << "menu";
    QTest::newRow("About window closed") << "About";
}

// Coming back to the box the focus never left is not receiving the focus:
// the caret stays, nothing is selected.
void TestRatingWindow::focusReturnsWithoutSelecting() {
    QFETCH(QString, how);
    QLineEdit *box = opponent(1);
    enter(T("500", "", "", "500", "12ab", ""));
    box->setFocus(Qt::OtherFocusReason);
    box->setCursorPosition(1);
    if (how == QLatin1String("window")) {
        QWidget other;
        other.show();
        VRC_WAIT_ACTIVE(&other);
        window_->activateWindow();
        VRC_WAIT_ACTIVE(window_.get());
    } else if (how == QLatin1String("menu")) {
        QMenu menu;
        menu.addAction(QStringLiteral("Copy"));
        menu.popup(box->mapToGlobal(QPoint()));
        VRC_WAIT_EXPOSED(&menu);
        QCOMPARE(QApplication::focusWidget(), box);
        menu.close();
    } else {
        realAbout_ = true;
        button("cmdHelp")->click();
        QCOMPARE(aboutRescued_, 1);
    }
    QTRY_COMPARE_WITH_TIMEOUT(focusName(), box->objectName(), vrc::test::kWaitMs);
    QCOMPARE(box->selectedText(), QString());
    QCOMPARE(box->cursorPosition(), 1);
}

void TestRatingWindow::focusFrame() {
    const QImage unfocused = win(0)->grab().toImage();
    opponent(2)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(opponent(2), Qt::Key_Tab);
    QTest::keyClick(win(0), Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("picRwin_1"));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(win(row)->grab().toImage() != unfocused, row == 1);
        QCOMPARE(lose(row)->grab().toImage(), unfocused);
    }
}

void TestRatingWindow::accessibleNames() {
    for (int row = 0; row < 3; ++row) {
        const int player = row + 1;
        QCOMPARE(team(row)->accessibleName(),
                 QStringLiteral("Your team, player %1 rating").arg(player));
        QCOMPARE(opponent(row)->accessibleName(), QStringLiteral("Opponent %1 rating").arg(player));
        QCOMPARE(win(row)->accessibleName(),
                 QStringLiteral("Player %1 rating after a win").arg(player));
        QCOMPARE(lose(row)->accessibleName(),
                 QStringLiteral("Player %1 rating after a loss").arg(player));
    }
    for (const char *name : {"Calculate", "Reset", "Help", "Exit"}) {
        QCOMPARE(button(qPrintable(QStringLiteral("cmd") + QLatin1String(name)))->accessibleName(),
                 QLatin1String(name));
    }
    // The shown value reaches a screen reader.
    QAccessibleTextInterface *shown =
        QAccessible::queryAccessibleInterface(win(0))->textInterface();
    QVERIFY(shown != nullptr);
    enter(T("-100", "", "", "100", "", ""));
    button("cmdCalculate")->click();
    QCOMPARE(shown->text(0, shown->characterCount()), QStringLiteral("-76"));
    button("cmdReset")->click();
    QCOMPARE(shown->characterCount(), 0);
}

void TestRatingWindow::printFormat_data() {
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("positive") << QList<int>{516} << " 516";
    QTest::newRow("zero") << QList<int>{0} << " 0";
    QTest::newRow("negative") << QList<int>{-76} << "-76";
    QTest::newRow("largest") << QList<int>{32767} << " 32767";
    QTest::newRow("smallest") << QList<int>{-32768} << "-32768";
    QTest::newRow("two prints, two lines") << QList<int>{510, -6} << " 510\n-6";
}

void TestRatingWindow::printFormat() {
    QFETCH(QList<int>, values);
    QFETCH(QString, text);
    PictureBox box;
    for (const int value : values) {
        box.Print(static_cast<vrc::engine::Rating>(value));
    }
    QCOMPARE(box.Text(), text);
    box.Cls();
    QCOMPARE(box.Text(), QString());
    box.Print(1);
    QCOMPARE(box.Text(), QStringLiteral(" 1"));
}

void TestRatingWindow::realMessageBox() {
    feedback_.reset(); // the real message box and beep
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QMessageBox::StandardButtons standard;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return; // the checks below fail; nothing blocks
        }
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        standard = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    button("cmdCalculate")->click();
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, kNoRating);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 1);
    QCOMPARE(standard, QMessageBox::StandardButtons(QMessageBox::Ok));
    // Active again, so that what is typed next reaches the box.
    QWindowSystemInterface::flushWindowSystemEvents();
    QVERIFY(window_->isActiveWindow());
    QCOMPARE(focusName(), QStringLiteral("txtRold_0"));
}

void TestRatingWindow::closingEndsEventLoop() {
    // The window is the program's last: closing it must leave the event loop.
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    const int code = QCoreApplication::exec();
    watchdog.stop();
    QCOMPARE(code, 0);
    QVERIFY(!window_->isVisible());
}

QTEST_MAIN(TestRatingWindow)
#include "tst_rating_window.moc"
