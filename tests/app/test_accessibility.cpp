#include "app/accessibility.h"
#include "resource_paths.h"
#include "tests/common/waits.h"
#include "ui/about_window/about_window.h"
#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <memory>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <vrc_version.h>

using vrc::ui::AboutWindow;
using vrc::ui::FrmVornRating;
using vrc::ui::PictureBox;

namespace {

// What reached the accessibility bridge, one line per event it would act on.
QStringList g_events;

QString Change(const QString &name, char sign, int position, const QString &text) {
    return QStringLiteral("%1 %2%3 '%4'")
        .arg(name, QChar::fromLatin1(sign))
        .arg(position)
        .arg(text);
}

void Record(QAccessibleEvent *event) {
    QObject *object = event->object();
    const QString name = object != nullptr ? object->objectName() : QString();
    const QString kind =
        object != nullptr ? QLatin1String(object->metaObject()->className()) : QString();
    QAccessibleInterface *iface = event->accessibleInterface();
    switch (event->type()) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        if (iface == nullptr || iface->textInterface() == nullptr) {
            // Qt's message box label sends these too; the bridge drops them quietly.
            if (!name.startsWith(QLatin1String("qt_"))) {
                g_events << name + QStringLiteral(" text event without text interface");
            }
        } else if (qobject_cast<PictureBox *>(object) == nullptr) {
            break;
        } else if (event->type() == QAccessible::TextInserted) {
            const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
            g_events << Change(name, '+', inserted->changePosition(), inserted->textInserted());
        } else if (event->type() == QAccessible::TextRemoved) {
            const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
            g_events << Change(name, '-', removed->changePosition(), removed->textRemoved());
        }
        break;
    case QAccessible::ValueChanged:
        // The bridge drops these, with a warning, without a value interface.
        if (iface == nullptr || iface->valueInterface() == nullptr) {
            g_events << name + QStringLiteral(" value change without value interface");
        }
        break;
    case QAccessible::Alert:
        g_events << kind + QStringLiteral(" alert");
        break;
    default:
        break;
    }
}

// The six entry texts (team rows 0..2, then opponent rows 0..2), or what the
// six output boxes show (win rows 0..2, then loss rows 0..2).
using Texts = std::array<QString, 6>;
using Shown = Texts;

QString Indexed(const char *name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QString TextOf(QAccessibleInterface *iface) {
    QAccessibleTextInterface *text = iface->textInterface();
    return text != nullptr ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

} // namespace

Q_DECLARE_METATYPE(Texts)

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resultBoxes_data();
    void resultBoxes();
    void refusalIsAnAlert();
    void copyMenu();
    void windows_data();
    void windows();
    void textGeometry();

private:
    void enter(const Texts &texts) const;
    void press(const char *name) const;
    [[nodiscard]] QWidget *control(const QString &name) const;

    std::unique_ptr<FrmVornRating> rating_;
    std::unique_ptr<AboutWindow> about_;
};

void TestAccessibility::initTestCase() {
    vrc::app::InstallAccessibility();
    // What a screen reader asking for the tree does on a real platform.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(Record);
}

void TestAccessibility::init() {
    rating_ = std::make_unique<FrmVornRating>(nullptr);
    rating_->show();
    VRC_WAIT_EXPOSED(rating_.get());
    g_events.clear();
}

void TestAccessibility::cleanup() {
    about_.reset();
    rating_.reset();
}

