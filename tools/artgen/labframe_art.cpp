// The pictures of the lab windows: the top strip "JPG\LabTop.JPG" and the
// glyphs of the four toolbar buttons.
#include "artgen.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kStripWidth = 1920;
constexpr int kStripHeight = 117;
constexpr int kGlyph = 24;

void DrawStripGrid(QPainter& p)
{
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (int x = 0; x < kStripWidth; x += 20) p.drawLine(x, 0, x, kStripHeight);
    for (int y = 7; y < kStripHeight; y += 20) p.drawLine(0, y, kStripWidth, y);
}

void DrawStripCurves(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sine;
    for (int x = 700; x <= kStripWidth; x += 4) {
        const double y = 62 - 30 * std::sin((x - 700) / 70.0);
        if (x == 700) sine.moveTo(x, y);
        else sine.lineTo(x, y);
    }
    p.setPen(QPen(QColor(255, 214, 120, 90), 2.5));
    p.drawPath(sine);

    QPainterPath parabola;
    for (int x = -60; x <= 60; x += 2) {
        const QPointF point(1180 + x, 104 - (x * x) / 40.0);
        if (x == -60) parabola.moveTo(point);
        else parabola.lineTo(point);
    }
    p.setPen(QPen(QColor(140, 220, 255, 100), 2.5));
    p.drawPath(parabola);

    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(1480, 58), 38, 38);
    p.drawPolygon(QPolygonF{QPointF(1600, 100), QPointF(1700, 100), QPointF(1640, 22)});
    p.drawLine(1480, 58, 1507, 31);
}

bool DrawLabTop(const QString& programFolder)
{
    QImage image(kStripWidth, kStripHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, kStripHeight);
    sky.setColorAt(0, QColor(18, 40, 84));
    sky.setColorAt(1, QColor(40, 92, 158));
    p.fillRect(image.rect(), sky);
    DrawStripGrid(p);
    DrawStripCurves(p);
    p.fillRect(0, kStripHeight - 3, kStripWidth, 3, QColor(255, 196, 64));
    p.end();
    return artgen::SaveJpg(image, programFolder, QStringLiteral("JPG/LabTop.JPG"));
}

// A transparent glyph drawn by draw(painter), antialiased.
template <class Draw>
QImage Glyph(Draw draw)
{
    QImage image(kGlyph, kGlyph, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// A sheet with a red eraser across it.
QImage ClearGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 2.5, 14, 19));
        p.translate(13, 13);
        p.rotate(-40);
        p.setBrush(QColor(220, 60, 60));
        p.drawRoundedRect(QRectF(-9, -4, 18, 8), 2, 2);
        p.setBrush(QColor(240, 240, 250));
        p.drawRoundedRect(QRectF(3, -4, 6, 8), 1.5, 1.5);
    });
}

// An open yellow folder.
QImage OpenGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(130, 90, 10), 1));
        p.setBrush(QColor(230, 180, 60));
        p.drawPolygon(QPolygonF{QPointF(2, 5), QPointF(9, 5), QPointF(11, 7), QPointF(19, 7), QPointF(19, 20), QPointF(2, 20)});
        p.setBrush(QColor(255, 214, 100));
        p.drawPolygon(QPolygonF{QPointF(5, 11), QPointF(23, 11), QPointF(19, 20), QPointF(2, 20)});
    });
}

// A blue floppy disk.
QImage SaveGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(50, 100, 190));
        p.drawPolygon(QPolygonF{QPointF(3, 3), QPointF(18, 3), QPointF(21, 6), QPointF(21, 21), QPointF(3, 21)});
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 12.5, 11, 8));
        p.setBrush(QColor(200, 210, 225));
        p.drawRect(QRectF(7.5, 3.5, 9, 5));
        p.setPen(QPen(QColor(150, 160, 180), 1));
        p.drawLine(8, 15, 16, 15);
        p.drawLine(8, 18, 16, 18);
    });
}

// A green book with a star: the examples.
QImage ExamplesGlyph()
{
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(20, 80, 30), 1));
        p.setBrush(QColor(60, 160, 80));
        p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
        p.setBrush(QColor(245, 245, 230));
        p.drawRect(QRectF(6.5, 18.5, 13, 3));
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 == 0 ? 5.5 : 2.3;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(12 + radius * std::cos(angle), 10 + radius * std::sin(angle));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 60));
        p.drawPolygon(star);
    });
}

bool DrawLabPictures(const QString& programFolder)
{
    return DrawLabTop(programFolder)
           && artgen::SavePng(ClearGlyph(), programFolder, QStringLiteral("JPG/LabClear.png"))
           && artgen::SavePng(OpenGlyph(), programFolder, QStringLiteral("JPG/LabOpen.png"))
           && artgen::SavePng(SaveGlyph(), programFolder, QStringLiteral("JPG/LabSave.png"))
           && artgen::SavePng(ExamplesGlyph(), programFolder, QStringLiteral("JPG/LabExam.png"));
}

} // namespace

ARTGEN_REGISTER("lab window pictures", DrawLabPictures);
