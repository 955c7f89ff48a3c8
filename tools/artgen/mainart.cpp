// The main window: the section strips ("MainTop.JPG", "LabsTop.JPG", ...),
// the left panel with its hover and current-section pictures, the bottom
// button strip with its hover and disabled pictures, the status bar, the
// guide figure "Fig.GIF" (an owl: resting, looking up, speaking) and the
// navigation buttons "Back.GIF" and "Home.GIF".
#include "artgen.h"
#include "look.h"
#include "shell/mainlayout.h"
#include "ui/gifwriter.h"
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace {
using namespace artgen;
namespace L = shell::mainlayout;

const QColor kSkyTop(18, 40, 84);
const QColor kSkyBottom(40, 92, 158);
const QColor kGold(255, 196, 64);

// The vertical gradient of every top strip; the figure and the navigation
// buttons are drawn over the same gradient so they sit on any strip.
void FillSky(QPainter& p, const QRect& rect, int stripTop)
{
    QLinearGradient sky(0, stripTop, 0, stripTop + L::kTopHeight);
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(1, kSkyBottom);
    p.fillRect(rect, sky);
}

// --- top strips ------------------------------------------------------------------------

using Motif = void (*)(QPainter&);

QPainterPath Curve(double x0, double x1, const std::function<double(double)>& y)
{
    QPainterPath path;
    for (double x = x0; x <= x1; x += 3) {
        if (x == x0) path.moveTo(x, y(x));
        else path.lineTo(x, y(x));
    }
    return path;
}

void StartMotif(QPainter& p)
{
    p.setPen(QPen(QColor(255, 214, 120, 110), 2.5));
    p.drawPath(Curve(470, 700, [](double x) { return 60 - 28 * std::sin((x - 470) / 38.0); }));
    p.setPen(QPen(QColor(140, 220, 255, 110), 2));
    p.drawEllipse(QPointF(980, 58), 36, 36);
    p.drawLine(QPointF(944, 58), QPointF(1016, 58));
}

void LabsMotif(QPainter& p)
{
    p.setPen(QPen(QColor(140, 220, 255, 120), 2));
    p.drawPolygon(QPolygonF{QPointF(480, 96), QPointF(600, 96), QPointF(520, 24)});
    p.drawEllipse(QPointF(520, 70), 26, 26);
    p.setPen(QPen(QColor(255, 214, 120, 120), 2.5));
    p.drawPath(Curve(620, 700, [](double x) { return 100 - (x - 660) * (x - 660) / 20.0; }));
}

void TimeMotif(QPainter& p)
{
    p.setPen(QPen(QColor(255, 214, 120, 120), 2.5));
    p.drawLine(460, 80, 700, 80);
    p.setFont(look::Font(look::kSerif, 13, false, true));
    const QStringList years{QStringLiteral("−300"), QStringLiteral("820"), QStringLiteral("1637"),
                            QStringLiteral("1748")};
    for (int i = 0; i < years.size(); ++i) {
        const int x = 480 + i * 60;
        p.drawLine(x, 74, x, 86);
        p.drawText(QPointF(x - 14, 104), years[i]);
    }
}

void TableMotif(QPainter& p)
{
    p.setPen(QPen(QColor(140, 220, 255, 120), 1.5));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 6; ++column) {
            const QRect cell(470 + column * 34, 22 + row * 20, 34, 20);
            const QColor fill = (row + column) % 3 == 0 ? QColor(60, 160, 95, 110)
                                : (row * column) % 4 == 1 ? QColor(200, 80, 70, 110)
                                                          : QColor(255, 255, 255, 25);
            p.fillRect(cell, fill);
            p.drawRect(cell);
        }
}

