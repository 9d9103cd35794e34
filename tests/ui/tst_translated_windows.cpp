#include "runtime/language.h"
#include "runtime/user_feedback.h"
#include "tests/ui/window_faces.h"
#include "ui/about_window/about_window.h"
#include "ui/rating_window/frm_vorn_rating.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <memory>

using vrc::ui::AboutWindow;
using vrc::ui::FrmVornRating;

namespace {

// Both windows, made in one language.
struct Windows {
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<FrmVornRating> rating;
    std::unique_ptr<AboutWindow> about;

    explicit Windows(const QString &code) {
        Qt::LayoutDirection direction = Qt::LeftToRight;
        if (!code.isEmpty()) {
            translator = std::make_unique<QTranslator>();
            if (!translator->load(QStringLiteral("vornratingcalc_") + code,
                                  QStringLiteral(":/translations"))) {
                translator.reset();
                return;
            }
            QCoreApplication::installTranslator(translator.get());
            direction = QLocale(code).textDirection();
        }
        QGuiApplication::setLayoutDirection(direction);
        rating = std::make_unique<FrmVornRating>(nullptr);
        about = std::make_unique<AboutWindow>(QImage(), nullptr);
    }
    ~Windows() {
        about.reset();
        rating.reset();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        if (translator) {
            QCoreApplication::removeTranslator(translator.get());
        }
    }
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    [[nodiscard]] bool made() const { return rating != nullptr; }
};

// The widgets of `window` stacked in front of `widget` (later siblings are drawn over it).
QList<QWidget *> InFront(const QWidget *window, const QWidget *widget) {
    QList<QWidget *> front;
    bool after = false;
    for (QObject *child : window->children()) {
        if (child == widget) {
            after = true;
        } else if (auto *sibling = qobject_cast<QWidget *>(child); after && sibling != nullptr) {
            front << sibling;
        }
    }
    return front;
}

// Which side a label's text keeps to on screen: a label lines its text up by the
// text's own direction unless its alignment is absolute.
Qt::Alignment Shown(const QLabel *label) {
    const Qt::LayoutDirection direction =
        label->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    return QStyle::visualAlignment(direction, label->alignment()) &
           (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter);
}

// Where the ink of each letter of a label's text lies, laid out as the label lays it
// out: wrapped at its width, each line placed by its alignment, lines as tall as the
// faces they use.
QList<QRect> Ink(const QLabel *label) {
    const QRect box = label->contentsRect();
    const Qt::Alignment alignment = Shown(label);
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();
    QList<QRect> ink;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal spare = box.width() - line.naturalTextWidth();
        const qreal shift = alignment & Qt::AlignRight     ? spare
                            : alignment & Qt::AlignHCenter ? spare / 2
                                                           : 0;
        for (const QGlyphRun &run : line.glyphRuns()) {
            const QRawFont face = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g) {
                if (glyphs.at(g) == 0) {
                    return {}; // a letter the face does not have: nothing of it is drawn
                }
                const QRectF glyph =
                    face.boundingRect(glyphs.at(g)).translated(positions.at(g) + QPointF(shift, 0));
                if (!glyph.isEmpty()) {
                    ink << glyph.translated(box.topLeft()).toAlignedRect();
                }
            }
        }
    }
    return ink;
}

// What of a caption cannot be read: empty when all its ink is inside the label and
// nothing in front covers it.
QString Clipped(const QWidget *window, const QLabel *label) {
    const QList<QRect> letters = Ink(label);
    if (letters.isEmpty()) {
        return QStringLiteral("letters missing from its faces");
    }
    QRect ink;
    for (const QRect &letter : letters) {
        ink |= letter;
    }
    const QRect box = label->contentsRect();
    // An italic letter may lean a pixel past either side, as it does in English.
    if (!box.adjusted(-2, 0, 2, 0).contains(ink)) {
        return QStringLiteral("ink %1,%2 %3x%4 outside %5x%6")
            .arg(ink.x())
            .arg(ink.y())
            .arg(ink.width())
            .arg(ink.height())
            .arg(box.width())
            .arg(box.height());
    }
    for (const QWidget *front : InFront(window, label)) {
        for (const QRect &letter : letters) {
            const QRect onWindow = letter.translated(label->pos());
            if (front->isVisibleTo(window) && front->geometry().intersects(onWindow)) {
                return QStringLiteral("letter at %1,%2 covered by ")
                           .arg(onWindow.x())
                           .arg(onWindow.y()) +
                       front->objectName();
            }
        }
    }
    return {};
}

