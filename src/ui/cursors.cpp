#include "ui/cursors.h"
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace ui {
namespace {

constexpr int kSize = 32;

struct CursorPicture {
    QPoint hotSpot;
    std::function<void(QPainter&)> draw;
};

QPen Outline(qreal width = 1.5) { return QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A closed outline through the points, in order.
QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// Draws a shape filled white with a black outline.
void Shape(QPainter& p, const QPainterPath& path, const QColor& fill = Qt::white)
{
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawPath(path);
}

// A line drawn white with a black edge, readable on any background.
void HaloLine(QPainter& p, QPointF a, QPointF b, qreal width = 1.5)
{
    p.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

// --- hands ---

QPainterPath Finger(qreal x, qreal top, qreal bottom, qreal width = 4)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, top, width, bottom - top), width / 2, width / 2);
    return path;
}

QPainterPath Palm() 
{
    QPainterPath palm;
    palm.addRoundedRect(QRectF(8, 13, 17, 15), 5, 5);
    return palm;
}

void OpenHand(QPainter& p)
{
    QPainterPath hand = Palm();
    hand = hand.united(Finger(8, 5, 18));
    hand = hand.united(Finger(12.5, 2, 18));
    hand = hand.united(Finger(17, 3, 18));
    hand = hand.united(Finger(21.5, 6, 18));
    const QPainterPath thumb = Polygon({{9, 24}, {3, 16}, {6, 14}, {11, 19}});
    Shape(p, hand.united(thumb));
}

void ClosedHand(QPainter& p)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 11, 17, 16), 5, 5);
    for (qreal x : {8.0, 12.5, 17.0, 21.0}) hand = hand.united(Finger(x, 8, 14));
    Shape(p, hand);
    p.setPen(Outline(1));
    for (qreal x : {12.5, 17.0, 21.0}) p.drawLine(QPointF(x, 9), QPointF(x, 13));
}

void TakingHand(QPainter& p)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 14, 16, 14), 5, 5);
    hand = hand.united(Finger(10, 1, 17));        // the pointing finger
    hand = hand.united(Finger(14.5, 10, 18));
    hand = hand.united(Finger(19, 11, 18));
    const QPainterPath thumb = Polygon({{10, 24}, {5, 18}, {8, 16}, {12, 20}});
    Shape(p, hand.united(thumb));
}

// --- drawing tools (tip at the lower left) ---

// A pencil lying from its tip at (1, 30) towards the upper right.
void Pencil(QPainter& p, qreal length)
{
    p.save();
    p.translate(1, 30);
    p.rotate(-45);
    const QPainterPath body = Polygon({{0, 0}, {7, -3.5}, {length, -3.5}, {length, 3.5}, {7, 3.5}});
    Shape(p, body);
    p.setPen(Outline(1));
    p.drawLine(QPointF(7, -3.5), QPointF(7, 3.5));
    p.drawLine(QPointF(length - 4, -3.5), QPointF(length - 4, 3.5));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3, -1.5), QPointF(3, 1.5)}));
    p.restore();
}

void Pen(QPainter& p) { Pencil(p, 38); }

void PointPen(QPainter& p)
{
    Pencil(p, 28);
    p.setPen(Outline(1));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(26, 26), 3, 3);
}

void Compass(QPainter& p)
{
    HaloLine(p, QPointF(16, 6), QPointF(4, 30), 2);   // the needle leg
    HaloLine(p, QPointF(16, 6), QPointF(27, 27), 3);  // the pencil leg
    p.setPen(Outline(1));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(26, 25), QPointF(29, 25), QPointF(28, 30)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 6), 3, 3);
    p.drawLine(QPointF(16, 3), QPointF(16, 0));
}

void Scissors(QPainter& p)
{
    HaloLine(p, QPointF(2, 2), QPointF(20, 22), 2);
    HaloLine(p, QPointF(8, 2), QPointF(12, 22), 2);
    p.setPen(Outline(2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(23, 25), 5, 4);
    p.drawEllipse(QPointF(12, 27), 4, 4);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(11.5, 14), 1.5, 1.5);
}

void Eraser(QPainter& p)
{
    const QPainterPath block = Polygon({{2, 24}, {16, 10}, {28, 10}, {14, 24}});
    const QPainterPath side = Polygon({{2, 24}, {14, 24}, {14, 30}, {2, 30}});
    const QPainterPath end = Polygon({{14, 24}, {28, 10}, {28, 16}, {14, 30}});
    Shape(p, block);
    Shape(p, side, QColor(230, 120, 120));
    Shape(p, end, QColor(200, 90, 90));
}

void Stack(QPainter& p)
{
    for (int i = 2; i >= 0; --i) {
        QPainterPath sheet;
        sheet.addRect(QRectF(3 + 4 * i, 3 + 4 * i, 16, 20));
        Shape(p, sheet);
    }
    p.setPen(Outline(1));
    for (int y = 8; y <= 18; y += 4) p.drawLine(QPointF(6, y), QPointF(16, y));
}

void PaintBucket(QPainter& p)
{
    p.save();
    p.translate(18, 14);
    p.rotate(-35);
    const QPainterPath bucket = Polygon({{-8, -6}, {8, -6}, {6, 10}, {-6, 10}});
    Shape(p, bucket);
    p.setPen(Outline(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-7, -13, 14, 14), 0, 180 * 16);
    p.restore();
    QPainterPath paint;
    paint.moveTo(9, 12);
    paint.cubicTo(4, 16, 2, 22, 3, 30);
    paint.cubicTo(5, 26, 8, 20, 12, 17);
    paint.closeSubpath();
    Shape(p, paint, QColor(40, 90, 220));
}

