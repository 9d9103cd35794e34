// Draws every image the program ships: the application icon (a classic 25 x 28, 256-colour
// icon plus square desktop sizes and an SVG) and the pictures of the two windows.
// Usage: vrc_draw_art <resources-dir>

#include "canvas.h"
#include "ico_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <algorithm>
#include <array>

namespace {

using vrc::art::Canvas;
using vrc::art::Fill;
using vrc::art::Stroke;

// One palette for all images, so the icon and the pictures read as one family.
const QColor kInk(0x33, 0x3d, 0x55);
const QColor kGold(0xe3, 0xa8, 0x2b);
const QColor kTileTop(0xfd, 0xf9, 0xee);
const QColor kTileBottom(0xe6, 0xdc, 0xbf);
const QColor kTileEdge(0x8c, 0x7b, 0x52);
const QColor kTeamLight(0x5b, 0x9b, 0xf0);
const QColor kTeamDark(0x1f, 0x58, 0xb8);
const QColor kRivalLight(0xf2, 0x78, 0x62);
const QColor kRivalDark(0xbf, 0x30, 0x22);
const QColor kGain(0x2e, 0x9e, 0x4a);
const QColor kLoss(0xc8, 0x34, 0x28);

// One pan of the balance: where the beam meets it, and the team's colours.
struct ScalePan {
    double x = 0;
    double beamY = 0;
    QColor light;
    QColor dark;
};

// The emblem: a balance whose lower, heavier pan carries our team (blue) and whose other
// pan carries the opponents (red). Laid out on a 64 x 64 grid and stretched to w x h; small
// sizes get bolder strokes and lose the players, which would only blur into the pans.
void drawEmblem(Canvas &c, double w, double h) {
    const double ux = w / 64.0;
    const double uy = h / 64.0;
    const double u = std::min(ux, uy);
    const bool detailed = std::min(w, h) >= 40;
    auto at = [&](double x, double y) { return QPointF(x * ux, y * uy); };
    auto box = [&](double x, double y, double bw, double bh) {
        return QRectF(x * ux, y * uy, bw * ux, bh * uy);
    };

    c.roundedRect(box(1, 1, 62, 62), 11 * u, {kTileTop, kTileBottom},
                  {kTileEdge, std::max(2 * u, 1.0)});

    const double post = detailed ? 4 : 6;
    c.roundedRect(box(32 - post / 2, 18, post, 34), 1.5 * u, Fill::solid(kInk));
    c.roundedRect(box(17, 50, 30, detailed ? 6 : 8), 3 * u, Fill::solid(kInk));

    const std::array<ScalePan, 2> pans{
        {{15, 25, kTeamLight, kTeamDark}, {49, 15, kRivalLight, kRivalDark}}};
    c.line(at(pans[0].x, pans[0].beamY), at(pans[1].x, pans[1].beamY),
           {kInk, (detailed ? 4 : 6) * u});
    const double half = detailed ? 10 : 11;
    const double depth = detailed ? 6 : 8;
    for (const ScalePan &pan : pans) {
        const double rim = pan.beamY + 15;
        const Stroke cord{kInk, (detailed ? 1.5 : 3) * u};
        c.line(at(pan.x, pan.beamY), at(pan.x - half + 3, rim), cord);
        c.line(at(pan.x, pan.beamY), at(pan.x + half - 3, rim), cord);
        if (detailed) {
            for (int i = -1; i <= 1; ++i) {
                c.ellipse(box(pan.x + i * 4.6 - 2.6, rim - 5.6, 5.2, 5.2), {pan.light, pan.dark});
            }
        }
        c.polygon({at(pan.x - half, rim), at(pan.x + half, rim), at(pan.x + half - 4, rim + depth),
                   at(pan.x - half + 4, rim + depth)},
                  {pan.light, pan.dark}, {pan.dark, 1 * u});
    }
    c.ellipse(box(28, 16, 8, 8), {kGold, kGold.darker(130)}, {kInk, 1 * u});
}

QImage emblemImage(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vrc::art::PainterCanvas canvas(p);
    drawEmblem(canvas, w, h);
    return img;
}

// A player: round head over rounded shoulders, standing with its feet at `feet`.
void drawFigure(QPainter &p, QPointF feet, double height, const QColor &light, const QColor &dark) {
    const double bodyW = 0.5 * height;
    const double bodyH = 0.55 * height;
    const double headR = 0.17 * height;
    QPainterPath body;
    body.moveTo(feet.x() - bodyW / 2, feet.y());
    body.lineTo(feet.x() - bodyW / 2, feet.y() - bodyH + bodyW / 2);
    body.arcTo(QRectF(feet.x() - bodyW / 2, feet.y() - bodyH, bodyW, bodyW), 180, -180);
    body.lineTo(feet.x() + bodyW / 2, feet.y());
    body.closeSubpath();
    QLinearGradient shade(feet.x(), feet.y() - height, feet.x(), feet.y());
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(140), std::max(1.0, height / 30)));
    p.setBrush(shade);
    p.drawPath(body);
    const double headY = feet.y() - bodyH - 0.05 * height - headR;
    p.drawEllipse(QPointF(feet.x(), headY), headR, headR);
}

