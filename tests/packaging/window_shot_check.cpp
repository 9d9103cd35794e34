// Takes a screenshot of the one window on an X display (no window manager, black root) and
// checks its captions: a hollow box the size of a letter on the screenshot is a letter no
// installed face could draw; a label that, drawn here with the same faces and more room,
// puts letters outside its rectangle is cut off on screen. The window's controls are learnt
// by making the same window in the same language here.
//
// usage: vrc_window_shot_check LANGUAGE about|rating SHOT.png   (LANGUAGE "en" or a code)
#include "runtime/language.h"
#include "ui/about_window/about_window.h"
#include "ui/rating_window/frm_vorn_rating.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace {

// The part of the screen that is not the black root: the window, when exactly one shows.
QRect Shown(const QImage &shot) {
    QRect box;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            if ((line[x] & 0xffffffU) != 0) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// A grab that shows a window of `size`, painted: two grabs in a row agree.
QImage WaitForWindow(const QSize &size, QString *missing) {
    QImage last;
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
        if (Shown(shot).size() == size && shot == last) {
            return shot;
        }
        last = shot;
        QTest::qWait(100);
    }
    const QRect seen = Shown(last);
    *missing = QStringLiteral("no painted window of %1x%2 on the screen within 30 s (the screen "
                              "shows %3x%4 at %5,%6)")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(seen.width())
                   .arg(seen.height())
                   .arg(seen.x())
                   .arg(seen.y());
    return last;
}

int Luminance(QRgb pixel) {
    return qGray(pixel);
}

// The colour most of `area` has: what the caption's letters stand on.
int Background(const QImage &shot, const QRect &area) {
    QHash<int, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[Luminance(shot.pixel(x, y))];
        }
    }
    int best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            best = it.key();
            most = it.value();
        }
    }
    return best;
}

// A hollow rectangle of letter size whose inside is blank: what a face draws for a
// letter it lacks (and Qt itself, where no face is found). Its corners are as dark as its
// sides, which tells it from a round letter such as "o".
bool IsEmptyBox(const QImage &shot, const QRect &box, int background) {
    if (box.width() < 4 || box.height() < 7 || box.width() > 16 || box.height() > 20) {
        return false;
    }
    const auto ink = [&](int x, int y) {
        return qAbs(Luminance(shot.pixel(x, y)) - background) > 120;
    };
    for (int x = box.left(); x <= box.right(); ++x) {
        if (!ink(x, box.top()) || !ink(x, box.bottom())) {
            return false;
        }
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        if (!ink(box.left(), y) || !ink(box.right(), y)) {
            return false;
        }
    }
    for (int y = box.top() + 2; y <= box.bottom() - 2; ++y) {
        for (int x = box.left() + 2; x <= box.right() - 2; ++x) {
            if (qAbs(Luminance(shot.pixel(x, y)) - background) > 80) {
                return false;
            }
        }
    }
    return true;
}

// Whether a label draws letters outside its rectangle: drawn again with room above and
// below (text kept where its alignment puts it), ink lands outside the rectangle's rows.
bool RunsOver(QLabel *label) {
    const QSize size = label->size();
    constexpr int room = 40;
    const Qt::Alignment vertical = label->alignment() & Qt::AlignVertical_Mask;
    const int shift = vertical & Qt::AlignBottom    ? room
                      : vertical & Qt::AlignVCenter ? room / 2
                                                    : 0;
    label->resize(size.width(), size.height() + room);
    const QImage drawn = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    label->resize(size);
    const int background = Luminance(label->palette().color(label->backgroundRole()).rgb());
    for (int y = 0; y < drawn.height(); ++y) {
        if (y >= shift && y < shift + size.height()) {
            continue;
        }
        for (int x = 0; x < drawn.width(); ++x) {
            if (qAbs(Luminance(drawn.pixel(x, y)) - background) > 80) {
                return true;
            }
        }
    }
    return false;
}

