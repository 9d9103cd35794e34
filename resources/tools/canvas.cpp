#include "canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vrc::art {

namespace {

QString num(double v) {
    return QString::number(v, 'g', 6);
}

QString svgColour(const QColor &c) {
    return c.name(QColor::HexRgb);
}

QString svgOpacity(const char *attr, const QColor &c) {
    if (c.alpha() == 255) {
        return {};
    }
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(attr), num(c.alphaF()));
}

} // namespace

void PainterCanvas::prepare(const QRectF &bounds, const Fill &fill, const Stroke &stroke) {
    if (fill.isSolid()) {
        p.setBrush(fill.top);
    } else {
        QLinearGradient g(bounds.topLeft(), bounds.bottomLeft());
        g.setColorAt(0.0, fill.top);
        g.setColorAt(1.0, fill.bottom);
        p.setBrush(g);
    }
    if (stroke.width > 0.0) {
        p.setPen(QPen(stroke.colour, stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        p.setPen(Qt::NoPen);
    }
}

void PainterCanvas::roundedRect(const QRectF &r, double radius, const Fill &fill,
                                const Stroke &stroke) {
    prepare(r, fill, stroke);
    p.drawRoundedRect(r, radius, radius);
}

void PainterCanvas::ellipse(const QRectF &r, const Fill &fill, const Stroke &stroke) {
    prepare(r, fill, stroke);
    p.drawEllipse(r);
}

void PainterCanvas::polygon(const QVector<QPointF> &points, const Fill &fill,
                            const Stroke &stroke) {
    prepare(QPolygonF(points).boundingRect(), fill, stroke);
    p.drawPolygon(QPolygonF(points));
}

void PainterCanvas::line(QPointF from, QPointF to, const Stroke &stroke) {
    p.setPen(QPen(stroke.colour, stroke.width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

QString SvgCanvas::paint(const Fill &fill, const Stroke &stroke) {
    QString out;
    if (fill.isSolid()) {
        out = QStringLiteral(" fill=\"%1\"").arg(svgColour(fill.top)) +
              svgOpacity("fill-opacity", fill.top);
    } else {
        // Gradients span the shape's own bounds, as on the painter side.
        const QString id = QStringLiteral("g%1").arg(++gradients);
        defs += QStringLiteral("<linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                               "<stop offset=\"0\" stop-color=\"%2\"%3/>"
                               "<stop offset=\"1\" stop-color=\"%4\"%5/></linearGradient>\n")
                    .arg(id, svgColour(fill.top), svgOpacity("stop-opacity", fill.top),
                         svgColour(fill.bottom), svgOpacity("stop-opacity", fill.bottom));
        out = QStringLiteral(" fill=\"url(#%1)\"").arg(id);
    }
    if (stroke.width > 0.0) {
        out += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                   .arg(svgColour(stroke.colour), num(stroke.width)) +
               svgOpacity("stroke-opacity", stroke.colour);
    }
    return out;
}

void SvgCanvas::roundedRect(const QRectF &r, double radius, const Fill &fill,
                            const Stroke &stroke) {
    body += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()), num(radius),
                     paint(fill, stroke));
}

void SvgCanvas::ellipse(const QRectF &r, const Fill &fill, const Stroke &stroke) {
    body += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"%5/>\n")
                .arg(num(r.center().x()), num(r.center().y()), num(r.width() / 2),
                     num(r.height() / 2), paint(fill, stroke));
}

void SvgCanvas::polygon(const QVector<QPointF> &points, const Fill &fill, const Stroke &stroke) {
    QStringList coords;
    for (const QPointF &pt : points) {
        coords << num(pt.x()) + QLatin1Char(',') + num(pt.y());
    }
    body += QStringLiteral("<polygon points=\"%1\"%2/>\n")
                .arg(coords.join(QLatin1Char(' ')), paint(fill, stroke));
}

void SvgCanvas::line(QPointF from, QPointF to, const Stroke &stroke) {
    body +=
        QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                       "stroke-width=\"%6\" stroke-linecap=\"round\"%7/>\n")
            .arg(num(from.x()), num(from.y()), num(to.x()), num(to.y()), svgColour(stroke.colour),
                 num(stroke.width), svgOpacity("stroke-opacity", stroke.colour));
}

QString SvgCanvas::document() const {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\">\n<defs>\n%3</defs>\n%4</svg>\n")
        .arg(num(w), num(h), defs, body);
}

} // namespace vrc::art