void MethodMotif(QPainter& p)
{
    p.setPen(QPen(QColor(255, 214, 120, 120), 2));
    p.drawRoundedRect(QRectF(480, 20, 70, 86), 6, 6);
    p.drawRoundedRect(QRectF(550, 20, 70, 86), 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    for (int y = 36; y < 100; y += 12) {
        p.drawLine(490, y, 540, y);
        p.drawLine(560, y, 610, y);
    }
}

void SearchMotif(QPainter& p)
{
    p.setPen(QPen(QColor(140, 220, 255, 130), 4));
    p.drawEllipse(QPointF(540, 54), 28, 28);
    p.drawLine(QPointF(560, 74), QPointF(592, 104));
}

void AboutMotif(QPainter& p)
{
    p.setPen(QPen(QColor(255, 214, 120, 120), 2));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(90.0 + 72.0 * i);
        p.drawLine(QPointF(540, 60), QPointF(540 + 42 * std::cos(a), 60 - 42 * std::sin(a)));
    }
    p.drawEllipse(QPointF(540, 60), 42, 42);
}

bool DrawTopStrip(const QString& folder, const QString& file, const QString& title, const QString& subtitle,
                  Motif motif)
{
    QImage image(L::kStripWidth, L::kTopHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillSky(p, image.rect(), 0);
    // Faint squared paper, kept off the figure's corner.
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = 160; x < L::kStripWidth; x += 20) p.drawLine(x, 0, x, L::kTopHeight);
    for (int y = 7; y < L::kTopHeight; y += 20) p.drawLine(160, y, L::kStripWidth, y);
    motif(p);
    p.setPen(Qt::white);
    p.setFont(look::Font(look::kSerif, 34, true, true));
    p.drawText(QPointF(150, 58), title);
    p.setPen(QColor(255, 228, 160));
    p.setFont(look::Font(look::kSans, 14, false, true));
    p.drawText(QPointF(153, 88), subtitle);
    p.fillRect(0, L::kTopHeight - 3, L::kStripWidth, 3, kGold);
    p.end();
    return SaveJpg(image, folder, QStringLiteral("JPG/") + file);
}

bool DrawTopStrips(const QString& folder)
{
    struct Strip {
        const char* file;
        QString title, subtitle;
        Motif motif;
    };
    const QList<Strip> strips{
        {"MainTop.JPG", QStringLiteral("Ориндо"), QStringLiteral("Математика для 5–11 классов"), StartMotif},
        {"LabsTop.JPG", QStringLiteral("Лаборатории"), QStringLiteral("Исследуйте, стройте, проверяйте"), LabsMotif},
        {"OsTop.JPG", QStringLiteral("Лента времени"), QStringLiteral("Как рождалась математика"), TimeMotif},
        {"TabTop.JPG", QStringLiteral("Результаты"), QStringLiteral("Успехи учеников по темам"), TableMotif},
        {"MetTop.JPG", QStringLiteral("Учителю"), QStringLiteral("Методические рекомендации"), MethodMotif},
        {"PoiskTop.JPG", QStringLiteral("Поиск"), QStringLiteral("Теория, упражнения и примеры"), SearchMotif},
        {"AboutTop.JPG", QStringLiteral("О программе"), QStringLiteral("Кто и как делал Ориндо"), AboutMotif},
    };
    bool ok = true;
    for (const Strip& strip : strips)
        ok = DrawTopStrip(folder, QLatin1String(strip.file), strip.title, strip.subtitle, strip.motif) && ok;
    return ok;
}

// --- section buttons ---------------------------------------------------------------------

enum class Look { Normal, Hover, Current, Disabled };

QRectF ButtonFace(const QRect& place) { return QRectF(place).adjusted(2, 2, -2, -2); }
QRectF IconBox(const QRectF& face) { return QRectF(face.left() + 7, face.center().y() - 14, 28, 28); }
QRectF CaptionBox(const QRectF& face) { return face.adjusted(IconBox(face).width() + 12, 0, -4, 0); }

