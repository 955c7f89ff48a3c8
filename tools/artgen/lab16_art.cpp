// The pictures of the probability lab: the picture strips of coins and dice
// (30 x 30 tiles side by side, tile v - 1 for value v, white around them, which
// the lab paints transparent), the model buttons' pictures and the header strip.
#include "artgen.h"
#include "look.h"
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kTile = 30;
constexpr int kIcon = 56;
const QColor kDieFace(250, 248, 236);     // never pure white: white is transparent
const QColor kGold(226, 178, 58);
const QColor kGoldDark(150, 108, 20);
const QColor kSilverCoin(196, 200, 208);
const QColor kSilverDark(110, 116, 128);

QImage WhiteStrip(int tiles)
{
    QImage strip(kTile * tiles, kTile, QImage::Format_RGB32);
    strip.fill(Qt::white);
    return strip;
}

// Side 1 (орёл): a gold coin with a star; side 2 (решка): a silver coin with "1".
void DrawCoin(QPainter& p, QPointF centre, double radius, int side)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(side == 1 ? kGoldDark : kSilverDark, 1.2));
    p.setBrush(side == 1 ? kGold : kSilverCoin);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 3, radius - 3);
    if (side == 1) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = (i % 2 == 0 ? 0.55 : 0.23) * radius;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldDark);
        p.drawPolygon(star);
        return;
    }
    p.setPen(kSilverDark.darker(130));
    p.setFont(artgen::look::Font(artgen::look::kSerif, int(radius * 1.1), true));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
               QStringLiteral("1"));
}

void DrawDie(QPainter& p, const QRectF& face, int value)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 80), 1.2));
    p.setBrush(kDieFace);
    p.drawRoundedRect(face, face.width() * 0.18, face.width() * 0.18);
    // Pip places on a 3 x 3 lattice, row by row.
    static const std::array<std::vector<int>, 6> pips = {{
        {4}, {2, 6}, {2, 4, 6}, {0, 2, 6, 8}, {0, 2, 4, 6, 8}, {0, 2, 3, 5, 6, 8}}};
    const double step = face.width() / 4;
    const double radius = face.width() * 0.09;
    p.setPen(Qt::NoPen);
    p.setBrush(value == 1 ? QColor(200, 40, 40) : QColor(30, 30, 40));
    for (int place : pips[size_t(value - 1)])
        p.drawEllipse(QPointF(face.left() + step * (1 + place % 3), face.top() + step * (1 + place / 3)), radius,
                      radius);
}

QImage CoinStrip()
{
    QImage strip = WhiteStrip(2);
    QPainter p(&strip);
    for (int side = 1; side <= 2; ++side) DrawCoin(p, QPointF(kTile * (side - 1) + 15, 15), 13, side);
    return strip;
}

QImage DiceStrip()
{
    QImage strip = WhiteStrip(6);
    QPainter p(&strip);
    for (int value = 1; value <= 6; ++value) DrawDie(p, QRectF(kTile * (value - 1) + 2.5, 2.5, 25, 25), value);
    return strip;
}

QImage Icon()
{
    QImage icon(kIcon, kIcon, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    return icon;
}

QImage CoinsIcon()
{
    QImage icon = Icon();
    QPainter p(&icon);
    DrawCoin(p, QPointF(20, 22), 16, 1);
    DrawCoin(p, QPointF(36, 36), 16, 2);
    return icon;
}

QImage DiceIcon()
{
    QImage icon = Icon();
    QPainter p(&icon);
    DrawDie(p, QRectF(4.5, 6.5, 28, 28), 5);
    DrawDie(p, QRectF(23.5, 23.5, 28, 28), 3);
    return icon;
}

// An urn with three balls; a curved arrow back into it when balls are returned.
QImage UrnIcon(bool returned)
{
    QImage icon = Icon();
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath urn;
    urn.moveTo(10, 18);
    urn.cubicTo(4, 40, 12, 52, 28, 52);
    urn.cubicTo(44, 52, 52, 40, 46, 18);
    urn.closeSubpath();
    p.setPen(QPen(QColor(90, 70, 40), 1.5));
    p.setBrush(QColor(214, 186, 140));
    p.drawPath(urn);
    const std::array<QColor, 3> balls = {QColor(255, 79, 79), QColor(53, 181, 255), QColor(151, 255, 95)};
    const std::array<QPointF, 3> places = {QPointF(20, 38), QPointF(34, 40), QPointF(27, 28)};
    for (size_t i = 0; i < balls.size(); ++i) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(balls[i]);
        p.drawEllipse(places[i], 7, 7);
    }
    p.setPen(QPen(artgen::look::kInk, 2.5));
    p.setBrush(Qt::NoBrush);
    if (returned) {
        QPainterPath arrow;
        arrow.moveTo(40, 10);
        arrow.cubicTo(48, 2, 56, 8, 50, 16);
        p.drawPath(arrow);
        p.drawLine(QPointF(50, 16), QPointF(44, 15));
        p.drawLine(QPointF(50, 16), QPointF(51, 10));
    } else {
        p.drawLine(QPointF(28, 16), QPointF(28, 2));
        p.drawLine(QPointF(28, 2), QPointF(23, 7));
        p.drawLine(QPointF(28, 2), QPointF(33, 7));
    }
    return icon;
}

QImage Header()
{
    QImage image = artgen::look::Paper(QSize(1920, 104));
    QPainter p(&image);
    artgen::look::DrawMotifs(p, QRect(760, 6, 1100, 92), 7, 16);
    p.fillRect(0, 101, 1920, 3, artgen::look::kAccent);
    return image;
}

bool DrawLab16Pictures(const QString& programFolder)
{
    using artgen::SavePng;
    return SavePng(CoinStrip(), programFolder, QStringLiteral("JPG/Lab16Coins.png"))
           && SavePng(DiceStrip(), programFolder, QStringLiteral("JPG/Lab16Dice.png"))
           && SavePng(CoinsIcon(), programFolder, QStringLiteral("JPG/Lab16bt1.png"))
           && SavePng(DiceIcon(), programFolder, QStringLiteral("JPG/Lab16bt2.png"))
           && SavePng(UrnIcon(true), programFolder, QStringLiteral("JPG/Lab16bt3.png"))
           && SavePng(UrnIcon(false), programFolder, QStringLiteral("JPG/Lab16bt4.png"))
           && artgen::SaveJpg(Header(), programFolder, QStringLiteral("JPG/Lab16Head.JPG"));
}

} // namespace

ARTGEN_REGISTER("probability lab pictures", DrawLab16Pictures);