QWidget *TestAccessibility::control(const QString &name) const {
    auto *found = rating_->findChild<QWidget *>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

void TestAccessibility::enter(const Texts &texts) const {
    for (int row = 0; row < 3; ++row) {
        qobject_cast<QLineEdit *>(control(Indexed("txtRold", row)))->setText(texts.at(row));
        qobject_cast<QLineEdit *>(control(Indexed("txtROpponent", row)))
            ->setText(texts.at(row + 3));
    }
}

void TestAccessibility::press(const char *name) const {
    qobject_cast<QPushButton *>(control(QLatin1String(name)))->click();
}

void TestAccessibility::resultBoxes_data() {
    QTest::addColumn<Texts>("before");
    QTest::addColumn<Texts>("entries");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<Shown>("shown");

    const Texts none{};
    const Texts twoAgainstThree{"500", "600", "", "550", "650", "700"};
    const Shown twoAgainstThreeShown{" 510", " 610", "", " 494", " 594", ""};
    QTest::newRow("first results are inserted")
        << none << twoAgainstThree << "cmdCalculate"
        << QStringList{"picRwin_0 +0 ' 510'", "picRlose_0 +0 ' 494'", "picRwin_1 +0 ' 610'",
                       "picRlose_1 +0 ' 594'"}
        << twoAgainstThreeShown;
    QTest::newRow("new results replace the old")
        << twoAgainstThree << Texts{"-100", "", "", "100", "", ""} << "cmdCalculate"
        << QStringList{"picRwin_0 -0 ' 510'",  "picRlose_0 -0 ' 494'", "picRwin_1 -0 ' 610'",
                       "picRlose_1 -0 ' 594'", "picRwin_0 +0 '-76'",   "picRlose_0 +0 '-108'"}
        << Shown{"-76", "", "", "-108", "", ""};
    QTest::newRow("reset removes every result")
        << twoAgainstThree << twoAgainstThree << "cmdReset"
        << QStringList{"picRwin_0 -0 ' 510'", "picRlose_0 -0 ' 494'", "picRwin_1 -0 ' 610'",
                       "picRlose_1 -0 ' 594'"}
        << Shown{};
}

void TestAccessibility::resultBoxes() {
    QFETCH(Texts, before);
    QFETCH(Texts, entries);
    QFETCH(QString, command);
    QFETCH(QStringList, events);
    QFETCH(Shown, shown);

    if (before != Texts{}) {
        enter(before);
        press("cmdCalculate");
    }
    enter(entries);
    g_events.clear();
    press(qPrintable(command));
    QCOMPARE(g_events, events);

    for (int row = 0; row < 3; ++row) {
        const int player = row + 1;
        const std::array<std::pair<QString, QString>, 2> boxes{{
            {Indexed("picRwin", row), QStringLiteral("Player %1 rating after a win").arg(player)},
            {Indexed("picRlose", row), QStringLiteral("Player %1 rating after a loss").arg(player)},
        }};
        for (std::size_t column = 0; column < boxes.size(); ++column) {
            const auto &[objectName, accessibleName] = boxes.at(column);
            QAccessibleInterface *iface =
                QAccessible::queryAccessibleInterface(control(objectName));
            QCOMPARE(iface->text(QAccessible::Name), accessibleName);
            const QString &expected = shown.at(column * 3 + static_cast<std::size_t>(row));
            QCOMPARE(TextOf(iface), expected);
            QCOMPARE(iface->text(QAccessible::Value), expected); // UI Automation reads this
            QVERIFY(iface->state().readOnly);
        }
    }
}

void TestAccessibility::refusalIsAnAlert() {
    enter({"500", "", "", "550", "", ""});
    press("cmdCalculate");
    enter({"500", "", "", "abc", "", ""});
    g_events.clear();
    QAccessible::Role role = QAccessible::NoRole;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return; // the checks below fail; nothing blocks
        }
        role = QAccessible::queryAccessibleInterface(box)->role();
        box->button(QMessageBox::Ok)->click();
    });
    press("cmdCalculate");
    QCOMPARE(role, QAccessible::AlertMessage);
    // Qt announces the box as it opens; the results stay, and stay silent.
    QCOMPARE(g_events, QStringList{QStringLiteral("QMessageBox alert")});
    QCOMPARE(TextOf(QAccessible::queryAccessibleInterface(control("picRwin_0"))),
             QStringLiteral(" 518"));
}

void TestAccessibility::copyMenu() {
    enter({"500", "", "", "550", "", ""});
    press("cmdCalculate");
    QWidget *box = control("picRwin_0");
    QTest::mouseClick(rating_->windowHandle(), Qt::RightButton, {},
                      box->mapTo(rating_.get(), QPoint(5, 5)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(menu);
    QCOMPARE(iface->role(), QAccessible::PopupMenu);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Result"));
    QStringList items;
    for (int index = 0; index < iface->childCount(); ++index) {
        QCOMPARE(iface->child(index)->role(), QAccessible::MenuItem);
        items << iface->child(index)->text(QAccessible::Name);
    }
    QCOMPARE(items, (QStringList{"Copy", "Copy All Results"}));

    // Copying neither changes what the boxes say nor tells the reader they changed.
    g_events.clear();
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->actions().at(1)).center());
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, vrc::test::kWaitMs);
    QCOMPARE(g_events, QStringList{});
    QCOMPARE(TextOf(QAccessible::queryAccessibleInterface(box)), QStringLiteral(" 518"));
}