// The largest caption size at which every word of every caption fits its
// button's width and the lines its height, so a row of buttons speaks alike.
int CaptionSize(const QList<QPair<QRect, QString>>& buttons)
{
    const auto fits = [](int size, const QRectF& box, const QString& caption) {
        const QFontMetrics metrics(look::Font(look::kSans, size, true));
        for (const QString& word : caption.split(u' '))
            if (metrics.horizontalAdvance(word) > box.width()) return false;
        return metrics.boundingRect(box.toRect(), Qt::TextWordWrap, caption).height() <= box.height() - 6;
    };
    int size = 15;
    for (const auto& [place, caption] : buttons)
        while (size > 9 && !fits(size, CaptionBox(ButtonFace(place)), caption)) --size;
    return size;
}

// A rounded button with a small drawn icon on its left and a caption.
void DrawSectionButton(QPainter& p, const QRect& place, const QString& caption, int captionSize, Look look,
                       const std::function<void(QPainter&, const QRectF&)>& icon)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = ButtonFace(place);
    QColor top = look::kBandLight, bottom = look::kBand, text = Qt::white;
    if (look == Look::Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(look::kAccent.red(), look::kAccent.green(), look::kAccent.blue(), 120));
        p.drawRoundedRect(QRectF(place), 12, 12);
        top = look::kBandLight.lighter(125);
        bottom = look::kBandLight;
    } else if (look == Look::Current) {
        top = QColor(255, 224, 150);
        bottom = look::kAccent;
        text = look::kInk;
    } else if (look == Look::Disabled) {
        top = QColor(214, 220, 228);
        bottom = QColor(186, 194, 204);
        text = QColor(120, 128, 140);
    }
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.setPen(QPen(bottom.darker(135), 1.2));
    p.drawRoundedRect(r, 10, 10);
    const QRectF iconBox = IconBox(r);
    p.setPen(QPen(text, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    icon(p, iconBox);
    const QRectF captionBox = CaptionBox(r);
    const QFont font = look::Font(look::kSans, captionSize, true);
    p.setFont(font);
    p.setPen(text);
    p.drawText(captionBox, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption);
    p.restore();
}

void BookIcon(QPainter& p, const QRectF& b)
{
    p.drawLine(QPointF(b.center().x(), b.top() + 6), QPointF(b.center().x(), b.bottom() - 2));
    p.drawPolyline(QPolygonF{QPointF(b.center().x(), b.top() + 6), QPointF(b.left() + 2, b.top() + 2),
                             QPointF(b.left() + 2, b.bottom() - 6), QPointF(b.center().x(), b.bottom() - 2),
                             QPointF(b.right() - 2, b.bottom() - 6), QPointF(b.right() - 2, b.top() + 2),
                             QPointF(b.center().x(), b.top() + 6)});
}

void FlaskIcon(QPainter& p, const QRectF& b)
{
    p.drawPolyline(QPolygonF{QPointF(b.left() + 11, b.top() + 2), QPointF(b.left() + 11, b.top() + 12),
                             QPointF(b.left() + 2, b.bottom() - 2), QPointF(b.right() - 2, b.bottom() - 2),
                             QPointF(b.right() - 11, b.top() + 12), QPointF(b.right() - 11, b.top() + 2)});
    p.drawLine(QPointF(b.left() + 8, b.top() + 2), QPointF(b.right() - 8, b.top() + 2));
    p.drawLine(QPointF(b.left() + 7, b.bottom() - 10), QPointF(b.right() - 7, b.bottom() - 10));
}

void ClockIcon(QPainter& p, const QRectF& b)
{
    p.drawEllipse(b.adjusted(2, 2, -2, -2));
    p.drawLine(b.center(), QPointF(b.center().x(), b.top() + 8));
    p.drawLine(b.center(), QPointF(b.right() - 9, b.center().y() + 3));
}

void TableIcon(QPainter& p, const QRectF& b)
{
    const QRectF grid = b.adjusted(2, 5, -2, -5);
    p.drawRect(grid);
    p.drawLine(QPointF(grid.left(), grid.center().y()), QPointF(grid.right(), grid.center().y()));
    p.drawLine(QPointF(grid.left() + grid.width() / 3, grid.top()), QPointF(grid.left() + grid.width() / 3, grid.bottom()));
    p.drawLine(QPointF(grid.left() + 2 * grid.width() / 3, grid.top()),
               QPointF(grid.left() + 2 * grid.width() / 3, grid.bottom()));
}

void NotesIcon(QPainter& p, const QRectF& b)
{
    p.drawRect(b.adjusted(5, 2, -5, -2));
    for (int i = 1; i <= 3; ++i)
        p.drawLine(QPointF(b.left() + 10, b.top() + 2 + i * 7), QPointF(b.right() - 10, b.top() + 2 + i * 7));
}

void LensIcon(QPainter& p, const QRectF& b)
{
    p.drawEllipse(QRectF(b.left() + 3, b.top() + 3, 18, 18));
    p.drawLine(QPointF(b.left() + 18, b.top() + 18), QPointF(b.right() - 3, b.bottom() - 3));
}

struct ButtonPicture {
    QRect place;
    QString caption;
    void (*icon)(QPainter&, const QRectF&);
};

void DrawButtonRow(QPainter& p, const QList<ButtonPicture>& buttons, Look look)
{
    QList<QPair<QRect, QString>> captions;
    for (const ButtonPicture& button : buttons) captions.append({button.place, button.caption});
    const int size = CaptionSize(captions);
    for (const ButtonPicture& button : buttons)
        DrawSectionButton(p, button.place, button.caption, size, look, button.icon);
}

QImage LeftPanel(Look look, bool labsPicture)
{
    QImage image = look::Paper(QSize(L::kLeftWidth, L::kStripHeight));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QList<ButtonPicture> buttons{{L::kBtBook, QStringLiteral("Главная страница"), BookIcon},
                                       {L::kBtLabs, QStringLiteral("Лаборатории"), FlaskIcon},
                                       {L::kBtTime, QStringLiteral("Лента времени"), ClockIcon}};
    DrawButtonRow(p, buttons, look);
    // Below the buttons: a drawing that tells the two left pictures apart.
    QColor ink = look::kBand;
    ink.setAlpha(110);
    p.setPen(QPen(ink, 2));
    const QPointF c(L::kLeftWidth / 2.0, 320);
    if (labsPicture) {
        p.drawLine(c + QPointF(0, -50), c + QPointF(-34, 50)); // a compass
        p.drawLine(c + QPointF(0, -50), c + QPointF(34, 50));
        p.drawEllipse(c + QPointF(0, -54), 5, 5);
        p.drawArc(QRectF(c.x() - 60, c.y() + 10, 120, 80), 20 * 16, 140 * 16);
    } else {
        p.drawEllipse(c, 48, 48); // a circle with its inscribed square
        p.drawPolygon(QPolygonF{c + QPointF(0, -48), c + QPointF(48, 0), c + QPointF(0, 48), c + QPointF(-48, 0)});
        p.drawLine(c + QPointF(-60, 0), c + QPointF(60, 0));
        p.drawLine(c + QPointF(0, -60), c + QPointF(0, 60));
    }
    look::DrawMotifs(p, QRect(8, 400, L::kLeftWidth - 16, 300), 4, labsPicture ? 31 : 32);
    return image;
}

QImage BottomButtons(Look look)
{
    QImage image = look::Paper(QSize(L::kStripWidth, L::kBottomHeight));
    QPainter p(&image);
    p.fillRect(0, 0, L::kStripWidth, 2, look::kGridBold);
    const QList<ButtonPicture> buttons{{L::kBtTable, QStringLiteral("Таблица результатов"), TableIcon},
                                       {L::kBtMethod, QStringLiteral("Учителю"), NotesIcon},
                                       {L::kBtSearch, QStringLiteral("Поиск"), LensIcon}};
    DrawButtonRow(p, buttons, look);
    return image;
}

bool DrawPanels(const QString& folder)
{
    bool ok = SaveJpg(LeftPanel(Look::Normal, false), folder, QStringLiteral("JPG/MainLeft.JPG"));
    ok = SaveJpg(LeftPanel(Look::Hover, false), folder, QStringLiteral("JPG/MainLeOn.JPG")) && ok;
    ok = SaveJpg(LeftPanel(Look::Current, false), folder, QStringLiteral("JPG/MainLeOf.JPG")) && ok;
    ok = SaveJpg(LeftPanel(Look::Normal, true), folder, QStringLiteral("JPG/LabsLeft.JPG")) && ok;
    ok = SaveJpg(BottomButtons(Look::Normal), folder, QStringLiteral("JPG/MainBott.JPG")) && ok;
    ok = SaveJpg(BottomButtons(Look::Hover), folder, QStringLiteral("JPG/MainBoOn.JPG")) && ok;
    ok = SaveJpg(BottomButtons(Look::Disabled), folder, QStringLiteral("JPG/MainBoOf.JPG")) && ok;

    QImage bar(L::kStripWidth, L::kStatusHeight, QImage::Format_RGB32);
    QPainter p(&bar);
    QLinearGradient fill(0, 0, 0, L::kStatusHeight);
    fill.setColorAt(0, QColor(40, 92, 158));
    fill.setColorAt(1, QColor(18, 40, 84));
    p.fillRect(bar.rect(), fill);
    p.fillRect(0, 0, L::kStripWidth, 1, kGold);
    p.end();
    return SaveJpg(bar, folder, QStringLiteral("JPG/Bottom.JPG")) && ok;
}

// --- the guide figure and the navigation buttons ---------------------------------------------

enum class Mood { Rest, Attentive, Speaking };

// An owl in a mortarboard on the strip's sky.
QImage Owl(Mood mood)
{
    QImage image(L::kFig.size(), QImage::Format_RGB32);
    QPainter p(&image);
    FillSky(p, image.rect(), L::kFig.top());
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(56, 64);
    const QColor feathers(196, 132, 74), belly(241, 214, 170), dark(92, 58, 30);
    p.setPen(QPen(dark, 2));
    p.setBrush(feathers);
    p.drawEllipse(c, 34, 38); // body
    p.setBrush(belly);
    p.drawEllipse(c + QPointF(0, 14), 21, 22);
    // Wings; the attentive owl raises one to wave.
    p.setBrush(feathers.darker(110));
    p.drawEllipse(QPointF(c.x() - 33, c.y() + 10), 9, 20);
    if (mood == Mood::Attentive) {
        p.save();
        p.translate(c.x() + 38, c.y() - 8);
        p.rotate(-35);
        p.drawEllipse(QPointF(0, 0), 9, 20);
        p.restore();
    } else {
        p.drawEllipse(QPointF(c.x() + 33, c.y() + 10), 9, 20);
    }
    // Eyes: look up when attentive.
    const QPointF gaze = mood == Mood::Attentive ? QPointF(2, -3) : QPointF(0, 1);
    for (const double dx : {-13.0, 13.0}) {
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(dx, -12), 11, 11);
        p.setBrush(QColor(30, 30, 40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(dx, -12) + gaze, 5, 5);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(dx + 2, -14) + gaze, 1.6, 1.6);
        p.setPen(QPen(dark, 2));
    }
    // Beak, open while speaking.
    p.setBrush(look::kAccent);
    if (mood == Mood::Speaking) {
        p.drawPolygon(QPolygonF{c + QPointF(-6, -2), c + QPointF(6, -2), c + QPointF(0, 4)});
        p.drawPolygon(QPolygonF{c + QPointF(-5, 6), c + QPointF(5, 6), c + QPointF(0, 11)});
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) p.drawArc(QRectF(86 + i * 6, 42 - i * 6, 14 + i * 8, 20 + i * 8), -40 * 16, 80 * 16);
    } else {
        p.drawPolygon(QPolygonF{c + QPointF(-6, -2), c + QPointF(6, -2), c + QPointF(0, 8)});
    }
    // Feet and the mortarboard with its tassel.
    p.setPen(QPen(look::kAccent.darker(130), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (const double dx : {-10.0, 10.0}) p.drawLine(c + QPointF(dx, 37), c + QPointF(dx, 41));
    p.setPen(QPen(QColor(10, 14, 30), 1.5));
    p.setBrush(QColor(30, 34, 52));
    p.drawPolygon(QPolygonF{c + QPointF(-30, -36), c + QPointF(0, -48), c + QPointF(30, -36), c + QPointF(0, -26)});
    p.drawRect(QRectF(c.x() - 12, c.y() - 34, 24, 8));
    p.setPen(QPen(kGold, 2));
    p.drawLine(c + QPointF(0, -37), c + QPointF(24, -30));
    p.drawLine(c + QPointF(24, -30), c + QPointF(24, mood == Mood::Attentive ? -16 : -20));
    return image;
}

// A round button on the strip with an arrow (back) or a house (home).
QImage NavButton(bool home, bool hover)
{
    QImage image(L::kNavButton, QImage::Format_RGB32);
    QPainter p(&image);
    FillSky(p, image.rect(), L::kNavTop);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(hover ? kGold : QColor(255, 255, 255, 170), 2));
    p.setBrush(hover ? QColor(255, 196, 64, 90) : QColor(255, 255, 255, 30));
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    if (home) {
        p.drawPolyline(QPolygonF{c + QPointF(-8, 0), c + QPointF(0, -8), c + QPointF(8, 0)});
        p.drawPolyline(QPolygonF{c + QPointF(-5, -2), c + QPointF(-5, 8), c + QPointF(5, 8), c + QPointF(5, -2)});
    } else {
        p.drawLine(c + QPointF(-8, 0), c + QPointF(8, 0));
        p.drawPolyline(QPolygonF{c + QPointF(-1, -7), c + QPointF(-8, 0), c + QPointF(-1, 7)});
    }
    return image;
}

