// The faces of the task window after a verdict, "GIF\Face0.GIF" (sent to the
// teacher: a thinking face with a small envelope), "Face1.GIF" (right: a
// face that breaks into a smile and winks) and "Face2.GIF" (wrong: a face
// that frowns and shakes its head). Nine frames each; the window stops the
// animation on the last one, so that frame is the one that stays.
#include "artgen.h"
#include "ui/gifwriter.h"
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
using namespace artgen;

constexpr int kSize = 36;
constexpr int kFrames = 9;
constexpr int kDelayMs = 90;
// The background of the button panel; it is the GIF's transparent colour.
const QColor kBackground(255, 255, 255);
const QColor kInk(0x3a, 0x2a, 0x1a);

struct FaceLook {
    QColor skin;
    QColor cheek;
};

// How far the face has gone from plain (0) to its full expression (1).
double Expression(int frame) { return std::min(1.0, frame / double(kFrames - 3)); }

void DrawHead(QPainter& p, const FaceLook& look, double shiftX)
{
    QRadialGradient shade(QPointF(13 + shiftX, 12), 22);
    shade.setColorAt(0, look.skin.lighter(125));
    shade.setColorAt(1, look.skin);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(shade);
    p.drawEllipse(QRectF(2 + shiftX, 2, kSize - 4, kSize - 4));
    p.setPen(Qt::NoPen);
    p.setBrush(look.cheek);
    p.drawEllipse(QRectF(7 + shiftX, 20, 5, 3));
    p.drawEllipse(QRectF(24 + shiftX, 20, 5, 3));
}

void DrawEye(QPainter& p, QPointF centre, bool shut)
{
    if (shut) {
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(-2.5, 0.5), centre + QPointF(2.5, 0.5));
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre, 2.0, 2.6);
}

// A mouth bent by curve: positive smiles, negative frowns.
void DrawMouth(QPainter& p, double shiftX, double curve, double width = 14)
{
    QPainterPath mouth;
    const double left = kSize / 2.0 - width / 2 + shiftX;
    mouth.moveTo(left, 25);
    mouth.quadTo(kSize / 2.0 + shiftX, 25 + curve, left + width, 25);
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

// One frame: the background, then what draw paints on it.
template <typename Draw>
QImage Frame(Draw draw)
{
    QImage image(kSize + 4, kSize, QImage::Format_RGB32);
    image.fill(kBackground);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    return image;
}

QImage RightFace(int frame)
{
    return Frame([frame](QPainter& p) {
        DrawHead(p, {QColor(0xff, 0xd6, 0x4a), QColor(0xf5, 0x9a, 0x7a)}, 0);
        const double e = Expression(frame);
        DrawEye(p, QPointF(12.5, 14), false);
        DrawEye(p, QPointF(23.5, 14), frame == kFrames - 2);   // a wink just before the end
        DrawMouth(p, 0, 2 + 8 * e, 12 + 4 * e);
    });
}

QImage WrongFace(int frame)
{
    return Frame([frame](QPainter& p) {
        // Shakes the head a little, then stays still and sad.
        const double shake = frame < kFrames - 2 ? 2.0 * std::sin(frame * 1.9) : 0;
        DrawHead(p, {QColor(0xa8, 0xd0, 0xf0), QColor(0x9a, 0xb4, 0xe0)}, shake);
        const double e = Expression(frame);
        DrawEye(p, QPointF(12.5 + shake, 14.5), false);
        DrawEye(p, QPointF(23.5 + shake, 14.5), false);
        p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
        // Brows raised in the middle: sorry, not cross.
        p.drawLine(QPointF(9.5 + shake, 10.5), QPointF(15 + shake, 10 - 2 * e));
        p.drawLine(QPointF(21 + shake, 10 - 2 * e), QPointF(26.5 + shake, 10.5));
        DrawMouth(p, shake, -1 - 6 * e);
    });
}

QImage WaitingFace(int frame)
{
    return Frame([frame](QPainter& p) {
        DrawHead(p, {QColor(0xff, 0xe8, 0x9a), QColor(0xf0, 0xb8, 0x90)}, 0);
        // The eyes look up to the envelope as it rises.
        const double e = Expression(frame);
        DrawEye(p, QPointF(12 + 1.5 * e, 13.5 - e), false);
        DrawEye(p, QPointF(23 + 1.5 * e, 13.5 - e), false);
        DrawMouth(p, 0, 0.5, 10);
        const QRectF letter(25, 22 - 16 * e, 13, 9);
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(0xfa, 0xfa, 0xf2));
        p.drawRect(letter);
        p.drawLine(letter.topLeft(), letter.center());
        p.drawLine(letter.topRight(), letter.center());
    });
}

bool DrawFaces(const QString& folder)
{
    ui::GifOptions options;
    options.transparent = true;
    options.transparentColor = kBackground.rgb();
    options.loop = false;
    bool ok = true;
    const QList<QImage (*)(int)> faces{WaitingFace, RightFace, WrongFace};
    for (int verdict = 0; verdict < faces.size(); ++verdict) {
        QList<ui::GifFrame> frames;
        for (int frame = 0; frame < kFrames; ++frame) frames.append({faces[verdict](frame), kDelayMs});
        ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Face%1.GIF").arg(verdict)), frames, options) && ok;
    }
    return ok;
}

} // namespace

ARTGEN_REGISTER("task faces", DrawFaces);