// The boxes of the connected marks within `area` that differ from its background.
QList<QRect> Marks(const QImage &shot, const QRect &area, int background) {
    QImage seen(area.size(), QImage::Format_Mono);
    seen.fill(0);
    QList<QRect> marks;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint start(x, y);
            if (seen.pixelIndex(start - area.topLeft()) != 0 ||
                qAbs(Luminance(shot.pixel(start)) - background) <= 80) {
                continue;
            }
            QRect mark;
            QList<QPoint> todo{start};
            seen.setPixel(start - area.topLeft(), 1);
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                mark |= QRect(p, QSize(1, 1));
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (area.contains(q) && seen.pixelIndex(q - area.topLeft()) == 0 &&
                            qAbs(Luminance(shot.pixel(q)) - background) > 80) {
                            seen.setPixel(q - area.topLeft(), 1);
                            todo << q;
                        }
                    }
                }
            }
            marks << mark;
        }
    }
    return marks;
}

// Whether some letter of `text` is in none of the faces Qt finds for `font`: Nimbus Roman
// draws such a letter as nothing at all, which no screenshot shows.
bool LacksLetters(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(100000);
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        for (const QGlyphRun &run : layout.lineAt(i).glyphRuns()) {
            if (run.glyphIndexes().contains(0)) {
                return true;
            }
        }
    }
    return false;
}

QStringList Faults(const QImage &shot, const QPoint &origin, QWidget *window) {
    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(control);
        const auto *button = qobject_cast<const QAbstractButton *>(control);
        const QString text = label != nullptr    ? label->text()
                             : button != nullptr ? button->text()
                                                 : QString();
        if (text.isEmpty() || control->parentWidget() != window) {
            continue;
        }
        const QString name =
            control->objectName() + QStringLiteral(" \"") + text + QStringLiteral("\"");
        const QRect area = control->geometry().translated(origin) & shot.rect();
        const int background = Background(shot, area);
        for (const QRect &mark : Marks(shot, area, background)) {
            if (IsEmptyBox(shot, mark, background)) {
                faults << name + QStringLiteral(": a letter drawn as an empty box at %1,%2")
                                     .arg(mark.x() - origin.x())
                                     .arg(mark.y() - origin.y());
                break;
            }
        }
        if (LacksLetters(text, control->font())) {
            faults << name + QStringLiteral(": letters no installed face has");
        }
        if (label != nullptr && RunsOver(label)) {
            faults << name + QStringLiteral(": runs on beyond its rectangle");
        }
    }
    return faults;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4 ||
        (args.at(2) != QLatin1String("about") && args.at(2) != QLatin1String("rating"))) {
        std::fputs("usage: vrc_window_shot_check LANGUAGE about|rating SHOT.png\n", stderr);
        return 2;
    }
    const QString &code = args.at(1);
    QTranslator translator;
    if (code != QLatin1String("en")) {
        if (!translator.load(QStringLiteral("vornratingcalc_") + code,
                             QStringLiteral(":/translations"))) {
            std::fprintf(stderr, "FAIL: %s: no translation for this language\n", qPrintable(code));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        QGuiApplication::setLayoutDirection(QLocale(code).textDirection());
    }
    std::unique_ptr<QWidget> window;
    if (args.at(2) == QLatin1String("about")) {
        window = std::make_unique<vrc::ui::AboutWindow>(QImage(), nullptr);
    } else {
        window = std::make_unique<vrc::ui::FrmVornRating>(nullptr);
    }
    QString missing;
    const QImage shot = WaitForWindow(window->size(), &missing);
    shot.save(args.at(3));
    const QString where = code + QLatin1Char(' ') + args.at(2) + QStringLiteral(" window: ");
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "FAIL: %s%s\n", qPrintable(where), qPrintable(missing));
        return 1;
    }
    const QStringList faults = Faults(shot, Shown(shot).topLeft(), window.get());
    for (const QString &fault : faults) {
        std::fprintf(stderr, "FAIL: %s%s\n", qPrintable(where), qPrintable(fault));
    }
    return faults.isEmpty() ? 0 : 1;
}