QString Clipped(const QPushButton *button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    QString plain = button->text();
    plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QFontMetrics metrics(button->font());
    const QRect ink = metrics.tightBoundingRect(plain);
    if (metrics.horizontalAdvance(plain) > contents.width() || ink.height() > contents.height()) {
        return QStringLiteral("needs %1 px in %2")
            .arg(metrics.horizontalAdvance(plain))
            .arg(contents.width());
    }
    return {};
}

// Answers for Qt's own contexts only where no other translator does (the one installed
// last is asked first): a text Qt shows that the program's translation lacks comes out
// marked, instead of quietly English.
class MarksUntranslated final : public QTranslator {
public:
    static constexpr char16_t kMark = u'\u2047';

    QString translate(const char *context, const char *sourceText, const char * /*disambiguation*/,
                      int /*n*/) const override {
        if (context == nullptr || context[0] != 'Q') {
            return {};
        }
        return QString(kMark) + QString::fromUtf8(context) + QStringLiteral("::") +
               QString::fromUtf8(sourceText);
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

// The button of the message box the program shows, as it shows it.
QString MessageBoxButton(QWidget *parent) {
    QString text = QStringLiteral("(no message box)");
    QTimer::singleShot(0, parent, [&text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box != nullptr) {
            text = box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    vrc::runtime::QtFeedback().Exclaim(parent, QStringLiteral("text"), QStringLiteral("title"));
    return text;
}

// The entries of the menu a text box opens on the Menu key, and its direction.
struct Menu {
    QStringList entries;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

Menu ContextMenu(QLineEdit *box) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QCoreApplication::sendEvent(box, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return {};
    }
    Menu shown{{}, menu->layoutDirection()};
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator()) {
            shown.entries << action->text();
        }
    }
    menu->close();
    return shown;
}

const QStringList &Languages() {
    static const QStringList codes = [] {
        QStringList all{QString()}; // English, the program's own texts
        all << vrc::runtime::AvailableLanguages();
        return all;
    }();
    return codes;
}

void AddLanguageRows() {
    QTest::addColumn<QString>("code");
    for (const QString &code : Languages()) {
        QTest::newRow(code.isEmpty() ? "en" : qPrintable(code)) << code;
    }
}

} // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageIsCarried() { QCOMPARE(Languages().size(), 11); }

