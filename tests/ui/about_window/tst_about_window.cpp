#include "tests/common/waits.h"
#include "tests/ui/window_faces.h"
#include "ui/about_window/about_window.h"
#include "ui/about_window/frm_about.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtGui/qpa/qwindowsysteminterface.h>
#include <functional>
#include <resource_paths.h>

using vrc::ui::AboutWindow;
using vrc::ui::FrmAbout;
using Action = std::function<void(QDialog *)>;

namespace {

struct Showing {
    bool closedByAction = false;
    QPointer<QDialog> window;
};

// Shows the form modally and runs `act` on the open window, which is meant to
// close it; if it does not, the window is closed anyway so no test blocks.
Showing show(FrmAbout &form, const Action &act, QWidget *owner = nullptr) {
    Showing seen;
    QTimer::singleShot(0, [&] {
        seen.window = form.window();
        if (seen.window == nullptr || !seen.window->isVisible()) {
            return;
        }
        (void)QTest::qWaitForWindowActive(seen.window, vrc::test::kWaitMs);
        act(seen.window);
        seen.closedByAction = !seen.window->isVisible();
        if (!seen.closedByAction) {
            seen.window->done(QDialog::Rejected);
        }
    });
    form.ShowModal(owner);
    return seen;
}

void clickOK(QDialog *window) {
    window->findChild<QPushButton *>("cmdOK")->click();
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void rectangles_data();
    void rectangles();
    void captionsAndFonts_data();
    void captionsAndFonts();
    void stackingFrontToBack();
    void etchedRule();
    void window_data();
    void window();
    void opensWithFocusOnOK();
    void closes_data();
    void closes();
    void eachShowingLoadsAfresh();
    void showingAgainActivatesTheShownWindow();

private:
    FrmAbout form_;
};

void TestAboutWindow::rectangles_data() {
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Image1") << QRect(16, 8, 153, 89);
    QTest::newRow("lblTitle") << QRect(176, 8, 171, 32);
    QTest::newRow("Label3") << QRect(176, 24, 203, 32);
    QTest::newRow("lblVersion") << QRect(176, 72, 155, 15);
    QTest::newRow("lblDescription") << QRect(48, 104, 259, 22);
    QTest::newRow("Label1") << QRect(80, 120, 169, 17);
    QTest::newRow("lblDisclaimer") << QRect(0, 136, 385, 23);
    QTest::newRow("Label2") << QRect(8, 176, 265, 57);
    QTest::newRow("cmdOK") << QRect(288, 192, 84, 23);
    QTest::newRow("Line1(1)") << QRect(6, 163, 371, 1);
    QTest::newRow("Line1(0)") << QRect(7, 163, 370, 2);
}

void TestAboutWindow::rectangles() {
    QFETCH(QRect, rect);
    const AboutWindow window(QImage(), nullptr);
    const auto *control = window.findChild<QWidget *>(QTest::currentDataTag());
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), rect);
}

void TestAboutWindow::captionsAndFonts_data() {
    QTest::addColumn<QString>("caption"); // null: ours to choose, but one line that fits
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("nimbus"); // else the window font, regular
    QTest::addColumn<bool>("black");
    QTest::addColumn<int>("visibleHeight"); // rows not hidden by a control in front

    const QString own;
    QTest::newRow("lblTitle") << "Kestrix" << 12.0 << true << true << 16;
    QTest::newRow("Label3") << "Vorn Rating Calculator" << 12.0 << true << true << 32;
    QTest::newRow("lblVersion") << "Version: Solvane 1.0" << 8.25 << true << false << 15;
    QTest::newRow("lblDescription") << own << 9.75 << true << true << 120 - 104;
    QTest::newRow("Label1") << own << 8.25 << false << false << 17;
    QTest::newRow("lblDisclaimer") << own << 8.25 << false << true << 23;
    QTest::newRow("Label2")
        << "Enter the rating of players on your team and the opponent team in the labelled "
           "boxes.  Click the calculate button to determine the new ratings for a win or a loss "
           "for each player on your team."
        << 8.25 << false << false << 57;
}