void Brush(QPainter& p)
{
    p.save();
    p.translate(1, 31);
    p.rotate(-45);
    QPainterPath bristles;
    bristles.moveTo(0, 0);
    bristles.cubicTo(3, -4, 7, -4, 10, -3.5);
    bristles.lineTo(10, 3.5);
    bristles.cubicTo(7, 4, 3, 4, 0, 0);
    Shape(p, bristles, QColor(40, 90, 220));
    QPainterPath ferrule;
    ferrule.addRect(QRectF(10, -3, 6, 6));
    Shape(p, ferrule, QColor(190, 190, 190));
    QPainterPath handle;
    handle.addRoundedRect(QRectF(16, -2.5, 24, 5), 2.5, 2.5);
    Shape(p, handle);
    p.restore();
}

// --- geometry tools: a cross at the upper left marks the point, the sign of
// the tool stands beside it ---

void Cross(QPainter& p)
{
    HaloLine(p, QPointF(7, 1), QPointF(7, 13), 1);
    HaloLine(p, QPointF(1, 7), QPointF(13, 7), 1);
}

void Angle(QPainter& p)
{
    Cross(p);
    HaloLine(p, QPointF(13, 29), QPointF(30, 29));
    HaloLine(p, QPointF(13, 29), QPointF(27, 15));
    p.setPen(Outline(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 21, 16, 16), 0, 45 * 16);
}

void Distance(QPainter& p)
{
    Cross(p);
    HaloLine(p, QPointF(12, 24), QPointF(30, 24));
    HaloLine(p, QPointF(12, 19), QPointF(12, 29));
    HaloLine(p, QPointF(30, 19), QPointF(30, 29));
    p.setPen(Outline(1.2));
    p.drawLine(QPointF(12, 24), QPointF(16, 21));
    p.drawLine(QPointF(12, 24), QPointF(16, 27));
    p.drawLine(QPointF(30, 24), QPointF(26, 21));
    p.drawLine(QPointF(30, 24), QPointF(26, 27));
}

void Parallel(QPainter& p)
{
    Cross(p);
    HaloLine(p, QPointF(12, 30), QPointF(24, 14), 2);
    HaloLine(p, QPointF(19, 30), QPointF(31, 14), 2);
}

void Rotation(QPainter& p)
{
    Cross(p);
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(13, 13, 16, 16);
    p.drawArc(circle, 90 * 16, 270 * 16);
    p.setPen(Outline(2));
    p.drawArc(circle, 90 * 16, 270 * 16);
    p.setBrush(Qt::black);
    p.setPen(Outline(1));
    p.drawPolygon(QPolygonF({QPointF(29, 17), QPointF(25, 22), QPointF(31, 23)}));
    p.drawEllipse(QPointF(21, 21), 1.5, 1.5);
}

void Symmetry(QPainter& p)
{
    Cross(p);
    p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    p.drawLine(QPointF(21, 12), QPointF(21, 31));
    const QPainterPath left = Polygon({{19, 16}, {19, 29}, {11, 29}});
    const QPainterPath right = Polygon({{23, 16}, {23, 29}, {31, 29}});
    Shape(p, left);
    Shape(p, right, QColor(190, 190, 190));
}

void Homothety(QPainter& p)
{
    Cross(p);
    const QPointF centre(12, 30);
    HaloLine(p, centre, QPointF(31, 30), 1);
    HaloLine(p, centre, QPointF(24, 12), 1);
    const QPainterPath small = Polygon({{18, 30}, {16, 24}, {20, 24}});
    const QPainterPath large = Polygon({{30, 30}, {24, 16}, {30, 18}});
    Shape(p, large, QColor(190, 190, 190));
    Shape(p, small);
    p.setBrush(Qt::black);
    p.setPen(Outline(1));
    p.drawEllipse(centre, 2, 2);
}

const QHash<int, CursorPicture>& Pictures()
{
    static const QHash<int, CursorPicture> pictures = {
        {11, {{16, 16}, OpenHand}},    {12, {{16, 16}, ClosedHand}}, {13, {{12, 1}, TakingHand}},
        {14, {{1, 30}, Pen}},          {15, {{4, 30}, Compass}},     {16, {{2, 2}, Scissors}},
        {17, {{2, 27}, Eraser}},       {19, {{3, 3}, Stack}},        {20, {{3, 30}, PaintBucket}},
        {21, {{1, 31}, Brush}},        {22, {{7, 7}, Angle}},        {23, {{7, 7}, Distance}},
        {24, {{7, 7}, Parallel}},      {25, {{7, 7}, Rotation}},     {26, {{7, 7}, Symmetry}},
        {27, {{7, 7}, Homothety}},     {28, {{1, 30}, PointPen}},
    };
    return pictures;
}

QCursor MakeCursor(const CursorPicture& picture)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.draw(painter);
    painter.end();
    return QCursor(pixmap, picture.hotSpot.x(), picture.hotSpot.y());
}

} // namespace

std::optional<QCursor> NumberedCursor(int number)
{
    static QHash<int, QCursor> made;
    if (const auto it = made.constFind(number); it != made.constEnd()) return *it;
    const auto picture = Pictures().constFind(number);
    if (picture == Pictures().constEnd()) return std::nullopt;
    return *made.insert(number, MakeCursor(*picture));
}

} // namespace ui