    // The message box's button and the text boxes' menu, with its keys, speak the
    // language too: Qt asks for those texts under its own contexts, and the program's
    // translation is the only one it carries.
    void qtSpeaksEachLanguage_data() { AddLanguageRows(); }
    void qtSpeaksEachLanguage() {
        QFETCH(QString, code);
        if (code.isEmpty()) {
            return;
        }
        MarksUntranslated untranslated;
        QCoreApplication::installTranslator(&untranslated);
        const auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&untranslated); });
        const Windows windows(code);
        QVERIFY(windows.made());

        QStringList english;
        const QString button = MessageBoxButton(windows.rating.get());
        QVERIFY2(!button.startsWith(QLatin1Char('(')), qPrintable(button));
        if (button.contains(MarksUntranslated::kMark)) {
            english << button;
        }
        auto *box = windows.rating->findChild<QLineEdit *>(QStringLiteral("txtRold_1"));
        QVERIFY(box != nullptr);
        box->setText(QStringLiteral("1500"));
        box->selectAll();
        const Menu menu = ContextMenu(box);
        // Undo, Redo, Cut, Copy, Paste, Delete, Select All.
        QCOMPARE(menu.entries.size(), 7);
        for (const QString &entry : menu.entries) {
            if (entry.contains(MarksUntranslated::kMark)) {
                english << entry;
            }
        }
        QVERIFY2(english.isEmpty(), qPrintable(QStringLiteral("shown untranslated: ") +
                                               english.join(QStringLiteral(" | "))));
        QCOMPARE(menu.direction, QLocale(code).textDirection());
    }

    void captionsFit_data() { AddLanguageRows(); }
    void captionsFit() {
        QFETCH(QString, code);
        if (!NamedFacesResolve()) {
            QSKIP("the window fonts are checked on the Windows platform itself");
        }
        const Windows windows(code);
        QVERIFY(windows.made());
        QStringList clipped;
        for (const QWidget *window : {static_cast<QWidget *>(windows.rating.get()),
                                      static_cast<QWidget *>(windows.about.get())}) {
            for (const QLabel *label : window->findChildren<QLabel *>()) {
                if (label->text().isEmpty()) {
                    continue;
                }
                if (const QString why = Clipped(window, label); !why.isEmpty()) {
                    clipped << label->objectName() + QLatin1Char(' ') + label->text() +
                                   QStringLiteral(": ") + why;
                }
            }
            for (const QPushButton *button : window->findChildren<QPushButton *>()) {
                if (const QString why = Clipped(button); !why.isEmpty()) {
                    clipped << button->objectName() + QLatin1Char(' ') + button->text() +
                                   QStringLiteral(": ") + why;
                }
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    // Each button English gives an access key keeps one, its letter in the caption, and
    // no two in a window share it.
    void accessKeys_data() { AddLanguageRows(); }
    void accessKeys() {
        QFETCH(QString, code);
        const Windows windows(code);
        QVERIFY(windows.made());
        const QStringList keyed{QStringLiteral("cmdCalculate"), QStringLiteral("cmdReset"),
                                QStringLiteral("cmdHelp"), QStringLiteral("cmdExit")};
        QStringList keys;
        for (const QString &name : keyed) {
            const auto *button = windows.rating->findChild<QAbstractButton *>(name);
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            QVERIFY2(!key.isEmpty(), qPrintable(name + QStringLiteral(" has no access key")));
            const QString letter = key.toString().section(QLatin1Char('+'), -1).toLower();
            QVERIFY2(!keys.contains(letter), qPrintable(name + QStringLiteral(": ") + letter));
            keys << letter;
        }
    }

    // Right to left, every control stands where its mirror image would, and the
    // numbers still read left to right.
    void arabicMirrors() {
        QHash<QString, QRect> leftToRight;
        QHash<QString, Qt::Alignment> leftToRightAlignment;
        {
            const Windows english{QString()};
            for (const QWidget *window : {static_cast<QWidget *>(english.rating.get()),
                                          static_cast<QWidget *>(english.about.get())}) {
                for (const QWidget *child : window->findChildren<QWidget *>()) {
                    leftToRight.insert(window->objectName() + child->objectName(),
                                       child->geometry());
                    if (const auto *label = qobject_cast<const QLabel *>(child)) {
                        leftToRightAlignment.insert(window->objectName() + child->objectName(),
                                                    Shown(label));
                    }
                }
            }
        }
        const Windows arabic(QStringLiteral("ar"));
        QVERIFY(arabic.made());
        struct Client {
            const QWidget *window;
            int width;
        };
        for (const Client client :
             {Client{arabic.rating.get(), 401},
              Client{arabic.about.get(), AboutWindow::PlacementOnScreen().width()}}) {
            QCOMPARE(client.window->layoutDirection(), Qt::RightToLeft);
            for (const QWidget *child : client.window->findChildren<QWidget *>()) {
                const QString key = client.window->objectName() + child->objectName();
                if (!leftToRight.contains(key) || child->parentWidget() != client.window) {
                    continue;
                }
                const QRect ltr = leftToRight.value(key);
                const QRect mirrored(client.width - ltr.right() - 1, ltr.y(), ltr.width(),
                                     ltr.height());
                QCOMPARE(child->geometry(), mirrored);
                if (const auto *label = qobject_cast<const QLabel *>(child);
                    label != nullptr && !label->text().isEmpty()) {
                    const Qt::Alignment ltr = leftToRightAlignment.value(key);
                    const Qt::Alignment expected = ltr == Qt::AlignLeft    ? Qt::AlignRight
                                                   : ltr == Qt::AlignRight ? Qt::AlignLeft
                                                                           : ltr;
                    QVERIFY2(Shown(label) == expected, qPrintable(key));
                }
            }
        }
        for (const QLineEdit *box : arabic.rating->findChildren<QLineEdit *>()) {
            QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
        }
    }
};

QTEST_MAIN(TestTranslatedWindows)
#include "tst_translated_windows.moc"