// A block arrow filling `r`, pointing up or down.
void drawArrow(QPainter &p, const QRectF &r, bool up, const QColor &colour) {
    const double shaft = r.width() * 0.42;
    const double headH = r.height() * 0.5;
    const double cx = r.center().x();
    QPolygonF arrow;
    arrow << QPointF(cx, r.top()) << QPointF(r.right(), r.top() + headH)
          << QPointF(cx + shaft / 2, r.top() + headH) << QPointF(cx + shaft / 2, r.bottom())
          << QPointF(cx - shaft / 2, r.bottom()) << QPointF(cx - shaft / 2, r.top() + headH)
          << QPointF(r.left(), r.top() + headH);
    if (!up) {
        for (QPointF &pt : arrow) {
            pt.setY(r.top() + r.bottom() - pt.y());
        }
    }
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, colour.lighter(125));
    shade.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(150), std::max(1.0, r.width() / 25), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPolygon(arrow);
}

void drawLabel(QPainter &p, const QRectF &r, const QString &text, const QColor &colour,
               int pixelSize, Qt::Alignment align) {
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, static_cast<int>(align | Qt::AlignVCenter), text);
}

void fillBackground(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// The rating window's picture: the balance weighing the two teams, with the usual swing of
// an even game (+16 for a win, -16 for a loss) beneath. It is shown at about a sixth of its
// size, so everything is bold.
QImage ratingPicture() {
    QImage img(545, 399, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    fillBackground(p, img.rect(), QColor(0xee, 0xf3, 0xfb), QColor(0xc8, 0xd7, 0xee));
    p.fillRect(QRectF(0, 318, 545, 81), QColor(0xf7, 0xf1, 0xe0));
    p.setPen(QPen(kTileEdge, 3));
    p.drawLine(QPointF(0, 318), QPointF(545, 318));

    // Stand.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(262, 96, 22, 196), 6, 6);
    p.drawRoundedRect(QRectF(186, 284, 174, 22), 11, 11);

    const std::array<ScalePan, 2> sides{
        {{122, 134, kTeamLight, kTeamDark}, {423, 70, kRivalLight, kRivalDark}}};
    p.setPen(QPen(kInk, 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(sides[0].x, sides[0].beamY), QPointF(sides[1].x, sides[1].beamY));
    for (const ScalePan &s : sides) {
        const double rim = s.beamY + 118;
        p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s.x, s.beamY), QPointF(s.x - 86, rim));
        p.drawLine(QPointF(s.x, s.beamY), QPointF(s.x + 86, rim));
        for (int i = -1; i <= 1; ++i) {
            drawFigure(p, QPointF(s.x + i * 46, rim), 70, s.light, s.dark);
        }
        QPolygonF pan;
        pan << QPointF(s.x - 104, rim) << QPointF(s.x + 104, rim) << QPointF(s.x + 72, rim + 26)
            << QPointF(s.x - 72, rim + 26);
        QLinearGradient g(0, rim, 0, rim + 26);
        g.setColorAt(0, kGold.lighter(115));
        g.setColorAt(1, kGold.darker(125));
        p.setPen(QPen(kGold.darker(170), 3));
        p.setBrush(g);
        p.drawPolygon(pan);
    }
    p.setPen(QPen(kInk, 4));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(273, 102), 20, 20);

    drawArrow(p, QRectF(40, 326, 50, 64), true, kGain);
    drawLabel(p, QRectF(100, 318, 160, 81), QStringLiteral("+16"), kGain.darker(120), 64,
              Qt::AlignLeft);
    drawArrow(p, QRectF(300, 326, 50, 64), false, kLoss);
    drawLabel(p, QRectF(360, 318, 170, 81), QStringLiteral("\u221216"), kLoss.darker(110), 64,
              Qt::AlignLeft);
    return img;
}

