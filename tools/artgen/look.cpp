#include "look.h"
#include <algorithm>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

namespace artgen::look {

QFont Font(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage Paper(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xdc, 0xee, 0xff));
    sky.setColorAt(0.55, QColor(0xf1, 0xf7, 0xff));
    sky.setColorAt(1, QColor(0xff, 0xf6, 0xe2));
    p.fillRect(image.rect(), sky);
    for (int x = 0; x < size.width(); x += 16) {
        p.setPen(QPen(x % 80 == 0 ? kGridBold : kGridFine, 1));
        p.drawLine(x, 0, x, size.height());
    }
    for (int y = 0; y < size.height(); y += 16) {
        p.setPen(QPen(y % 80 == 0 ? kGridBold : kGridFine, 1));
        p.drawLine(0, y, size.width(), y);
    }
    return image;
}

void DrawMotifs(QPainter& painter, const QRect& area, int count, unsigned seed)
{
    static const QStringList formulas = {
        QStringLiteral("a² + b² = c²"), QStringLiteral("π ≈ 3,14"), QStringLiteral("√2"),
        QStringLiteral("sin²α + cos²α = 1"), QStringLiteral("∞"), QStringLiteral("Σ"),
        QStringLiteral("y = kx + b"), QStringLiteral("½ + ⅓ = ⅚"), QStringLiteral("x²"),
        QStringLiteral("∠A = 60°"), QStringLiteral("S = πr²"), QStringLiteral("7 · 8 = 56"),
        QStringLiteral("Δ"), QStringLiteral("≠"), QStringLiteral("(a + b)²"), QStringLiteral("log₂8 = 3")};
    // One motif per cell of a grid over the area, jittered inside its cell,
    // so that they never pile up.
    QRandomGenerator random(seed);
    const int columns = std::max(1, int(std::lround(std::sqrt(count * double(area.width()) / area.height()))));
    const int rows = std::max(1, (count + columns - 1) / columns);
    const double cellW = double(area.width()) / columns, cellH = double(area.height()) / rows;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + (i % columns + 0.15 + random.generateDouble() * 0.2) * cellW,
                         area.top() + (i / columns + 0.55 + random.generateDouble() * 0.3) * cellH);
        QColor colour = i % 3 == 0 ? kAccent : kBand;
        colour.setAlpha(45 + random.bounded(30));
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        const int kind = random.bounded(5);
        const int size = 18 + random.bounded(12);
        painter.save();
        painter.translate(at);
        painter.rotate(random.bounded(30) - 15);
        if (kind <= 2) {
            painter.setFont(Font(kSerif, size, false, true));
            const QString formula = formulas[random.bounded(formulas.size())];
            // Shrink a formula that would leave its cell.
            QFont font = painter.font();
            while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(formula) > cellW * 0.9)
                font.setPixelSize(font.pixelSize() - 1);
            painter.setFont(font);
            painter.drawText(QPointF(0, 0), formula);
        } else if (kind == 3) {
            painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(size * 1.4, 0), QPointF(size * 0.4, -size)}));
        } else {
            painter.drawEllipse(QPointF(size * 0.6, -size * 0.6), size * 0.6, size * 0.6);
            painter.drawLine(QPointF(size * 0.6, -size * 0.6), QPointF(size * 1.2, -size * 0.6));
        }
        painter.restore();
    }
    painter.restore();
}

void DrawCard(QPainter& painter, const QRect& card, int bandHeight, const QString& title)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 6; i >= 1; --i) { // soft shadow
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 50, 90, 10));
        painter.drawRoundedRect(card.adjusted(-i + 3, -i + 5, i + 3, i + 5), 14 + i, 14 + i);
    }
    QPainterPath shape;
    shape.addRoundedRect(card, 14, 14);
    painter.fillPath(shape, QColor(0xfd, 0xfd, 0xfa));
    painter.setClipPath(shape);
    QLinearGradient band(card.topLeft(), QPoint(card.left(), card.top() + bandHeight));
    band.setColorAt(0, kBandLight);
    band.setColorAt(1, kBand);
    painter.fillRect(QRect(card.left(), card.top(), card.width(), bandHeight), band);
    painter.setPen(QPen(kAccent, 3));
    painter.drawLine(card.left(), card.top() + bandHeight, card.right(), card.top() + bandHeight);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x7a, 0xa7, 0xd8), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.setPen(Qt::white);
    painter.setFont(Font(kSans, 19, true));
    painter.drawText(QRect(card.left(), card.top(), card.width(), bandHeight), Qt::AlignCenter, title);
    painter.restore();
}

namespace {

// The room a caption has on a button face: 2 pixels of border and 5 of
// margin on each side, 3 above and below.
QSize CaptionRoom(const QSize& button) { return button - QSize(14, 6); }

bool CaptionFits(const QString& caption, const QSize& button, int size)
{
    const QFontMetrics metrics(Font(kSans, size, true));
    const QStringList lines = caption.split(QLatin1Char('\n'));
    const QSize room = CaptionRoom(button);
    if (lines.size() * metrics.lineSpacing() > room.height()) return false;
    return std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return metrics.horizontalAdvance(line) <= room.width(); });
}

} // namespace

int CaptionSize(const QString& caption, const QSize& button, int largest)
{
    int size = largest;
    while (size > 9 && !CaptionFits(caption, button, size)) --size;
    return size;
}

QString WrapCaption(const QString& caption, const QSize& button, int size)
{
    if (CaptionFits(caption, button, size)) return caption;
    int best = -1;
    for (int i = 0; i < caption.size(); ++i)
        if (caption[i] == QLatin1Char(' ') && (best < 0 || std::abs(i - caption.size() / 2) < std::abs(best - caption.size() / 2)))
            best = i;
    if (best < 0) return caption;
    QString wrapped = caption;
    wrapped[best] = QLatin1Char('\n');
    return wrapped;
}

void DrawButton(QPainter& painter, const QRect& button, const QString& caption, const QColor& base, bool hover,
                int largest)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(button).adjusted(2, 2, -2, -2);
    if (hover) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 110));
        painter.drawRoundedRect(QRectF(button).adjusted(0, 0, 0, 0), 11, 11);
    }
    const QColor top = hover ? base.lighter(135) : base.lighter(112);
    const QColor bottom = hover ? base.lighter(108) : base.darker(112);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(base.darker(140), 1.2));
    painter.drawRoundedRect(r, 9, 9);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawLine(QPointF(r.left() + 8, r.top() + 2.5), QPointF(r.right() - 8, r.top() + 2.5));
    const QFont font = Font(kSans, CaptionSize(caption, button.size(), largest), true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawText(r.translated(0, 1), Qt::AlignCenter, caption);
    painter.setPen(Qt::white);
    painter.drawText(r, Qt::AlignCenter, caption);
    painter.restore();
}

void DrawCaption(QPainter& painter, QPoint baseline, const QString& text, int pixelSize)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(Font(kSans, pixelSize, true));
    painter.setPen(kInk);
    painter.drawText(baseline, text);
    painter.restore();
}

} // namespace artgen::look