void TestAccessibility::windows_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("owned"); // the About window and a message box over the rating window
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QStringList>("readingOrder");

    const QStringList ratingOrder{
        "Label3",       "Label4",         "Label5",     "Line3",          "Label1",
        "txtRold_0",    "picRwin_0",      "picRlose_0", "txtRold_1",      "picRwin_1",
        "picRlose_1",   "txtRold_2",      "picRwin_2",  "picRlose_2",     "Line1",
        "Label2",       "txtROpponent_0", "Image1",     "txtROpponent_1", "txtROpponent_2",
        "cmdCalculate", "cmdReset",       "cmdHelp",    "cmdExit"};
    QTest::newRow("rating window") << false << false << QAccessible::Window << ratingOrder;
    // Windows it owns are not among its controls.
    QTest::newRow("rating window under its own windows")
        << false << true << QAccessible::Window << ratingOrder;
    QTest::newRow("About window") << true << false << QAccessible::Dialog
                                  << QStringList{"Image1",        "lblTitle",       "Label3",
                                                 "lblVersion",    "lblDescription", "Label1",
                                                 "lblDisclaimer", "Line1(1)",       "Label2",
                                                 "cmdOK"};
}

void TestAccessibility::windows() {
    QFETCH(bool, about);
    QFETCH(bool, owned);
    QFETCH(QAccessible::Role, role);
    QFETCH(QStringList, readingOrder);

    QWidget *window = rating_.get();
    if (about || owned) {
        about_ = std::make_unique<AboutWindow>(
            QImage(QString::fromLatin1(vrc::resources::kAboutPicturePath)),
            owned ? rating_.get() : nullptr);
        about_->show();
        window = owned ? window : about_.get();
    }
    if (owned) {
        auto *box = new QMessageBox(QMessageBox::Warning, QString(), QStringLiteral("?"),
                                    QMessageBox::Ok, rating_.get());
        box->show();
    }
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(vrc::identity::kWindowTitle));

    QStringList listed;
    for (int index = 0; index < iface->childCount(); ++index) {
        QAccessibleInterface *child = iface->child(index);
        listed << child->object()->objectName();
        QCOMPARE(iface->indexOfChild(child), index);
        QCOMPARE(child->parent(), iface);
        // A reader stops on nothing it cannot describe.
        const QString name = child->text(QAccessible::Name);
        if (child->role() == QAccessible::Separator) {
            QVERIFY2(name.isEmpty(), qPrintable(listed.last()));
        } else {
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(listed.last()));
            QVERIFY2(child->role() != QAccessible::Client, qPrintable(listed.last()));
        }
        if (listed.last() == QLatin1String("Image1")) {
            QCOMPARE(child->role(), QAccessible::Graphic);
        }
        if (listed.last().startsWith(QLatin1String("Line"))) {
            QCOMPARE(child->role(), QAccessible::Separator);
        }
        // Where the reader points, it finds the control drawn in front there.
        const QPoint centre = child->rect().center();
        const QWidget *front = window->childAt(window->mapFromGlobal(centre));
        if (front != nullptr && readingOrder.contains(front->objectName())) {
            QCOMPARE(iface->childAt(centre.x(), centre.y())->object(), front);
        }
    }
    QCOMPARE(listed, readingOrder);
    QCOMPARE(iface->child(static_cast<int>(listed.size())), nullptr);
    QCOMPARE(iface->child(-1), nullptr);
}

void TestAccessibility::textGeometry() {
    PictureBox box;
    box.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    box.resize(89, 60);
    box.show();
    VRC_WAIT_EXPOSED(&box);
    box.Print(510);
    box.Print(-6);
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&box)->textInterface();
    QCOMPARE(text->text(0, -1), QStringLiteral(" 510\n-6"));
    QCOMPARE(text->text(2, 6), QStringLiteral("10\n-"));
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(6, QAccessible::LineBoundary, &start, &end), QStringLiteral("-6"));
    QCOMPARE(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end),
             QStringLiteral(" 510\n"));
    QRect previous;
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        const QRect rect = text->characterRect(offset);
        if (offset == 4) {
            continue; // the line break takes no room
        }
        QVERIFY(rect.width() > 0);
        QVERIFY(box.rect().contains(box.mapFromGlobal(rect.center())));
        QCOMPARE(text->offsetAtPoint(rect.center()), offset);
        QVERIFY(offset == 5 || offset == 0 || rect.left() >= previous.right());
        previous = rect;
    }
    QCOMPARE(text->characterRect(5).top(), text->characterRect(0).bottom() + 1);
    QCOMPARE(text->offsetAtPoint(box.mapToGlobal(QPoint(80, 2))), -1);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