// The About window's picture: the two teams on blocks as tall as their ratings; a game moves
// them towards each other.
QImage aboutPicture() {
    QImage img(211, 133, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillBackground(p, img.rect(), kTileTop, kTileBottom);
    p.setPen(QPen(kTileEdge, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 209, 131));

    struct Block {
        QRectF rect;
        QColor light;
        QColor dark;
    };
    const std::array<Block, 2> blocks{{{QRectF(10, 78, 88, 46), kTeamLight, kTeamDark},
                                       {QRectF(113, 98, 88, 26), kRivalLight, kRivalDark}}};
    for (const Block &b : blocks) {
        QLinearGradient g(b.rect.topLeft(), b.rect.bottomLeft());
        g.setColorAt(0, b.light.lighter(110));
        g.setColorAt(1, b.dark);
        p.setPen(QPen(b.dark.darker(140), 1.5));
        p.setBrush(g);
        p.drawRoundedRect(b.rect, 3, 3);
        for (int i = -1; i <= 1; ++i) {
            drawFigure(p, QPointF(b.rect.center().x() + i * 26, b.rect.top()), 40, b.light, b.dark);
        }
    }
    drawArrow(p, QRectF(136, 16, 22, 32), true, kGain);
    drawLabel(p, QRectF(161, 14, 40, 36), QStringLiteral("+"), kGain.darker(120), 32,
              Qt::AlignLeft);
    drawArrow(p, QRectF(34, 4, 22, 32), false, kLoss);
    drawLabel(p, QRectF(59, 2, 40, 36), QStringLiteral("\u2212"), kLoss.darker(110), 32,
              Qt::AlignLeft);
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(4, 124.5), QPointF(207, 124.5));
    return img;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << ": " << f.errorString() << '\n';
        return false;
    }
    return true;
}

bool writeImage(const QString &path, const QImage &img, int jpegQuality = -1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path);
    if (jpegQuality > 0) {
        // Baseline, not progressive: every JPEG reader copes, and it decodes in one pass.
        writer.setQuality(jpegQuality);
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(false);
    }
    if (!writer.write(img)) {
        QTextStream(stderr) << "cannot write " << path << ": " << writer.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    const QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: vrc_draw_art <resources-dir>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;

    const QImage icon = vrc::art::toIconPalette(emblemImage(25, 28));
    ok = ok && !icon.isNull();
    ok = ok && writeImage(out.filePath(QStringLiteral("icons/vornratingcalc.png")), icon);
    ok = ok && writeFile(out.filePath(QStringLiteral("icons/vornratingcalc.ico")),
                         vrc::art::icoFromIndexed(icon));

    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/vornratingcalc.png").arg(size);
        ok = ok && writeImage(out.filePath(path), emblemImage(size, size));
    }
    vrc::art::SvgCanvas svg(64, 64);
    drawEmblem(svg, 64, 64);
    ok = ok && writeFile(out.filePath(QStringLiteral("icons/hicolor/scalable/vornratingcalc.svg")),
                         svg.document().toUtf8());

    constexpr int kJpegQuality = 85;
    ok = ok && writeImage(out.filePath(QStringLiteral("pictures/rating.jpg")), ratingPicture(),
                          kJpegQuality);
    ok = ok && writeImage(out.filePath(QStringLiteral("pictures/about.jpg")), aboutPicture(),
                          kJpegQuality);
    return ok ? 0 : 1;
}