void TestAboutWindow::captionsAndFonts() {
    QFETCH(QString, caption);
    QFETCH(qreal, points);
    QFETCH(bool, nimbus);
    QFETCH(bool, black);
    QFETCH(int, visibleHeight);
    const AboutWindow window(QImage(), nullptr);
    const auto *label = window.findChild<QLabel *>(QTest::currentDataTag());
    QVERIFY(label != nullptr);

    if (!caption.isNull()) {
        QCOMPARE(label->text(), caption);
    }
    const QColor systemText = QApplication::palette(label).color(QPalette::WindowText);
    QCOMPARE(label->palette().color(QPalette::WindowText), black ? QColor(0, 0, 0) : systemText);
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(label->wordWrap());
    QVERIFY(label->autoFillBackground()); // so a label in front hides what it overlaps
    const QFont font = label->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), nimbus);
    QCOMPARE(font.italic(), nimbus);
    if (!nimbus) {
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    }
    if (!NamedFacesResolve()) {
        return;
    }
    if (nimbus) {
        const QString family = QFontInfo(font).family();
        QVERIFY2(family.startsWith(QLatin1String("Nimbus Roman")), qPrintable(family));
    }

    // Nothing is cut off: one line down to its lowest ink, or the wrapped lines.
    const QFontMetrics metrics(font);
    const bool oneLine = metrics.horizontalAdvance(label->text()) <= label->width();
    QVERIFY(oneLine || !caption.isNull());
    const int rows =
        oneLine ? metrics.ascent() + metrics.tightBoundingRect(label->text()).bottom() + 1
                : metrics.boundingRect(label->rect(), Qt::TextWordWrap, label->text()).height();
    QVERIFY2(rows <= visibleHeight, qPrintable(QString::number(rows)));
}

void TestAboutWindow::stackingFrontToBack() {
    const AboutWindow window(QImage(), nullptr);
    QStringList frontToBack;
    for (const QObject *child : window.children()) {
        if (child->isWidgetType()) {
            frontToBack.prepend(child->objectName());
        }
    }
    QCOMPARE(frontToBack, (QStringList{"cmdOK", "Label3", "Image1", "Label2", "Label1", "Line1(1)",
                                       "lblDescription", "lblTitle", "Line1(0)", "lblVersion",
                                       "lblDisclaimer"}));
}

void TestAboutWindow::etchedRule() {
    AboutWindow window(QImage(), nullptr);
    const QImage shot = window.grab().toImage();
    for (const int x : {7, 200, 376}) {
        QCOMPARE(shot.pixelColor(x, 163), QColor(128, 128, 128));
        QCOMPARE(shot.pixelColor(x, 164), QColor(255, 255, 255));
    }
    QCOMPARE(shot.pixelColor(200, 165), window.palette().color(QPalette::Window));
}

void TestAboutWindow::window_data() {
    QTest::addColumn<bool>("owned");
    QTest::newRow("at start-up, no owner") << false;
    QTest::newRow("on Help, owned") << true;
}