// Pixels the drawing left as plain sky become transparent, so the picture
// shows on whatever strip lies under it; its soft edges were drawn over the
// same sky and blend in.
constexpr QRgb kClear = qRgb(255, 0, 255);

QImage KeyOutSky(QImage drawing, int stripTop)
{
    QImage sky(drawing.size(), QImage::Format_RGB32);
    QPainter p(&sky);
    FillSky(p, sky.rect(), stripTop);
    p.end();
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            if (drawing.pixel(x, y) == sky.pixel(x, y)) drawing.setPixel(x, y, kClear);
    return drawing;
}

bool DrawFigures(const QString& folder)
{
    ui::GifOptions clear;
    clear.transparent = true;
    clear.transparentColor = kClear;
    const auto owl = [](Mood mood) { return ui::GifFrame{KeyOutSky(Owl(mood), L::kFig.top()), 100}; };
    const auto nav = [](bool home, bool hover) {
        return ui::GifFrame{KeyOutSky(NavButton(home, hover), L::kNavTop), 100};
    };
    bool ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Fig.GIF")),
                           {owl(Mood::Rest), owl(Mood::Attentive), owl(Mood::Speaking)}, clear);
    ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Back.GIF")), {nav(false, false), nav(false, true)}, clear)
         && ok;
    ok = ui::WriteGif(Target(folder, QStringLiteral("GIF/Home.GIF")), {nav(true, false), nav(true, true)}, clear)
         && ok;
    return ok;
}

bool DrawMainWindow(const QString& folder)
{
    const bool strips = DrawTopStrips(folder);
    const bool panels = DrawPanels(folder);
    return DrawFigures(folder) && strips && panels;
}

} // namespace

ARTGEN_REGISTER("main window", DrawMainWindow);
