#pragma once

// A handful of drawing primitives with two back ends, so one icon design yields both the
// raster sizes and the scalable SVG without the two drifting apart.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

namespace vrc::art {

// A solid colour, or a vertical gradient from top to bottom of the shape's bounds.
struct Fill {
    QColor top;
    QColor bottom;
    static Fill solid(const QColor &c) { return {c, c}; }
    bool isSolid() const { return top == bottom; }
};

struct Stroke {
    QColor colour;
    double width = 0.0; // 0: no outline
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void roundedRect(const QRectF &r, double radius, const Fill &fill,
                             const Stroke &stroke = {}) = 0;
    virtual void ellipse(const QRectF &r, const Fill &fill, const Stroke &stroke = {}) = 0;
    virtual void polygon(const QVector<QPointF> &points, const Fill &fill,
                         const Stroke &stroke = {}) = 0;
    // A line with round caps.
    virtual void line(QPointF from, QPointF to, const Stroke &stroke) = 0;
};

class PainterCanvas final : public Canvas {
public:
    explicit PainterCanvas(QPainter &painter)
        : p(painter) {}
    void roundedRect(const QRectF &r, double radius, const Fill &fill,
                     const Stroke &stroke) override;
    void ellipse(const QRectF &r, const Fill &fill, const Stroke &stroke) override;
    void polygon(const QVector<QPointF> &points, const Fill &fill, const Stroke &stroke) override;
    void line(QPointF from, QPointF to, const Stroke &stroke) override;

private:
    void prepare(const QRectF &bounds, const Fill &fill, const Stroke &stroke);
    QPainter &p;
};

class SvgCanvas final : public Canvas {
public:
    SvgCanvas(double width, double height)
        : w(width)
        , h(height) {}
    void roundedRect(const QRectF &r, double radius, const Fill &fill,
                     const Stroke &stroke) override;
    void ellipse(const QRectF &r, const Fill &fill, const Stroke &stroke) override;
    void polygon(const QVector<QPointF> &points, const Fill &fill, const Stroke &stroke) override;
    void line(QPointF from, QPointF to, const Stroke &stroke) override;
    QString document() const;

private:
    QString paint(const Fill &fill, const Stroke &stroke);
    double w;
    double h;
    QString defs;
    QString body;
    int gradients = 0;
};

} // namespace vrc::art