void TestAboutWindow::window() {
    QFETCH(bool, owned);
    QWidget owner;
    owner.setAttribute(Qt::WA_QuitOnClose, false);
    if (owned) {
        owner.show();
        VRC_WAIT_EXPOSED(&owner);
    }
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QString name;
    QRect geometry;
    QSize minimum;
    QSize maximum;
    Qt::WindowFlags flags;
    QString title;
    const QWindow *transientParent = nullptr;
    qsizetype windows = 0;
    bool modal = false;
    bool hasIcon = false;
    QImage picture;
    QFont font;
    const Action inspect = [&](QDialog *window) {
        name = window->objectName();
        geometry = window->geometry();
        minimum = window->minimumSize();
        maximum = window->maximumSize();
        flags = window->windowFlags();
        title = window->windowTitle();
        transientParent = window->windowHandle()->transientParent();
        windows = QGuiApplication::allWindows().size();
        modal = QApplication::activeModalWidget() == window &&
                window->windowModality() == Qt::ApplicationModal;
        hasIcon = !window->windowIcon().isNull();
        picture = window->findChild<QLabel *>("Image1")->pixmap().toImage();
        font = window->font();
        clickOK(window);
    };
    show(form_, inspect, owned ? &owner : nullptr);

    QCOMPARE(name, QStringLiteral("frmAbout"));
    QCOMPARE(geometry, QRect(156, 129, 390, 237));
    QCOMPARE(minimum, QSize(390, 237));
    QCOMPARE(maximum, QSize(390, 237));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(title, QStringLiteral("Kestrix Vorn Rating Calculator - TQX"));
    // Owned by the window that asked for it; at start-up by no Qt window at
    // all: under Wine a second window, even never shown, loads the whole
    // OpenGL stack.
    QCOMPARE(transientParent, owned ? owner.windowHandle() : nullptr);
    QCOMPARE(windows, owned ? 2 : 1);
    QVERIFY(modal);
    QVERIFY(hasIcon);
    // The About picture, not merely some picture, stretched over Image1.
    const QImage about = QImage(QString::fromLatin1(vrc::resources::kAboutPicturePath))
                             .scaled(153, 89, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(!about.isNull());
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
             about.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
    QCOMPARE(lastWindowClosed.count(), 0); // closing it at start-up must not end the program
}

void TestAboutWindow::opensWithFocusOnOK() {
    QStringList focusable;
    bool okFocusedAndDefault = false;
    QString okCaption;
    show(form_, [&](QDialog *window) {
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->focusPolicy() != Qt::NoFocus) {
                focusable << widget->objectName();
            }
        }
        auto *ok = window->findChild<QPushButton *>("cmdOK");
        okFocusedAndDefault = QApplication::focusWidget() == ok && ok->isDefault();
        okCaption = ok->text();
        clickOK(window);
    });
    QCOMPARE(focusable, QStringList{"cmdOK"});
    QVERIFY(okFocusedAndDefault);
    QCOMPARE(okCaption, QStringLiteral("OK"));
}

void TestAboutWindow::closes_data() {
    QTest::addColumn<Action>("act");
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return Action(
            [=](QDialog *) { QTest::keyClick(QApplication::focusWidget(), k, modifiers); });
    };
    QTest::newRow("Enter") << key(Qt::Key_Return);
    QTest::newRow("keypad Enter") << key(Qt::Key_Enter, Qt::KeypadModifier);
    QTest::newRow("Esc") << key(Qt::Key_Escape);
    QTest::newRow("click") << Action([](QDialog *window) {
        QTest::mouseClick(window->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    });
    QTest::newRow("close control") << Action([](QDialog *window) { window->close(); });
}

void TestAboutWindow::closes() {
    QFETCH(Action, act);
    const Showing seen = show(form_, act);
    QVERIFY(seen.closedByAction);
    QVERIFY(!form_.IsLoaded());
    QCOMPARE(form_.window(), nullptr);
    QVERIFY(seen.window.isNull()); // unloaded means destroyed, not merely hidden
}

void TestAboutWindow::eachShowingLoadsAfresh() {
    // Disturb the first showing as a user or a caller could.
    show(form_, [](QDialog *window) {
        window->setGeometry(QRect(300, 300, 390, 237));
        window->findChild<QLabel *>("lblTitle")->setText(QStringLiteral("x"));
        clickOK(window);
    });

    QRect geometry;
    QString title;
    show(form_, [&](QDialog *window) {
        geometry = window->geometry();
        title = window->findChild<QLabel *>("lblTitle")->text();
        clickOK(window);
    });
    QCOMPARE(geometry, QRect(156, 129, 390, 237));
    QCOMPARE(title, QStringLiteral("Kestrix"));
}

// Help while the About window is up (a screen reader can press it) brings
// that window back to the front instead of loading a second.
void TestAboutWindow::showingAgainActivatesTheShownWindow() {
    bool returned = false;
    bool sameWindow = false;
    bool active = false;
    show(form_, [&](QDialog *window) {
        // The user switched to another program.
        QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
            nullptr);
        if (window->isActiveWindow()) {
            return;
        }
        form_.ShowModal(nullptr);
        returned = true;
        sameWindow = form_.window() == window;
        active = QTest::qWaitForWindowActive(window, vrc::test::kWaitMs);
        clickOK(window);
    });
    QVERIFY(returned);
    QVERIFY(sameWindow);
    QVERIFY(active);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"
