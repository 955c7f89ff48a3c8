// The contents and topic page windows: the contents' left picture with its
// ten section buttons ("Cont.JPG", hover "ContOn.JPG", current "ContOff.JPG"),
// the top strip of every section ("Cont{n}.JPG"), the topic page window's
// left picture with its page, font and print buttons ("Work.JPG", "WorkOn.JPG",
// "WorkOff.JPG"), and the verdict icons of the exercises ("F0.gif" waits for
// the teacher, "F1.gif" right, "F2.gif" wrong, "btGo.gif" not tried yet).
#include "artgen.h"
#include "look.h"
#include "shell/courselayout.h"
#include "ui/gifwriter.h"
#include <QLinearGradient>
#include <algorithm>
#include <QPainterPath>

namespace {
using namespace artgen;
namespace L = shell::courselayout;

struct SectionInfo {
    int number;
    const char* title;
    const char* group;
};

const SectionInfo kSections[L::kSectionButtons] = {
    {0, "Натуральные числа", "Математика, 5–6 классы"},
    {1, "Дроби и проценты", "Математика, 5–6 классы"},
    {2, "Наглядная геометрия", "Математика, 5–6 классы"},
    {10, "Выражения и уравнения", "Алгебра, 7–9 классы"},
    {11, "Функции и графики", "Алгебра, 7–9 классы"},
    {12, "Неравенства и системы", "Алгебра, 7–9 классы"},
    {20, "Планиметрия", "Геометрия, 7–11 классы"},
    {21, "Тригонометрия", "Геометрия, 7–11 классы"},
    {22, "Стереометрия", "Геометрия, 7–11 классы"},
    {30, "Случайные события", "Вероятность и статистика"},
};

// How the buttons of a left picture look: at rest, under the mouse, or
// pressed in (the section or page shown, whose button is disabled).
enum class Look { Rest, Hover, Current };

QColor ButtonColour(Look look) { return look == Look::Current ? look::kAccent : look::kBand; }

struct Button {
    QRect place;
    QString caption;
};

bool DrawLeftPicture(const QString& folder, const QString& file, const QList<Button>& buttons, Look look)
{
    QImage image = look::Paper(QSize(L::kLeftWidth, L::kLeftHeight));
    QPainter p(&image);
    // One caption size for the whole column: long captions go on two lines
    // rather than shrink below kColumnCaption, and no caption is larger than
    // the smallest one.
    constexpr int kColumnCaption = 12;
    QStringList captions;
    int size = 15;
    for (const Button& button : buttons) {
        captions.append(look::WrapCaption(button.caption, button.place.size(), kColumnCaption));
        size = std::min(size, look::CaptionSize(captions.last(), button.place.size()));
    }
    for (int i = 0; i < buttons.size(); ++i)
        look::DrawButton(p, buttons[i].place, captions[i], ButtonColour(look), look == Look::Hover, size);
    p.end();
    return SaveJpg(image, folder, QStringLiteral("JPG/") + file);
}

bool DrawLeftPictures(const QString& folder, const QString& prefix, const QList<Button>& buttons)
{
    bool ok = DrawLeftPicture(folder, prefix + QStringLiteral(".JPG"), buttons, Look::Rest);
    ok = DrawLeftPicture(folder, prefix + QStringLiteral("On.JPG"), buttons, Look::Hover) && ok;
    return DrawLeftPicture(folder, prefix + QStringLiteral("Off.JPG"), buttons, Look::Current) && ok;
}

// The section's strip: the night-blue gradient of the main window's strips,
// the group above the section title, and an open book; the lower part stays
// calm for the topic title the topic page window writes there.
bool DrawSectionStrip(const QString& folder, const SectionInfo& section)
{
    QImage image(2560, L::kTopHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, L::kTopHeight);
    sky.setColorAt(0, QColor(18, 40, 84));
    sky.setColorAt(1, QColor(40, 92, 158));
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = 160; x < image.width(); x += 20) p.drawLine(x, 0, x, L::kTopHeight);
    for (int y = 7; y < L::kTopHeight; y += 20) p.drawLine(160, y, image.width(), y);
    // An open book, left of the navigation buttons of an 800-pixel window.
    p.setPen(QPen(QColor(255, 214, 120, 120), 2));
    const QPointF spine(620, 24);
    p.drawPolyline(QPolygonF{spine, QPointF(575, 14), QPointF(575, 64), QPointF(620, 74), QPointF(665, 64),
                             QPointF(665, 14), spine});
    p.drawLine(spine, QPointF(620, 74));
    p.setPen(QColor(255, 228, 160));
    p.setFont(look::Font(look::kSans, 13, false, true));
    p.drawText(QPointF(153, 24), QString::fromUtf8(section.group));
    p.setPen(Qt::white);
    p.setFont(look::Font(look::kSerif, 30, true, true));
    p.drawText(QPointF(150, 60), QString::fromUtf8(section.title));
    p.fillRect(0, L::kTopHeight - 3, image.width(), 3, QColor(255, 196, 64));
    p.end();
    return SaveJpg(image, folder, QStringLiteral("JPG/Cont%1.JPG").arg(section.number));
}

