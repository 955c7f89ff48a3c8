// The message popup's cloud "Message.JPG" and the verdict sounds of the
// tasks, "right.wav" (a bright rising arpeggio) and "error.wav" (a soft
// falling pair of notes, kind rather than harsh).
#include "artgen.h"
#include "shell/messagecloud.h"
#include "sound.h"
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <iterator>

namespace {
using namespace artgen;
namespace cloud = shell::messagecloud;

QPainterPath CloudPath()
{
    QPainterPath path;
    for (int i = 0; i < int(std::size(cloud::kEllipses)); ++i) {
        QPainterPath puff;
        puff.addEllipse(QRectF(cloud::EllipseRect(i)));
        path = path.united(puff);
    }
    return path;
}

QImage MessageCloud()
{
    const QSize size = cloud::kSize;
    QImage image(size, QImage::Format_RGB32);
    // Outside the cloud the window is cut away; the edge colour keeps the
    // JPEG from fringing dark where the outline meets it.
    image.fill(QColor(0xd5, 0xe6, 0xf7));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = CloudPath();

    QLinearGradient body(0, 8, 0, 97);
    body.setColorAt(0, QColor(0xff, 0xff, 0xff));
    body.setColorAt(0.6, QColor(0xf4, 0xf8, 0xff));
    body.setColorAt(1, QColor(0xdc, 0xe8, 0xf6));
    p.fillPath(path, body);

    // Each puff is a little rounder: a light top and a shaded lower rim.
    p.setClipPath(path);
    for (int i = 0; i < int(std::size(cloud::kEllipses)); ++i) {
        const QRectF puff(cloud::EllipseRect(i));
        QRadialGradient light(puff.center() - QPointF(0, puff.height() * 0.2), puff.width() * 0.55);
        light.setColorAt(0, QColor(255, 255, 255, 150));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(light);
        p.setPen(Qt::NoPen);
        p.drawEllipse(puff);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xb8, 0xcc, 0xe4, 55), 1.0));
        p.drawArc(puff.adjusted(1, 1, -1, -1), 200 * 16, 140 * 16);
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(0x7f, 0xa4, 0xd0), 2.5));
    p.drawPath(path);
    return image;
}

using namespace artgen::sound;

std::vector<float> Right()
{
    std::vector<float> out;
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) AddNote(out, 0.02 + i * 0.085, notes[i], 0.6, i == 3 ? 0.6f : 0.45f, i == 3 ? 0.5 : 0.25);
    AddNote(out, 0.02 + 3 * 0.085, 76, 0.6, 0.25f, 0.5);
    Normalise(out, 0.6f);
    return out;
}

std::vector<float> Error()
{
    std::vector<float> out;
    AddNote(out, 0.02, 64, 0.5, 0.5f, 0.25);
    AddNote(out, 0.22, 60, 0.7, 0.5f, 0.35);
    AddNote(out, 0.22, 48, 0.7, 0.25f, 0.4);
    Normalise(out, 0.45f);
    return out;
}

bool DrawHelpArt(const QString& folder)
{
    bool ok = SaveJpg(MessageCloud(), folder, QStringLiteral("JPG/Message.JPG"), 95);
    ok = SaveWav(Right(), folder, QStringLiteral("WAV/right.wav")) && ok;
    return SaveWav(Error(), folder, QStringLiteral("WAV/error.wav")) && ok;
}
} // namespace

ARTGEN_REGISTER("message cloud and verdict sounds", DrawHelpArt);
