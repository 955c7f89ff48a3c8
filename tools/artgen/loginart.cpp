// The login window: background "ZastFon.JPG", the login panel "Zast.JPG"
// with its hover picture "ZastOn.JPG", and the intro animations
// "Z3.GIF" (a compass draws a circle), "Z1.GIF" (the title writes itself)
// and "Z2.GIF" (a graph is plotted). Each animation is drawn over the part
// of the background it covers, so the pictures join without seams.
#include "artgen.h"
#include "look.h"
#include "shell/loginlayout.h"
#include "ui/gifwriter.h"
#include <QPainterPath>
#include <QtMath>

namespace {
using namespace artgen;
namespace L = shell::loginlayout;

QImage Background()
{
    QImage image = look::Paper(L::kClient);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::DrawMotifs(p, QRect(8, 10, 136, 130), 4, 11);
    look::DrawMotifs(p, QRect(656, 10, 136, 130), 4, 12);
    look::DrawMotifs(p, QRect(8, 462, 236, 110), 4, 13);
    look::DrawMotifs(p, QRect(556, 462, 236, 110), 4, 14);
    // A large faint figure behind the login panel: axes, a unit circle and
    // an inscribed triangle, seen while the intro plays.
    const QPointF centre = QRectF(L::kPanel).center();
    QColor faint = look::kBand;
    faint.setAlpha(40);
    p.setPen(QPen(faint, 2));
    p.drawLine(QPointF(centre.x() - 170, centre.y()), QPointF(centre.x() + 170, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - 190), QPointF(centre.x(), centre.y() + 190));
    p.drawEllipse(centre, 140, 140);
    QPolygonF triangle;
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(90.0 + 120.0 * i);
        triangle << QPointF(centre.x() + 140 * std::cos(a), centre.y() - 140 * std::sin(a));
    }
    QColor warm = look::kAccent;
    warm.setAlpha(55);
    p.setPen(QPen(warm, 2));
    p.drawPolygon(triangle);
    return image;
}

// A white sheet with a caption under the drawing of the side animations.
void DrawSheet(QPainter& p, QSize size, const QString& caption, double captionOpacity)
{
    const QRectF sheet(6, 6, size.width() - 12, size.height() - 12);
    p.setPen(QPen(QColor(0x7a, 0xa7, 0xd8, 160), 1.2));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(sheet, 12, 12);
    if (captionOpacity <= 0) return;
    p.save();
    p.setOpacity(captionOpacity);
    p.setFont(look::Font(look::kSerif, 22, true, true));
    p.setPen(look::kInk);
    p.drawText(QRectF(sheet.left(), sheet.bottom() - 50, sheet.width(), 40), Qt::AlignCenter, caption);
    p.restore();
}

// --- Z3: a compass draws a circle -------------------------------------------------------