// A round verdict icon on a white background that the GIF makes transparent.
QImage Icon(const QColor& colour, const std::function<void(QPainter&)>& mark)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(QPointF(8, 7), 11);
    ball.setColorAt(0, colour.lighter(140));
    ball.setColorAt(1, colour);
    p.setBrush(ball);
    p.setPen(QPen(colour.darker(140), 1));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    mark(p);
    p.end();
    return image;
}

bool DrawIcons(const QString& folder)
{
    ui::GifOptions transparent;
    transparent.transparent = true;
    transparent.transparentColor = qRgb(255, 255, 255);
    const auto save = [&](const char* name, const QImage& image) {
        return ui::WriteGif(Target(folder, QStringLiteral("GIF/") + QLatin1String(name)), image, transparent);
    };
    bool ok = save("F0.gif", Icon(QColor(230, 160, 40), [](QPainter& p) { // an hourglass: the teacher will judge
        p.drawPolyline(QPolygonF{QPointF(6, 5), QPointF(14, 5), QPointF(6, 15), QPointF(14, 15), QPointF(6, 5)});
    }));
    ok = save("F1.gif", Icon(look::kGreen, [](QPainter& p) {
        p.drawPolyline(QPolygonF{QPointF(5.5, 10), QPointF(8.5, 13.5), QPointF(14.5, 6.5)});
    })) && ok;
    ok = save("F2.gif", Icon(look::kRed, [](QPainter& p) {
        p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
        p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    })) && ok;
    ok = save("btGo.gif", Icon(look::kBand, [](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{QPointF(8, 5.5), QPointF(14.5, 10), QPointF(8, 14.5)});
    })) && ok;
    return ok;
}

bool DrawCourseWindows(const QString& folder)
{
    QList<Button> sections;
    for (int i = 0; i < L::kSectionButtons; ++i)
        sections.append({L::SectionButton(i), QString::fromUtf8(kSections[i].title)});
    bool ok = DrawLeftPictures(folder, QStringLiteral("Cont"), sections);
    for (const SectionInfo& section : kSections) ok = DrawSectionStrip(folder, section) && ok;
    const QList<Button> pages{
        {L::PageButton(0), QStringLiteral("Основные сведения")}, {L::PageButton(1), QStringLiteral("Инструментарий")},
        {L::PageButton(2), QStringLiteral("Упражнения")},        {L::PageButton(3), QStringLiteral("Результаты")},
        {L::kBtUp, QStringLiteral("A+")},                        {L::kBtDown, QStringLiteral("A–")},
        {L::kBtPrint, QStringLiteral("Печать")},
    };
    ok = DrawLeftPictures(folder, QStringLiteral("Work"), pages) && ok;
    return DrawIcons(folder) && ok;
}

} // namespace

ARTGEN_REGISTER("contents and topic pages", DrawCourseWindows);
