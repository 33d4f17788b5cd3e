#include "skin_icons.h"

#include "ui/kit/skin_look.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace velka::skin_art {
namespace {

// Draws in unit coordinates: (0, 0) is the box's top left corner, (1, 1) its bottom right.
class UnitCanvas {
public:
    UnitCanvas(QPainter& painter, const QRectF& box, const QColor& colour)
        : painter_(painter), box_(box), colour_(colour) {}

    QPointF At(double x, double y) const {
        return {box_.left() + x * box_.width(), box_.top() + y * box_.height()};
    }
    double Size(double unit) const { return unit * box_.width(); }

    void Stroke(double width = 0.075) {
        QPen pen(colour_, Size(width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    }
    void Fill() {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour_);
    }
    void Line(double x1, double y1, double x2, double y2) {
        painter_.drawLine(At(x1, y1), At(x2, y2));
    }
    void Polyline(std::initializer_list<QPointF> unitPoints) {
        QPolygonF polygon;
        for (const QPointF& point : unitPoints) {
            polygon << At(point.x(), point.y());
        }
        painter_.drawPolyline(polygon);
    }
    void RoundedRect(double x1, double y1, double x2, double y2, double radius) {
        painter_.drawRoundedRect(QRectF(At(x1, y1), At(x2, y2)), Size(radius), Size(radius));
    }
    void Circle(double cx, double cy, double radius) {
        painter_.drawEllipse(At(cx, cy), Size(radius), Size(radius));
    }
    // A filled arrow head with its tip at (x, y), pointing along (dx, dy).
    void ArrowHead(double x, double y, double dx, double dy, double length = 0.16,
                   double halfWidth = 0.12) {
        const double norm = std::hypot(dx, dy);
        dx /= norm;
        dy /= norm;
        QPolygonF head;
        head << At(x, y) << At(x - dx * length - dy * halfWidth, y - dy * length + dx * halfWidth)
             << At(x - dx * length + dy * halfWidth, y - dy * length - dx * halfWidth);
        painter_.save();
        painter_.setPen(QPen(colour_, Size(0.03), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.setBrush(colour_);
        painter_.drawPolygon(head);
        painter_.restore();
    }
    void Path(const QPainterPath& unitPath) {
        QTransform toBox;
        toBox.translate(box_.left(), box_.top());
        toBox.scale(box_.width(), box_.height());
        painter_.drawPath(toBox.map(unitPath));
    }
    QPainter& Painter() { return painter_; }
    const QRectF& Box() const { return box_; }

private:
    QPainter& painter_;
    QRectF box_;
    QColor colour_;
};

void DrawDocumentOutline(UnitCanvas& canvas) {
    canvas.Stroke();
    QPainterPath page;
    page.moveTo(0.22, 0.08);
    page.lineTo(0.60, 0.08);
    page.lineTo(0.80, 0.28);
    page.lineTo(0.80, 0.92);
    page.lineTo(0.22, 0.92);
    page.closeSubpath();
    canvas.Path(page);
    canvas.Polyline({{0.60, 0.08}, {0.60, 0.28}, {0.80, 0.28}});
}

void DrawMagnifier(UnitCanvas& canvas, bool plus) {
    canvas.Stroke(0.08);
    canvas.Circle(0.42, 0.42, 0.27);
    canvas.Stroke(0.13);
    canvas.Line(0.63, 0.63, 0.84, 0.84);
    canvas.Stroke(0.075);
    canvas.Line(0.30, 0.42, 0.54, 0.42);
    if (plus) {
        canvas.Line(0.42, 0.30, 0.42, 0.54);
    }
}

}  // namespace

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    UnitCanvas canvas(painter, box, colour);
    switch (icon) {
    case Icon::Monitor:
        canvas.Stroke();
        canvas.RoundedRect(0.08, 0.12, 0.92, 0.70, 0.07);
        canvas.Line(0.50, 0.70, 0.50, 0.86);
        canvas.Line(0.28, 0.88, 0.72, 0.88);
        canvas.Stroke(0.06);
        // A small temperature trace on the screen: this is a logger's companion.
        canvas.Polyline(
            {{0.22, 0.50}, {0.36, 0.50}, {0.44, 0.30}, {0.54, 0.58}, {0.62, 0.42}, {0.78, 0.42}});
        break;
    case Icon::Sliders: {
        canvas.Stroke();
        const double rows[] = {0.22, 0.50, 0.78};
        const double knobs[] = {0.34, 0.66, 0.46};
        for (int i = 0; i < 3; ++i) {
            canvas.Line(0.10, rows[i], 0.90, rows[i]);
        }
        canvas.Fill();
        for (int i = 0; i < 3; ++i) {
            canvas.Circle(knobs[i], rows[i], 0.10);
        }
        break;
    }
    case Icon::LineChart:
        canvas.Stroke();
        canvas.Polyline({{0.10, 0.08}, {0.10, 0.90}, {0.92, 0.90}});
        canvas.Polyline({{0.22, 0.68}, {0.38, 0.44}, {0.54, 0.58}, {0.70, 0.26}, {0.86, 0.38}});
        break;
    case Icon::Table:
        canvas.Stroke();
        canvas.RoundedRect(0.08, 0.14, 0.92, 0.86, 0.08);
        canvas.Line(0.08, 0.36, 0.92, 0.36);
        canvas.Line(0.08, 0.61, 0.92, 0.61);
        canvas.Line(0.40, 0.14, 0.40, 0.86);
        break;
    case Icon::History: {
        canvas.Stroke();
        QPainterPath arc;
        arc.arcMoveTo(QRectF(0.14, 0.14, 0.72, 0.72), 160);
        arc.arcTo(QRectF(0.14, 0.14, 0.72, 0.72), 160, -300);
        canvas.Path(arc);
        // The arrow runs against the clock at the arc's open end: back in time.
        const double angle = qDegreesToRadians(160.0);
        const double x = 0.50 + 0.36 * std::cos(angle);
        const double y = 0.50 - 0.36 * std::sin(angle);
        const double dx = -std::sin(angle);
        const double dy = -std::cos(angle);
        canvas.ArrowHead(x + dx * 0.12, y + dy * 0.12, dx, dy, 0.20, 0.14);
        canvas.Stroke(0.07);
        canvas.Polyline({{0.50, 0.30}, {0.50, 0.52}, {0.65, 0.62}});
        break;
    }
    case Icon::PdfDocument:
        DrawDocumentOutline(canvas);
        canvas.Stroke(0.06);
        canvas.Line(0.34, 0.46, 0.68, 0.46);
        canvas.Line(0.34, 0.61, 0.68, 0.61);
        canvas.Line(0.34, 0.76, 0.56, 0.76);
        break;
    case Icon::Spreadsheet:
        DrawDocumentOutline(canvas);
        canvas.Stroke(0.06);
        canvas.RoundedRect(0.32, 0.42, 0.70, 0.80, 0.02);
        canvas.Line(0.32, 0.55, 0.70, 0.55);
        canvas.Line(0.32, 0.68, 0.70, 0.68);
        canvas.Line(0.47, 0.42, 0.47, 0.80);
        break;
    case Icon::Close:
        canvas.Stroke(0.09);
        canvas.Line(0.30, 0.30, 0.70, 0.70);
        canvas.Line(0.70, 0.30, 0.30, 0.70);
        break;
    case Icon::Minimise:
        canvas.Stroke(0.09);
        canvas.Line(0.30, 0.62, 0.70, 0.62);
        break;
    case Icon::SqueezeTime:
        canvas.Stroke(0.08);
        canvas.Line(0.50, 0.18, 0.50, 0.82);
        canvas.Line(0.02, 0.50, 0.30, 0.50);
        canvas.Line(0.98, 0.50, 0.70, 0.50);
        canvas.ArrowHead(0.42, 0.50, 1.0, 0.0, 0.20, 0.16);
        canvas.ArrowHead(0.58, 0.50, -1.0, 0.0, 0.20, 0.16);
        break;
    case Icon::StretchTime:
        canvas.Stroke(0.08);
        canvas.Line(0.50, 0.18, 0.50, 0.82);
        canvas.Line(0.38, 0.50, 0.16, 0.50);
        canvas.Line(0.62, 0.50, 0.84, 0.50);
        canvas.ArrowHead(0.02, 0.50, -1.0, 0.0, 0.20, 0.16);
        canvas.ArrowHead(0.98, 0.50, 1.0, 0.0, 0.20, 0.16);
        break;
    case Icon::ZoomIn:
        DrawMagnifier(canvas, true);
        break;
    case Icon::ZoomOut:
        DrawMagnifier(canvas, false);
        break;
    case Icon::FullView:
        canvas.Stroke();
        canvas.Polyline({{0.12, 0.36}, {0.12, 0.12}, {0.36, 0.12}});
        canvas.Polyline({{0.64, 0.12}, {0.88, 0.12}, {0.88, 0.36}});
        canvas.Polyline({{0.88, 0.64}, {0.88, 0.88}, {0.64, 0.88}});
        canvas.Polyline({{0.36, 0.88}, {0.12, 0.88}, {0.12, 0.64}});
        canvas.Stroke(0.06);
        canvas.Polyline({{0.28, 0.62}, {0.42, 0.44}, {0.56, 0.54}, {0.72, 0.34}});
        break;
    case Icon::ChevronLeft:
        canvas.Stroke(0.11);
        canvas.Polyline({{0.62, 0.22}, {0.36, 0.50}, {0.62, 0.78}});
        break;
    case Icon::ChevronRight:
        canvas.Stroke(0.11);
        canvas.Polyline({{0.38, 0.22}, {0.64, 0.50}, {0.38, 0.78}});
        break;
    case Icon::Question: {
        canvas.Stroke(0.08);
        canvas.Circle(0.50, 0.50, 0.42);
        canvas.Stroke(0.09);
        QPainterPath hook;
        hook.moveTo(0.36, 0.38);
        hook.cubicTo(0.36, 0.22, 0.64, 0.22, 0.64, 0.38);
        hook.cubicTo(0.64, 0.50, 0.50, 0.50, 0.50, 0.62);
        canvas.Path(hook);
        canvas.Fill();
        canvas.Circle(0.50, 0.76, 0.055);
        break;
    }
    case Icon::Trash:
        canvas.Stroke();
        canvas.Line(0.14, 0.24, 0.86, 0.24);
        canvas.Polyline({{0.38, 0.24}, {0.40, 0.10}, {0.60, 0.10}, {0.62, 0.24}});
        canvas.Polyline({{0.24, 0.24}, {0.30, 0.90}, {0.70, 0.90}, {0.76, 0.24}});
        canvas.Stroke(0.06);
        canvas.Line(0.42, 0.40, 0.43, 0.74);
        canvas.Line(0.58, 0.40, 0.57, 0.74);
        break;
    case Icon::Thermometer:
        canvas.Stroke(0.08);
        canvas.RoundedRect(0.38, 0.06, 0.62, 0.66, 0.12);
        canvas.Fill();
        canvas.Circle(0.50, 0.76, 0.17);
        canvas.RoundedRect(0.46, 0.30, 0.54, 0.70, 0.04);
        canvas.Stroke(0.05);
        canvas.Line(0.70, 0.20, 0.80, 0.20);
        canvas.Line(0.70, 0.34, 0.80, 0.34);
        canvas.Line(0.70, 0.48, 0.80, 0.48);
        break;
    }
    painter.restore();
}

}  // namespace velka::skin_art