QImage CompassFrame(const QImage& back, double turned, bool finished)
{
    QImage frame = back.copy();
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSheet(p, frame.size(), QStringLiteral("Геометрия"), finished ? 1.0 : 0.0);
    const QPointF centre(frame.width() / 2.0, 128);
    const double radius = 66;
    // The arc drawn so far.
    p.setPen(QPen(look::kBand, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    if (turned >= 360) p.drawEllipse(box);
    else if (turned > 0) p.drawArc(box, 0, int(turned * 16));
    const double a = qDegreesToRadians(turned);
    const QPointF pencil(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a));
    if (finished) {
        p.setPen(QPen(look::kAccent, 2, Qt::DashLine));
        p.drawLine(centre, QPointF(centre.x() + radius, centre.y()));
        p.setFont(look::Font(look::kSerif, 18, true, true));
        p.setPen(look::kInk);
        p.drawText(QPointF(centre.x() + radius / 2 - 6, centre.y() - 8), QStringLiteral("R"));
        p.setBrush(look::kInk);
        p.drawEllipse(centre, 3.5, 3.5);
        return frame;
    }
    // The compass: needle leg at the centre, pencil leg on the circle, the
    // hinge above the middle of the two.
    const QPointF middle = (centre + pencil) / 2;
    const QPointF along = pencil - centre;
    const QPointF across(along.y(), -along.x());
    const QPointF hinge = middle + across * (1.25);
    p.setPen(QPen(QColor(0x55, 0x5f, 0x6d), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hinge, centre);
    p.setPen(QPen(QColor(0x8a, 0x93, 0xa0), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hinge, pencil);
    // The handle, pointing away from the legs.
    const QPointF outward = (hinge - middle) / std::hypot(hinge.x() - middle.x(), hinge.y() - middle.y());
    p.setPen(QPen(QColor(0x33, 0x3a, 0x44), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hinge, hinge + outward * 18);
    p.setPen(Qt::NoPen);
    p.setBrush(look::kAccent);
    p.drawEllipse(pencil, 5, 5);
    p.setBrush(QColor(0x33, 0x3a, 0x44));
    p.drawEllipse(hinge, 7, 7);
    p.drawEllipse(centre, 3, 3);
    return frame;
}

QList<ui::GifFrame> CompassAnimation(const QImage& background)
{
    const QImage back = background.copy(L::kGif3);
    QList<ui::GifFrame> frames;
    for (int i = 0; i < L::kGif3LastFrame; ++i)
        frames.append({CompassFrame(back, 360.0 * i / L::kGif3LastFrame, false), 90});
    // The last frame (where the intro stops) and the one skipping shows.
    frames.append({CompassFrame(back, 360, true), 400});
    frames.append({CompassFrame(back, 360, true), 400});
    return frames;
}

// --- Z1: the title writes itself ------------------------------------------------------------

QImage TitleFrame(const QImage& back, int i)
{
    QImage frame = back.copy();
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    const QString title = QStringLiteral("Ориндо");
    const QFont font = look::Font(look::kSerif, 62, true, true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(title);
    const int left = (frame.width() - width) / 2;
    const int baseline = 66;
    constexpr int kWriting = 14; // frames 1..14 write the word
    const double written = std::clamp(i / double(kWriting), 0.0, 1.0);
    if (written > 0) {
        QPainterPath text;
        text.addText(left, baseline, font, title);
        p.save();
        p.setClipRect(QRectF(0, 0, left + width * written, frame.height()));
        p.fillPath(text.translated(2, 3), QColor(20, 40, 80, 50));
        QLinearGradient ink(0, baseline - 50, 0, baseline);
        ink.setColorAt(0, look::kBandLight);
        ink.setColorAt(1, look::kInk);
        p.fillPath(text, ink);
        p.restore();
        if (written < 1) { // the pen's nib at the writing edge
            p.setPen(Qt::NoPen);
            p.setBrush(look::kAccent);
            p.drawEllipse(QPointF(left + width * written, baseline - 20), 5, 5);
        }
    }
    // Frames 15..18: an underline sweeps under the word.
    const double swept = std::clamp((i - kWriting) / 4.0, 0.0, 1.0);
    if (swept > 0) {
        QPainterPath swoosh;
        swoosh.moveTo(left - 10, baseline + 14);
        swoosh.cubicTo(left + width * 0.3, baseline + 4, left + width * 0.7, baseline + 22, left + width + 14,
                       baseline + 8);
        p.save();
        p.setClipRect(QRectF(0, 0, left - 10 + (width + 24) * swept, frame.height()));
        p.setPen(QPen(look::kAccent, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(swoosh);
        p.restore();
    }
    // Frames 19..22: the subtitle appears.
    const double shown = std::clamp((i - 18) / 4.0, 0.0, 1.0);
    if (shown > 0) {
        p.setOpacity(shown);
        p.setFont(look::Font(look::kSans, 17, true));
        p.setPen(look::kInk);
        p.drawText(QRect(0, baseline + 20, frame.width(), 26), Qt::AlignCenter,
                   QStringLiteral("учебная среда по математике"));
    }
    return frame;
}

QList<ui::GifFrame> TitleAnimation(const QImage& background)
{
    const QImage back = background.copy(L::kGif1);
    QList<ui::GifFrame> frames;
    for (int i = 0; i <= L::kGif1LastFrame; ++i)
        frames.append({TitleFrame(back, i), i == L::kGif1LastFrame ? 400 : 80});
    return frames;
}

// --- Z2: a graph is plotted ---------------------------------------------------------------------

QImage GraphFrame(const QImage& back, int i)
{
    QImage frame = back.copy();
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int kPlotted = 27; // frames 1..27 draw the curve
    const double labelShown = std::clamp((i - kPlotted) / 3.0, 0.0, 1.0);
    DrawSheet(p, frame.size(), QStringLiteral("Функции"), labelShown);
    const QPointF origin(frame.width() / 2.0, 128);
    const double unitX = 28, unitY = 44;
    // Axes with arrows and ticks.
    p.setPen(QPen(look::kInk, 1.6));
    p.drawLine(QPointF(16, origin.y()), QPointF(frame.width() - 16, origin.y()));
    p.drawLine(QPointF(origin.x(), 230), QPointF(origin.x(), 28));
    p.setBrush(look::kInk);
    p.drawPolygon(QPolygonF({QPointF(frame.width() - 14, origin.y()), QPointF(frame.width() - 24, origin.y() - 4),
                             QPointF(frame.width() - 24, origin.y() + 4)}));
    p.drawPolygon(QPolygonF({QPointF(origin.x(), 26), QPointF(origin.x() - 4, 36), QPointF(origin.x() + 4, 36)}));
    for (int k = -3; k <= 3; ++k)
        if (k != 0) p.drawLine(QPointF(origin.x() + k * unitX, origin.y() - 3), QPointF(origin.x() + k * unitX, origin.y() + 3));
    p.drawLine(QPointF(origin.x() - 3, origin.y() - unitY), QPointF(origin.x() + 3, origin.y() - unitY));
    p.drawLine(QPointF(origin.x() - 3, origin.y() + unitY), QPointF(origin.x() + 3, origin.y() + unitY));
    p.setFont(look::Font(look::kSerif, 14, false, true));
    p.drawText(QPointF(frame.width() - 26, origin.y() + 18), QStringLiteral("x"));
    p.drawText(QPointF(origin.x() + 8, 38), QStringLiteral("y"));
    // The curve y = sin x over [-π, π], drawn up to the frame's share.
    const double share = std::clamp(i / double(kPlotted), 0.0, 1.0);
    if (share > 0) {
        QPainterPath curve;
        const int steps = 120;
        const int last = int(steps * share);
        QPointF tip;
        for (int s = 0; s <= last; ++s) {
            const double x = -M_PI + 2 * M_PI * s / steps;
            tip = QPointF(origin.x() + x * unitX, origin.y() - std::sin(x) * unitY);
            if (s == 0) curve.moveTo(tip);
            else curve.lineTo(tip);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look::kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(curve);
        if (share < 1) {
            p.setPen(Qt::NoPen);
            p.setBrush(look::kAccent);
            p.drawEllipse(tip, 5, 5);
        }
    }
    if (labelShown > 0) {
        p.setOpacity(labelShown);
        p.setFont(look::Font(look::kSerif, 17, true, true));
        p.setPen(look::kRed);
        p.drawText(QPointF(20, 58), QStringLiteral("y = sin x"));
    }
    return frame;
}

QList<ui::GifFrame> GraphAnimation(const QImage& background)
{
    const QImage back = background.copy(L::kGif2);
    QList<ui::GifFrame> frames;
    for (int i = 0; i <= L::kGif2LastFrame; ++i)
        frames.append({GraphFrame(back, i), i == L::kGif2LastFrame ? 400 : 70});
    return frames;
}

// --- the login panel ------------------------------------------------------------------------------

QImage LoginPanel(const QImage& background, bool hover)
{
    QImage panel = background.copy(L::kPanel);
    QPainter p(&panel);
    look::DrawCard(p, QRect(8, 4, L::kPanel.width() - 16, L::kPanel.height() - 14), 48,
                   QStringLiteral("Вход в программу"));
    look::DrawCaption(p, L::kClassCaption, QStringLiteral("Класс"));
    look::DrawCaption(p, L::kListCaption, QStringLiteral("Выберите себя в списке"));
    look::DrawCaption(p, L::kNameCaption, QStringLiteral("Имя"));
    look::DrawCaption(p, L::kPassCaption, QStringLiteral("Пароль"));
    look::DrawButton(p, L::kOk, QStringLiteral("Войти"), look::kGreen, hover);
    look::DrawButton(p, L::kEditRegister, QStringLiteral("Список"), look::kBand, hover);
    look::DrawButton(p, L::kCancel, QStringLiteral("Выход"), look::kRed, hover);
    return panel;
}

bool DrawLogin(const QString& folder)
{
    const QImage background = Background();
    bool ok = SaveJpg(background, folder, QStringLiteral("JPG/ZastFon.JPG"));
    ok = SaveJpg(LoginPanel(background, false), folder, QStringLiteral("JPG/Zast.JPG")) && ok;
    ok = SaveJpg(LoginPanel(background, true), folder, QStringLiteral("JPG/ZastOn.JPG")) && ok;
    ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Z3.GIF")), CompassAnimation(background)) && ok;
    ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Z1.GIF")), TitleAnimation(background)) && ok;
    ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Z2.GIF")), GraphAnimation(background)) && ok;
    return ok;
}
} // namespace

ARTGEN_REGISTER("login", DrawLogin);
